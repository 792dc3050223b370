#include "ui/quarrow.h"

#include "ui_quarrow.h"

#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/number_text.h"
#include "ui/box_text.h"
#include "ui/evolution_view.h"
#include "ui/log_lock.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QUrl>

#include <algorithm>
#include <string>

namespace quarrow {
namespace {

// The window's own messages of this page; tests find them by this name.
constexpr char kSelectionMessageName[] = "selectionMessage";

void ShowSelectionMessage(QWidget* window, QMessageBox::Icon icon, const QString& text) {
    ShowWindowMessage(window, icon, text, kSelectionMessageName);
}

Scheme SchemeNumbered(int scheme) {
    switch (scheme) {
    case 1:
        return Scheme::Attenuating;
    case 2:
        return Scheme::Serial;
    default:
        return Scheme::Sequential;
    }
}

// The character at a position of a box's text, a surrogate pair kept whole.
QString CharacterAt(const QString& text, qsizetype position) {
    if (position < 0 || position >= text.size()) {
        return {};
    }
    const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size();
    return text.mid(position, pair ? 2 : 1);
}

QString DescribeProblem(const InputProblem& problem, const QString& target,
                        const QString& firstString) {
    if (problem.kind == InputProblem::Kind::FirstStringTooLong) {
        return Quarrow::tr("Sequential selection copies the leading letters of the target into "
                           "every offspring, so the first string cannot be longer than the "
                           "target. The first string has %1 characters and the target %2.\n\n"
                           "Leave the target box to get a new first string of its length.")
            .arg(Grouped(firstString.size()), Grouped(target.size()));
    }
    const bool inTarget = problem.text == InputProblem::Text::Target;
    const QString& text = inTarget ? target : firstString;
    const auto position = static_cast<qsizetype>(problem.position);
    const QString where = inTarget ? Quarrow::tr("The target") : Quarrow::tr("The first string");
    return Quarrow::tr("%1 holds \"%2\" at position %3, which is neither a capital letter A to "
                       "Z nor a space. No random string can ever match it, so the run would "
                       "never end.\n\nPlease use only the letters A to Z and spaces.")
        .arg(where, CharacterAt(text, position), Grouped(position + 1));
}

} // namespace

void Quarrow::Command2_Click() {
    // A click queued behind a run that is still going on starts nothing and changes nothing.
    if (run_.isRunning()) {
        return;
    }
    std::optional<float> TimeLength;
    std::optional<std::int64_t> NumMutations;
    std::optional<std::int64_t> NumTotal;
    selectionProducedResults_ = true;

    if (ui->Option1->isChecked()) {
        QString target = ui->txtTarget->text();
        QString first = ui->txtInitialGuess->text();
        AttenuatingSelection(target, first, TimeLength, NumMutations, NumTotal);
    } else if (ui->Option2->isChecked()) {
        QString target = ui->txtTarget->text();
        QString first = ui->txtInitialGuess->text();
        SerialSelection(target, first, TimeLength, NumMutations, NumTotal);
    } else if (ui->Option3->isChecked()) {
        // The same two texts in the same order: the target lands in FirstWord.
        QString target = ui->txtTarget->text();
        QString first = ui->txtInitialGuess->text();
        SequentialSelection(target, first, TimeLength, NumMutations, NumTotal);
    }
    // A refused run, or one whose log failed, leaves the boxes as they were.
    if (!selectionProducedResults_) {
        return;
    }

    ui->txtLength->setText(TimeLength ? FromLatin1(PlainText(*TimeLength)) : QString());
    ui->txtNumGen->setText(NumMutations ? FromLatin1(PlainText(*NumMutations)) : QString());
    ui->txtTotal->setText(NumTotal ? FromLatin1(PlainText(*NumTotal)) : QString());
}

void Quarrow::AttenuatingSelection(QString& MatchWord, QString& FirstWord,
                                   std::optional<float>& TimeLength,
                                   std::optional<std::int64_t>& NumMutations,
                                   std::optional<std::int64_t>& NumTotal) {
    RunSelection(1, MatchWord, FirstWord, TimeLength, NumMutations, NumTotal);
}

void Quarrow::SerialSelection(QString& MatchWord, QString& FirstWord,
                              std::optional<float>& TimeLength,
                              std::optional<std::int64_t>& NumMutations,
                              std::optional<std::int64_t>& NumTotal) {
    RunSelection(2, MatchWord, FirstWord, TimeLength, NumMutations, NumTotal);
}

void Quarrow::SequentialSelection(QString& FirstWord, QString& MatchWord,
                                  std::optional<float>& TimeLength,
                                  std::optional<std::int64_t>& NumMutations,
                                  std::optional<std::int64_t>& NumTotal) {
    // FirstWord is the string whose leading letters the offspring copy: the page's target.
    RunSelection(3, FirstWord, MatchWord, TimeLength, NumMutations, NumTotal);
}

void Quarrow::RunSelection(int schemeNumber, const QString& target, const QString& firstString,
                           std::optional<float>& TimeLength,
                           std::optional<std::int64_t>& NumMutations,
                           std::optional<std::int64_t>& NumTotal) {
    selectionProducedResults_ = false;
    if (run_.isRunning()) {
        return;
    }
    const Scheme scheme = SchemeNumbered(schemeNumber);
    const std::string targetBytes = ToLatin1(target);
    const std::string firstBytes = ToLatin1(firstString);

    // A target no drawn symbol could ever complete is refused before anything is touched.
    if (const auto problem = CheckInput(scheme, targetBytes, firstBytes)) {
        ShowSelectionMessage(this, QMessageBox::Warning,
                             DescribeProblem(*problem, target, firstString));
        return;
    }

    const QString logPath = services_.logPath;
    const QString logFolder = QFileInfo(logPath).absolutePath();
    if (!QDir().mkpath(logFolder)) {
        ShowSelectionMessage(this, QMessageBox::Critical,
                             tr("The folder of the generation log cannot be created:\n%1\n\n"
                                "The run was not started.")
                                 .arg(QDir::toNativeSeparators(logFolder)));
        return;
    }
    // Held until the run has closed its log, so a second window cannot empty it meanwhile.
    GenerationLogLock logLock(logPath);
    if (!logLock.acquire()) {
        ShowSelectionMessage(this, QMessageBox::Warning,
                             tr("Another Quarrow window is running a selection and writing the "
                                "generation log:\n%1\n\nThe run was not started. Try again "
                                "once that run has ended.")
                                 .arg(QDir::toNativeSeparators(logPath)));
        return;
    }
    FileLogSink log(QFile::encodeName(logPath).toStdString());

    // The live view of the run; after the run it stays open only if the user asked for that.
    auto* view = new EvolutionView(target, scheme, viewChoices_, this);
    connect(view, &RunProgressDialog::quitRequested, this, &Quarrow::Command3_Click);

    // The worker draws from its own copy of the generator, so the UI thread, which stays live
    // during the run, never races it; the copy is handed back at the end.
    Generator worker = *services_.generator;
    RunResult result;
    run_.exec(
        [&](const std::atomic<bool>& cancel) {
            const RunEnvironment environment{worker, *services_.monotonic, log, cancel};
            result = RunScheme(scheme, targetBytes, firstBytes, view->feed().Attach(environment));
        },
        [view] { view->refresh(); }, view);
    *services_.generator = worker;

    const bool closing = run_.cancelReason() == BackgroundRun::CancelReason::Closing;
    if (closing) {
        delete view;
    } else {
        view->finishRun(result.outcome);
    }
    switch (result.outcome) {
    case RunOutcome::Matched:
    case RunOutcome::Cancelled:
        TimeLength = result.timeLength;
        NumMutations = result.numMutations;
        NumTotal = result.numTotal;
        selectionProducedResults_ = true;
        if (result.outcome == RunOutcome::Cancelled && !closing) {
            ShowSelectionMessage(
                this, QMessageBox::Information,
                tr("The run was stopped in generation %1, before a match was found. The boxes "
                   "show the counts until then, and the generation log holds every finished "
                   "generation.")
                    .arg(Grouped(result.numMutations)));
        }
        break;
    case RunOutcome::LogFailed:
        if (!closing) {
            ShowSelectionMessage(this, QMessageBox::Critical,
                                 tr("The generation log could not be written, so the run was "
                                    "stopped.\n\n%1")
                                     .arg(QString::fromLocal8Bit(result.logError)));
        }
        break;
    case RunOutcome::InvalidInput:
        break;
    }
}

void Quarrow::Command1_Click() {
    if (run_.isRunning()) {
        return;
    }
    const QString path = QDir::toNativeSeparators(QFileInfo(services_.logPath).absoluteFilePath());
    if (!QFileInfo::exists(services_.logPath)) {
        ShowSelectionMessage(this, QMessageBox::Information,
                             tr("There is no generation log yet: the first run of \"Go\" on this "
                                "page writes it, to\n%1")
                                 .arg(path));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(services_.logPath))) {
        ShowSelectionMessage(this, QMessageBox::Warning,
                             tr("No text editor could be started for the generation log. "
                                "Open it with an editor of your choice; it is\n%1")
                                 .arg(path));
    }
}

} // namespace quarrow
