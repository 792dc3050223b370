#include "ui/repeat/repeat_window.h"

#include "analysis/run_csv.h"
#include "analysis/statistics.h"
#include "engine/exact_law.h"
#include "platform/clock.h"
#include "platform/number_text.h"
#include "plot/distribution_chart.h"
#include "plot/learner_numbers.h"
#include "plot/scheme_look.h"
#include "search/alphabet.h"
#include "ui/common/box_text.h"
#include "ui/common/cost_text.h"
#include "ui/common/whole_file.h"
#include "ui/common/zoom.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFontInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <string>
#include <vector>

namespace quarrow {

namespace {

// Scheme, runs finished, mean, SD, median, 10%, 90%, fewest, most, exact law.
constexpr int kTableColumns = 10;

// The chart's area never gets less than this, however small the screen: it scrolls instead.
constexpr int kLeastChartAreaHeight = 240;

// A warning over `window` that leaves the main window's close button working, as the window's
// run dialogs do (see OpenOverWindow); it deletes itself when closed.
void WarnOver(QWidget* window, const QString& title, const QString& text, const char* objectName) {
    auto* warning = new QMessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, window);
    warning->setObjectName(QString::fromLatin1(objectName));
    warning->setAttribute(Qt::WA_DeleteOnClose);
    OpenOverWindow(*warning);
}

constexpr int kFewestRuns = 10;
constexpr int kMostRuns = 100'000;
constexpr int kDefaultRuns = 100;

// The runs box. A count below the fewest is kept as typed, for Start to say what is wrong with
// it (a spin box would quietly put its last value back on leaving it); its arrows and keys step
// no lower than the fewest.
class RunsBox final : public QSpinBox {
public:
    explicit RunsBox(QWidget* parent) : QSpinBox(parent) { setRange(0, kMostRuns); }

    void stepBy(int steps) override {
        QSpinBox::stepBy(steps < 0 ? std::max(steps, std::min(0, kFewestRuns - value())) : steps);
    }

protected:
    StepEnabled stepEnabled() const override {
        StepEnabled enabled = QSpinBox::stepEnabled();
        if (value() <= kFewestRuns) {
            enabled &= ~StepDownEnabled;
        }
        return enabled;
    }
};

// Says over `window` what is wrong with the text of `box`. The text stays, so that a slip of the
// keys is mended rather than typed again; the box has the focus once the message has gone.
template <typename Box>
void SayWhatToMend(QWidget* window, Box* box, const QString& text, const char* objectName) {
    auto* problem = new QMessageBox(QMessageBox::Information, window->windowTitle(), text,
                                    QMessageBox::Ok, window);
    problem->setObjectName(QString::fromLatin1(objectName));
    problem->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(problem, &QDialog::finished, box, [box] {
        box->setFocus();
        box->selectAll();
    });
    OpenOverWindow(*problem);
}
// The scheme whose runs are long enough to be estimated before a batch: the one whose law grows
// a prefix, whose closed forms give the symbols a run draws.
constexpr std::size_t kSlowRow = [] {
    for (std::size_t s = 0; s < kSchemeTable.size(); ++s) {
        if (kSchemeTable[s].law == LawKind::GrowingPrefix) {
            return s;
        }
    }
    return kSchemeTable.size();
}();
static_assert(kSlowRow < kSchemeTable.size(), "one scheme's runs are estimated before a batch");
// That scheme starts left out when its runs would take longer than this.
constexpr double kLongSequentialSeconds = 600.0;
// A guess has at most this many digits: far beyond any run, and still drawn on the chart's axis.
constexpr qsizetype kLongestGuess = 12;

/// The cores a batch runs on.
int Cores() {
    return std::max(1, QThread::idealThreadCount());
}

QString Caption(Scheme scheme) {
    return plot::SchemeCaptionText(scheme);
}

/// A figure of the table, in the forms of the language shown.
QString Figure(double value) {
    return plot::InShownForms(QString::number(value, 'f', FigureDecimals(value, 2)));
}

QString Duration(double seconds) {
    if (seconds < 1.0) {
        return QObject::tr("under a second");
    }
    if (seconds < 120.0) {
        return QObject::tr("about %Ln second(s)", nullptr, static_cast<int>(std::lround(seconds)));
    }
    if (seconds < 7200.0) {
        return QObject::tr("about %1 minutes").arg(std::lround(seconds / 60.0));
    }
    // Hours, days, then years, in figures a class can read out.
    return QObject::tr("about %1").arg(DescribeDuration(seconds));
}

/// The guess in `text`, its digits grouped or not ("1,000", "1 000"); none when it is empty, and
/// false when it is anything but a whole number of generations.
bool ParseGuess(const QString& text, std::optional<std::int64_t>& guess) {
    QString digits;
    for (const QChar c : text) {
        if (!c.isSpace() && c != QLatin1Char(',')) {
            digits += c;
        }
    }
    if (digits.isEmpty()) {
        guess.reset();
        return true;
    }
    if (digits.size() > kLongestGuess || !std::all_of(digits.begin(), digits.end(), [](QChar c) {
            return c >= QLatin1Char('0') && c <= QLatin1Char('9');
        })) {
        return false;
    }
    guess = digits.toLongLong();
    return true;
}

/// Symbols the engine draws a second: runs of the slow scheme on a short target, for a few
/// hundredths of a second.
double MeasureSymbolsPerSecond(const std::atomic<bool>& cancel) {
    const MonotonicClock& clock = SystemMonotonic();
    const double start = clock.Seconds();
    std::int64_t symbols = 0;
    Generator generator;
    NullLogSink log;
    do {
        const RunResult result =
            RunScheme(kSchemeTable[kSlowRow].scheme, "ABC", RandomString(generator, 3),
                      RunEnvironment{generator, clock, log, cancel});
        symbols += result.symbolsDrawn;
    } while (clock.Seconds() - start < 0.03 && !cancel.load());
    return static_cast<double>(symbols) / std::max(clock.Seconds() - start, 1e-6);
}

/// The chart's scroll area: it asks for the whole chart, so that the window opens large enough to
/// show it, and scrolls only where the screen has too little room.
class ChartArea : public QScrollArea {
public:
    using QScrollArea::QScrollArea;

    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return widget() != nullptr ? widget()->sizeHint() + QSize(frame, frame)
                                   : QScrollArea::sizeHint();
    }
};

} // namespace

DistributionChartWidget::DistributionChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("distributionChart"));
    setAccessibleName(tr("Chart of generations per run"));
    setAccessibleDescription(tr("The table below the chart holds its figures."));
    // Its least height follows its width: wide enough, its panels stand side by side.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void DistributionChartWidget::SetData(const analysis::DistributionData& runsData) {
    data_ = runsData;
    setAccessibleName(plot::DistributionChartTitle(data_));
    // The sentences the chart draws under each scheme's heading, for those who cannot see them.
    QString description = tr("The table below the chart holds its figures.");
    if (data_.guess) {
        for (const analysis::SchemeRuns& runs : data_.schemes) {
            const GenerationLaw law = GenerationLaw::ForScheme(runs.scheme, data_.phrase.size());
            description += QStringLiteral(" %1: %2.")
                               .arg(Caption(runs.scheme), plot::GuessSentence(law, *data_.guess));
        }
    }
    setAccessibleDescription(description);
    updateGeometry();
    update();
}

QFont DistributionChartWidget::Face() const {
    QFont pixels = font();
    if (pixels.pixelSize() <= 0) {
        pixels.setPixelSize(std::max(1, QFontInfo(font()).pixelSize()));
    }
    return pixels;
}

QSize DistributionChartWidget::sizeHint() const {
    return plot::DistributionChartSize(data_, Face());
}

QSize DistributionChartWidget::minimumSizeHint() const {
    // Narrower than it asks for, its texts wrap; lower, its plots shrink to a few lines each,
    // and where it is wide its panels stand side by side: its least height is the one at
    // its width (see heightForWidth), and here the least at any width, that of a chart as wide
    // as one laid out for each scheme side by side.
    const QSize least = plot::DistributionChartMinimumSize(data_, Face());
    const int panels = std::max<int>(1, static_cast<int>(data_.schemes.size()));
    const int widest = plot::DistributionChartSize(data_, Face()).width() * panels;
    return {least.width(), plot::DistributionChartHeightForWidth(data_, widest, Face())};
}

bool DistributionChartWidget::hasHeightForWidth() const {
    return true;
}

int DistributionChartWidget::heightForWidth(int width) const {
    return plot::DistributionChartHeightForWidth(data_, width, Face());
}

void DistributionChartWidget::changeEvent(QEvent* event) {
    // The chart's words are the catalogue's, read as it draws.
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LanguageChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}

void DistributionChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (data_.schemes.empty()) {
        painter.fillRect(rect(), palette().base());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         tr("The chart appears once runs are done."));
        drawn_.clear();
        return;
    }
    drawn_ = plot::PaintDistributionChart(painter, QRectF(rect()), data_, Face());
}

std::optional<QRect> PlaceClearOf(const QSize& frameSize, const QRect& view,
                                  const std::vector<QRect>& keepClear, const QRect& screen) {
    const int gap = 8;
    const QRect candidates[] = {
        QRect(QPoint(view.right() + 1 + gap, view.top()), frameSize),
        QRect(QPoint(view.left() - gap - frameSize.width(), view.top()), frameSize),
        QRect(QPoint(view.left(), view.bottom() + 1 + gap), frameSize),
        QRect(QPoint(view.left(), view.top() - gap - frameSize.height()), frameSize),
    };
    for (const QRect& candidate : candidates) {
        // Slid along the view's side as far as the screen needs, then checked again.
        const QRect place = MovedInto(candidate, screen);
        if (!screen.contains(place) || place.intersects(view)) {
            continue;
        }
        if (std::none_of(keepClear.begin(), keepClear.end(),
                         [&](const QRect& kept) { return place.intersects(kept); })) {
            return place;
        }
    }
    return std::nullopt;
}

RepeatWindow::RepeatWindow(const QString& target, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), target_(target), runsBox_(new RunsBox(this)),
      seedBox_(new QSpinBox(this)), guessBox_(new QLineEdit(this)),
      estimateLabel_(new QLabel(this)), statusLabel_(new QLabel(this)),
      tableCaption_(new QLabel(this)), progress_(new QProgressBar(this)),
      startButton_(new QPushButton(this)), cancelButton_(new QPushButton(this)),
      saveButton_(new QPushButton(this)), saveDataButton_(new QPushButton(this)),
      chart_(new DistributionChartWidget(this)), table_(new QTableWidget(this)),
      runner_([](const analysis::EvolveBatch& batch, const analysis::BatchControl& control,
                 std::atomic<std::int64_t>* runsDone) {
          return analysis::RunEvolveBatch(batch, control, runsDone);
      }) {
    setObjectName(QStringLiteral("repeatWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    runsBox_->setObjectName(QStringLiteral("repeatRunsBox"));
    runsBox_->setValue(kDefaultRuns);
    seedBox_->setObjectName(QStringLiteral("repeatSeedBox"));
    seedBox_->setRange(0, 999'999'999);
    // A seed from the time of day, shown so the batch can be repeated here or in the lab.
    seedBox_->setValue(static_cast<int>(SystemTimeOfDay().SecondsSinceMidnight() * 1000.0f) %
                       1'000'000'000);

    // The checks sit in a box of their own, so that the form moves them as one.
    auto* schemesBox = new QWidget(this);
    auto* schemes = new QHBoxLayout(schemesBox);
    schemes->setContentsMargins(0, 0, 0, 0);
    for (std::size_t s = 0; s < kSchemeTable.size(); ++s) {
        schemeChecks_[s] = new QCheckBox(schemesBox);
        schemeChecks_[s]->setObjectName(
            QStringLiteral("repeatScheme%1").arg(kSchemeTable[s].number));
        schemeChecks_[s]->setChecked(true);
        schemes->addWidget(schemeChecks_[s]);
        connect(schemeChecks_[s], &QCheckBox::toggled, this, &RepeatWindow::UpdateEstimate);
    }
    schemes->addStretch(1);
    guessBox_->setObjectName(QStringLiteral("repeatGuessBox"));
    estimateLabel_->setObjectName(QStringLiteral("repeatEstimate"));
    estimateLabel_->setWordWrap(true);
    for (QWidget* field :
         {static_cast<QWidget*>(runsBox_), schemesBox, static_cast<QWidget*>(seedBox_),
          static_cast<QWidget*>(guessBox_), static_cast<QWidget*>(estimateLabel_)}) {
        auto* label = new QLabel(this);
        label->setBuddy(field);
        formFields_.emplace_back(label, field);
    }
    form_ = new QGridLayout;
    ArrangeForm(false);

    progress_->setObjectName(QStringLiteral("repeatProgress"));
    startButton_->setObjectName(QStringLiteral("repeatStartButton"));
    cancelButton_->setObjectName(QStringLiteral("repeatCancelButton"));
    saveButton_->setObjectName(QStringLiteral("repeatSaveButton"));
    saveDataButton_->setObjectName(QStringLiteral("repeatSaveDataButton"));
    cancelButton_->setEnabled(false);
    saveButton_->setEnabled(false);
    saveDataButton_->setEnabled(false);
    statusLabel_->setObjectName(QStringLiteral("repeatStatus"));
    statusLabel_->setWordWrap(true);
    statusLabel_->hide();

    table_->setObjectName(QStringLiteral("repeatTable"));
    table_->setColumnCount(kTableColumns);
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Short of room, the table gives way to the chart and scrolls its rows.
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // The headings' own size, so that the zoom grows them from it rather than from the
    // window's face, which may have grown already; the rows' hidden headings too, whose size
    // is the least a row takes.
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        QFont headingFont = header->font();
        if (headingFont.pointSizeF() > 0) {
            headingFont.setPointSizeF(headingFont.pointSizeF());
        } else {
            headingFont.setPixelSize(headingFont.pixelSize());
        }
        header->setFont(headingFont);
    }

    chartArea_ = new ChartArea(this);
    auto* scroll = chartArea_;
    scroll->setObjectName(QStringLiteral("repeatChartArea"));
    scroll->setWidget(chart_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setMinimumSize(480, kLeastChartAreaHeight);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(progress_, 1);
    buttons->addWidget(startButton_);
    buttons->addWidget(cancelButton_);
    buttons->addWidget(saveButton_);
    buttons->addWidget(saveDataButton_);

    tableCaption_->setObjectName(QStringLiteral("repeatTableCaption"));
    tableCaption_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addLayout(buttons);
    layout->addWidget(statusLabel_);
    layout->addWidget(scroll, 1);
    layout->addWidget(tableCaption_);
    layout->addWidget(table_);

    connect(startButton_, &QPushButton::clicked, this, &RepeatWindow::StartBatch);
    connect(cancelButton_, &QPushButton::clicked, this, &RepeatWindow::CancelBatch);
    connect(saveButton_, &QPushButton::clicked, this, &RepeatWindow::SaveChartAs);
    connect(saveDataButton_, &QPushButton::clicked, this, &RepeatWindow::SaveDataAs);
    connect(runsBox_, &QSpinBox::valueChanged, this, &RepeatWindow::UpdateEstimate);

    ShowTexts();
    MeasureSpeed();
    FitTable();
    if (isWindow()) {
        // Follows the main window's zoom and has its own keys; as a page, its host zooms it.
        new WindowZoom(*this);
    }
}

RepeatWindow::~RepeatWindow() = default;

void RepeatWindow::ShowTexts() {
    setWindowTitle(tr("Repeat: %1").arg(target_));
    startButton_->setText(tr("&Start"));
    cancelButton_->setText(tr("Cancel"));
    saveButton_->setText(tr("Save chart..."));
    saveDataButton_->setText(tr("Save data..."));
    runsBox_->setAccessibleName(tr("Runs of each scheme"));
    seedBox_->setAccessibleName(tr("Seed"));
    for (std::size_t s = 0; s < kSchemeTable.size(); ++s) {
        schemeChecks_[s]->setText(Caption(kSchemeTable[s].scheme));
    }
    guessBox_->setAccessibleName(tr("Your guess (generations)"));
    guessBox_->setPlaceholderText(tr("optional"));
    const QString captions[] = {tr("&Runs of each scheme:"), tr("Schemes:"), tr("S&eed:"),
                                tr("Your &guess (generations):"), tr("Time:")};
    for (std::size_t f = 0; f < formFields_.size(); ++f) {
        formFields_[f].first->setText(captions[f]);
    }
    table_->setAccessibleName(tr("Figures of the runs"));
    // The caption gives the units: every figure but the runs is a count of generations.
    table_->setHorizontalHeaderLabels({tr("Scheme"), tr("Runs finished"), tr("Mean"), tr("SD"),
                                       tr("Median"), tr("10%"), tr("90%"), tr("Fewest"), tr("Most"),
                                       tr("Exact law")});
    tableCaption_->setText(
        tr("Generations per run, over the runs that finished. Exact law: what chance predicts "
           "for a very great number of runs, its mean and, in brackets, its 10%, median and 90%."));
}

void RepeatWindow::ShowTextsAgain() {
    ShowTexts();
    if (measured_) {
        UpdateEstimate();
    } else {
        estimateLabel_->setText(tr("Measuring how fast this computer runs..."));
    }
    // The shown batch's chart and table, whose seed is written in words, in the new language.
    analysis::DistributionData runsData = chart_->ChartData();
    if (!runsData.schemes.empty()) {
        runsData.seedText = tr("seed %1").arg(shownBatch_.seed).toStdString();
        FillTable(runsData);
        chart_->SetData(runsData);
        DescribeTable(runsData);
    }
    FitTable();
}

void RepeatWindow::DescribeTable(const analysis::DistributionData& runsData) {
    table_->setAccessibleDescription(
        tr("Generations per run, %1; the Exact law column gives the exact law's mean and, in "
           "brackets, its 10th percentile, median and 90th percentile.")
            .arg(QString::fromStdString(runsData.seedText)));
}

void RepeatWindow::MeasureSpeed() {
    SetInputsEnabled(false);
    estimateLabel_->setText(tr("Measuring how fast this computer runs..."));
    run_.Start<double>(MeasureSymbolsPerSecond, [this](const TaskEnd<double>& end) {
        symbolsPerSecond_ = end.result.value_or(0.0);
        measured_ = true;
        // A phrase on which the slow scheme would run for more than a few minutes starts with
        // it left out, so that Start gives figures in moments; the estimate says why.
        if (SequentialSeconds() > kLongSequentialSeconds) {
            const QSignalBlocker quiet(schemeChecks_[kSlowRow]);
            schemeChecks_[kSlowRow]->setChecked(false);
        }
        UpdateEstimate();
        SetInputsEnabled(true);
    });
}

double RepeatWindow::SequentialSeconds() const {
    // The slow scheme dominates: its mean generations and the symbols each draws, from its law's
    // closed forms, at the measured rate on every core.
    const SequentialLaw law(static_cast<std::size_t>(target_.size()));
    return runsBox_->value() * law.MeanGenerations() * law.MeanDrawsPerGeneration() /
           std::max(symbolsPerSecond_, 1.0) / Cores();
}

void RepeatWindow::UpdateEstimate() {
    if (run_.IsRunning() && !busy_) {
        return; // the speed is still being measured
    }
    const double seconds = SequentialSeconds();
    const int cores = Cores();
    const int slow = kSchemeTable[kSlowRow].number;
    if (schemeChecks_[kSlowRow]->isChecked()) {
        estimateLabel_->setText(tr("Scheme %1 will take %2 on %n core(s); fewer runs, or leaving "
                                   "it out, shortens that.",
                                   nullptr, cores)
                                    .arg(slow)
                                    .arg(Duration(seconds)));
    } else if (seconds > kLongSequentialSeconds) {
        estimateLabel_->setText(
            tr("Scheme %1 is left out: it would take %2 on %n core(s).", nullptr, cores)
                .arg(slow)
                .arg(Duration(seconds)));
    } else {
        estimateLabel_->setText(tr("The other schemes take a moment."));
    }
}

void RepeatWindow::SetInputsEnabled(bool enabled) {
    runsBox_->setEnabled(enabled);
    seedBox_->setEnabled(enabled);
    guessBox_->setEnabled(enabled);
    for (QCheckBox* check : schemeChecks_) {
        check->setEnabled(enabled);
    }
    startButton_->setEnabled(enabled);
}

void RepeatWindow::StartBatch() {
    if (busy_ || run_.IsRunning()) {
        return;
    }
    // The batch takes its runs, seed and schemes now; the boxes are locked until it ends, so
    // that what the results are labelled with is what they came from.
    analysis::EvolveBatch batch;
    batch.phrase = target_.toLatin1().toStdString();
    for (std::size_t s = 0; s < kSchemeTable.size(); ++s) {
        if (schemeChecks_[s]->isChecked()) {
            batch.schemes.push_back(kSchemeTable[s].scheme);
        }
    }
    if (batch.schemes.empty()) {
        ShowWindowMessage(this, QMessageBox::Information, tr("Choose at least one scheme."),
                          "noSchemeProblem");
        return;
    }
    if (runsBox_->value() < kFewestRuns) {
        SayWhatToMend(this, runsBox_,
                      tr("Each scheme needs at least %1 runs, and at most %2; %3 are too few.")
                          .arg(kFewestRuns)
                          .arg(Grouped(kMostRuns))
                          .arg(runsBox_->value()),
                      "runsProblem");
        return;
    }
    std::optional<std::int64_t> guess;
    if (!ReadGuess(guess)) {
        return;
    }
    guess_ = guess;
    // Each run's first string is kept, for the rows "Save data..." writes.
    batch.keepFirstStrings = true;
    batch.runs = runsBox_->value();
    batch.seed = static_cast<std::uint64_t>(seedBox_->value());
    batch_ = batch;
    runsAsked_ = batch_.runs * static_cast<std::int64_t>(batch_.schemes.size());
    runsDone_ = 0;
    progress_->setRange(0, static_cast<int>(runsAsked_));
    progress_->setValue(0);
    SetInputsEnabled(false);
    cancelButton_->setEnabled(true);
    saveButton_->setEnabled(false);
    saveDataButton_->setEnabled(false);
    statusLabel_->hide();
    busy_ = true;
    run_.Start<analysis::EvolveBatchResult>(
        [this, batch, threads = Cores()](const TaskRunner::Cancel& cancel) {
            return runner_(batch, analysis::BatchControl{cancel, threads}, &runsDone_);
        },
        [this](const TaskEnd<analysis::EvolveBatchResult>& end) { ShowResults(end); },
        TaskWatch{.progress = [this] { ShowProgress(); }});
}

void RepeatWindow::CancelBatch() {
    run_.Stop();
    cancelButton_->setEnabled(false);
}

void RepeatWindow::ShowProgress() {
    progress_->setValue(static_cast<int>(runsDone_.load()));
}

void RepeatWindow::ShowFailure(const QString& failure) {
    statusLabel_->setText(tr("The batch failed (%1). The figures below are from the last batch "
                             "that ran; Start tries again.")
                              .arg(failure));
    statusLabel_->show();
    saveButton_->setEnabled(!chart_->ChartData().schemes.empty());
    saveDataButton_->setEnabled(!shownRecords_.empty());
}

void RepeatWindow::ShowResults(const TaskEnd<analysis::EvolveBatchResult>& end) {
    busy_ = false;
    SetInputsEnabled(true);
    cancelButton_->setEnabled(false);

    // A batch that failed says so and leaves the last good results in place.
    if (!end.result) {
        ShowFailure(end.failure);
        return;
    }
    if (end.result->records.size() != batch_.schemes.size()) {
        ShowFailure(tr("its results are incomplete"));
        return;
    }

    analysis::DistributionData runsData = analysis::DistributionOfBatch(
        batch_, end.result->records, analysis::RunsFinished(end.result->records) < runsAsked_,
        tr("seed %1").arg(batch_.seed).toStdString());
    runsData.guess = guess_;
    shownBatch_ = batch_;
    shownRecords_ = end.result->records;
    FillTable(runsData);
    chart_->SetData(runsData);
    // The area's hint follows the chart's, which its layout does not see change.
    chartArea_->updateGeometry();
    FitTable();
    DescribeTable(runsData);
    saveButton_->setEnabled(!runsData.schemes.empty());
    saveDataButton_->setEnabled(!runsData.schemes.empty());
    GrowToResults();
}

void RepeatWindow::FillTable(const analysis::DistributionData& runsData) {
    table_->setRowCount(static_cast<int>(runsData.schemes.size()));
    for (std::size_t s = 0; s < runsData.schemes.size(); ++s) {
        const analysis::SchemeRuns& runs = runsData.schemes[s];
        const auto summary = analysis::SummariseCounts(runs.generations);
        const GenerationLaw law = GenerationLaw::ForScheme(runs.scheme, runsData.phrase.size());
        QStringList cells = {Caption(runs.scheme), QString::number(runs.generations.size())};
        if (summary) {
            cells << Figure(summary->mean)
                  << (summary->standardDeviation ? Figure(*summary->standardDeviation)
                                                 : QStringLiteral("-"))
                  << Figure(summary->median) << Figure(summary->percentile10)
                  << Figure(summary->percentile90) << Figure(summary->min) << Figure(summary->max);
        } else {
            for (int c = 0; c < 7; ++c) {
                cells << QStringLiteral("-");
            }
        }
        cells << tr("%1 (%2, %3, %4)")
                     .arg(Figure(law.Mean()))
                     .arg(law.Quantile(0.1))
                     .arg(law.Quantile(0.5))
                     .arg(law.Quantile(0.9));
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            table_->setItem(static_cast<int>(s), c, new QTableWidgetItem(cells[c]));
        }
    }
}

void RepeatWindow::GrowToResults() {
    if (!isWindow() || !isVisible() || layout() == nullptr) {
        return;
    }
    layout()->activate();
    const QSize frame = ExpectedFrameSize(*this, parentWidget());
    QSize wanted = size().expandedTo(sizeHint());
    if (const QScreen* shownOn = screen()) {
        wanted = wanted.boundedTo(shownOn->availableGeometry().size() - frame);
    }
    if (wanted != size()) {
        resize(wanted);
        FitOnScreen(*this, frame);
    }
}

void RepeatWindow::FitTable() {
    // Every column and row as large as its text in the current face, and the table as tall as
    // its rows and as wide as its columns, so that nothing in it is cut off; short of room it
    // shrinks to its headings and a row, and scrolls the rest.
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
    const QHeaderView* header = table_->horizontalHeader();
    // Room for the scroll bar the rows may need, so that it never hides a column.
    const int width = 2 * table_->frameWidth() + header->length() +
                      table_->verticalScrollBar()->sizeHint().width();
    const int frame = 2 * table_->frameWidth() + header->sizeHint().height();
    int height = frame + table_->verticalHeader()->length();
    int least = frame + (table_->rowCount() > 0 ? table_->rowHeight(0) : 0);
    if (table_->rowCount() == 0) {
        height += table_->fontMetrics().height();
        least = height;
    }
    table_->setMinimumSize(width, least);
    table_->setMaximumHeight(height);
    FitChartArea();
}

int RepeatWindow::ContentsWidthRoom() const {
    const std::optional<QRect> area = AvailableArea(*this);
    if (!area || layout() == nullptr) {
        return std::numeric_limits<int>::max() / 2;
    }
    const QMargins margins = layout()->contentsMargins();
    const QWidget& shownIn = *window();
    return area->width() - ExpectedFrameSize(shownIn, shownIn.parentWidget()).width() -
           (shownIn.width() - width()) - margins.left() - margins.right();
}

void RepeatWindow::ArrangeForm(bool compact) {
    compactForm_ = compact;
    for (const auto& [label, field] : formFields_) {
        form_->removeWidget(label);
        form_->removeWidget(field);
    }
    for (int column = 0; column < 6; ++column) {
        form_->setColumnStretch(column, 0);
    }
    if (!compact) {
        // A label and its field on each row.
        for (int row = 0; row < static_cast<int>(formFields_.size()); ++row) {
            form_->addWidget(formFields_[row].first, row, 0);
            form_->addWidget(formFields_[row].second, row, 1);
        }
        form_->setColumnStretch(1, 1);
        return;
    }
    // Short of height, the three boxes share the first row, and the schemes and the time have
    // a row each.
    const int firstRow[] = {0, 2, 3};
    for (int at = 0; at < 3; ++at) {
        const auto& [label, field] = formFields_[firstRow[at]];
        form_->addWidget(label, 0, 2 * at);
        form_->addWidget(field, 0, 2 * at + 1);
        form_->setColumnStretch(2 * at + 1, 1);
    }
    form_->addWidget(formFields_[1].first, 1, 0);
    form_->addWidget(formFields_[1].second, 1, 1, 1, 5);
    form_->addWidget(formFields_[4].first, 2, 0);
    form_->addWidget(formFields_[4].second, 2, 1, 1, 5);
}

void RepeatWindow::FitChartArea() {
    // The chart's area is kept as tall as the chart needs at its width for every scheme's
    // histogram with its numbers, as far as the screen leaves room beside the rest of the window
    // at its least. Short of that room, the window widens as far as its screen allows where the
    // chart's panels then stand side by side, and the form takes three rows rather than five.
    const int frame = 2 * chartArea_->frameWidth();
    const int shown = chartArea_->viewport()->width();
    int width = std::max(shown, chart_->minimumSizeHint().width());
    int wanted = chart_->heightForWidth(width) + frame;
    if (const std::optional<QRect> area = AvailableArea(*this); area && wanted > RoomForChart()) {
        const QWidget& shownIn = *window();
        const int widest = area->width() -
                           ExpectedFrameSize(shownIn, shownIn.parentWidget()).width() -
                           (shownIn.width() - shown);
        if (widest > width && chart_->heightForWidth(widest) + frame < wanted) {
            width = widest;
            wanted = chart_->heightForWidth(widest) + frame;
        }
    }
    const int widerBy = std::max(0, width - shown);
    const int saving = 2 * (runsBox_->sizeHint().height() + std::max(0, form_->verticalSpacing()));
    const int room = RoomForChart();
    const int tallRoom = compactForm_ ? room - saving : room;
    const bool compact = tallRoom < wanted && CompactFormFits();
    if (compact != compactForm_) {
        ArrangeForm(compact);
    }
    chartArea_->setMinimumHeight(std::max(std::min(wanted, RoomForChart()), kLeastChartAreaHeight));
    FitShownIn(widerBy);
}

bool RepeatWindow::CompactFormFits() const {
    // The first row of the compact form: three labels and their boxes, and the gaps between.
    const int spacing = std::max(0, form_->horizontalSpacing());
    int row = 5 * spacing;
    for (const int field : {0, 2, 3}) {
        row += formFields_[field].first->sizeHint().width() +
               formFields_[field].second->minimumSizeHint().width();
    }
    return row <= ContentsWidthRoom();
}

int RepeatWindow::Around() const {
    const QWidget& shownIn = *window();
    if (&shownIn == this || shownIn.layout() == nullptr) {
        return 0;
    }
    // As it is laid out now, and as its layout has it at its least, whichever is more.
    return std::max({0, shownIn.height() - height(),
                     shownIn.layout()->totalMinimumSize().height() - minimumSizeHint().height()});
}

int RepeatWindow::RoomForChart() const {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr || layout() == nullptr) {
        return std::numeric_limits<int>::max() / 2;
    }
    layout()->activate();
    // Measured on the window this is shown in, which may hold it as one of its pages, with
    // something of its own around it.
    const QWidget& shownIn = *window();
    const int around = Around();
    // The rest of this window at its least.
    const int rest = LeastHeight() - chartArea_->minimumHeight();
    // Before the window is shown its frame is a guess: a line to spare for it.
    const int spare = shownIn.isVisible() ? 0 : fontMetrics().height();
    return shownOn->availableGeometry().height() -
           ExpectedFrameSize(shownIn, shownIn.parentWidget()).height() - around - rest - spare;
}

void RepeatWindow::FitShownIn(int widerBy) {
    // The window this is shown in takes the least size its layout needs at its width, and
    // `widerBy` more width, as far as its screen allows, so that nothing in it is squeezed. A
    // window that holds this one as a page keeps least sizes of its own: it is given this one's.
    QWidget& shownIn = *window();
    const std::optional<QRect> area = AvailableArea(shownIn);
    if (!area || !shownIn.isVisible() || shownIn.layout() == nullptr) {
        return;
    }
    // What the window holds around this one, as a page, and this one at its least; its layouts
    // learn of the change now rather than once their events are handled, so that it is what
    // they measure when the window's size changes.
    updateGeometry();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const int around = Around();
    const QSize room = area->size() - ExpectedFrameSize(shownIn, shownIn.parentWidget());
    const int width = std::min(shownIn.width() + widerBy, room.width());
    const int least = std::min(around + LeastHeight(), room.height());
    if (&shownIn != this && shownIn.minimumHeight() != least) {
        shownIn.setMinimumHeight(least);
    }
    if (width != shownIn.width() || least > shownIn.height()) {
        shownIn.resize(width, std::max(least, shownIn.height()));
    }
    FitFrameOnScreen(shownIn);
}

void RepeatWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Its width decides how the chart's panels stand, and so the height they need: measured once
    // the window it is shown in has laid everything out at that width.
    if (event->size().width() != event->oldSize().width() && !fitDue_) {
        fitDue_ = true;
        QTimer::singleShot(0, this, [this] {
            fitDue_ = false;
            FitChartArea();
        });
    }
}

int RepeatWindow::LeastHeight() const {
    if (layout() == nullptr) {
        return 0;
    }
    // Its wrapped lines at the width they have.
    return std::max(layout()->totalMinimumSize().height(),
                    layout()->hasHeightForWidth()
                        ? layout()->totalMinimumHeightForWidth(std::max(width(), 1))
                        : 0);
}

bool RepeatWindow::hasHeightForWidth() const {
    // As a page its host is given its least height at its width instead (minimumSizeHint): the
    // height it would like, the whole chart, is more than a page that shares its window needs.
    return isWindow() && QWidget::hasHeightForWidth();
}

QSize RepeatWindow::minimumSizeHint() const {
    const QSize least = QWidget::minimumSizeHint();
    if (isWindow() || layout() == nullptr) {
        return least;
    }
    return {least.width(), std::max(least.height(), LeastHeight())};
}

void RepeatWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        ShowTextsAgain();
    }
    if (event->type() == QEvent::FontChange) {
        // After the zoom has given every control its new font.
        QTimer::singleShot(0, this, &RepeatWindow::FitTable);
    }
    QWidget::changeEvent(event);
}

QString RepeatWindow::SaveChart(const QString& path) {
    // What the screen shows, in the same face and at the same size (a PNG at twice it).
    const analysis::DistributionData& runsData = chart_->ChartData();
    const QFont Face = chart_->Face();
    const QSize size = chart_->size().expandedTo(chart_->minimumSizeHint());
    return plot::SaveChart(path, size, plot::DistributionChartTitle(runsData),
                           [&](QPainter& painter, const QRectF& area) {
                               plot::PaintDistributionChart(painter, area, runsData, Face);
                           });
}

QString RepeatWindow::SuggestedChartName() const {
    return SuggestedName(QStringLiteral("png"));
}

QString RepeatWindow::SuggestedName(const QString& extension) const {
    const analysis::DistributionData& runsData = chart_->ChartData();
    const QString what = QStringLiteral("%1-schemes-%2-runs-%3")
                             .arg(runsData.schemes.size())
                             .arg(runsData.runsRequested)
                             .arg(QString::fromStdString(runsData.seedText));
    return plot::DescriptiveChartName(target_, what, extension);
}

bool RepeatWindow::SaveChartOrSay(const QString& path) {
    if (const QString problem = SaveChart(path); !problem.isEmpty()) {
        WarnOver(this, tr("Save chart"),
                 tr("The chart could not be saved to %1: %2.").arg(path, problem),
                 "saveChartProblem");
        return false;
    }
    return true;
}

void RepeatWindow::SaveChartAs() {
    const QString suggested = QDir(plot::DefaultChartFolder()).filePath(SuggestedChartName());
    OpenSaveDialog(*this, tr("Save chart"), suggested, ChartTypes(),
                   [this](const QString& path) { SaveChartOrSay(path); });
}

bool RepeatWindow::ReadGuess(std::optional<std::int64_t>& guess) {
    if (ParseGuess(guessBox_->text(), guess)) {
        return true;
    }
    SayWhatToMend(this, guessBox_,
                  tr("Your guess must be a whole number of generations, such as 30. Leave the box "
                     "empty to run without a guess."),
                  "guessProblem");
    return false;
}

QString RepeatWindow::SaveData(const QString& path) const {
    if (shownRecords_.empty()) {
        return tr("no batch has finished yet");
    }
    // The rows as the lab's per-run report has them; after a blank line, which a spreadsheet
    // shows as an empty row, the summary as the lab's CSV report has it.
    std::vector<analysis::EvolveSchemeFigures> figures;
    for (std::size_t s = 0; s < shownBatch_.schemes.size() && s < shownRecords_.size(); ++s) {
        figures.push_back(analysis::SummariseScheme(shownBatch_.schemes[s],
                                                    shownBatch_.phrase.size(), shownRecords_[s]));
    }
    const std::string text = analysis::PerRunCsv(shownBatch_.schemes, shownRecords_) + "\n" +
                             analysis::SchemeSummaryCsv(figures);
    return plot::SaveWholeFile(path, QByteArray::fromStdString(text));
}

bool RepeatWindow::SaveDataOrSay(const QString& path) {
    if (const QString problem = SaveData(path); !problem.isEmpty()) {
        WarnOver(this, tr("Save data"),
                 tr("The data could not be saved to %1: %2. The window keeps it; choose another "
                    "place and save again.")
                     .arg(QDir::toNativeSeparators(path), problem),
                 "saveDataProblem");
        return false;
    }
    return true;
}

void RepeatWindow::SaveDataAs() {
    const QString suggested =
        QDir(plot::DefaultChartFolder()).filePath(SuggestedName(QStringLiteral("csv")));
    OpenSaveDialog(*this, tr("Save data"), suggested, {{tr("CSV files"), QStringLiteral("csv")}},
                   [this](const QString& path) { SaveDataOrSay(path); });
}

} // namespace quarrow
