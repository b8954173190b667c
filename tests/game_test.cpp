// Rules of the game engine: worked boards, exhaustive game-tree searches and
// properties over every one of the 3^9 boards.

#include <array>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

#include "game/board.hpp"
#include "game/computer_play.hpp"
#include "game/help.hpp"
#include "game/winner.hpp"

namespace vovodi {
namespace {

constexpr std::array<Difficulty, 4> kLevels{Difficulty::Easy, Difficulty::Normal, Difficulty::Hard,
                                            Difficulty::NoWin};

// "X", "O" or "." for each cell, row by row: "XO..X...." has X in 0 and 4.
Board board(std::string_view cells)
{
    Board b{};
    for (std::size_t i = 0; i < b.size(); ++i) {
        b[i] = cells[i] == 'X' ? Mark::X : cells[i] == 'O' ? Mark::O : Mark::None;
    }
    return b;
}

// -1 stands for "no cell".
int cellOrNone(std::optional<int> c)
{
    return c.value_or(-1);
}

struct Worked {
    const char* cells;
    std::array<int, 4> expected;  // Easy, Normal, Hard, No Win
};

TEST(ComputerCell, WorkedBoardsAtEveryLevel)
{
    const Worked boards[] = {
        {".........", {4, 4, 4, 4}}, {"....X....", {0, 0, 0, 0}},     {"X........", {4, 4, 4, 4}},
        {".X.......", {4, 4, 4, 4}}, {"OO.XX.X..", {2, 5, 2, 2}},  // blocks first at Normal
        {"XXO.OO.XX", {6, 6, 3, 3}},                               // target position outranks line
        {"..XOO..XX", {0, 5, 5, 5}}, {"X...O...X", {2, 2, 2, 1}},     {"..X.O.X..", {0, 0, 0, 1}},
        {"....OX.X.", {0, 0, 0, 8}}, {"O...X....", {2, 2, 2, 8}},     {"X...O....", {2, 2, 2, 8}},
        {"....O...X", {0, 0, 0, 0}},  // No Win has no rule for it
        {"OX.XO...X", {2, 2, 2, 6}}, {"XOXXOOOXX", {-1, -1, -1, -1}},
    };
    for (const Worked& w : boards) {
        for (std::size_t l = 0; l < kLevels.size(); ++l) {
            SCOPED_TRACE(std::string{w.cells} + " at level " + std::to_string(l + 1));
            EXPECT_EQ(cellOrNone(computerCell(board(w.cells), kLevels[l])), w.expected[l]);
        }
    }
}

// Can some sequence of player moves, starting on `b` with the player to move
// and every move answered by the computer, complete a line of X?
bool playerCanWin(const Board& b, Difficulty level)
{
    for (int cell = 0; cell < 9; ++cell) {
        if (b[cell] != Mark::None) {
            continue;
        }
        Board next = b;
        next[cell] = Mark::X;
        if (owns(next, Mark::X)) {
            return true;
        }
        const auto reply = computerCell(next, level);
        if (!reply) {
            continue;  // the player's move filled the board
        }
        next[*reply] = Mark::O;
        if (!owns(next, Mark::O) && playerCanWin(next, level)) {
            return true;
        }
    }
    return false;
}

TEST(GameTree, NoWinNeverLosesWhenThePlayerOpens)
{
    EXPECT_FALSE(playerCanWin(kEmptyBoard, Difficulty::NoWin));
}

TEST(GameTree, NormalHardAndNoWinNeverLoseAfterAnOpeningInCentreOrCorner)
{
    for (Difficulty level : {Difficulty::Normal, Difficulty::Hard, Difficulty::NoWin}) {
        for (const char* opening : {"....O....", "O........"}) {
            SCOPED_TRACE(std::string{opening} + " at level " + std::to_string(static_cast<int>(level)));
            EXPECT_FALSE(playerCanWin(board(opening), level));
        }
    }
}

TEST(GameTree, TheSearchFindsTheKnownWinAtHard)
{
    // X0, O4, X8, O2, X6, O7, X3: the left column for the player.
    Board b{};
    const int playerMoves[] = {0, 8, 6};
    const int replies[] = {4, 2, 7};
    for (int i = 0; i < 3; ++i) {
        b[playerMoves[i]] = Mark::X;
        ASSERT_FALSE(owns(b, Mark::X));
        ASSERT_EQ(cellOrNone(computerCell(b, Difficulty::Hard)), replies[i]);
        b[replies[i]] = Mark::O;
        ASSERT_FALSE(owns(b, Mark::O));
    }
    b[3] = Mark::X;
    EXPECT_TRUE(owns(b, Mark::X));
    EXPECT_TRUE(playerCanWin(kEmptyBoard, Difficulty::Hard));
    EXPECT_TRUE(playerCanWin(kEmptyBoard, Difficulty::Easy));
}

// Calls f(board) for each of the 3^9 assignments of marks to the nine cells.
template <typename F> void forEveryBoard(F f)
{
    for (int code = 0; code < 19683; ++code) {
        Board b{};
        for (int i = 0, c = code; i < 9; ++i, c /= 3) {
            b[i] = static_cast<Mark>(c % 3);
        }
        f(b);
    }
}

// True when placing `mark` in `cell` completes a line for it.
bool completes(Board b, int cell, Mark mark)
{
    b[cell] = mark;
    return owns(b, mark);
}

bool canComplete(const Board& b, Mark mark)
{
    for (int cell = 0; cell < 9; ++cell) {
        if (b[cell] == Mark::None && completes(b, cell, mark)) {
            return true;
        }
    }
    return false;
}

TEST(EveryBoard, MovesAreFreeCellsAndFollowTheLevelsPriorities)
{
    int boards = 0;
    forEveryBoard([&](const Board& b) {
        ++boards;
        for (Difficulty level : kLevels) {
            const auto cell = computerCell(b, level);
            ASSERT_EQ(cell.has_value(), !isFull(b));
            if (cell) {
                ASSERT_EQ(b[*cell], Mark::None);
            }
            ASSERT_EQ(helpCell(b, level), computerCell(exchanged(b), level));
            if (!cell || level == Difficulty::Easy) {
                continue;
            }
            // Hard and No Win take a winning cell whenever there is one; Normal
            // blocks the player whenever it must, and otherwise wins if it can.
            const Mark first = level == Difficulty::Normal ? Mark::X : Mark::O;
            const Mark second = first == Mark::X ? Mark::O : Mark::X;
            if (canComplete(b, first)) {
                ASSERT_TRUE(completes(b, *cell, first));
            } else if (canComplete(b, second)) {
                ASSERT_TRUE(completes(b, *cell, second));
            }
        }
    });
    EXPECT_EQ(boards, 19683);
}

TEST(Winner, XIsJudgedBeforeOAndAFullBoardIsNoWin)
{
    EXPECT_EQ(winner(kEmptyBoard), Mark::None);
    EXPECT_EQ(winner(board("XXX......")), Mark::X);
    EXPECT_EQ(winner(board("..O.O.O..")), Mark::O);
    EXPECT_EQ(winner(board("XXXOOO...")), Mark::X);
    EXPECT_EQ(winner(board("XOXXOOOXX")), Mark::None);
    EXPECT_EQ(winner(board("XXXXOOXOO")), Mark::X);  // a row and a column at once
}

TEST(Winner, ScoresCountExactlyAtAnyLength)
{
    const std::pair<const char*, const char*> cases[] = {
        {"0", "1"},
        {"9", "10"},
        {"99", "100"},
        {"41", "42"},
        {"9007199254740992", "9007199254740993"},  // 2^53: past a double's exact integers
        {"99999999999999999999999999999999999999", "100000000000000000000000000000000000000"},
        {"007", "8"},
        {"", "1"},
        {"-3", "1"},
    };
    for (const auto& [before, after] : cases) {
        EXPECT_EQ(nextScore(before), after) << "from \"" << before << '"';
    }
}

}  // namespace
}  // namespace vovodi
