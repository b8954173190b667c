// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include <QPointer>
#include <QString>

class QMessageBox;
class QWidget;

namespace vovodi {

// The main window's modal boxes. The window asks through this interface so
// that the turn flow can be driven in tests without a blocking modal loop.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows `text` in a modal box with one OK button and no icon, titled with
    // the application title; returns once the box is closed.
    virtual void showOutcome(QWidget* parent, const QString& text) = 0;

    // Asks for the player's name with `prompt` and an empty field; none when
    // the user cancels.
    virtual std::optional<QString> askName(QWidget* parent, const QString& prompt) = 0;
};

// The real boxes: QMessageBox and QInputDialog.
class QtDialogs final : public Dialogs {
public:
    void showOutcome(QWidget* parent, const QString& text) override;
    std::optional<QString> askName(QWidget* parent, const QString& prompt) override;

private:
    QPointer<QMessageBox> outcomeBox_;
};

}  // namespace vovodi
