// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "game/board.hpp"

namespace vovodi {

// Who has won the board: X is judged before O, so a board on which both own a
// line is the player's. Mark::None when nobody owns a line (a full board
// without a line is no win for anyone).
[[nodiscard]] Mark winner(const Board& board);

}  // namespace vovodi
