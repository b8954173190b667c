// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstdint>

namespace vovodi {

// A cell's mark. The player always plays X (red), the computer always O (blue).
enum class Mark : std::uint8_t { None, X, O };

// Nine cells, numbered row by row from the top-left corner: cell i lies in
// row i / 3 and column i % 3; cell 4 is the centre.
using Board = std::array<Mark, 9>;

using Line = std::array<int, 3>;

// The eight lines in the order in which every rule walks them: the three rows,
// the three columns, the diagonal from the top-left, the diagonal from the
// bottom-left (written from its bottom-left end).
inline constexpr std::array<Line, 8> kLines{{
    {0, 1, 2},
    {3, 4, 5},
    {6, 7, 8},
    {0, 3, 6},
    {1, 4, 7},
    {2, 5, 8},
    {0, 4, 8},
    {6, 4, 2},
}};

inline constexpr Board kEmptyBoard{};

// True when `mark` fills all three cells of at least one line.
[[nodiscard]] bool owns(const Board& board, Mark mark);

[[nodiscard]] bool isFull(const Board& board);
[[nodiscard]] bool isEmpty(const Board& board);

// The board with every X turned into O and every O into X.
[[nodiscard]] Board exchanged(const Board& board);

}  // namespace vovodi
