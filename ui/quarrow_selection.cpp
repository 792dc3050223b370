#include "ui/quarrow.h"

#include "ui_quarrow.h"

#include "engine/generation_log.h"
#include "engine/run_cost.h"
#include "engine/selection.h"
#include "platform/number_text.h"
#include "ui/box_text.h"
#include "ui/cost_text.h"
#include "ui/evolution_view.h"
#include "ui/log_lock.h"

#include <QByteArray>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QStorageInfo>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <string>

namespace quarrow {
namespace {

// The window's own messages of this page; tests find them by this name.
constexpr char kSelectionMessageName[] = "selectionMessage";

void ShowSelectionMessage(QWidget* window, QMessageBox::Icon icon, const QString& text) {
    ShowWindowMessage(window, icon, text, kSelectionMessageName);
}

// The character at a position of a box's text, a surrogate pair kept whole.
QString CharacterAt(const QString& text, qsizetype position) {
    if (position < 0 || position >= text.size()) {
        return {};
    }
    const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size();
    return text.mid(position, pair ? 2 : 1);
}

// Runs of scheme 3 whose expected cost is asked about first.
constexpr double kAskAboveLogBytes = 100.0e6;
constexpr double kAskAboveSeconds = 30.0;
// Below this many generations on average a run is over too soon to be worth a question.
constexpr double kNeverAskBelowGenerations = 10'000.0;
// How long the generation rate is measured before a long run.
constexpr double kRateMeasureSeconds = 0.1;
constexpr std::int64_t kRateMeasureMaxGenerations = 200'000;
// A log larger than this is not handed to a text editor without a word.
constexpr qint64 kLargeLogBytes = 50'000'000;

constexpr char kLongRunQuestionName[] = "longRunQuestion";
constexpr char kLargeLogQuestionName[] = "largeLogQuestion";

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

// The page's first string is what scheme 3 scores its random letters against, place by place,
// so it must be as long as the target: with a shorter one only its length would be scored, and
// the run would claim a match of the whole target after matching a few letters.
QString DescribeShortFirstString(const QString& target, const QString& firstString) {
    return Quarrow::tr("Sequential selection scores its random letters against the first string, "
                       "place by place, so the first string must be as long as the target. The "
                       "first string has %1 characters and the target %2.\n\nLeave the target "
                       "box to get a new first string of its length, or type one.")
        .arg(Grouped(firstString.size()), Grouped(target.size()));
}

// The result boxes in global coordinates, which the live view leaves in sight.
QRect ResultBoxes(const std::initializer_list<const QWidget*> boxes) {
    QRect area;
    for (const QWidget* box : boxes) {
        area = area.united(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
    }
    return area;
}

} // namespace

bool Quarrow::RefuseWhileRunning() {
    if (!run_.isRunning()) {
        return false;
    }
    ShowSelectionMessage(this, QMessageBox::Information,
                         tr("A run is going on. Wait until it has finished, or cancel it, before "
                            "you start another."));
    return true;
}

void Quarrow::Command2_Click() {
    if (RefuseWhileRunning()) {
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
    RunSelection(Scheme::Attenuating, MatchWord, FirstWord, TimeLength, NumMutations, NumTotal);
}

void Quarrow::SerialSelection(QString& MatchWord, QString& FirstWord,
                              std::optional<float>& TimeLength,
                              std::optional<std::int64_t>& NumMutations,
                              std::optional<std::int64_t>& NumTotal) {
    RunSelection(Scheme::Serial, MatchWord, FirstWord, TimeLength, NumMutations, NumTotal);
}

void Quarrow::SequentialSelection(QString& FirstWord, QString& MatchWord,
                                  std::optional<float>& TimeLength,
                                  std::optional<std::int64_t>& NumMutations,
                                  std::optional<std::int64_t>& NumTotal) {
    // FirstWord is the string whose leading letters the offspring copy: the page's target. From
    // here on the two texts travel as the page holds them, target first.
    RunSelection(Scheme::Sequential, FirstWord, MatchWord, TimeLength, NumMutations, NumTotal);
}

void Quarrow::RunSelection(Scheme scheme, const QString& target, const QString& firstString,
                           std::optional<float>& TimeLength,
                           std::optional<std::int64_t>& NumMutations,
                           std::optional<std::int64_t>& NumTotal) {
    selectionProducedResults_ = false;
    if (RefuseWhileRunning()) {
        return;
    }
    const std::string targetBytes = ToLatin1(target);
    const std::string firstBytes = ToLatin1(firstString);

    // Input the run could not handle truthfully is refused before anything is touched.
    if (const auto problem = CheckInput(scheme, targetBytes, firstBytes)) {
        ShowSelectionMessage(this, QMessageBox::Warning,
                             DescribeProblem(*problem, target, firstString));
        return;
    }
    if (scheme == Scheme::Sequential && firstBytes.size() < targetBytes.size()) {
        ShowSelectionMessage(this, QMessageBox::Warning,
                             DescribeShortFirstString(target, firstString));
        return;
    }

    const QString logPath = services_.logPath;
    const QString logFolder = QFileInfo(logPath).absolutePath();
    std::optional<double> generationRate;
    if (scheme == Scheme::Sequential) {
        const SequentialExpectation expected = ExpectSequential(targetBytes.size());
        if (expected.meanGenerations >= kNeverAskBelowGenerations) {
            const double rate = MeasureGenerationRate(
                scheme, targetBytes, firstBytes, *services_.generator, *services_.monotonic,
                kRateMeasureSeconds, kRateMeasureMaxGenerations);
            if (rate > 0.0) {
                generationRate = rate;
            }
            if (!ConfirmLongRun(expected, generationRate, logFolder)) {
                return;
            }
        }
    }

    if (!QDir().mkpath(logFolder)) {
        ShowSelectionMessage(this, QMessageBox::Critical,
                             tr("The folder of the generation log cannot be created:\n%1\n\n"
                                "The run was not started.")
                                 .arg(QDir::toNativeSeparators(logFolder)));
        return;
    }
    // Held until the run has closed its log, so a second window cannot empty it meanwhile.
    GenerationLogLock logLock(logPath);
    if (!TakeGenerationLogLock(this, logLock)) {
        return;
    }
    FileLogSink log(QFile::encodeName(logPath).toStdString());

    // From here on the run is under way: the boxes no longer hold the figures of the last one.
    for (QLineEdit* box : {ui->txtLength, ui->txtNumGen, ui->txtTotal}) {
        box->clear();
    }

    // The live view of the run, beside the window; it decides itself when it goes.
    auto* view = new EvolutionView(target, firstString, scheme, viewChoices_, this);
    if (generationRate) {
        view->setMeasuredRate(*generationRate);
    }
    view->placeBeside(*this,
                      ResultBoxes({ui->txtLength, ui->txtNumGen, ui->txtTotal, ui->Command2}));

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
    // Slow motion holds the run back inside its own timing; the box shows the computing time.
    const double pausedSeconds = view->feed().PausedSeconds();

    const bool closing = run_.cancelReason() == BackgroundRun::CancelReason::Closing;
    view->finishRun(result.outcome, !closing);
    switch (result.outcome) {
    case RunOutcome::Matched:
    case RunOutcome::Cancelled:
        TimeLength = static_cast<float>(
            std::max(0.0, static_cast<double>(result.timeLength) - pausedSeconds));
        // The generation box says in which generation the match was found: a cancelled run
        // found none, so it stays empty.
        if (result.outcome == RunOutcome::Matched) {
            NumMutations = result.numMutations;
        }
        NumTotal = result.numTotal;
        selectionProducedResults_ = true;
        if (result.outcome == RunOutcome::Cancelled && !closing) {
            ShowSelectionMessage(
                this, QMessageBox::Information,
                tr("The run was stopped in generation %1, before a match was found. The time "
                   "and strings boxes show the counts until then; the generation box stays "
                   "empty, as no match was found. The generation log holds every finished "
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

bool Quarrow::ConfirmLongRun(const SequentialExpectation& expected,
                             std::optional<double> generationRate, const QString& logFolder) {
    std::optional<double> seconds;
    if (generationRate) {
        seconds = expected.meanGenerations / *generationRate;
    }
    // The folder may not exist yet: its nearest existing parent is on the same file system.
    QString existing = logFolder;
    while (!QFileInfo::exists(existing) && QFileInfo(existing).absolutePath() != existing) {
        existing = QFileInfo(existing).absolutePath();
    }
    const QStorageInfo storage(existing);
    const bool shortOfSpace = storage.isValid() && storage.isReady() &&
                              static_cast<double>(storage.bytesAvailable()) < expected.meanLogBytes;
    const bool long_ =
        expected.meanLogBytes > kAskAboveLogBytes || (seconds && *seconds > kAskAboveSeconds);
    if (!long_ && !shortOfSpace) {
        return true;
    }
    QString text =
        tr("This run of scheme 3 is likely to be long. Each generation finishes the "
           "run with a chance of %1, so a run needs:\n\n%2")
            .arg(DescribeChance(expected.generationChance), DescribeExpectation(expected, seconds));
    if (shortOfSpace) {
        text += QStringLiteral("\n\n") +
                tr("The drive of the generation log has only %1 free, less than the log is "
                   "expected to need: the run would stop when the drive is full.")
                    .arg(DescribeBytes(static_cast<double>(storage.bytesAvailable())));
    }
    text += QStringLiteral("\n\n") + tr("Cancel stops the run at any time. Start it?");
    QMessageBox question(QMessageBox::Question, windowTitle(), text, QMessageBox::NoButton, this);
    question.setObjectName(QString::fromLatin1(kLongRunQuestionName));
    QPushButton* start = question.addButton(tr("Start the run"), QMessageBox::AcceptRole);
    QPushButton* decline = question.addButton(tr("Don't start"), QMessageBox::RejectRole);
    question.setDefaultButton(decline);
    question.exec();
    return question.clickedButton() == start;
}

void Quarrow::Command1_Click() {
    if (run_.isRunning()) {
        ShowSelectionMessage(this, QMessageBox::Information,
                             tr("The run is still writing the generation log. It can be viewed "
                                "once the run has finished or been cancelled."));
        return;
    }
    const QString path = QDir::toNativeSeparators(QFileInfo(services_.logPath).absoluteFilePath());
    const QFileInfo logFile(services_.logPath);
    if (!logFile.exists()) {
        ShowSelectionMessage(this, QMessageBox::Information,
                             tr("There is no generation log yet: the first run of \"Go\" on this "
                                "page writes it, to\n%1")
                                 .arg(path));
        return;
    }
    if (logFile.size() <= kLargeLogBytes) {
        OpenLog(false);
        return;
    }
    // A text editor may take minutes, or all the memory there is, to open a log of gigabytes.
    auto* question = new QMessageBox(
        QMessageBox::Question, windowTitle(),
        tr("The generation log is %1 (%2 bytes), too large for many text editors to open "
           "comfortably. Open the folder that holds it instead?\n\n%3")
            .arg(DescribeBytes(static_cast<double>(logFile.size())), Grouped(logFile.size()), path),
        QMessageBox::NoButton, this);
    question->setObjectName(QString::fromLatin1(kLargeLogQuestionName));
    QPushButton* folder = question->addButton(tr("Open Folder"), QMessageBox::AcceptRole);
    QPushButton* anyway = question->addButton(tr("Open Anyway"), QMessageBox::ActionRole);
    question->addButton(QMessageBox::Cancel);
    question->setDefaultButton(folder);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    connect(question, &QMessageBox::finished, this, [this, question, folder, anyway](int) {
        if (question->clickedButton() == folder) {
            OpenLog(true);
        } else if (question->clickedButton() == anyway) {
            OpenLog(false);
        }
    });
    question->open();
}

void Quarrow::OpenLog(bool folderOnly) {
    const QFileInfo logFile(services_.logPath);
    const QString target = folderOnly ? logFile.absolutePath() : logFile.absoluteFilePath();
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(target))) {
        ShowSelectionMessage(this, QMessageBox::Warning,
                             folderOnly
                                 ? tr("The folder of the generation log could not be opened. It "
                                      "is\n%1")
                                       .arg(QDir::toNativeSeparators(target))
                                 : tr("No text editor could be started for the generation log. "
                                      "Open it with an editor of your choice; it is\n%1")
                                       .arg(QDir::toNativeSeparators(target)));
    }
}

} // namespace quarrow
