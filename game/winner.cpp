#include "game/winner.hpp"

#include <algorithm>

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

std::string nextScore(std::string_view score)
{
    const bool digitsOnly = !score.empty() && std::all_of(score.begin(), score.end(),
                                                          [](char c) { return c >= '0' && c <= '9'; });
    if (!digitsOnly) {
        return "1";
    }
    const auto firstNonZero = score.find_first_not_of('0');
    std::string sum{firstNonZero == std::string_view::npos ? std::string_view{"0"}
                                                           : score.substr(firstNonZero)};
    // Add one from the right: every trailing 9 becomes 0 and carries.
    auto it = sum.rbegin();
    for (; it != sum.rend() && *it == '9'; ++it) {
        *it = '0';
    }
    if (it == sum.rend()) {
        sum.insert(sum.begin(), '1');
    } else {
        ++*it;
    }
    return sum;
}

}  // namespace vovodi
