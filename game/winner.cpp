// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/winner.hpp"

namespace vovodi {

Mark winner(const Board& board)
{
    if (owns(board, Mark::X)) {
        return Mark::X;
    }
    if (owns(board, Mark::O)) {
        return Mark::O;
    }
    return Mark::None;
}

}  // namespace vovodi
