// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.hpp"

#include <utility>

#include "game/help.hpp"
#include "game/winner.hpp"

namespace vovodi {
namespace {

const std::u16string kDefaultName = u"You";

}  // namespace

Game::Game(Announcer& announcer) : announcer_(announcer), playerName_(kDefaultName) {}

void Game::playCell(int cell)
{
    if (announcing_ || cell < 0 || cell >= 9 || board_[cell] != Mark::None) {
        return;
    }
    board_[cell] = Mark::X;
    answerPlayer();
}

void Game::help()
{
    if (announcing_) {
        return;
    }
    // Worked out on a copy of the board, so the exchanged marks are never seen.
    if (const auto cell = helpCell(board_, level_)) {
        board_[*cell] = Mark::X;
    }
    answerPlayer();
}

void Game::answerPlayer()
{
    // A win by the player clears the board, and the computer's reply then
    // opens the next game in the centre.
    CheckWinner();
    ComputerPlay();
    CheckWinner();
}

void Game::computerOpens()
{
    if (announcing_ || !computerMayOpen()) {
        return;
    }
    firstMoveToggle_ = !firstMoveToggle_;
    board_[firstMoveToggle_ ? 4 : 0] = Mark::O;
}

void Game::newGame()
{
    if (!announcing_) {
        ClearBoard();
    }
}

void Game::restartAll()
{
    if (announcing_) {
        return;
    }
    computerScore_ = 0;
    playerScore_ = 0;
    playerName_ = kDefaultName;
    ClearBoard();
}

void Game::setLevel(Difficulty level)
{
    if (announcing_ || level == level_ || !isLevel(static_cast<int>(level))) {
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

void Game::ClearBoard()
{
    board_ = kEmptyBoard;
}

void Game::CheckWinner()
{
    const Mark won = winner(board_);
    if (won == Mark::None) {
        return;
    }
    announcing_ = true;
    announcer_.announce(won);
    announcing_ = false;
    ++(won == Mark::X ? playerScore_ : computerScore_);
    ClearBoard();
}

void Game::ComputerPlay()
{
    if (const auto cell = computerCell(board_, level_)) {
        board_[*cell] = Mark::O;
    }
}

std::string_view levelName(Difficulty level)
{
    switch (level) {
    case Difficulty::Easy:
        return "Easy";
    case Difficulty::Normal:
        return "Normal";
    case Difficulty::Hard:
        return "Hard";
    case Difficulty::NoWin:
        break;
    }
    return "No Win";
}

std::string_view outcomeText(Mark winner)
{
    return winner == Mark::X ? "<< You Win >>" : "<< You Failed >>";
}

bool isLevel(int value)
{
    return value >= static_cast<int>(Difficulty::Easy) && value <= static_cast<int>(Difficulty::NoWin);
}

}  // namespace vovodi
