#include "platform/clock.h"
#include "platform/generator.h"
#include "ui/live/evolution_view.h"
#include "ui/window/quarrow.h"
#include "ui/window/run_progress_dialog.h"

#include <benchmark/benchmark.h>

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

// How long the window's UI thread stalls around a run of a very long phrase. A timer ticks
// every 2 ms on the UI thread; the longest gap between two ticks is the longest stall, taken
// apart into the stretch from "&Go" until the run's dialog shows, the run itself, from a click on
// Cancel until the page's boxes show the run's end, and a while after that. Every tenth of a
// second the probe asks the window for its widgets' texts, as a screen reader following the run
// would. The same run on a 50-letter phrase, probed in the same benchmark, is the floor: what
// the same machine stalls with a phrase of the usual size. A run whose largest stall passes
// 100 ms, or whose Cancel takes over 0.3 s, is reported as an error.

namespace quarrow {
namespace {

/// What a screen reader asks of the window as it follows a run: the name, description and value
/// of each of its widgets, the run's window among them, and the whole text of each that has one.
void ReadAloud(const QWidget& window) {
    qsizetype heard = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (face == nullptr || !face->isValid()) {
            continue;
        }
        heard += face->text(QAccessible::Name).size() +
                 face->text(QAccessible::Description).size() +
                 face->text(QAccessible::Value).size();
        if (QAccessibleTextInterface* text = face->textInterface()) {
            heard += text->text(0, text->characterCount()).size();
        }
    }
    benchmark::DoNotOptimize(heard);
}

/// The dialog of `Dialog`'s type that `window` has on show, if any.
template <typename Dialog> QWidget* ShownDialog(const QWidget& window) {
    for (auto* dialog : window.findChildren<Dialog*>()) {
        if (dialog->isVisible()) {
            return dialog;
        }
    }
    return nullptr;
}

/// A run the probe asks the window for: its page and option button, the page's "&Go", the box
/// the page fills once the run has ended, finished or cancelled, and the run's window on show.
struct RunKind {
    int page;
    const char* option;
    const char* go;
    const char* endBox;
    QWidget* (*shownDialog)(const QWidget& window);
};

// A trial on "Step Three" shows its progress dialog (it has no options; Option1 of the next
// page is checked all the same); a selection on "Step Four" shows its live view.
constexpr RunKind kTrial{2, "Option1", "Command4", "txtTimeGen", &ShownDialog<RunProgressDialog>};
constexpr RunKind kAttenuating{3, "Option1", "Command2", "txtLength", &ShownDialog<EvolutionView>};
constexpr RunKind kSerial{3, "Option2", "Command2", "txtLength", &ShownDialog<EvolutionView>};
constexpr RunKind kSequential{3, "Option3", "Command2", "txtLength", &ShownDialog<EvolutionView>};

struct Stalls {
    double untilDialog = 0.0;
    double duringRun = 0.0;
    double cancelStall = 0.0;
    double cancelTook = 0.0;
    /// The longest stall in the while after the page showed the run's end.
    double afterEnd = 0.0;
    /// Whether Cancel was clicked before the run ended by itself.
    bool cancelled = false;
    /// Whether the run's window went before the page showed the run's end: the run failed.
    bool failed = false;

    double Largest() const { return std::max({untilDialog, duringRun, cancelStall, afterEnd}); }
};

enum class Phase { Before, UntilDialog, Run, Cancel, After };

// How often the probe's timer ticks on the UI thread.
constexpr int kTickMs = 2;
// Cancel comes this far into the run: a million-letter run of schemes 1 and 2 can finish in
// little more than a second, before a later Cancel would be clicked at all.
constexpr int kRunMs = 300;
// After the run's end shows, the window is watched this much longer: what it still does for the
// run (the blind lane's last strings, the view's going) must not stall it either.
constexpr int kAfterMs = 700;
// How often a screen reader asks the window for its texts as the run goes on.
constexpr int kReadMs = 100;
// What the window must keep to with a very long phrase: no stall longer than a tenth of a
// second, and a run's end shown within 0.3 s of Cancel.
constexpr double kMostStallMs = 100.0;
constexpr double kMostCancelMs = 300.0;

/// Shows `window` ready for a run of `kind` on a phrase of `length` letters, and lets its boxes'
/// first layout and paint land before anything is timed.
void SetUpRun(Quarrow& window, const RunKind& kind, qsizetype length) {
    window.show();
    auto* phrase = window.findChild<QLineEdit*>(QStringLiteral("txtPhrase"));
    QString text(length, QLatin1Char('Q'));
    for (qsizetype i = 0; i < length; i += 7) {
        text[i] = QLatin1Char(' ');
    }
    phrase->setText(text);
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(kind.page);
    window.findChild<QRadioButton*>(QLatin1String(kind.option))->setChecked(true);
    window.findChild<QLineEdit*>(QStringLiteral("txtNumGenerat"))
        ->setText(QStringLiteral("2000000000"));
    // A click on "&Go" moves the focus to it; the box it leaves repaints once, before the click.
    window.findChild<QPushButton*>(QLatin1String(kind.go))->setFocus(Qt::MouseFocusReason);
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1500) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }
}

/// Follows one run as the probe's timer ticks on the UI thread: each gap between two ticks goes
/// to the phase it ended in; Cancel is clicked once the run has gone a while, and the window is
/// watched a while after the page shows the run's end.
class RunWatch {
public:
    RunWatch(const QWidget& window, const RunKind& kind)
        : window_(window), kind_(kind),
          endBox_(window.findChild<QLineEdit*>(QLatin1String(kind.endBox))) {
        clock_.start();
        lastTick_ = clock_.elapsed();
    }

    /// Clicks the page's "&Go".
    void Start() {
        phase_ = Phase::UntilDialog;
        lastTick_ = clock_.elapsed();
        window_.findChild<QPushButton*>(QLatin1String(kind_.go))->click();
    }

    void Tick() {
        const qint64 now = clock_.elapsed();
        const auto gap = static_cast<double>(now - lastTick_);
        lastTick_ = now;
        if (!RecordGap(now, gap)) {
            return;
        }
        if (phase_ != Phase::Before && now - lastRead_ >= kReadMs) {
            // What the reader is told costs the window the time it takes to answer: the next
            // tick's gap holds it.
            lastRead_ = now;
            ReadAloud(window_);
        }
        if (phase_ != Phase::Before && phase_ != Phase::After && !endBox_->text().isEmpty()) {
            stalls_.cancelled = phase_ == Phase::Cancel;
            stalls_.cancelTook =
                stalls_.cancelled ? static_cast<double>(now) - stalls_.cancelTook : 0.0;
            phase_ = Phase::After;
            endShown_ = now;
            return;
        }
        if (phase_ == Phase::UntilDialog) {
            UntilDialog(now, gap);
        } else if (phase_ == Phase::Run) {
            DuringRun(now);
        }
    }

    const Stalls& Result() const { return stalls_; }

private:
    /// Keeps the gap that ends on the tick at `now`; a gap that ends on the tick seeing the
    /// run's end belongs to the phase it ended in. False once the watch is over.
    bool RecordGap(qint64 now, double gap) {
        if (phase_ == Phase::Cancel) {
            stalls_.cancelStall = std::max(stalls_.cancelStall, gap);
        } else if (phase_ == Phase::Run) {
            stalls_.duringRun = std::max(stalls_.duringRun, gap);
        } else if (phase_ == Phase::After) {
            stalls_.afterEnd = std::max(stalls_.afterEnd, gap);
            if (now - endShown_ > kAfterMs) {
                QApplication::exit(0);
                return false;
            }
        }
        return true;
    }

    /// From "&Go" until the run's window shows.
    void UntilDialog(qint64 now, double gap) {
        stalls_.untilDialog = std::max(stalls_.untilDialog, gap);
        // A run expected to take long asks first; the probe starts it as a user would, and the
        // time spent on the question is the user's, not a stall. The question is modal to the
        // window only, so it is looked for there.
        if (auto* question = qobject_cast<QMessageBox*>(ShownDialog<QMessageBox>(window_))) {
            Accept(*question);
            stalls_.untilDialog = 0.0;
            lastTick_ = clock_.elapsed();
        }
        if (kind_.shownDialog(window_) != nullptr) {
            phase_ = Phase::Run;
            runStart_ = now;
        }
    }

    static void Accept(QMessageBox& question) {
        for (QAbstractButton* button : question.buttons()) {
            if (question.buttonRole(button) == QMessageBox::AcceptRole) {
                button->click();
                break;
            }
        }
    }

    /// While the run goes: Cancel once it has gone `kRunMs`.
    void DuringRun(qint64 now) {
        if (now - runStart_ <= kRunMs) {
            return;
        }
        QWidget* dialog = kind_.shownDialog(window_);
        if (dialog == nullptr) {
            stalls_.failed = true;
            phase_ = Phase::After;
            QApplication::exit(0);
            return;
        }
        phase_ = Phase::Cancel;
        stalls_.cancelTook = static_cast<double>(now);
        dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    }

    const QWidget& window_;
    const RunKind& kind_;
    const QLineEdit* endBox_;
    Stalls stalls_;
    Phase phase_ = Phase::Before;
    QElapsedTimer clock_;
    qint64 lastTick_ = 0;
    qint64 runStart_ = 0;
    qint64 endShown_ = 0;
    qint64 lastRead_ = 0;
};

// One run of `kind` on a phrase of `length` letters, cancelled after a while.
Stalls Probe(const RunKind& kind, qsizetype length) {
    QTemporaryDir folder;
    Generator generator;
    QuarrowServices services;
    services.generator = &generator;
    services.timeOfDay = &SystemTimeOfDay();
    services.monotonic = &SystemMonotonic();
    services.logPath = folder.filePath(QStringLiteral("hold.txt"));
    Quarrow window(services);
    SetUpRun(window, kind, length);

    RunWatch watch(window, kind);
    QTimer probe;
    probe.setInterval(kTickMs);
    QObject::connect(&probe, &QTimer::timeout, [&watch] { watch.Tick(); });
    probe.start();
    QTimer::singleShot(20, &window, [&watch] { watch.Start(); });
    QApplication::exec();
    return watch.Result();
}

/// The worst of each figure over the benchmark's iterations; Cancel's time only when every
/// run was cancelled before it could end by itself.
Stalls Worst(const RunKind& kind, qsizetype length, benchmark::State* state) {
    Stalls worst;
    worst.cancelled = true;
    const auto once = [&] {
        const Stalls stalls = Probe(kind, length);
        worst.failed = worst.failed || stalls.failed;
        worst.untilDialog = std::max(worst.untilDialog, stalls.untilDialog);
        worst.duringRun = std::max(worst.duringRun, stalls.duringRun);
        worst.cancelStall = std::max(worst.cancelStall, stalls.cancelStall);
        worst.afterEnd = std::max(worst.afterEnd, stalls.afterEnd);
        worst.cancelTook = std::max(worst.cancelTook, stalls.cancelTook);
        worst.cancelled = worst.cancelled && stalls.cancelled;
    };
    if (state == nullptr) {
        once();
    } else {
        for (auto _ : *state) {
            once();
        }
    }
    return worst;
}

// The floor: the same run on a phrase of the usual size, probed in the same benchmark.
constexpr qsizetype kFloorLength = 50;

void Report(benchmark::State& state, const RunKind& kind) {
    const Stalls floor = Worst(kind, kFloorLength, nullptr);
    const Stalls worst = Worst(kind, static_cast<qsizetype>(state.range(0)), &state);
    if (worst.failed || floor.failed) {
        state.SkipWithError("the run's window closed before the page showed the run's end");
        return;
    }
    state.counters["go_ms"] = worst.untilDialog;
    state.counters["run_ms"] = worst.duringRun;
    state.counters["cancel_stall_ms"] = worst.cancelStall;
    state.counters["after_end_ms"] = worst.afterEnd;
    state.counters["largest_gap_ms"] = worst.Largest();
    state.counters["floor_gap_ms"] = floor.Largest();
    // The timer's own tick is the least a gap can be.
    state.counters["gap_ratio_to_floor"] =
        worst.Largest() / std::max(floor.Largest(), static_cast<double>(kTickMs));
    // A run that ended before Cancel was due leaves Cancel's time unmeasured: 0.
    state.counters["cancel_ms"] = worst.cancelled ? worst.cancelTook : 0.0;
    state.counters["floor_cancel_ms"] = floor.cancelled ? floor.cancelTook : 0.0;
    if (worst.Largest() > kMostStallMs || (worst.cancelled && worst.cancelTook > kMostCancelMs)) {
        const std::string over = "over the bound: largest gap " + std::to_string(worst.Largest()) +
                                 " ms (at most " + std::to_string(kMostStallMs) + "), Cancel " +
                                 std::to_string(worst.cancelTook) + " ms (at most " +
                                 std::to_string(kMostCancelMs) + ")";
        state.SkipWithError(over.c_str());
    }
}

void BM_TrialStalls(benchmark::State& state) {
    Report(state, kTrial);
}
void BM_AttenuatingStalls(benchmark::State& state) {
    Report(state, kAttenuating);
}
void BM_SerialStalls(benchmark::State& state) {
    Report(state, kSerial);
}
void BM_SequentialStalls(benchmark::State& state) {
    Report(state, kSequential);
}

BENCHMARK(BM_TrialStalls)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_AttenuatingStalls)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_SerialStalls)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_SequentialStalls)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace quarrow
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
