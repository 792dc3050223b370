#include "ui/quarrow.h"

#include "ui_quarrow.h"

#include "platform/number_text.h"
#include "search/estimate.h"
#include "search/string_rate.h"
#include "search/trial.h"
#include "ui/box_text.h"
#include "ui/run_progress_dialog.h"

#include <QByteArray>
#include <QLocale>
#include <QMessageBox>

#include <algorithm>
#include <limits>
#include <mutex>
#include <string>

namespace quarrow {
namespace {

// The window's own messages of these two pages; tests find them by this name.
constexpr char kSearchMessageName[] = "searchMessage";

void ShowSearchMessage(QWidget* window, QMessageBox::Icon icon, const QString& text) {
    ShowWindowMessage(window, icon, text, kSearchMessageName);
}

// What the trial's worker last reported, read by the progress dialog on the UI thread.
struct TrialSnapshot {
    std::mutex mutex;
    std::int64_t stringsMade = 0;
    std::string bestString;
    std::optional<std::size_t> bestCount;
};

} // namespace

void Quarrow::Command8_Click() {
    // A click while a measurement or another run is going on starts nothing, and says why.
    if (RefuseWhileRunning()) {
        return;
    }
    const qsizetype length = ui->txtPhrase->text().size();

    // The worker makes its strings from its own copy of the generator, so the page changes
    // that stay possible meanwhile (Step Four draws a first string) never race it.
    Generator worker = *services_.generator;
    const MonotonicClock& clock = *services_.monotonic;
    std::int64_t count = 0;
    run_.exec([&](const std::atomic<bool>& cancel) {
        count = CountStringsPerSecond(worker, clock, static_cast<std::size_t>(length), cancel);
    });
    *services_.generator = worker;
    // Only quitting cancels a measurement; a part of a second is no rate to show.
    if (run_.wasCancelled()) {
        return;
    }

    const SearchSpaceTexts texts = DescribeSearchSpace(EstimateSearchSpace(length, count));
    ui->txtRndString->setText(FromLatin1(texts.stringsPerSecond));
    ui->txtNumString->setText(FromLatin1(texts.distinctStrings));
    ui->txtTime->setText(FromLatin1(texts.seconds));
    ui->txtTimeDay->setText(FromLatin1(texts.days));
    ui->txtTimeYear->setText(FromLatin1(texts.years));
}

void Quarrow::Command4_Click() {
    if (RefuseWhileRunning()) {
        return;
    }
    const MonotonicClock& clock = *services_.monotonic;
    const double start = clock.Seconds();

    // The trial keeps its own copy of the target as it stands now.
    const std::string target = ToLatin1(ui->txtTargetString->text());
    const std::optional<std::int64_t> asked = ReadTrialCount(ToLatin1(ui->txtNumGenerat->text()));
    if (!asked.has_value()) {
        ShowSearchMessage(this, QMessageBox::Warning,
                          tr("The number of strings to generate is too large. One trial makes "
                             "at most %1 strings; please enter a smaller number.")
                              .arg(Grouped(kMostTrialStrings)));
        return;
    }

    TrialSnapshot snapshot;
    TrialHooks hooks;
    hooks.clock = &clock;
    hooks.progress = [&snapshot](const TrialProgress& progress) {
        const std::lock_guard lock(snapshot.mutex);
        snapshot.stringsMade = progress.stringsMade;
        snapshot.bestString.assign(progress.bestString);
        snapshot.bestCount = progress.bestCount;
    };

    RunProgressDialog dialog(this);
    dialog.setWindowTitle(tr("Matching the target at random"));
    dialog.setRange(
        0, static_cast<int>(std::min<std::int64_t>(*asked, std::numeric_limits<int>::max())));
    dialog.setLabelText(tr("Strings made: 0 of %1").arg(Grouped(*asked)));
    const auto refresh = [&] {
        const std::lock_guard lock(snapshot.mutex);
        dialog.setValue(static_cast<int>(snapshot.stringsMade));
        dialog.setLabelText(
            tr("Strings made: %1 of %2\nBest so far: %3 of %4 letters right")
                .arg(Grouped(snapshot.stringsMade), Grouped(*asked),
                     Grouped(static_cast<std::int64_t>(snapshot.bestCount.value_or(0))),
                     Grouped(static_cast<std::int64_t>(target.size()))));
        dialog.setCurrentString(FromLatin1(snapshot.bestString));
    };

    Generator worker = *services_.generator;
    const TimeOfDayClock& seedClock = *services_.timeOfDay;
    TrialResult result;
    run_.exec(
        [&](const std::atomic<bool>& cancel) {
            hooks.cancel = &cancel;
            result = RunMatchingTrial(worker, seedClock, target, *asked, hooks);
        },
        refresh, &dialog);
    *services_.generator = worker;
    const float elapsed = static_cast<float>(clock.Seconds() - start);

    ui->txtBestString->setText(FromLatin1(result.bestString));
    ui->txtTimeGen->setText(FromLatin1(PlainText(elapsed)));
    ui->txtNumCorrect->setText(
        result.bestCount.has_value()
            ? FromLatin1(PlainText(static_cast<std::int64_t>(*result.bestCount)))
            : QString());

    if (result.cancelled && run_.cancelReason() == BackgroundRun::CancelReason::User) {
        ShowSearchMessage(this, QMessageBox::Information,
                          tr("The trial was cancelled after %1 of %2 strings. The boxes show "
                             "the best string made until then.")
                              .arg(Grouped(result.stringsMade), Grouped(*asked)));
    }
}

} // namespace quarrow
