// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "game/board.hpp"

namespace vovodi {

// The computer's playing strength.
enum class Difficulty : std::uint8_t { Easy = 1, Normal = 2, Hard = 3, NoWin = 4 };

// Every level, from the weakest to the strongest.
inline constexpr std::array<Difficulty, 4> kDifficulties{Difficulty::Easy, Difficulty::Normal, Difficulty::Hard,
                                                         Difficulty::NoWin};

// The free cell into which the computer writes its O on `board` at `level`,
// or none when the board is full. The same board and level always give the
// same cell:
//  - Easy takes the first free cell of centre, corners, edges (4 0 2 6 8 1 3 5 7);
//  - Normal first blocks a two-in-a-line of X, then completes its own line;
//  - Hard and No Win first complete their own line, then block;
//  - No Win then tries its eight opening answers before the free-cell scan.
// A board that already holds a complete line is answered like any other.
[[nodiscard]] std::optional<int> computerCell(const Board& board, Difficulty level);

}  // namespace vovodi
