#include "ui/window/search_pages.h"

#include "platform/number_text.h"
#include "search/estimate.h"
#include "search/string_rate.h"
#include "search/trial.h"
#include "ui/common/box_text.h"
#include "ui/window/quarrow.h"
#include "ui/window/run_progress_dialog.h"
#include "ui_quarrow.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>

#include <algorithm>
#include <limits>
#include <memory>
#include <mutex>
#include <string>

namespace quarrow {

// What a trial holds from its start until its end has been shown. The worker writes its latest
// progress under the mutex; the dialog reads it on the UI thread.
struct Trial {
    std::string target;
    std::int64_t asked = 0;
    Generator worker;
    double startSeconds = 0.0;
    TrialHooks hooks;

    std::mutex mutex;
    std::int64_t stringsMade = 0;
    std::string bestString;
    std::optional<std::size_t> bestCount;
};

namespace {

// The window's own messages of these two pages; tests find them by this name.
constexpr char kSearchMessageName[] = "searchMessage";

// Why this page makes strings so much more slowly than "Step Two" measured: a class that divides
// the strings asked for by that rate would otherwise find the lesson's arithmetic broken.
QString SlowerThanStepTwo() {
    return SearchPages::tr("This makes strings several times more slowly than \"Step Two\" "
                           "measured: before every letter, the random generator is started "
                           "afresh from the clock.");
}

void ShowTrialProgress(Trial& trial, RunProgressDialog& dialog) {
    const std::lock_guard lock(trial.mutex);
    dialog.SetValue(static_cast<int>(trial.stringsMade));
    dialog.SetLabelText(
        SearchPages::tr("Strings made: %1 of %2\nBest so far: %3 of %4 letters right\n%5")
            .arg(Grouped(trial.stringsMade), Grouped(trial.asked),
                 Grouped(static_cast<std::int64_t>(trial.bestCount.value_or(0))),
                 Grouped(static_cast<std::int64_t>(trial.target.size())), SlowerThanStepTwo()));
    dialog.SetCurrentString(FromLatin1(trial.bestString));
}

} // namespace

SearchPages::SearchPages(const WindowPage& page)
    : window_(page.window), ui_(page.ui), services_(page.services), run_(page.run) {}

void SearchPages::ClearEstimate() {
    for (QLineEdit* result :
         {ui_.txtNumString, ui_.txtRndString, ui_.txtTime, ui_.txtTimeDay, ui_.txtTimeYear}) {
        result->setText(QString());
    }
}

void SearchPages::Measure() {
    const auto length = static_cast<std::size_t>(ui_.txtPhrase->text().size());
    // The worker makes its strings from its own copy of the generator, so the page changes
    // that stay possible meanwhile (Step Four draws a first string) never race it.
    auto worker = std::make_shared<Generator>(*services_.generator);
    const MonotonicClock& clock = *services_.monotonic;
    run_.Start<std::int64_t>(
        [worker = worker.get(), &clock, length](const TaskRunner::Cancel& cancel) {
            return CountStringsPerSecond(*worker, clock, length, cancel);
        },
        [this, worker, length](const TaskEnd<std::int64_t>& end) {
            *services_.generator = *worker;
            // Only quitting cancels a measurement; a part of a second is no rate to show.
            if (end.stopped != StopReason::None || !end.result) {
                return;
            }
            const SearchSpaceTexts texts = DescribeSearchSpace(
                EstimateSearchSpace(static_cast<qsizetype>(length), *end.result));
            ui_.txtRndString->setText(FromLatin1(texts.stringsPerSecond));
            ui_.txtNumString->setText(FromLatin1(texts.distinctStrings));
            ui_.txtTime->setText(FromLatin1(texts.seconds));
            ui_.txtTimeDay->setText(FromLatin1(texts.days));
            ui_.txtTimeYear->setText(FromLatin1(texts.years));
        },
        TaskWatch{.busyCursor = true});
}

void SearchPages::RunTrial() {
    const MonotonicClock& clock = *services_.monotonic;
    auto trial = std::make_shared<Trial>();
    trial->startSeconds = clock.Seconds();
    // The trial keeps its own copy of the target as it stands now.
    trial->target = ToLatin1(ui_.txtTargetString->text());
    const std::optional<std::int64_t> asked = ReadTrialCount(ToLatin1(ui_.txtNumGenerat->text()));
    if (!asked.has_value()) {
        ShowWindowMessage(&window_, QMessageBox::Warning,
                          tr("The number of strings to generate is too large. One trial makes "
                             "at most %1 strings; please enter a smaller number.")
                              .arg(Grouped(kMostTrialStrings)),
                          kSearchMessageName);
        return;
    }
    trial->asked = *asked;
    trial->worker = *services_.generator;
    trial->hooks.clock = &clock;
    trial->hooks.progress = [state = trial.get()](const TrialProgress& progress) {
        const std::lock_guard lock(state->mutex);
        state->stringsMade = progress.stringsMade;
        state->bestString.assign(progress.bestString);
        state->bestCount = progress.bestCount;
    };

    // The dialog goes with the trial's end.
    QPointer<RunProgressDialog> dialog = new RunProgressDialog(&window_);
    dialog->SetTitle([] { return tr("Matching the target at random"); });
    dialog->KeepClearOf(ui_.txtTargetString);
    dialog->SetRange(
        0, static_cast<int>(std::min<std::int64_t>(*asked, std::numeric_limits<int>::max())));
    dialog->SetLabelText(tr("Strings made: 0 of %1\n%2").arg(Grouped(*asked), SlowerThanStepTwo()));
    QObject::connect(dialog, &QDialog::rejected, &run_, [this] { run_.Stop(); });

    const TimeOfDayClock& seedClock = *services_.timeOfDay;
    Trial* running = trial.get();
    run_.Start<TrialResult>(
        [running, &seedClock](const TaskRunner::Cancel& cancel) {
            running->hooks.cancel = &cancel;
            return RunMatchingTrial(running->worker, seedClock, running->target, running->asked,
                                    running->hooks);
        },
        [this, trial, dialog](const TaskEnd<TrialResult>& end) {
            if (dialog) {
                dialog->deleteLater();
            }
            ShowTrial(*trial, end);
        },
        TaskWatch{.progress =
                      [running, dialog] {
                          if (dialog) {
                              ShowTrialProgress(*running, *dialog);
                          }
                      },
                  .dialog = dialog,
                  .busyCursor = true});
}

void SearchPages::ShowTrial(Trial& trial, const TaskEnd<TrialResult>& end) {
    *services_.generator = trial.worker;
    const auto elapsed = static_cast<float>(services_.monotonic->Seconds() - trial.startSeconds);
    if (!end.result) {
        ShowWindowMessage(&window_, QMessageBox::Critical,
                          tr("The trial failed and was stopped: %1.").arg(end.failure),
                          kSearchMessageName);
        return;
    }
    const TrialResult& result = *end.result;
    ui_.txtBestString->setText(FromLatin1(result.bestString));
    ui_.txtTimeGen->setText(FromLatin1(PlainText(elapsed)));
    ui_.txtNumCorrect->setText(
        result.bestCount.has_value()
            ? FromLatin1(PlainText(static_cast<std::int64_t>(*result.bestCount)))
            : QString());
    if (result.cancelled && end.stopped == StopReason::User) {
        ShowWindowMessage(&window_, QMessageBox::Information,
                          tr("The trial was cancelled after %1 of %2 strings. The boxes show "
                             "the best string made until then.")
                              .arg(Grouped(result.stringsMade), Grouped(trial.asked)),
                          kSearchMessageName);
    }
}

} // namespace quarrow
