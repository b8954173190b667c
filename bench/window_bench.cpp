// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a whole player's move takes in the real window: the click, the
// X, both winner checks, the computer's reply, and the repaint of the board.

#include <benchmark/benchmark.h>

#include <array>

#include <QAction>
#include <QApplication>
#include <QRadioButton>

#include "tests/fakes.hpp"

namespace {

void BM_PlayerMove(benchmark::State& state)
{
    using namespace vovodi::testing;
    Window window;  // the outcome box closes at once, so a won game costs what the window spends on it
    vovodi::GameWindow& w = window.w;
    part<QRadioButton>(w, QStringLiteral("levelOption%1").arg(state.range(0)))->click();
    w.show();
    QCoreApplication::processEvents();
    std::array<vovodi::Cell*, 9> cells{};
    for (int i = 0; i < 9; ++i) {
        cells[static_cast<std::size_t>(i)] = cell(w, i);
    }
    // The player walks the cells in a fixed order, always taking the next free one.
    static constexpr int kOrder[] = {0, 8, 2, 6, 1, 7, 3, 5, 4};
    std::size_t next = 0;
    for (auto _ : state) {
        int free = -1;
        for (std::size_t tried = 0; tried < 9 && free < 0; ++tried, next = (next + 1) % 9) {
            if (w.game().board()[static_cast<std::size_t>(kOrder[next])] == vovodi::Mark::None) {
                free = kOrder[next];
            }
        }
        if (free < 0) {  // a full board: start a new game outside the measurement
            state.PauseTiming();
            part<QAction>(w, QStringLiteral("newGameAction"))->trigger();
            state.ResumeTiming();
            continue;
        }
        emit cells[static_cast<std::size_t>(free)]->clicked();
        w.centralWidget()->repaint();
    }
}
BENCHMARK(BM_PlayerMove)->DenseRange(1, 4)->ArgName("level")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
