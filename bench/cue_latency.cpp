// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cue latency of the real window and sound player on a PulseAudio sink: the
// host's clicks are timed as their handlers start, the sink's monitor is
// recorded throughout, and each cue's first audible frame is found in it.
// Also checks that a second cue cuts the first off instead of mixing with it.
//
//   cue_latency <monitor source> <program folder> <confirm clicks> [<condition>]
//
// With a condition (such as "one core busy") only the confirmations' rows are
// printed, named after it.
#include <QDir>
#include <QEvent>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "clock.h"
#include "monitor_recorder.h"
#include "recording.h"
#include "report.h"
#include "sound/cue_rate.h"
#include "sound/plugin/system_cue_player.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/platform.h"
#include "widgets/label.h"
#include "widgets/picture_button.h"

namespace {

using namespace kletochka;
using namespace kletochka::bench;

constexpr int kRecordLatencyMs = 2;
constexpr long long kOnsetWindowNs = 500'000'000;
constexpr long long kPunctualitySpanNs = 1'000'000'000;
// The right and wrong cues never fall silent this long in their first quarter second.
constexpr std::int64_t kDropoutFrames = 32;
constexpr std::int64_t kSoundingFrames = kCueRate / 4;

// Notes when the watched widget's release arrives: its click handler runs next.
class ClickClock : public QObject {
  public:
    long long lastNs = 0;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            lastNs = MonotonicNs();
        }
        return QObject::eventFilter(watched, event);
    }
};

// Clicks like the host and returns when the click's handler started.
long long Click(QWidget* widget) {
    ClickClock clock;
    widget->installEventFilter(&clock);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    return clock.lastNs;
}

struct Stamps {
    long long firstCue = 0;
    std::vector<long long> confirms;
    long long reference = 0;  // a click alone
    long long longCue = 0;    // the fanfare
    long long cutter = 0;     // a click over it
};

Stamps PlayGame(TfrmMAin& window, int confirms, const QString& folder) {
    Stamps stamps;
    window.showOnPrimaryScreen();
    if (!QTest::qWaitForWindowExposed(&window)) {
        throw std::runtime_error("the window was never shown");
    }
    // The host's first click, as soon as the window is up.
    stamps.firstCue = Click(window.roundButton(1));
    QTest::qWait(400);

    for (int i = 0; i < confirms; ++i) {
        // A fresh round each time: one mark never makes a line, so no fanfare follows.
        const int k = 1 + i % QuestionBank::kRounds;
        window.roundButton(k)->setEnabled(true);
        Click(window.roundButton(k));
        Click(window.parts().SpeedButton1);
        Click(window.cellButton(1 + i % GameState::kCells));
        Click(i % 2 == 0 ? window.parts().lblcrossA : window.parts().lblcrossB);
        QTest::qWait(250);  // the click has ended: silence before the cue
        stamps.confirms.push_back(Click(window.parts().Button9));
        QTest::qWait(350);
    }

    QTest::qWait(1000);  // the last cue has ended
    const QString click = QDir(folder).filePath(QStringLiteral("click.wav"));
    stamps.reference = MonotonicNs();
    window.PlayCue(click);
    QTest::qWait(400);
    stamps.longCue = MonotonicNs();
    window.PlayCue(QDir(folder).filePath(QStringLiteral("tada.wav")));
    QTest::qWait(300);
    stamps.cutter = MonotonicNs();
    window.PlayCue(click);
    QTest::qWait(2500);  // longer than the fanfare would have sounded on
    return stamps;
}

Onset OnsetOf(const Recording& recording, long long clickNs, const char* what) {
    const std::optional<Onset> onset = FindOnset(recording, clickNs, kOnsetWindowNs);
    if (!onset) {
        throw std::runtime_error(std::string("no sound found after ") + what);
    }
    return *onset;
}

// The click alone, then the same click over the fanfare: the recording there
// must be the click alone, and silence after it.
bool CutsOff(const Recording& recording, const Stamps& stamps) {
    const std::int64_t quiet = kCueRate / 20;
    const Onset alone = OnsetOf(recording, stamps.reference, "the lone click");
    const std::int64_t aloneEnd = SoundEnd(recording, alone.frame, quiet);
    const auto reference =
        std::span<const std::int16_t>(recording.samples)
            .subspan(static_cast<std::size_t>(alone.frame * recording.channels),
                     static_cast<std::size_t>((aloneEnd - alone.frame) * recording.channels));
    const Onset fanfare = OnsetOf(recording, stamps.longCue, "the fanfare");
    const std::int64_t from = FirstFrameAfter(recording, stamps.cutter);
    const Match match = BestMatch(recording, reference, from,
                                  FirstFrameAfter(recording, stamps.cutter + kOnsetWindowNs));
    const std::int64_t matchEnd = match.frame + (aloneEnd - alone.frame);
    const bool fanfareSounding =
        FirstAudible(recording, match.frame - quiet, match.frame).has_value();
    const std::optional<std::int64_t> after = FirstAudible(recording, matchEnd, recording.frames());
    std::fprintf(stderr,
                 "cut-off: fanfare from frame %lld, click over it at frame %lld, largest "
                 "difference from the "
                 "click alone %d, fanfare sounding just before: %s, sound after the click: %s\n",
                 static_cast<long long>(fanfare.frame), static_cast<long long>(match.frame),
                 match.largestDifference, fanfareSounding ? "yes" : "no", after ? "yes" : "none");
    return match.frame >= 0 && fanfareSounding && match.largestDifference == 0 && !after;
}

int Measure(const std::string& source, const QString& folder, int confirms,
            const std::string& condition, int& argc, char** argv) {
    MonitorRecorder recorder(source, kCueRate, kRecordLatencyMs);
    // The sink sends its monitor steadily only after its first long block.
    const long long deadline = MonotonicNs() + 10'000'000'000LL;
    while (recorder.pieces() < 200 && MonotonicNs() < deadline) {
        QTest::qSleep(10);
    }
    if (recorder.pieces() < 200) {
        throw std::runtime_error("the sink's monitor sends nothing");
    }

    if (!QDir::setCurrent(folder)) {
        throw std::runtime_error("no program folder " + folder.toStdString());
    }
    Application app(argc, argv);
    int errors = 0;
    Application::setErrorPresenter([&errors](const QString& text, const QString&) {
        std::fprintf(stderr, "cue_latency: error box: %s\n", qPrintable(text));
        ++errors;
    });
    // A player of its own makes sure a server answers; the game's comes from its library.
    if (!SystemCuePlayer(SystemOutputs()).Audible()) {
        throw std::runtime_error("the player found no sound server");
    }
    TfrmMAin window(RealPlatform(QDir(folder).filePath(QStringLiteral("kletochka"))));
    const Stamps stamps = PlayGame(window, confirms, folder);
    const Recording recording = recorder.stop();
    if (errors > 0) {
        throw std::runtime_error("the game showed an error");
    }

    const Onset first = OnsetOf(recording, stamps.firstCue, "the first click");
    std::vector<double> latencies;
    std::vector<double> late;
    int dropouts = 0;
    for (long long confirm : stamps.confirms) {
        const Onset onset = OnsetOf(recording, confirm, "a confirmation");
        latencies.push_back(onset.latencyMs);
        late.push_back(LateArrivalMs(recording, onset.frame, kPunctualitySpanNs));
        const std::int64_t gap =
            LongestSilence(recording, onset.frame, onset.frame + kSoundingFrames);
        if (gap >= kDropoutFrames) {
            std::fprintf(stderr, "dropout: %lld silent frames in the cue from frame %lld\n",
                         static_cast<long long>(gap), static_cast<long long>(onset.frame));
            ++dropouts;
        }
    }
    std::fprintf(stderr, "cue latencies, ms:");
    for (double ms : latencies) {
        std::fprintf(stderr, " %.1f", ms);
    }
    std::fprintf(stderr,
                 "\nmonitor pieces late by, ms: median %.2f, worst %.2f (the latencies are upper "
                 "bounds by this)\n",
                 Median(late), Worst(late));
    const int cues = static_cast<int>(latencies.size());
    const std::string of = std::to_string(cues) + " confirmations" +
                           (condition.empty() ? std::string() : ", " + condition);
    if (condition.empty()) {
        PrintRow({"Cue latency, first cue after start", Fixed(first.latencyMs, 1) + " ms", "-", "-",
                  "<= 20 ms", Met(first.latencyMs <= 20)});
    }
    PrintRow({"Cue latency, median of " + of, Fixed(Median(latencies), 1) + " ms", "-", "-",
              "<= 10 ms", Met(Median(latencies) <= 10)});
    PrintRow({"Cue latency, worst of " + of, Fixed(Worst(latencies), 1) + " ms", "-", "-",
              "<= 20 ms", Met(Worst(latencies) <= 20)});
    PrintRow({"Cues with a dropout in their first 0.25 s" +
                  (condition.empty() ? std::string() : ", " + condition),
              std::to_string(dropouts) + " of " + std::to_string(cues), "-", "-", "0",
              Met(dropouts == 0)});
    const bool cut = CutsOff(recording, stamps);
    if (condition.empty()) {
        PrintRow({"A second cue cuts the first off", cut ? "yes" : "no", "-", "-", "no mixing",
                  Met(cut)});
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr,
                     "usage: cue_latency <monitor source> <program folder> <confirm clicks> "
                     "[<condition>]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    const std::string source = argv[1];
    const QString folder = QDir(QString::fromLocal8Bit(argv[2])).absolutePath();
    const int confirms = std::atoi(argv[3]);
    const std::string condition = argc == 5 ? argv[4] : "";
    int qtArgc = 1;
    try {
        return Measure(source, folder, confirms, condition, qtArgc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cue_latency: %s\n", error.what());
        return 1;
    }
}
