// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include "game/game.hpp"

class QAbstractButton;
class QLabel;

namespace vovodi {

// What a screen reader hears of the game beyond the controls themselves.
//
// Itself a notice on the game window, of no size, which a reader announces as
// it is shown: after each command on the board, tell() shows it anew with what
// the command did ("X centre. O top left."), or hides it when there is nothing
// to tell. And the button it is given (New Game, where the digit keys play)
// describes the whole board to a reader that asks, as Orca's Where Am I does.
// Both texts are read from the game when a reader asks for them, so no change
// of a name or a description is ever sent (Qt 6.4's AT-SPI bridge sends such a
// change without its text, and Orca 43 fails on it). The player is called as
// the name label shows it.
class SpokenGame : public QWidget {
    Q_OBJECT
public:
    SpokenGame(const Game& game, QAbstractButton* boardButton, const QLabel* nameLabel, QWidget* parent);

    // After each command on the board. While the window is not active (an
    // outcome box has just closed over it) the notice waits until it is again,
    // so that the reader's announcement of the window does not cut it short.
    void tell();
    // What the notice says now; empty while there is nothing to tell.
    const QString& told() const { return told_; }
    // "Board: O top left, X centre; 7 cells free."
    QString boardText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the last command did: "X centre. O top left.", "Top left is taken.",
    // "X top right. Computer 0, You 1. O centre."; empty when it did nothing.
    QString turnText() const;

    const Game& game_;
    const QLabel* nameLabel_;
    QString told_;
};

}  // namespace vovodi
