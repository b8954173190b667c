// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/help.hpp"

namespace vovodi {

std::optional<int> helpCell(const Board& board, Difficulty level)
{
    return computerCell(exchanged(board), level);
}

}  // namespace vovodi
