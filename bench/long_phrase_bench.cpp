#include "platform/clock.h"
#include "platform/generator.h"
#include "ui/evolution_view.h"
#include "ui/quarrow.h"
#include "ui/run_progress_dialog.h"

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

// How long the window's UI thread stalls around a run of a very long phrase. A timer ticks
// every 2 ms on the UI thread; the longest gap between two ticks is the longest stall, taken
// apart into the stretch from "&Go" until the run's dialog shows, the run itself, and from a
// click on Cancel until the page's boxes show the run's end. The 50-letter figures are the floor:
// what the same machine stalls with a phrase of the usual size.

namespace quarrow {
namespace {

/// What a screen reader does with each accessibility event: it asks the object for its name,
/// description and value and, for a text, reads the whole of it.
void ReadAloud(QAccessibleEvent* event) {
    QAccessibleInterface* face = event->accessibleInterface();
    if (face == nullptr || !face->isValid()) {
        return;
    }
    qsizetype heard = face->text(QAccessible::Name).size() +
                      face->text(QAccessible::Description).size() +
                      face->text(QAccessible::Value).size();
    if (QAccessibleTextInterface* text = face->textInterface()) {
        heard += text->text(0, text->characterCount()).size();
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
    /// Whether Cancel was clicked before the run ended by itself.
    bool cancelled = false;
    /// Whether the run's window went before the page showed the run's end: the run failed.
    bool failed = false;
};

enum class Phase { Before, UntilDialog, Run, Cancel, After };

// How often the probe's timer ticks on the UI thread.
constexpr int kTickMs = 2;
// Cancel comes this far into the run: a million-letter run of schemes 1 and 2 can finish in
// little more than a second, before a later Cancel would be clicked at all.
constexpr int kRunMs = 300;

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
    const auto* endBox = window.findChild<QLineEdit*>(QLatin1String(kind.endBox));
    // Lets the boxes' first layout and paint land before anything is timed.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 1500) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    Stalls stalls;
    Phase phase = Phase::Before;
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = clock.elapsed();
    qint64 runStart = 0;
    QTimer probe;
    probe.setInterval(kTickMs);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        const auto gap = static_cast<double>(now - lastTick);
        lastTick = now;
        // The gap that ends on the tick seeing the run's end belongs to the phase it ended in.
        if (phase == Phase::Cancel) {
            stalls.cancelStall = std::max(stalls.cancelStall, gap);
        } else if (phase == Phase::Run) {
            stalls.duringRun = std::max(stalls.duringRun, gap);
        }
        if (phase != Phase::Before && phase != Phase::After && !endBox->text().isEmpty()) {
            stalls.cancelled = phase == Phase::Cancel;
            stalls.cancelTook =
                stalls.cancelled ? static_cast<double>(now) - stalls.cancelTook : 0.0;
            phase = Phase::After;
            QApplication::exit(0);
            return;
        }
        switch (phase) {
        case Phase::UntilDialog:
            stalls.untilDialog = std::max(stalls.untilDialog, gap);
            // A run expected to take long asks first; the probe starts it as a user would,
            // and the time spent on the question is the user's, not a stall. The question
            // is modal to the window only, so it is looked for there.
            if (auto* question = qobject_cast<QMessageBox*>(ShownDialog<QMessageBox>(window))) {
                for (QAbstractButton* button : question->buttons()) {
                    if (question->buttonRole(button) == QMessageBox::AcceptRole) {
                        button->click();
                        break;
                    }
                }
                stalls.untilDialog = 0.0;
                lastTick = clock.elapsed();
            }
            if (kind.shownDialog(window) != nullptr) {
                phase = Phase::Run;
                runStart = now;
            }
            break;
        case Phase::Run:
            if (now - runStart > kRunMs) {
                QWidget* dialog = kind.shownDialog(window);
                if (dialog == nullptr) {
                    stalls.failed = true;
                    phase = Phase::After;
                    QApplication::exit(0);
                    return;
                }
                phase = Phase::Cancel;
                stalls.cancelTook = static_cast<double>(now);
                dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
            }
            break;
        default:
            break;
        }
    });
    probe.start();
    QTimer::singleShot(20, &window, [&] {
        phase = Phase::UntilDialog;
        lastTick = clock.elapsed();
        window.findChild<QPushButton*>(QLatin1String(kind.go))->click();
    });
    QApplication::exec();
    return stalls;
}

void Report(benchmark::State& state, const RunKind& kind) {
    Stalls worst;
    // A short phrase's run can end before Cancel is due; then cancel_ms says nothing.
    bool cancelled = true;
    for (auto _ : state) {
        const Stalls stalls = Probe(kind, static_cast<qsizetype>(state.range(0)));
        if (stalls.failed) {
            state.SkipWithError("the run's window closed before the page showed the run's end");
            return;
        }
        worst.untilDialog = std::max(worst.untilDialog, stalls.untilDialog);
        worst.duringRun = std::max(worst.duringRun, stalls.duringRun);
        worst.cancelStall = std::max(worst.cancelStall, stalls.cancelStall);
        worst.cancelTook = std::max(worst.cancelTook, stalls.cancelTook);
        cancelled = cancelled && stalls.cancelled;
    }
    state.counters["go_ms"] = worst.untilDialog;
    state.counters["run_ms"] = worst.duringRun;
    state.counters["cancel_stall_ms"] = worst.cancelStall;
    state.counters["cancel_ms"] = worst.cancelTook;
    state.counters["cancelled"] = cancelled ? 1.0 : 0.0;
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

BENCHMARK(BM_TrialStalls)->Arg(50)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_AttenuatingStalls)->Arg(50)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_SerialStalls)->Arg(50)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_SequentialStalls)->Arg(50)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace
} // namespace quarrow

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    // The window is measured as a screen reader's user meets it: every change it announces is
    // read back from it.
    QAccessible::installUpdateHandler(&quarrow::ReadAloud);
    QAccessible::setActive(true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
