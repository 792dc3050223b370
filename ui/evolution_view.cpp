#include "ui/evolution_view.h"

#include "ui/box_text.h"
#include "plot/distribution_chart.h"
#include "ui/repeat_window.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quarrow {

namespace {

// A phrase of the first page fits on one row; longer strings wrap, and very long ones are cut.
constexpr qsizetype kLettersPerRow = 50;
constexpr qsizetype kMaxRows = 4;
constexpr double kLettersScale = 1.5;
// The generations-per-second figure averages over about this many seconds of the run.
constexpr double kRateWindowSeconds = 1.0;
constexpr int kChartWidth = 560;
constexpr int kChartHeight = 280;

// Bold and underlined as well as green, so a right letter shows without colour too.
const QString kMarkOpen = QStringLiteral("<b><u><span style=\"color:#1a7f37\">");
const QString kMarkClose = QStringLiteral("</span></u></b>");

QString LetterRows(const QString& text, const QString* target) {
    QString html;
    const qsizetype shown = std::min(text.size(), kLettersPerRow * kMaxRows);
    bool marking = false;
    for (qsizetype i = 0; i < shown; ++i) {
        if (i > 0 && i % kLettersPerRow == 0) {
            if (marking) {
                html += kMarkClose;
                marking = false;
            }
            html += QStringLiteral("<br>");
        }
        const QChar letter = text.at(i);
        const bool right = target != nullptr && i < target->size() && target->at(i) == letter;
        if (right != marking) {
            html += right ? kMarkOpen : kMarkClose;
            marking = right;
        }
        // Spaces are letters of the phrase: each keeps its column.
        html +=
            letter == QLatin1Char(' ') ? QStringLiteral("&nbsp;") : QString(letter).toHtmlEscaped();
    }
    if (marking) {
        html += kMarkClose;
    }
    if (text.size() > shown) {
        html += QStringLiteral("&hellip;");
    }
    return html;
}

} // namespace

QString MarkedLetters(const QString& current, const QString& target) {
    return LetterRows(current, &target);
}

EvolutionView::EvolutionView(const QString& target, Scheme scheme, ViewChoices& choices,
                             QWidget* parent)
    : RunProgressDialog(parent), target_(target), scheme_(scheme), choices_(choices),
      targetLabel_(new QLabel(this)), currentLabel_(new QLabel(this)),
      slowMotionCheck_(new QCheckBox(tr("Slow motion"), this)),
      keepOpenCheck_(new QCheckBox(tr("Keep this window open after the run"), this)),
      saveButton_(new QPushButton(tr("Save chart..."), this)),
      repeatButton_(new QPushButton(tr("Repeat..."), this)), cancelButton_(cancelButton()) {
    if (choices_.keptView) {
        choices_.keptView->close();
    }
    setObjectName(QStringLiteral("evolutionView"));
    setWindowTitle(tr("Step Four: %1").arg(FromLatin1(SchemeCaption(scheme))));

    // The dialog's figures and Cancel are laid out anew with the letters and the chart; its bar
    // and plain string are not needed beside them.
    delete layout();
    QLabel* figures = figuresLabel();
    for (const char* unused : {"progressBar", "progressString"}) {
        if (auto* widget = findChild<QWidget*>(QLatin1String(unused))) {
            widget->hide();
        }
    }

    // Large enough for a class to watch the letters from across a room.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() * kLettersScale);
    const bool sequential = scheme == Scheme::Sequential;
    auto* targetCaption = new QLabel(tr("Target:"), this);
    auto* currentCaption = new QLabel(sequential ? tr("Best so far:") : tr("Parent:"), this);
    targetLabel_->setObjectName(QStringLiteral("targetString"));
    currentLabel_->setObjectName(QStringLiteral("currentString"));
    for (QLabel* letters : {targetLabel_, currentLabel_}) {
        letters->setFont(fixed);
        letters->setTextFormat(Qt::RichText);
        letters->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')) *
                                 static_cast<int>(kLettersPerRow + 1));
    }
    targetCaption->setBuddy(targetLabel_);
    currentCaption->setBuddy(currentLabel_);
    targetLabel_->setAccessibleName(tr("Target"));
    targetLabel_->setAccessibleDescription(target_);
    currentLabel_->setAccessibleName(sequential ? tr("Best string so far") : tr("Current parent"));
    targetLabel_->setText(LetterRows(target_, nullptr));

    auto* letters = new QGridLayout;
    letters->addWidget(targetCaption, 0, 0, Qt::AlignTop);
    letters->addWidget(targetLabel_, 0, 1);
    letters->addWidget(currentCaption, 1, 0, Qt::AlignTop);
    letters->addWidget(currentLabel_, 1, 1);
    letters->setColumnStretch(1, 1);

    buildChart();

    slowMotionCheck_->setObjectName(QStringLiteral("slowMotionCheck"));
    slowMotionCheck_->setToolTip(tr("Run a few generations a second, so you can watch the letters "
                                    "lock in; the choice holds for the next runs too"));
    slowMotionCheck_->setChecked(choices_.slowMotion);
    feed_.SetSlowMotion(choices_.slowMotion);
    keepOpenCheck_->setObjectName(QStringLiteral("keepOpenCheck"));
    keepOpenCheck_->setChecked(choices_.keepOpen);
    saveButton_->setObjectName(QStringLiteral("saveChartButton"));
    // Neither button answers Enter: a keystroke meant for the window must not end the run.
    saveButton_->setAutoDefault(false);
    // Offered once the run has ended: many runs of the same target, as a distribution.
    repeatButton_->setObjectName(QStringLiteral("repeatButton"));
    repeatButton_->setAutoDefault(false);
    repeatButton_->setToolTip(tr("Run this target many times with each scheme and compare the "
                                 "distribution with the exact law and blind search"));
    repeatButton_->hide();
    cancelButton_->setAutoDefault(false);

    auto* options = new QVBoxLayout;
    options->addWidget(slowMotionCheck_);
    options->addWidget(keepOpenCheck_);
    options->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(figures, 0, Qt::AlignTop);
    middle->addSpacing(24);
    middle->addLayout(options, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(quitButton());
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(repeatButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(letters);
    layout->addWidget(chartView_, 1);
    layout->addLayout(middle);
    layout->addLayout(buttons);

    connect(slowMotionCheck_, &QCheckBox::toggled, this, [this](bool on) {
        choices_.slowMotion = on;
        feed_.SetSlowMotion(on);
    });
    connect(keepOpenCheck_, &QCheckBox::toggled, this, [this](bool on) { choices_.keepOpen = on; });
    connect(saveButton_, &QPushButton::clicked, this, &EvolutionView::saveChartClicked);
    connect(repeatButton_, &QPushButton::clicked, this, [this] {
        auto* repeat = new RepeatWindow(target_, parentWidget());
        repeat->show();
    });

    showFigures();
}

EvolutionView::~EvolutionView() {
    // The axis not in use belongs to this view rather than to the chart.
    if (logAxis_) {
        delete linearAxis_;
    } else {
        delete logGenerationAxis_;
    }
}

void EvolutionView::buildChart() {
    chart_ = new QChart;
    chart_->legend()->hide();
    chart_->setAnimationOptions(QChart::NoAnimation);

    series_ = new QLineSeries(chart_);
    series_->setName(tr("Letters right"));
    QPen pen = series_->pen();
    pen.setWidth(2);
    series_->setPen(pen);
    chart_->addSeries(series_);

    lettersAxis_ = new QValueAxis;
    lettersAxis_->setTitleText(tr("Letters right"));
    lettersAxis_->setLabelFormat(QStringLiteral("%d"));
    // Qt 6.4 measures the room for vertical axis labels too small and would cut every one.
    lettersAxis_->setTruncateLabels(false);
    setLettersRange(static_cast<std::size_t>(target_.size()));
    chart_->addAxis(lettersAxis_, Qt::AlignLeft);
    series_->attachAxis(lettersAxis_);

    linearAxis_ = new QValueAxis;
    linearAxis_->setTitleText(tr("Generation"));
    linearAxis_->setLabelFormat(QStringLiteral("%d"));
    linearAxis_->setRange(0.0, 10.0);
    linearAxis_->setTruncateLabels(false);
    chart_->addAxis(linearAxis_, Qt::AlignBottom);
    series_->attachAxis(linearAxis_);

    logGenerationAxis_ = new QLogValueAxis;
    logGenerationAxis_->setTitleText(tr("Generation (logarithmic)"));
    logGenerationAxis_->setLabelFormat(QStringLiteral("%g"));
    logGenerationAxis_->setBase(10.0);
    logGenerationAxis_->setTruncateLabels(false);

    chartView_ = new QChartView(chart_, this);
    chartView_->setObjectName(QStringLiteral("fitnessChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(kChartWidth, kChartHeight);
    chartView_->setAccessibleName(tr("Letters right by generation"));
}

void EvolutionView::refresh() {
    if (!feed_.Take(shown_.reports, shown_, &points_)) {
        return;
    }
    showFigures();
    showLetters();
    showCurve();
    updateStatus(false);
}

bool EvolutionView::finishRun(RunOutcome outcome) {
    refresh();
    QString ending;
    switch (outcome) {
    case RunOutcome::Matched:
        ending = tr("Run finished.");
        break;
    case RunOutcome::Cancelled:
        ending = tr("Run cancelled.");
        break;
    case RunOutcome::LogFailed:
        ending = tr("Run stopped: the log could not be written.");
        break;
    case RunOutcome::InvalidInput:
        ending = tr("Run refused.");
        break;
    }
    updateStatus(true, ending);
    if (scheme_ == Scheme::Sequential && outcome == RunOutcome::Matched &&
        shown_.matchedLetters >= shown_.targetLength) {
        // The best offspring counts letters its random part drew, which are not always the
        // target's; a finished run has locked every letter, and its log ends with the target.
        currentLabel_->setText(MarkedLetters(target_, target_));
        currentLabel_->setAccessibleDescription(target_);
    }
    setCancelButtonText(tr("Close"));
    repeatButton_->setVisible(outcome == RunOutcome::Matched);
    if (!choices_.keepOpen) {
        deleteLater();
        return false;
    }
    // The run is over, so the finished chart no longer needs to hold the window.
    setWindowModality(Qt::NonModal);
    setAttribute(Qt::WA_DeleteOnClose);
    choices_.keptView = this;
    show();
    raise();
    return true;
}

double EvolutionView::generationRate() {
    rateWindow_.emplace_back(shown_.elapsedSeconds, shown_.generation);
    while (rateWindow_.size() > 2 &&
           rateWindow_[1].first <= shown_.elapsedSeconds - kRateWindowSeconds) {
        rateWindow_.pop_front();
    }
    const auto& [firstSeconds, firstGeneration] = rateWindow_.front();
    const double seconds = shown_.elapsedSeconds - firstSeconds;
    if (seconds <= 0.0) {
        return shown_.elapsedSeconds > 0.0
                   ? static_cast<double>(shown_.generation) / shown_.elapsedSeconds
                   : 0.0;
    }
    return static_cast<double>(shown_.generation - firstGeneration) / seconds;
}

void EvolutionView::showFigures() {
    const QLocale locale;
    const double rate = shown_.reports > 0 ? generationRate() : 0.0;
    const auto count = [&](auto value) { return locale.toString(static_cast<qlonglong>(value)); };
    setLabelText(tr("Generation: %1\nStrings made: %2\nLetters matched: %3 of %4\n"
                    "Generations per second: %5\nElapsed seconds: %6\nLog file size: %7")
                     .arg(count(shown_.generation), count(shown_.stringsMade),
                          count(shown_.matchedLetters), count(shown_.targetLength),
                          locale.toString(rate, 'f', rate < 100.0 ? 1 : 0),
                          locale.toString(shown_.elapsedSeconds, 'f', 1),
                          locale.formattedDataSize(static_cast<qint64>(shown_.logBytes), 1,
                                                   QLocale::DataSizeTraditionalFormat)));
}

void EvolutionView::showLetters() {
    const QString current = QString::fromLatin1(shown_.currentString);
    currentLabel_->setText(MarkedLetters(current, target_));
    currentLabel_->setAccessibleDescription(current);
}

void EvolutionView::showCurve() {
    if (points_.empty()) {
        return;
    }
    const std::int64_t lastGeneration = points_.back().generation;
    if (!logAxis_ && lastGeneration > kLogAxisFromGeneration) {
        useLogarithmicAxis();
    }
    QList<QPointF> shown;
    shown.reserve(static_cast<qsizetype>(points_.size()));
    for (const FitnessPoint& point : points_) {
        // A logarithmic axis has no place for generation 0.
        if (!logAxis_ || point.generation >= 1) {
            shown.append(QPointF(static_cast<double>(point.generation), point.matched));
        }
    }
    series_->replace(shown);

    const double right = std::max(10.0, static_cast<double>(lastGeneration));
    if (logAxis_) {
        logGenerationAxis_->setRange(1.0, right);
    } else {
        linearAxis_->setRange(0.0, right);
        linearAxis_->applyNiceNumbers();
    }
    setLettersRange(shown_.targetLength);
}

void EvolutionView::setLettersRange(std::size_t letters) {
    // Whole letters on at most about ten grid lines, the top one at or just above the length.
    const std::size_t step = std::max<std::size_t>(1, (letters + 9) / 10);
    const std::size_t steps = std::max<std::size_t>(1, (letters + step - 1) / step);
    const auto top = static_cast<double>(steps * step);
    if (lettersAxis_->max() != top) {
        lettersAxis_->setRange(0.0, top);
        lettersAxis_->setTickCount(static_cast<int>(steps) + 1);
    }
}

void EvolutionView::useLogarithmicAxis() {
    chart_->removeAxis(linearAxis_);
    chart_->addAxis(logGenerationAxis_, Qt::AlignBottom);
    series_->attachAxis(logGenerationAxis_);
    logAxis_ = true;
}

int EvolutionView::chartPointCount() const {
    return static_cast<int>(series_->count());
}

void EvolutionView::updateStatus(bool force, const QString& prefix) {
    if (shown_.reports == 0 && !force) {
        return;
    }
    if (!force && sinceStatus_.isValid() && sinceStatus_.elapsed() < statusInterval_.count()) {
        return;
    }
    QString text = tr("Generation %1: %2 of %3 letters right")
                       .arg(shown_.generation)
                       .arg(shown_.matchedLetters)
                       .arg(shown_.targetLength);
    if (!prefix.isEmpty()) {
        text = prefix + QLatin1Char(' ') + text;
    }
    if (text == statusText_) {
        return;
    }
    statusText_ = text;
    setAccessibleDescription(text);
    sinceStatus_.restart();
}

bool EvolutionView::saveChart(const QString& path) {
    // The saved chart says what it shows; the view itself keeps its own title.
    const QString title = tr("Letters right by generation for \"%1\": %2, 1 run")
                              .arg(target_, FromLatin1(SchemeCaption(scheme_)));
    const QString shownTitle = chart_->title();
    chart_->setTitle(title);
    const QString problem =
        plot::SaveChart(path, chartView_->size(), title,
                        [this](QPainter& painter, const QRectF&) { chartView_->render(&painter); });
    chart_->setTitle(shownTitle);
    return problem.isEmpty();
}

void EvolutionView::saveChartClicked() {
    const QString suggested =
        QDir(plot::DefaultChartFolder())
            .filePath(plot::DescriptiveChartName(target_,
                                                 QStringLiteral("letters-by-generation-scheme-%1")
                                                     .arg(static_cast<int>(scheme_) + 1),
                                                 QStringLiteral("png")));
    QString path = QFileDialog::getSaveFileName(this, tr("Save chart"), suggested,
                                                tr("PNG images (*.png);;SVG drawings (*.svg)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".png");
    }
    if (!saveChart(path)) {
        QMessageBox::warning(this, tr("Save chart"),
                             tr("The chart could not be written to %1.").arg(path));
    }
}

} // namespace quarrow
