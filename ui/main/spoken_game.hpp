// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>

#include <QObject>
#include <QString>

#include "game/game.hpp"
#include "ui/main/reader_voice.hpp"

class QAbstractButton;
class QLabel;
class QWidget;

namespace vovodi {

// What a screen reader hears of the game beyond the controls themselves.
//
// After each command on the board, tell() has the reader say what the command
// did ("X centre. O top left."). And the button it is given (New Game, where
// the digit keys play) describes the whole board to a reader that asks, as
// Orca's Where Am I does. How the words reach the reader depends on Qt's
// version (ReaderVoice). The player is called as the name label shows it.
class SpokenGame : public QObject {
    Q_OBJECT
public:
    // The voice's notice, where it has one, goes on `parent`.
    SpokenGame(const Game& game, QAbstractButton* boardButton, const QLabel* nameLabel, QWidget* parent);

    // After each command on the board. While the window is not active (an
    // outcome box has just closed over it) the words wait until it is again,
    // so that the reader's announcement of the window does not cut them short.
    void tell();
    // "Board: O top left, X centre; 7 cells free."
    QString boardText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the last command did: "X centre. O top left.", "Top left is taken.",
    // "X top right. Computer 0, You 1. O centre."; empty when it did nothing.
    QString turnText() const;

    const Game& game_;
    QAbstractButton* boardButton_;
    const QLabel* nameLabel_;
    QWidget* window_;
    std::unique_ptr<ReaderVoice> voice_;
    QString told_;
    QString described_;
    bool waiting_ = false;
};

}  // namespace vovodi
