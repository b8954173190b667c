// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

namespace vovodi {

class Desktop;

// The About box: the program's icon, name, version, maker, copyright and the
// user it is licensed to, with an OK button and a Mail button that writes to
// the author. The owner shows it modeless with itself as parent and sets
// Qt::WA_DeleteOnClose, so closing it discards it.
//
// Its controls are named, for tests and tools: "iconLabel", "okButton",
// "mailButton", "infoFrame" and the rows in it, "titleRow", "versionRow",
// "companyRow", "copyrightRow" and "licenseeRow".
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(Desktop& desktop, QWidget* parent = nullptr);

private:
    void sendMail();

    Desktop& desktop_;
};

}  // namespace vovodi
