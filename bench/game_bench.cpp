// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// How fast the computer chooses its move, and how long a whole game tree takes.

#include <array>
#include <benchmark/benchmark.h>
#include <vector>

#include "game/board.hpp"
#include "game/computer_play.hpp"
#include "game/game.hpp"

namespace {

using vovodi::Board;
using vovodi::Difficulty;
using vovodi::Mark;

// Every board reachable in play with the player moving first, so that the
// per-call figure is an average over real positions, not one lucky board.
void collect(const Board& b, Difficulty level, std::vector<Board>& out)
{
    for (int cell = 0; cell < 9; ++cell) {
        if (b[cell] != Mark::None) {
            continue;
        }
        Board next = b;
        next[cell] = Mark::X;
        out.push_back(next);
        if (vovodi::owns(next, Mark::X)) {
            continue;
        }
        if (const auto reply = vovodi::computerCell(next, level)) {
            next[*reply] = Mark::O;
            if (!vovodi::owns(next, Mark::O)) {
                collect(next, level, out);
            }
        }
    }
}

// Number of finished games in the tree below `b`.
long countGames(const Board& b, Difficulty level)
{
    long games = 0;
    for (int cell = 0; cell < 9; ++cell) {
        if (b[cell] != Mark::None) {
            continue;
        }
        Board next = b;
        next[cell] = Mark::X;
        const auto reply = vovodi::owns(next, Mark::X) ? std::nullopt : vovodi::computerCell(next, level);
        if (!reply) {
            ++games;
            continue;
        }
        next[*reply] = Mark::O;
        games += vovodi::owns(next, Mark::O) ? 1 : countGames(next, level);
    }
    return games;
}

void BM_ComputerCell(benchmark::State& state)
{
    const auto level = static_cast<Difficulty>(state.range(0));
    std::vector<Board> boards;
    collect(vovodi::kEmptyBoard, level, boards);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(vovodi::computerCell(boards[i], level));
        i = i + 1 == boards.size() ? 0 : i + 1;
    }
    state.counters["positions"] = static_cast<double>(boards.size());
}
BENCHMARK(BM_ComputerCell)->DenseRange(1, 4)->ArgName("level");

void BM_GameTree(benchmark::State& state)
{
    const auto level = static_cast<Difficulty>(state.range(0));
    long games = 0;
    for (auto _ : state) {
        games = countGames(vovodi::kEmptyBoard, level);
        benchmark::DoNotOptimize(games);
    }
    state.counters["games"] = static_cast<double>(games);
}
BENCHMARK(BM_GameTree)->DenseRange(1, 4)->ArgName("level")->Unit(benchmark::kMicrosecond);

// A whole turn on the model: the player's X, both winner checks and the
// computer's reply, the player always taking the next free cell of a fixed
// walk; a full board is cleared outside the measurement.
void BM_Turn(benchmark::State& state)
{
    struct : vovodi::Game::Announcer {
        void announce(Mark) override {}
    } silent;
    vovodi::Game game(silent);
    game.setLevel(static_cast<Difficulty>(state.range(0)));
    static constexpr std::array<int, 9> kWalk{0, 8, 2, 6, 1, 7, 3, 5, 4};
    std::size_t next = 0;
    for (auto _ : state) {
        std::size_t tried = 0;
        while (tried < 9 && game.board()[static_cast<std::size_t>(kWalk[next])] != Mark::None) {
            next = (next + 1) % 9;
            ++tried;
        }
        if (tried == 9) {
            state.PauseTiming();
            game.newGame();
            state.ResumeTiming();
            continue;
        }
        game.playCell(kWalk[next]);
        // The board escapes through its address, and every write to it is made.
        const Mark* board = game.board().data();
        benchmark::DoNotOptimize(board);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Turn)->DenseRange(1, 4)->ArgName("level");

}  // namespace

BENCHMARK_MAIN();
