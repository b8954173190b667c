// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/computer_play.hpp"

#include <array>
#include <initializer_list>

namespace vovodi {
namespace {

// Two cells of a line that must hold the probe mark, and the free cell that
// the test then takes.
struct LineTest {
    int probe1;
    int probe2;
    int target;
};

// The 24 line tests, in the order in which they are tried: every line with
// its last cell as the target, then with its middle cell, then with its first
// cell. The position of the target in its line therefore outranks the line.
constexpr std::array<LineTest, 24> makeLineTests()
{
    std::array<LineTest, 24> tests{};
    std::size_t n = 0;
    for (const Line& l : kLines) {
        tests[n++] = {l[0], l[1], l[2]};
    }
    for (const Line& l : kLines) {
        tests[n++] = {l[0], l[2], l[1]};
    }
    for (const Line& l : kLines) {
        tests[n++] = {l[1], l[2], l[0]};
    }
    return tests;
}

constexpr std::array<LineTest, 24> kLineTests = makeLineTests();

// The No Win answers, tried in this order once no line test has fired. Only
// the listed cells are looked at; the table is deliberately not symmetric.
// Unused slots hold -1.
struct NoWinRule {
    std::array<int, 2> o;
    std::array<int, 2> x;
    int target;
};

constexpr std::array<NoWinRule, 8> kNoWinRules{{
    {{4, -1}, {5, 7}, 8},
    {{0, 4}, {1, -1}, 6},
    {{4, -1}, {2, -1}, 6},
    {{4, -1}, {6, -1}, 2},
    {{0, -1}, {4, -1}, 8},
    {{4, -1}, {0, -1}, 8},
    {{4, -1}, {0, 8}, 1},
    {{4, -1}, {2, 6}, 1},
}};

// Centre, corners, edges: the cell order of the free-cell scan.
constexpr std::array<int, 9> kFallbackOrder{4, 0, 2, 6, 8, 1, 3, 5, 7};

std::optional<int> firstLineTest(const Board& board, Mark probe)
{
    for (const LineTest& t : kLineTests) {
        if (board[t.probe1] == probe && board[t.probe2] == probe && board[t.target] == Mark::None) {
            return t.target;
        }
    }
    return std::nullopt;
}

bool holds(const Board& board, const std::array<int, 2>& cells, Mark mark)
{
    for (int c : cells) {
        if (c >= 0 && board[c] != mark) {
            return false;
        }
    }
    return true;
}

std::optional<int> firstNoWinRule(const Board& board)
{
    for (const NoWinRule& r : kNoWinRules) {
        if (holds(board, r.o, Mark::O) && holds(board, r.x, Mark::X) && board[r.target] == Mark::None) {
            return r.target;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> computerCell(const Board& board, Difficulty level)
{
    if (level != Difficulty::Easy) {
        // The probe flips at the start of each pass: Normal looks for X first
        // (it blocks before it completes its own line); Hard and No Win look
        // for O first (they win before they block).
        Mark probe = level == Difficulty::Normal ? Mark::O : Mark::X;
        for (int pass = 0; pass < 2; ++pass) {
            probe = probe == Mark::X ? Mark::O : Mark::X;
            if (auto cell = firstLineTest(board, probe)) {
                return cell;
            }
        }
        if (level == Difficulty::NoWin) {
            if (auto cell = firstNoWinRule(board)) {
                return cell;
            }
        }
    }
    for (int cell : kFallbackOrder) {
        if (board[cell] == Mark::None) {
            return cell;
        }
    }
    return std::nullopt;
}

}  // namespace vovodi
