#include "game/help.hpp"

namespace vovodi {

std::optional<int> helpCell(const Board& board, Difficulty level)
{
    return computerCell(exchanged(board), level);
}

}  // namespace vovodi
