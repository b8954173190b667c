// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules: the computer's move on worked boards, exhaustive game-tree
// searches, properties over all 3^9 boards, and a session's turn flow under
// long random runs of every command, moves off the board among them.

#include <algorithm>
#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "game/game.hpp"
#include "game/help.hpp"
#include "game/winner.hpp"

namespace vovodi {
namespace {

// "X", "O" or "." for each cell, row by row: "XO..X...." has X in 0 and 4.
Board board(std::string_view cells)
{
    Board b{};
    std::transform(cells.begin(), cells.end(), b.begin(),
                   [](char c) { return Mark(std::string_view(".XO").find(c)); });
    return b;
}

std::string text(const Board& b)
{
    std::string s;
    std::transform(b.begin(), b.end(), std::back_inserter(s), [](Mark m) { return ".XO"[int(m)]; });
    return s;
}

TEST(ComputerCell, WorkedBoardsAtEveryLevel)
{
    const std::pair<const char*, std::array<int, 4>> boards[] = {
        // Easy, Normal, Hard, No Win
        {".........", {4, 4, 4, 4}}, {"....X....", {0, 0, 0, 0}},
        {"X........", {4, 4, 4, 4}}, {".X.......", {4, 4, 4, 4}},
        {"OO.XX.X..", {2, 5, 2, 2}},  // blocks first at Normal
        {"XXO.OO.XX", {6, 6, 3, 3}},  // target position outranks line
        {"..XOO..XX", {0, 5, 5, 5}}, {"X...O...X", {2, 2, 2, 1}},
        {"..X.O.X..", {0, 0, 0, 1}}, {"....OX.X.", {0, 0, 0, 8}},
        {"O...X....", {2, 2, 2, 8}}, {"X...O....", {2, 2, 2, 8}},
        {"....O...X", {0, 0, 0, 0}},  // No Win has no rule for it
        {"O.X.X....", {6, 6, 6, 6}},  // Easy's scan takes the corners in order
        {"OX.XO...X", {2, 2, 2, 6}}, {"XOXXOOOXX", {-1, -1, -1, -1}},
        {"XOXXO.O.O", {5, 7, 7, 7}},  // Easy's scan ends on 5, then 7
        {"X.O.O.X.X", {1, 7, 7, 7}},  // and takes the top edge before the left
    };
    for (const auto& [cells, expected] : boards) {
        for (std::size_t l = 0; l < kDifficulties.size(); ++l) {
            EXPECT_EQ(computerCell(board(cells), kDifficulties[l]).value_or(-1), expected[l])
                << cells << " level " << l + 1;
        }
    }
}

// Can some sequence of player moves, starting on `b` with the player to move
// and every move answered by the computer, complete a line of X?
bool playerCanWin(const Board& b, Difficulty level)
{
    for (int cell = 0; cell < 9; ++cell) {
        Board next = b;
        if (next[cell] == Mark::None && (next[cell] = Mark::X, owns(next, Mark::X))) {
            return true;
        }
        const auto reply = b[cell] == Mark::None ? computerCell(next, level) : std::nullopt;
        if (reply && (next[*reply] = Mark::O, !owns(next, Mark::O)) && playerCanWin(next, level)) {
            return true;
        }
    }
    return false;
}

TEST(EveryGame, WhoCanBeBeaten)
{
    EXPECT_FALSE(playerCanWin(kEmptyBoard, Difficulty::NoWin));
    EXPECT_TRUE(playerCanWin(kEmptyBoard, Difficulty::Hard) && playerCanWin(kEmptyBoard, Difficulty::Easy));
    // After the computer's opening in the centre or the corner, only Easy can be beaten.
    for (Difficulty level : {Difficulty::Normal, Difficulty::Hard, Difficulty::NoWin}) {
        EXPECT_FALSE(playerCanWin(board("....O...."), level) || playerCanWin(board("O........"), level));
    }
}

// True when `mark` in the free cell `cell` completes a line; any free cell will do for -1.
bool completes(const Board& b, int cell, Mark mark)
{
    for (int c = cell < 0 ? 0 : cell; c < (cell < 0 ? 9 : cell + 1); ++c) {
        Board next = b;
        if (next[c] == Mark::None && (next[c] = mark, owns(next, mark))) {
            return true;
        }
    }
    return false;
}

TEST(EveryBoard, MovesAreFreeCellsAndFollowTheLevelsPriorities)
{
    for (int code = 0; code < 19683; ++code) {
        Board b{};
        for (int i = 0, c = code; i < 9; ++i, c /= 3) {
            b[i] = static_cast<Mark>(c % 3);
        }
        for (Difficulty level : kDifficulties) {
            const auto cell = computerCell(b, level);
            ASSERT_EQ(cell.has_value(), !isFull(b));
            ASSERT_TRUE(!cell || b[*cell] == Mark::None);
            // Help plays for X as the computer plays for O: a free cell, and at Hard and No Win the win.
            const auto help = helpCell(b, level);
            ASSERT_TRUE(help ? b[*help] == Mark::None : isFull(b));
            ASSERT_TRUE(!help || level < Difficulty::Hard || !completes(b, -1, Mark::X) ||
                        completes(b, *help, Mark::X))
                << text(b);
            if (cell && level != Difficulty::Easy) {
                // Hard and No Win win whenever they can, else block; Normal blocks first.
                const Mark first = level == Difficulty::Normal ? Mark::X : Mark::O;
                const Mark second = first == Mark::X ? Mark::O : Mark::X;
                ASSERT_TRUE(completes(b, -1, first)
                                ? completes(b, *cell, first)
                                : !completes(b, -1, second) || completes(b, *cell, second))
                    << text(b);
            }
        }
    }
    EXPECT_EQ(winner(board("XXXOOO...")), Mark::X);  // X is judged first
}

// A session that checks each game as it is announced and writes down the
// text, the board under the box, and the player's and the computer's scores.
struct Session : Game::Announcer {
    Game game{*this};
    std::vector<std::string> seen;
    void announce(Mark winner) override
    {
        // The final position is on the board, never the player's at No Win...
        ASSERT_EQ(vovodi::winner(game.board()), winner);
        ASSERT_TRUE(winner == Mark::O || game.level() != Difficulty::NoWin) << text(game.board());
        const std::string outcome = winner == Mark::X ? "won" : "lost";
        seen.push_back(outcome + ' ' + state());
        // ...and while the box is open, no command reaches the game.
        game.playCell(static_cast<int>(text(game.board()).find('.')));
        game.restartAll();
        ASSERT_EQ(seen.back(), outcome + ' ' + state());
    }
    std::string state() const
    {
        return text(game.board()) + ' ' + std::to_string(game.playerScore()) + ':' +
               std::to_string(game.computerScore()) + (game.computerMayOpen() ? " may open" : "");
    }
};

#ifndef VOVODI_SOAK_COMMANDS
#define VOVODI_SOAK_COMMANDS 100000  // the soak target game_soak runs ten million
#endif

// Every command at random, with the session's rules checked after each and at
// every announcement.
TEST(Game, RandomCommandsKeepTheRules)
{
    for (std::uint32_t seed : {1U, 20240611U, 777U, 4242U}) {
        std::mt19937 rng(seed);
        Session c;
        const std::array<std::function<void()>, 6> commands{
            [&] { c.game.help(); },       [&] { c.game.computerOpens(); },
            [&] { c.game.restartAll(); }, [&] { c.game.setLevel(kDifficulties[rng() % 4]); },
            [&] { c.game.newGame(); },    [&] { c.game.playCell(static_cast<int>(rng() % 11) - 1); }};
        for (long n = 0; n < VOVODI_SOAK_COMMANDS / 4; ++n) {
            const auto before = std::pair{c.game.playerScore(), c.game.computerScore()};
            const Difficulty level = c.game.level();
            const unsigned command = std::min<unsigned>(rng() % 16, 5);  // mostly moves
            const Board was = c.game.board();
            c.seen.clear();
            commands[command]();
            ASSERT_TRUE(command != 4 || c.game.board() == kEmptyBoard);  // New Game empties the board
            // At most one game a command, scored for its winner alone; only restarts lower a score.
            const bool restarted = command == 2 || c.game.level() != level;
            ASSERT_LE(c.seen.size(), 1U);
            const std::uint64_t won = c.seen.size(),
                                lost = won && c.seen[0].find("lost") != std::string::npos;
            const auto expected = restarted ? std::pair<std::uint64_t, std::uint64_t>{}
                                            : std::pair{before.first + won - lost, before.second + lost};
            ASSERT_EQ(std::pair(c.game.playerScore(), c.game.computerScore()), expected);
            // The last turn rebuilds the board from the one before (or an empty one after a
            // restart or New Game): its X, then its O, a game either wins cleared at once; a
            // taken cell, and nothing else.
            const Game::Turn& turn = c.game.lastTurn();
            Board rebuilt = restarted || command == 4 ? kEmptyBoard : was;
            for (const auto& [cell, mark] : {std::pair{turn.x, Mark::X}, std::pair{turn.o, Mark::O}}) {
                ASSERT_TRUE(!cell || std::exchange(rebuilt.at(*cell), mark) == Mark::None);
                ASSERT_EQ(owns(rebuilt, mark), turn.won == mark);
                rebuilt = turn.won == mark ? kEmptyBoard : rebuilt;
            }
            ASSERT_TRUE(!turn.taken || (was[*turn.taken] != Mark::None && rebuilt == was));
            ASSERT_EQ(text(rebuilt), text(c.game.board()));
            ASSERT_EQ(winner(c.game.board()), Mark::None) << text(c.game.board());
        }
    }
}

}  // namespace
}  // namespace vovodi
