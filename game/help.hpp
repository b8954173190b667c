// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>

#include "game/board.hpp"
#include "game/computer_play.hpp"

namespace vovodi {

// The cell where Help plays the player's X: the cell the computer would take
// for itself on the board with every X and O exchanged, at the same level.
// None on a full board.
[[nodiscard]] std::optional<int> helpCell(const Board& board, Difficulty level);

}  // namespace vovodi
