// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.hpp"

#include <algorithm>
#include <utility>

#include "game/help.hpp"
#include "game/winner.hpp"

namespace vovodi {

Game::Game(Announcer& announcer) : announcer_(announcer) {}

const std::u16string& Game::playerName() const
{
    static const std::u16string kNone;
    return playerName_ ? *playerName_ : kNone;
}

void Game::playCell(int cell)
{
    if (announcing_) {
        return;
    }
    lastTurn_ = {};
    if (cell < 0 || cell >= 9) {
        return;
    }
    if (board_[cell] != Mark::None) {
        lastTurn_.taken = cell;
        return;
    }
    board_[cell] = Mark::X;
    lastTurn_.x = cell;
    answerPlayer();
}

void Game::help()
{
    if (announcing_) {
        return;
    }
    // Worked out on a copy of the board, so the exchanged marks are never seen.
    lastTurn_ = {};
    if (const auto cell = helpCell(board_, level_)) {
        board_[*cell] = Mark::X;
        lastTurn_.x = cell;
    }
    answerPlayer();
}

void Game::answerPlayer()
{
    // A win by the player clears the board, and the computer's reply then
    // opens the next game in the centre.
    checkWinner();
    computerPlay();
    checkWinner();
}

void Game::computerOpens()
{
    if (announcing_) {
        return;
    }
    lastTurn_ = {};
    if (!computerMayOpen()) {
        return;
    }
    firstMoveToggle_ = !firstMoveToggle_;
    lastTurn_.o = firstMoveToggle_ ? 4 : 0;
    board_[*lastTurn_.o] = Mark::O;
}

void Game::newGame()
{
    if (!announcing_) {
        clearBoard();
        lastTurn_ = {};
    }
}

void Game::restartAll()
{
    if (announcing_) {
        return;
    }
    computerScore_ = 0;
    playerScore_ = 0;
    playerName_.reset();
    clearBoard();
    lastTurn_ = {};
}

void Game::setLevel(Difficulty level)
{
    if (announcing_) {
        return;
    }
    lastTurn_ = {};
    if (level == level_ ||
        std::find(kDifficulties.begin(), kDifficulties.end(), level) == kDifficulties.end()) {
        return;
    }
    restartAll();
    level_ = level;
}

void Game::setPlayerName(std::u16string name)
{
    if (!announcing_) {
        playerName_ = std::move(name);
    }
}

void Game::clearBoard()
{
    board_ = kEmptyBoard;
}

void Game::checkWinner()
{
    const Mark won = winner(board_);
    if (won == Mark::None) {
        return;
    }
    announcing_ = true;
    announcer_.announce(won);
    announcing_ = false;
    ++(won == Mark::X ? playerScore_ : computerScore_);
    clearBoard();
    lastTurn_.won = won;
}

void Game::computerPlay()
{
    if (const auto cell = computerCell(board_, level_)) {
        board_[*cell] = Mark::O;
        lastTurn_.o = cell;
    }
}

}  // namespace vovodi
