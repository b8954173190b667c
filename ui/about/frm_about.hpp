// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace vovodi {

class Desktop;

// The About box: the program's name, version, maker, copyright and the user it
// is licensed to, with an OK button and a Mail button that writes to the
// author. The owner shows it modeless with itself as parent and sets
// Qt::WA_DeleteOnClose, so closing it discards it.
//
// The controls keep the names they have always had, and are public like a
// form's controls so the owner and the tests can reach them.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(Desktop& desktop, QWidget* parent = nullptr);

    QLabel* const Image1;
    QPushButton* const cmdOK;
    QPushButton* const Command1;  // "Mail"
    QFrame* const Frame1;
    const std::array<QLabel*, 6> L;  // L[0] is empty and lies below the frame's visible area

private slots:
    void cmdOK_Click();
    void Command1_Click();

private:
    void Form_Load();

    Desktop& desktop_;
};

}  // namespace vovodi
