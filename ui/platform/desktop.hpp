// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

namespace vovodi {

// What the program asks of the desktop around it.
class Desktop {
public:
    virtual ~Desktop() = default;

    // The logged-on user's name; empty when it cannot be read.
    virtual QString userName() const = 0;

    // The effective user's numeric id, to name a user who has no name; empty
    // where the system has no such number.
    virtual QString userId() const = 0;

    // Hands `url` (a mailto: link) to the desktop's own handler. Failure is
    // not reported to the user.
    virtual void openUrl(const QUrl& url) = 0;
};

// The real desktop: the system's user database and QDesktopServices.
class SystemDesktop final : public Desktop {
public:
    // Where there is no session bus (a plain X session, ssh -X, a kiosk), D-Bus
    // starts one the first time Qt asks for it (dbus-launch --autolaunch), and
    // that bus outlives the game, one more at every start. The game needs none,
    // so it is given an address of no transport, which D-Bus refuses at once
    // (the programs it starts are not). Called before the application is
    // made; it does nothing on Windows and macOS.
    static void keepFromStartingASessionBus();

    QString userName() const override;
    QString userId() const override;
    // The handler, and the mail program it starts, get the environment the
    // user had: without the address the game gave itself.
    void openUrl(const QUrl& url) override;
};

}  // namespace vovodi
