// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Google Benchmark of the work behind one click: loading a bank, showing a
// question, and repainting the whole window. Runs in the game's program folder.
//
//   bank_bench [benchmark flags]   the benchmarks, then table rows on stdout
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "goal_rows.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "widgets/cell_bitmap.h"

namespace {

using namespace kletochka;

constexpr QSize kScreen{1920, 1080};
constexpr QSize k4KScreen{3840, 2160};

class SilentCuePlayer : public CuePlayer {
  public:
    void open(const QString&) override {}
    void play() override {}
};

// Made on first use and gone before the application.
std::unique_ptr<TfrmMAin> g_window;
std::unique_ptr<TfrmMAin> g_window4k;

// The game's window on a screen of this size, a round started and a side chosen.
std::unique_ptr<TfrmMAin> MakeWindow(QSize screen, bool scaledUp) {
    WindowPlatform platform;
    platform.sound = std::make_unique<SilentCuePlayer>();
    platform.dialog = std::make_unique<QtQuestionFileDialog>();
    platform.executablePath = QDir::current().filePath(QStringLiteral("kletochka"));
    platform.loadBitmap = LoadCellBitmap;
    platform.terminate = [] {};
    auto made = std::make_unique<TfrmMAin>(std::move(platform));
    made->setGeometry(QRect(QPoint(0, 0), screen));
    made->setScaledUp(scaledUp);
    made->show();
    if (!QTest::qWaitForWindowExposed(made.get())) {
        std::fprintf(stderr, "bank_bench: the window was never shown\n");
        std::exit(1);
    }
    made->Button2Click();
    made->SpeedButton1Click();
    QCoreApplication::processEvents();
    return made;
}

// Full HD at the layout's own size.
TfrmMAin& Window() {
    if (!g_window) {
        g_window = MakeWindow(kScreen, false);
    }
    return *g_window;
}

// 4K with the layout scaled up to it, a question and its answers on the screen.
TfrmMAin& Window4K() {
    if (!g_window4k) {
        g_window4k = MakeWindow(k4KScreen, true);
        g_window4k->SpeedButton7Click();
        QCoreApplication::processEvents();
    }
    return *g_window4k;
}

void BM_LoadQuestionBank(benchmark::State& state) {
    QuestionBank bank;
    for (auto _ : state) {
        LoadQuestionBank(bank, kDefaultBankFile);
        benchmark::DoNotOptimize(bank);
    }
}
BENCHMARK(BM_LoadQuestionBank);

// The cell handler: decode the question and its three answers, set the seven labels.
void BM_ShowQuestion(benchmark::State& state) {
    TfrmMAin& window = Window();
    void (TfrmMAin::*const cells[])() = {&TfrmMAin::SpeedButton3Click, &TfrmMAin::SpeedButton4Click,
                                         &TfrmMAin::SpeedButton5Click};
    std::size_t n = 0;
    for (auto _ : state) {
        (window.*cells[n++ % 3])();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ShowQuestion);

// Every widget made dirty, as an uncovered window is, then painted and flushed at once.
// (A bare repaint() would skip the opaque labels that cover their parents.)
void RepaintWhole(benchmark::State& state, TfrmMAin& window) {
    const QList<QWidget*> widgets = window.findChildren<QWidget*>();
    for (auto _ : state) {
        for (QWidget* widget : widgets) {
            widget->update();
        }
        window.repaint();
    }
}

void BM_RepaintWindow(benchmark::State& state) {
    RepaintWhole(state, Window());
}
BENCHMARK(BM_RepaintWindow)->Unit(benchmark::kMillisecond);

void BM_RepaintScaled4K(benchmark::State& state) {
    RepaintWhole(state, Window4K());
}
BENCHMARK(BM_RepaintScaled4K)->Unit(benchmark::kMillisecond);

void BM_GrabWindow(benchmark::State& state) {
    TfrmMAin& window = Window();
    for (auto _ : state) {
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_GrabWindow)->Unit(benchmark::kMillisecond);

const bench::Goal kGoals[] = {
    {"BM_LoadQuestionBank", "Load a full bank (LoadQuestionBank), CPU", 0.1,
     "< 0.1 ms (well under 1 ms)"},
    {"BM_ShowQuestion", "Show a question (cell handler), CPU", 16.7, "< 16.7 ms (one frame)"},
    {"BM_RepaintWindow", "Full repaint 1920x1080 (repaint), CPU", 16.7, "< 16.7 ms (one frame)"},
    {"BM_GrabWindow", "Full repaint 1920x1080 (grab), CPU", 16.7, "< 16.7 ms (one frame)"},
    {"BM_RepaintScaled4K", "Full repaint 3840x2160 scaled up, a question shown (repaint), CPU",
     16.0, "< 16 ms (one frame)"},
};

}  // namespace

int main(int argc, char* argv[]) {
    if (!std::filesystem::exists(kDefaultBankFile)) {
        std::fprintf(stderr, "bank_bench: run me in the game's program folder (no %s here)\n",
                     kDefaultBankFile);
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::RunWithGoals(kGoals);
    g_window.reset();
    g_window4k.reset();
    benchmark::Shutdown();
    return 0;
}
