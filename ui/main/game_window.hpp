// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include <QMainWindow>
#include <QPointer>

#include "game/game.hpp"

class QAction;
class QLabel;
class QRadioButton;

namespace vovodi {

class AboutDialog;
class Cell;
class ClickLabel;
class ColourButton;
class Desktop;
class Dialogs;
class SpokenGame;

// The game window, a view of one Game: every command hands the user's action
// to the game and redraws the controls from its state. What stays here is
// what only a window has: press colours, focus, the modal boxes and About.
//
// Each control's objectName is its member's name without the underscore
// ("newGameButton", "cell4", "levelOption3" for Hard, "levelItem3"), which is
// how tests find them.
class GameWindow : public QMainWindow, private Game::Announcer {
    Q_OBJECT
public:
    GameWindow(Dialogs& dialogs, Desktop& desktop, QWidget* parent = nullptr);
    ~GameWindow() override;

    const Game& game() const { return game_; }

    // What the scoreboard and the level controls call a level.
    static QString levelName(Difficulty level);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildCommands();
    // Shows the game's state in the controls.
    void redraw();
    void announce(Mark winner) override;

    // The commands, each reached from its button, its menu item or its key.
    void playCell(int cell);
    void newGame();
    void computerOpens();
    void restartAll();
    void help();
    void chooseLevel(Difficulty level);
    void askPlayerName();
    void showAbout();
    // A character typed while New Game has the focus: the digits play cells.
    void typedOnNewGame(char16_t character);

    // The slot of a level in levelOptions_ and levelItems_.
    static constexpr std::size_t slot(Difficulty d) { return static_cast<std::size_t>(d) - 1; }

    Dialogs& dialogs_;
    Desktop& desktop_;
    Game game_{*this};
    SpokenGame* spoken_ = nullptr;
    QPointer<AboutDialog> about_;

    // Cells 0..8, row by row from the top-left.
    std::array<Cell*, 9> cells_{};
    ColourButton* newGameButton_ = nullptr;
    ColourButton* computerButton_ = nullptr;
    ColourButton* restartAllButton_ = nullptr;
    ColourButton* helpButton_ = nullptr;
    // The scoreboard: the level and the computer's score above, the player's
    // name and score below.
    QLabel* levelLabel_ = nullptr;
    QLabel* computerScoreLabel_ = nullptr;
    ClickLabel* nameLabel_ = nullptr;
    QLabel* playerScoreLabel_ = nullptr;
    std::array<QRadioButton*, 4> levelOptions_{};

    // The Edit menu's commands; the buttons trigger the same actions.
    QAction* newGameAction_ = nullptr;
    QAction* restartAllAction_ = nullptr;
    QAction* computerOpensAction_ = nullptr;
    QAction* helpAction_ = nullptr;
    std::array<QAction*, 4> levelItems_{};
};

}  // namespace vovodi
