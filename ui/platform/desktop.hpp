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
    QString userName() const override;
    QString userId() const override;
    void openUrl(const QUrl& url) override;
};

}  // namespace vovodi
