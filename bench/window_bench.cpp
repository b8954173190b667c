// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// How long a whole player's move takes in the real window: the click, the
// X, both winner checks, the computer's reply, and the repaint of the board.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include "ui/main/form1.hpp"
#include "ui/platform/desktop.hpp"
#include "ui/platform/dialogs.hpp"

namespace {

// Boxes that close at once, so that a won game costs what the window itself spends on it.
class SilentDialogs final : public vovodi::Dialogs {
public:
    void showOutcome(QWidget*, const QString&) override {}
    std::optional<QString> askName(QWidget*, const QString&) override { return std::nullopt; }
};

class NoDesktop final : public vovodi::Desktop {
public:
    QString userName() const override { return {}; }
    QString userId() const override { return {}; }
    void openUrl(const QUrl&) override {}
};

void BM_PlayerMove(benchmark::State& state)
{
    SilentDialogs dialogs;
    NoDesktop desktop;
    vovodi::Form1 w(dialogs, desktop);
    w.Level1_Click(static_cast<vovodi::Difficulty>(state.range(0)));
    w.show();
    QCoreApplication::processEvents();
    // The player walks the cells in a fixed order, always taking the next free one.
    static constexpr int kOrder[] = {0, 8, 2, 6, 1, 7, 3, 5, 4};
    std::size_t next = 0;
    for (auto _ : state) {
        int cell = -1;
        for (std::size_t tried = 0; tried < 9 && cell < 0; ++tried, next = (next + 1) % 9) {
            if (w.BO[static_cast<std::size_t>(kOrder[next])]->caption().isEmpty()) {
                cell = kOrder[next];
            }
        }
        if (cell < 0) {  // a full board: start a new game outside the measurement
            state.PauseTiming();
            w.Command1_Click();
            state.ResumeTiming();
            continue;
        }
        w.BO_Click(cell);
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
