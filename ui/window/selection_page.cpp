#include "ui/window/selection_page.h"

#include "engine/generation_log.h"
#include "platform/number_text.h"
#include "plot/scheme_look.h"
#include "ui/common/box_text.h"
#include "ui/common/cost_text.h"
#include "ui/common/log_lock.h"
#include "ui/live/evolution_view.h"
#include "ui/window/quarrow.h"
#include "ui_quarrow.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QUrl>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace quarrow {
namespace {

// The fixed layout's option button of each scheme and the Explanation button beside it, in the
// order of the scheme table.
struct SchemeButtons {
    const char* option;
    const char* explanation;
};
constexpr std::array<SchemeButtons, kSchemeTable.size()> kSchemeButtons{{
    {"Option1", "Command13"},
    {"Option2", "Command14"},
    {"Option3", "Command15"},
}};
static_assert(std::none_of(kSchemeButtons.begin(), kSchemeButtons.end(),
                           [](const SchemeButtons& buttons) {
                               return buttons.option == nullptr || buttons.explanation == nullptr;
                           }),
              "every scheme has its buttons");

template <typename Button> Button* Named(const QWidget& window, const char* name) {
    return window.findChild<Button*>(QLatin1String(name));
}

// The character at a position of a box's text, a surrogate pair kept whole.
QString CharacterAt(const QString& text, qsizetype position) {
    if (position < 0 || position >= text.size()) {
        return {};
    }
    const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size();
    return text.mid(position, pair ? 2 : 1);
}

// A log larger than this is not handed to a text editor without a word.
constexpr qint64 kLargeLogBytes = 50'000'000;

constexpr char kLongRunQuestionName[] = "longRunQuestion";
constexpr char kLargeLogQuestionName[] = "largeLogQuestion";

// The first string of the sequential scheme must be as long as the target. A longer one cannot
// take the target's leading letters, and with a shorter one only its length would be scored: the
// run would claim a match of the whole target after matching a few letters.
QString DescribeFirstStringLength(const QString& target, const QString& firstString) {
    const bool tooLong = firstString.size() > target.size();
    const QString why =
        tooLong ? SelectionPage::tr("Sequential selection copies the leading letters of the target "
                                    "into every offspring, so the first string cannot be longer "
                                    "than the target.")
                : SelectionPage::tr("Sequential selection scores its random letters against the "
                                    "first string, place by place, so the first string must be as "
                                    "long as the target.");
    const QString remedy =
        tooLong ? SelectionPage::tr("Leave the target box to get a new first string of its length.")
                : SelectionPage::tr("Leave the target box to get a new first string of its "
                                    "length, or type one.");
    return SelectionPage::tr("%1 The first string has %2 characters and the target %3.\n\n%4")
        .arg(why, Grouped(firstString.size()), Grouped(target.size()), remedy);
}

QString DescribeProblem(const InputProblem& problem, const QString& target,
                        const QString& firstString) {
    if (problem.kind == InputProblem::Kind::FirstStringTooLong) {
        return DescribeFirstStringLength(target, firstString);
    }
    const bool inTarget = problem.text == InputProblem::Text::Target;
    const QString& text = inTarget ? target : firstString;
    const auto position = static_cast<qsizetype>(problem.position);
    const QString where =
        inTarget ? SelectionPage::tr("The target") : SelectionPage::tr("The first string");
    return SelectionPage::tr(
               "%1 holds \"%2\" at position %3, which is neither a capital letter A to "
               "Z nor a space. No random string can ever match it, so the run would "
               "never end.\n\nPlease use only the letters A to Z and spaces.")
        .arg(where, CharacterAt(text, position), Grouped(position + 1));
}

// The result boxes in global coordinates, which the live view leaves in sight.
QRect ResultBoxes(const std::initializer_list<const QWidget*> boxes) {
    QRect area;
    for (const QWidget* box : boxes) {
        area = area.united(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
    }
    return area;
}

// What the live view leaves of the last run's figures, and what a run ended with.
struct Figures {
    std::optional<float> timeLength;
    std::optional<std::int64_t> numMutations;
    std::optional<std::int64_t> numTotal;
};

// The figures a run that matched or was cancelled leaves in the boxes; slow motion holds the
// run back inside its own timing, so the time box shows the computing time.
Figures FiguresOf(const RunResult& result, double pausedSeconds) {
    Figures figures;
    figures.timeLength =
        static_cast<float>(std::max(0.0, static_cast<double>(result.timeLength) - pausedSeconds));
    // The generation box says in which generation the match was found: a cancelled run found
    // none, so it stays empty.
    if (result.outcome == RunOutcome::Matched) {
        figures.numMutations = result.numMutations;
    }
    figures.numTotal = result.numTotal;
    return figures;
}

void WriteFigures(Ui::Quarrow& ui, const Figures& figures) {
    ui.txtLength->setText(figures.timeLength ? FromLatin1(PlainText(*figures.timeLength))
                                             : QString());
    ui.txtNumGen->setText(figures.numMutations ? FromLatin1(PlainText(*figures.numMutations))
                                               : QString());
    ui.txtTotal->setText(figures.numTotal ? FromLatin1(PlainText(*figures.numTotal)) : QString());
}

// The nearest existing folder of `folder`, which is on the same file system.
QString ExistingFolder(const QString& folder) {
    QString existing = folder;
    while (!QFileInfo::exists(existing) && QFileInfo(existing).absolutePath() != existing) {
        existing = QFileInfo(existing).absolutePath();
    }
    return existing;
}

// The question before a long scheme-3 run; empty when the run is neither long nor short of
// room on the log's drive.
// `pace` is the view's slow-motion speed when the run is to start in slow motion.
QString LongRunQuestion(const SequentialExpectation& expected, std::optional<double> generationRate,
                        std::optional<double> pace, const QString& logFolder) {
    std::optional<double> seconds;
    if (generationRate) {
        seconds = expected.meanGenerations / *generationRate;
    }
    // A run held to the view's speed takes at least as long as that speed allows.
    const double paced = pace && *pace > 0.0 ? expected.meanGenerations / *pace : 0.0;
    const QStorageInfo storage(ExistingFolder(logFolder));
    const bool shortOfSpace = storage.isValid() && storage.isReady() &&
                              static_cast<double>(storage.bytesAvailable()) < expected.meanLogBytes;
    const bool long_ = expected.meanLogBytes > kAskAboveLogBytes ||
                       std::max(seconds.value_or(0.0), paced) > kAskAboveSeconds;
    if (!long_ && !shortOfSpace) {
        return {};
    }
    QString text =
        SelectionPage::tr("This run of scheme 3 is likely to be long. Each generation finishes "
                          "the run with a chance of %1, so a run needs:\n\n%2")
            .arg(DescribeChance(expected.generationChance),
                 DescribeExpectation(expected, seconds, pace));
    if (shortOfSpace) {
        text += QStringLiteral("\n\n") +
                SelectionPage::tr("The drive of the generation log has only %1 free, less than "
                                  "the log is expected to need: the run would stop when the "
                                  "drive is full.")
                    .arg(DescribeBytes(static_cast<double>(storage.bytesAvailable())));
    }
    return text + QStringLiteral("\n\n") +
           SelectionPage::tr("Cancel stops the run at any time. Start it?");
}

} // namespace

// What a run of the page holds from its start until its end has been shown: the worker's
// copies of the texts and the generator, the log and its lock, and the view.
struct SelectionRun {
    Scheme scheme = Scheme::Attenuating;
    std::string target;
    std::string firstString;
    Generator worker;
    std::optional<GenerationLogLock> lock;
    std::optional<FileLogSink> log;
    QPointer<EvolutionView> view;
    EvolutionFeed* feed = nullptr;
    // The page's count of text changes when the run started.
    std::uint64_t textChanges = 0;
};

std::vector<QRadioButton*> SchemeOptions(const QWidget& window) {
    std::vector<QRadioButton*> options;
    options.reserve(kSchemeButtons.size());
    for (const SchemeButtons& buttons : kSchemeButtons) {
        options.push_back(Named<QRadioButton>(window, buttons.option));
    }
    return options;
}

SelectionPage::SelectionPage(const WindowPage& page, ViewChoices& choices)
    : window_(page.window), ui_(page.ui), services_(page.services), run_(page.run),
      choices_(choices) {
    // The buttons keep the layout's places; what they say and the topic they open is the
    // table's.
    for (std::size_t s = 0; s < kSchemeTable.size(); ++s) {
        Named<QPushButton>(window_, kSchemeButtons[s].explanation)
            ->setProperty("helpContext", kSchemeTable[s].helpTopic);
    }
    ShowSchemeCaptions();
}

void SelectionPage::ShowSchemeCaptions() {
    for (std::size_t s = 0; s < kSchemeTable.size(); ++s) {
        const QString caption = plot::SchemeCaptionText(kSchemeTable[s].scheme);
        auto* option = Named<QRadioButton>(window_, kSchemeButtons[s].option);
        option->setText(caption);
        option->setAccessibleName(caption);
    }
}

SelectionPage::~SelectionPage() {
    // A question still open goes first: its answer would come back to this page.
    delete question_.data();
}

void SelectionPage::Say(QMessageBox::Icon icon, const QString& text) {
    ShowWindowMessage(&window_, icon, text, kSelectionMessageName);
}

std::optional<Scheme> SelectionPage::ChosenScheme() const {
    for (std::size_t s = 0; s < kSchemeTable.size(); ++s) {
        if (Named<QRadioButton>(window_, kSchemeButtons[s].option)->isChecked()) {
            return kSchemeTable[s].scheme;
        }
    }
    return std::nullopt;
}

void SelectionPage::Go(std::optional<Scheme> scheme) {
    if (!scheme) {
        WriteFigures(ui_, {});
        return;
    }
    // Scheme 3 calls the target its FirstWord; here the texts travel as the page holds them,
    // target first.
    Request request;
    request.scheme = *scheme;
    request.target = ui_.txtTarget->text();
    request.firstString = ui_.txtInitialGuess->text();
    request.targetBytes = ToLatin1(request.target);
    request.firstBytes = ToLatin1(request.firstString);
    if (Refuse(request)) {
        return;
    }
    // The law whose closed forms give a run's cost before it starts can ask first.
    if (RowOf(request.scheme).law == LawKind::GrowingPrefix) {
        const SequentialExpectation expected = ExpectSequential(request.targetBytes.size());
        if (expected.meanGenerations >= kNeverAskBelowGenerations) {
            MeasureThenAsk(std::move(request), expected);
            return;
        }
    }
    Launch(request);
}

bool SelectionPage::Refuse(const Request& request) {
    if (const auto problem = CheckInput(request.scheme, request.targetBytes, request.firstBytes)) {
        Say(QMessageBox::Warning, DescribeProblem(*problem, request.target, request.firstString));
        return true;
    }
    if (RowOf(request.scheme).firstString == FirstStringRule::TargetLength &&
        request.firstBytes.size() < request.targetBytes.size()) {
        Say(QMessageBox::Warning, DescribeFirstStringLength(request.target, request.firstString));
        return true;
    }
    return false;
}

void SelectionPage::MeasureThenAsk(Request request, const SequentialExpectation& expected) {
    // The measurement runs from a copy of the generator: a declined run changes nothing.
    const Generator generator = *services_.generator;
    const MonotonicClock& clock = *services_.monotonic;
    auto texts = std::make_shared<Request>(std::move(request));
    run_.Start<double>(
        [texts, generator, &clock](const TaskRunner::Cancel&) {
            return MeasureGenerationRate(texts->scheme, texts->targetBytes, texts->firstBytes,
                                         generator, clock, kRateMeasureSeconds,
                                         kRateMeasureMaxGenerations);
        },
        [this, texts, expected](const TaskEnd<double>& end) {
            if (end.stopped != StopReason::None) {
                return;
            }
            if (end.result && *end.result > 0.0) {
                texts->generationRate = *end.result;
            }
            Ask(*texts, expected);
        },
        TaskWatch{.busyCursor = true});
}

void SelectionPage::Ask(Request request, const SequentialExpectation& expected) {
    const std::optional<double> pace =
        choices_.slowMotion ? std::optional(choices_.slowMotionRate) : std::nullopt;
    const QString text = LongRunQuestion(expected, request.generationRate, pace,
                                         QFileInfo(services_.logPath).absolutePath());
    if (text.isEmpty()) {
        Launch(request);
        return;
    }
    auto* question = new QMessageBox(QMessageBox::Question, window_.windowTitle(), text,
                                     QMessageBox::NoButton, &window_);
    question->setObjectName(QString::fromLatin1(kLongRunQuestionName));
    QPushButton* start = question->addButton(tr("Start the run"), QMessageBox::AcceptRole);
    QPushButton* decline = question->addButton(tr("Don't start"), QMessageBox::RejectRole);
    question->setDefaultButton(decline);
    question->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(question, &QMessageBox::finished, question,
                     [this, question, start, request = std::move(request)](int) {
                         question_ = nullptr;
                         if (question->clickedButton() == start) {
                             Launch(request);
                         }
                     });
    question_ = question;
    OpenOverWindow(*question);
}

void SelectionPage::Launch(const Request& request) {
    const QString logFolder = QFileInfo(services_.logPath).absolutePath();
    if (!QDir().mkpath(logFolder)) {
        Say(QMessageBox::Critical, tr("The folder of the generation log cannot be created:\n%1\n\n"
                                      "The run was not started.")
                                       .arg(QDir::toNativeSeparators(logFolder)));
        return;
    }
    // Held until the run has closed its log, so a second window cannot empty it meanwhile. A
    // lock from another computer is asked about first; the run starts from the answer.
    auto state = std::make_shared<SelectionRun>();
    state->lock.emplace(services_.logPath);
    question_ = TakeGenerationLogLock(&window_, *state->lock,
                                      [this, request, state] { StartRun(request, state); });
}

void SelectionPage::StartRun(const Request& request, const std::shared_ptr<SelectionRun>& state) {
    state->log.emplace(QFile::encodeName(services_.logPath).toStdString());
    state->scheme = request.scheme;
    state->target = request.targetBytes;
    state->firstString = request.firstBytes;
    state->textChanges = textChanges_;
    // The worker draws from its own copy of the generator, so the UI thread, which stays live
    // during the run, never races it; the copy is handed back at the end.
    state->worker = *services_.generator;

    // From here on the run is under way: the boxes no longer hold the figures of the last one.
    WriteFigures(ui_, {});

    // The live view of the run, beside the window; it decides itself when it goes.
    auto* view =
        new EvolutionView(request.target, request.firstString, request.scheme, choices_, &window_);
    if (request.generationRate) {
        view->SetMeasuredRate(*request.generationRate);
    }
    // Placed again by the same rule when the zoom changes, around the boxes where they are then.
    view->PlaceBeside(window_, [this] {
        return ResultBoxes({ui_.txtLength, ui_.txtNumGen, ui_.txtTotal, ui_.Command2});
    });
    state->view = view;
    state->feed = &view->Feed();
    QObject::connect(view, &EvolutionView::CancelRequested, &run_, [this] { run_.Stop(); });

    const MonotonicClock& clock = *services_.monotonic;
    SelectionRun* running = state.get();
    run_.Start<RunResult>(
        [running, &clock](const TaskRunner::Cancel& cancel) {
            const RunEnvironment environment{running->worker, clock, *running->log, cancel};
            return RunScheme(running->scheme, running->target, running->firstString,
                             running->feed->Attach(environment));
        },
        [this, state](const TaskEnd<RunResult>& end) { FinishRun(*state, end); },
        TaskWatch{
            .progress = [view] { view->Refresh(); }, .dialog = view, .dialogBlocksWindow = false});
}

void SelectionPage::FinishRun(SelectionRun& state, const TaskEnd<RunResult>& end) {
    *services_.generator = state.worker;
    // The run has closed its log: another window may write it now.
    state.log.reset();
    state.lock.reset();
    const bool closing = end.stopped == StopReason::Closing;
    const double pausedSeconds = state.feed->PausedSeconds();
    if (!end.result) {
        // The run threw (out of memory, say): its view goes, and the boxes stay empty.
        if (state.view) {
            state.view->FinishRun(RunOutcome::Cancelled, false);
        }
        if (!closing) {
            Say(QMessageBox::Critical,
                tr("The run failed and was stopped: %1.\n\nThe generation log holds every "
                   "generation written until then.")
                    .arg(end.failure));
        }
        return;
    }
    const RunResult& result = *end.result;
    if (state.view) {
        state.view->FinishRun(result.outcome, !closing);
    }
    if ((result.outcome == RunOutcome::Matched || result.outcome == RunOutcome::Cancelled) &&
        state.textChanges == textChanges_) {
        WriteFigures(ui_, FiguresOf(result, pausedSeconds));
    }
    if (!closing) {
        SayHowItStopped(result);
    }
}

void SelectionPage::SayHowItStopped(const RunResult& result) {
    if (result.outcome == RunOutcome::Cancelled) {
        Say(QMessageBox::Information,
            tr("The run was stopped in generation %1, before a match was found. The time and "
               "strings boxes show the counts until then; the generation box stays empty, as no "
               "match was found. The generation log holds every finished generation.")
                .arg(Grouped(result.numMutations)));
    } else if (result.outcome == RunOutcome::LogFailed) {
        Say(QMessageBox::Critical,
            tr("The generation log could not be written, so the run was stopped.\n\n%1")
                .arg(QString::fromLocal8Bit(result.logError)));
    }
}

void SelectionPage::ForgetFigures() {
    ++textChanges_;
    WriteFigures(ui_, {});
}

void SelectionPage::ViewLog() {
    if (run_.IsRunning()) {
        Say(QMessageBox::Information,
            tr("The run is still writing the generation log. It can be viewed once the run has "
               "finished or been cancelled."));
        return;
    }
    const QString path = QDir::toNativeSeparators(QFileInfo(services_.logPath).absoluteFilePath());
    const QFileInfo logFile(services_.logPath);
    if (!logFile.exists()) {
        Say(QMessageBox::Information,
            tr("There is no generation log yet: the first run of \"Go\" on this page writes it, "
               "to\n%1")
                .arg(path));
        return;
    }
    if (logFile.size() <= kLargeLogBytes) {
        OpenLog(false);
        return;
    }
    // A text editor may take minutes, or all the memory there is, to open a log of gigabytes.
    auto* question = new QMessageBox(
        QMessageBox::Question, window_.windowTitle(),
        tr("The generation log is %1 (%2 bytes), too large for many text editors to open "
           "comfortably. Open the folder that holds it instead?\n\n%3")
            .arg(DescribeBytes(static_cast<double>(logFile.size())), Grouped(logFile.size()), path),
        QMessageBox::NoButton, &window_);
    question->setObjectName(QString::fromLatin1(kLargeLogQuestionName));
    QPushButton* folder = question->addButton(tr("Open Folder"), QMessageBox::AcceptRole);
    QPushButton* anyway = question->addButton(tr("Open Anyway"), QMessageBox::ActionRole);
    question->addButton(QMessageBox::Cancel);
    question->setDefaultButton(folder);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    QObject::connect(question, &QMessageBox::finished, question,
                     [this, question, folder, anyway](int) {
                         if (question->clickedButton() == folder) {
                             OpenLog(true);
                         } else if (question->clickedButton() == anyway) {
                             OpenLog(false);
                         }
                     });
    question->open();
}

void SelectionPage::OpenLog(bool folderOnly) {
    const QFileInfo logFile(services_.logPath);
    const QString target = folderOnly ? logFile.absolutePath() : logFile.absoluteFilePath();
    const QPointer<QWidget> window = &window_;
    const auto sayNotOpened = [window, folderOnly, target] {
        if (window.isNull()) {
            return;
        }
        ShowWindowMessage(
            window, QMessageBox::Warning,
            folderOnly ? tr("The folder of the generation log could not be opened. It is\n%1")
                             .arg(QDir::toNativeSeparators(target))
                       : tr("No text editor could be started for the generation log. Open it "
                            "with an editor of your choice; it is\n%1")
                             .arg(QDir::toNativeSeparators(target)),
            kSelectionMessageName);
    };
    if (services_.fileOpener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(target))) {
            sayNotOpened();
        }
        return;
    }
    // The opener is watched from the event loop until it exits. It has no parent: an opener
    // that waits for the editor it started outlives the window rather than be killed with it,
    // taking the editor along.
    auto* opener = new QProcess;
    opener->setProgram(services_.fileOpener);
    opener->setArguments({target});
    opener->setProcessChannelMode(QProcess::ForwardedChannels);
    opener->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(opener, &QProcess::finished, opener,
                     [opener, sayNotOpened](int exitCode, QProcess::ExitStatus status) {
                         opener->deleteLater();
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             sayNotOpened();
                         }
                     });
    QObject::connect(opener, &QProcess::errorOccurred, opener,
                     [opener, sayNotOpened](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             opener->deleteLater();
                             sayNotOpened();
                         }
                     });
    opener->start();
}

} // namespace quarrow
