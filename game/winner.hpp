#pragma once

#include <string>
#include <string_view>

#include "game/board.hpp"

namespace vovodi {

// Who has won the board: X is judged before O, so a board on which both own a
// line is the player's. Mark::None when nobody owns a line (a full board
// without a line is no win for anyone).
[[nodiscard]] Mark winner(const Board& board);

// The score after one more won game. Scores are the decimal text of a whole
// number and are counted on the text itself, exactly, at any length:
// "0" -> "1", "9" -> "10", "99" -> "100". Text that is not a plain run of
// digits counts as zero.
[[nodiscard]] std::string nextScore(std::string_view score);

}  // namespace vovodi
