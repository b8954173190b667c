// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/board.hpp"

#include <algorithm>

namespace vovodi {

bool owns(const Board& board, Mark mark)
{
    if (mark == Mark::None) {
        return false;
    }
    return std::any_of(kLines.begin(), kLines.end(), [&](const Line& line) {
        return board[line[0]] == mark && board[line[1]] == mark && board[line[2]] == mark;
    });
}

bool isFull(const Board& board)
{
    return std::none_of(board.begin(), board.end(), [](Mark m) { return m == Mark::None; });
}

bool isEmpty(const Board& board)
{
    return std::all_of(board.begin(), board.end(), [](Mark m) { return m == Mark::None; });
}

Board exchanged(const Board& board)
{
    Board out{};
    std::transform(board.begin(), board.end(), out.begin(), [](Mark m) {
        switch (m) {
        case Mark::X:
            return Mark::O;
        case Mark::O:
            return Mark::X;
        case Mark::None:
            break;
        }
        return Mark::None;
    });
    return out;
}

}  // namespace vovodi
