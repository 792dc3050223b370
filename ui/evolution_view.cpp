#include "ui/evolution_view.h"

#include "plot/distribution_chart.h"
#include "ui/box_text.h"
#include "ui/cost_text.h"
#include "ui/repeat_window.h"
#include "ui/zoom.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QLogValueAxis>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStringList>
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
// Small enough for the view to fit beside the main window on a 1280-pixel-wide screen.
constexpr int kChartWidth = 480;
constexpr int kChartHeight = 240;
constexpr int kPlacementGap = 12;

// Bold and underlined as well as coloured, so a marked letter shows without colour too.
const QString kRightOpen = QStringLiteral("<b><u><span style=\"color:#1a7f37\">");
const QString kLockedOpen = QStringLiteral("<b><u><span style=\"color:#0b57d0\">");
const QString kMarkClose = QStringLiteral("</span></u></b>");

enum class Mark { None, Right, Locked };

// The letters as rich text, each marked as `markAt` says, in rows of `kLettersPerRow`.
template <typename MarkAt> QString LetterRows(const QString& text, MarkAt markAt) {
    QString html;
    const qsizetype shown = std::min(text.size(), kLettersPerRow * kMaxRows);
    Mark open = Mark::None;
    const auto close = [&] {
        if (open != Mark::None) {
            html += kMarkClose;
            open = Mark::None;
        }
    };
    for (qsizetype i = 0; i < shown; ++i) {
        if (i > 0 && i % kLettersPerRow == 0) {
            close();
            html += QStringLiteral("<br>");
        }
        const Mark mark = markAt(i);
        if (mark != open) {
            close();
            if (mark != Mark::None) {
                html += mark == Mark::Right ? kRightOpen : kLockedOpen;
            }
            open = mark;
        }
        // Spaces are letters of the phrase: each keeps its column.
        const QChar letter = text.at(i);
        html +=
            letter == QLatin1Char(' ') ? QStringLiteral("&nbsp;") : QString(letter).toHtmlEscaped();
    }
    close();
    if (text.size() > shown) {
        html += QStringLiteral("&hellip;");
    }
    return html;
}

bool SameAt(const QString& text, const QString& other, qsizetype i) {
    return i < other.size() && other.at(i) == text.at(i);
}

// 1-based positions, as a reader counts them: "3, 7 and 12".
QString Positions(const QList<qsizetype>& positions) {
    QStringList texts;
    for (const qsizetype position : positions) {
        texts.append(QString::number(position + 1));
    }
    if (texts.size() <= 1) {
        return texts.join(QString());
    }
    const QString last = texts.takeLast();
    return EvolutionView::tr("%1 and %2").arg(texts.join(QStringLiteral(", ")), last);
}

} // namespace

QString MarkedLetters(const QString& current, const QString& target) {
    return LetterRows(current, [&](qsizetype i) {
        return SameAt(current, target, i) ? Mark::Right : Mark::None;
    });
}

QString MarkedOffspring(const QString& offspring, qsizetype locked, const QString& scoredAgainst,
                        qsizetype* marked) {
    if (marked != nullptr) {
        qsizetype count = std::min(locked, offspring.size());
        for (qsizetype i = count; i < offspring.size(); ++i) {
            count += SameAt(offspring, scoredAgainst, i) ? 1 : 0;
        }
        *marked = count;
    }
    return LetterRows(offspring, [&](qsizetype i) {
        if (i < locked) {
            return Mark::Locked;
        }
        return SameAt(offspring, scoredAgainst, i) ? Mark::Right : Mark::None;
    });
}

EvolutionView::EvolutionView(const QString& target, const QString& firstString, Scheme scheme,
                             ViewChoices& choices, QWidget* parent)
    : QDialog(parent), target_(target), firstString_(firstString), scheme_(scheme),
      choices_(choices), targetLabel_(new QLabel(this)), currentLabel_(new QLabel(this)),
      figuresLabel_(new QLabel(this)), expectationLabel_(new QLabel(this)),
      slowMotionCheck_(new QCheckBox(tr("Slow motion"), this)),
      keepOpenCheck_(new QCheckBox(tr("Keep this window open after the run"), this)),
      saveButton_(new QPushButton(tr("Save chart..."), this)),
      repeatButton_(new QPushButton(tr("Repeat..."), this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)) {
    if (choices_.keptView) {
        choices_.keptView->close();
    }
    setObjectName(QStringLiteral("evolutionView"));
    setWindowTitle(tr("Step Four: %1").arg(FromLatin1(SchemeCaption(scheme))));
    // The main window, its pages and the help stay usable while the run goes on.
    setWindowModality(Qt::NonModal);

    // Large enough for a class to watch the letters from across a room.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() * kLettersScale);
    auto* letters = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& caption, QLabel* label, const char* name,
                            const QString& accessibleName) {
        auto* captionLabel = new QLabel(caption, this);
        captionLabel->setBuddy(label);
        label->setObjectName(QLatin1String(name));
        label->setFont(fixed);
        label->setTextFormat(Qt::RichText);
        label->setMinimumWidth(QFontMetrics(fixed).horizontalAdvance(QLatin1Char('M')) *
                               static_cast<int>(std::min<qsizetype>(
                                   kLettersPerRow + 1, std::max(target_.size(), qsizetype{20}))));
        label->setAccessibleName(accessibleName);
        letters->addWidget(captionLabel, row, 0, Qt::AlignTop);
        letters->addWidget(label, row, 1);
        ++row;
    };
    addRow(tr("Target:"), targetLabel_, "targetString", tr("Target"));
    targetLabel_->setText(MarkedLetters(target_, QString()));
    targetLabel_->setAccessibleDescription(target_);
    if (sequential()) {
        auto* scoredLabel = new QLabel(this);
        addRow(tr("Scored against:"), scoredLabel, "scoredAgainst",
               tr("First string, which the random tail is scored against"));
        scoredLabel->setText(MarkedLetters(firstString_, QString()));
        scoredLabel->setAccessibleDescription(firstString_);
        addRow(tr("This generation:"), currentLabel_, "currentString",
               tr("Last offspring of the generation"));
    } else {
        addRow(tr("Parent:"), currentLabel_, "currentString", tr("Current parent"));
    }
    letters->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(letters);
    if (sequential()) {
        auto* note = new QLabel(
            tr("Each offspring copies the first letters of the target (blue: locked) and draws "
               "the rest at random. A drawn letter that equals the first string's letter at its "
               "place is a hit (green) and locks one more letter of the target for the next "
               "offspring. Every generation starts again with nothing locked."),
            this);
        note->setObjectName(QStringLiteral("scoringNote"));
        note->setWordWrap(true);
        layout->addWidget(note);
    }

    buildChart();
    layout->addWidget(chartView_, 1);

    figuresLabel_->setObjectName(QStringLiteral("progressLabel"));
    figuresLabel_->setTextFormat(Qt::PlainText);
    expectationLabel_->setObjectName(QStringLiteral("expectationLabel"));
    expectationLabel_->setTextFormat(Qt::PlainText);
    expectationLabel_->setWordWrap(true);
    if (sequential()) {
        expectation_ = ExpectSequential(static_cast<std::size_t>(target_.size()));
        showExpectation();
    } else {
        // The other two schemes share one exact law, which depends only on the length.
        expectationLabel_->setText(tr("Expected: %1")
                                       .arg(DescribeLawExpectation(GenerationLaw::LockedLetter(
                                           static_cast<std::size_t>(target_.size())))));
    }

    slowMotionCheck_->setObjectName(QStringLiteral("slowMotionCheck"));
    slowMotionCheck_->setToolTip(tr("Run a few generations a second, so you can watch the letters "
                                    "lock in; the choice holds for the next runs too"));
    slowMotionCheck_->setChecked(choices_.slowMotion);
    feed_.SetSlowMotion(choices_.slowMotion);
    keepOpenCheck_->setObjectName(QStringLiteral("keepOpenCheck"));
    keepOpenCheck_->setChecked(choices_.keepOpen);
    saveButton_->setObjectName(QStringLiteral("saveChartButton"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    // Neither button answers Enter: a keystroke meant for the window must not end the run.
    saveButton_->setAutoDefault(false);
    cancelButton_->setAutoDefault(false);
    // Offered once a run has found the target: many runs of it, as a distribution.
    repeatButton_->setObjectName(QStringLiteral("repeatButton"));
    repeatButton_->setAutoDefault(false);
    repeatButton_->setToolTip(tr("Run this target many times with each scheme and compare the "
                                 "distribution with the exact law and blind search"));
    repeatButton_->hide();

    auto* options = new QVBoxLayout;
    options->addWidget(slowMotionCheck_);
    options->addWidget(keepOpenCheck_);
    options->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(figuresLabel_, 0, Qt::AlignTop);
    middle->addSpacing(24);
    middle->addLayout(options, 1);
    layout->addLayout(middle);
    layout->addWidget(expectationLabel_);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(saveButton_);
    buttons->addWidget(repeatButton_);
    buttons->addWidget(cancelButton_);
    layout->addLayout(buttons);

    connect(slowMotionCheck_, &QCheckBox::toggled, this, [this](bool on) {
        choices_.slowMotion = on;
        feed_.SetSlowMotion(on);
    });
    connect(keepOpenCheck_, &QCheckBox::toggled, this, [this](bool on) { choices_.keepOpen = on; });
    connect(saveButton_, &QPushButton::clicked, this, &EvolutionView::saveChartClicked);
    connect(repeatButton_, &QPushButton::clicked, this, &EvolutionView::repeatClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &EvolutionView::cancelClicked);

    showFigures();
    adjustSize();
    new WindowZoom(*this); // follows the main window's zoom and has its own keys
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
    chart_->setAnimationOptions(QChart::NoAnimation);

    series_ = new QLineSeries(chart_);
    series_->setName(sequential() ? tr("Prefix each generation reached") : tr("Letters right"));
    QPen pen = series_->pen();
    pen.setWidth(2);
    series_->setPen(pen);
    chart_->addSeries(series_);
    if (sequential()) {
        bestSeries_ = new QLineSeries(chart_);
        bestSeries_->setName(tr("Best of the run"));
        QPen bestPen(QColor(0xc0, 0x3a, 0x2b));
        bestPen.setWidth(2);
        bestPen.setStyle(Qt::DashLine);
        bestSeries_->setPen(bestPen);
        chart_->addSeries(bestSeries_);
        chart_->legend()->setAlignment(Qt::AlignBottom);
    } else {
        chart_->legend()->hide();
    }

    lettersAxis_ = new QValueAxis;
    lettersAxis_->setTitleText(sequential() ? tr("Letters matched") : tr("Letters right"));
    lettersAxis_->setLabelFormat(QStringLiteral("%d"));
    // Qt 6.4 measures the room for vertical axis labels too small and would cut every one.
    lettersAxis_->setTruncateLabels(false);
    setLettersRange(static_cast<std::size_t>(target_.size()));
    chart_->addAxis(lettersAxis_, Qt::AlignLeft);
    connect(chart_, &QChart::plotAreaChanged, this, [this] { setLettersRange(lettersOnAxis_); });

    linearAxis_ = new QValueAxis;
    linearAxis_->setTitleText(tr("Generation"));
    linearAxis_->setLabelFormat(QStringLiteral("%d"));
    linearAxis_->setRange(0.0, 10.0);
    linearAxis_->setTruncateLabels(false);
    chart_->addAxis(linearAxis_, Qt::AlignBottom);
    for (QLineSeries* series : {series_, bestSeries_}) {
        if (series != nullptr) {
            series->attachAxis(lettersAxis_);
            series->attachAxis(linearAxis_);
        }
    }

    logGenerationAxis_ = new QLogValueAxis;
    logGenerationAxis_->setTitleText(tr("Generation (logarithmic)"));
    logGenerationAxis_->setLabelFormat(QStringLiteral("%g"));
    logGenerationAxis_->setBase(10.0);
    logGenerationAxis_->setTruncateLabels(false);

    chartView_ = new QChartView(chart_, this);
    chartView_->setObjectName(QStringLiteral("fitnessChart"));
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(kChartWidth, kChartHeight);
    chartView_->setAccessibleName(sequential()
                                      ? tr("Prefix each generation reached, and the run's best")
                                      : tr("Letters right by generation"));
}

void EvolutionView::setMeasuredRate(double generationsPerSecond) {
    if (generationsPerSecond > 0.0) {
        measuredRate_ = generationsPerSecond;
    }
    showExpectation();
}

void EvolutionView::showExpectation() {
    if (!expectation_) {
        return;
    }
    std::optional<double> seconds;
    if (measuredRate_) {
        seconds = expectation_->meanGenerations / *measuredRate_;
    }
    expectationLabel_->setText(
        tr("Expected: %1\nChance that the next generation finishes the run: %2, the same for "
           "every generation however many have failed before it.")
            .arg(DescribeExpectation(*expectation_, seconds),
                 DescribeChance(expectation_->generationChance)));
}

void EvolutionView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (keptOnScreen_) {
        return;
    }
    keptOnScreen_ = true;
    // A long phrase at a large zoom can want more than the screen: the view is made to fit, its
    // chart giving up the height, and moved back onto the screen if it has to.
    FitOnScreen(*this, ExpectedFrameSize(*this, parentWidget()));
    FitFrameOnScreenSoon(*this);
}

void EvolutionView::placeBeside(const QWidget& window, const QRect& keepClear) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect main = window.frameGeometry();
    const QSize frameMargins = ExpectedFrameSize(*this, &window);
    QSize size = sizeHint().expandedTo(minimumSizeHint()) + frameMargins;
    size = size.boundedTo(area.size());
    const auto fit = [&](QPoint topLeft) { return MovedInto(QRect(topLeft, size), area); };
    const int gap = kPlacementGap;
    // Beside the main window first, then below or above it; failing those, beside or below the
    // result boxes, so that the figures of the run stay readable.
    const QRect besideWindow[] = {
        fit({main.right() + gap, main.top()}),
        fit({main.left() - gap - size.width(), main.top()}),
        fit({main.left(), main.bottom() + gap}),
        fit({main.left(), main.top() - gap - size.height()}),
    };
    for (const QRect& place : besideWindow) {
        if (!place.intersects(main)) {
            move(place.topLeft());
            return;
        }
    }
    const QRect besideBoxes[] = {
        fit({keepClear.right() + gap, main.top()}),
        fit({keepClear.left() - gap - size.width(), main.top()}),
        fit({main.left(), keepClear.bottom() + gap}),
        fit({main.left(), keepClear.top() - gap - size.height()}),
    };
    const QRect* best = &besideBoxes[0];
    qint64 leastCovered = -1;
    for (const QRect& place : besideBoxes) {
        const QRect covered = place.intersected(keepClear);
        const qint64 coveredArea =
            covered.isEmpty() ? 0 : qint64{covered.width()} * covered.height();
        if (leastCovered < 0 || coveredArea < leastCovered) {
            leastCovered = coveredArea;
            best = &place;
        }
    }
    move(best->topLeft());
}

void EvolutionView::refresh() {
    if (!feed_.Take(shown_.reports, shown_, &points_, &bestPoints_)) {
        return;
    }
    showFigures();
    showLetters();
    showCurve();
    updateStatus(false);
}

bool EvolutionView::finishRun(RunOutcome outcome, bool mayStayOpen) {
    refresh();
    runGoing_ = false;
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
    cancelButton_->setText(tr("Close"));
    repeatButton_->setVisible(outcome == RunOutcome::Matched);
    if (!mayStayOpen || !choices_.keepOpen) {
        deleteLater();
        return false;
    }
    choices_.keptView = this;
    show();
    raise();
    return true;
}

void EvolutionView::cancelClicked() {
    if (runGoing_) {
        // The button says what it does: no question.
        QDialog::reject();
    } else {
        reject();
    }
}

void EvolutionView::reject() {
    if (runGoing_) {
        askToCancel();
        return;
    }
    QDialog::reject();
    deleteLater();
}

void EvolutionView::closeEvent(QCloseEvent* event) {
    if (runGoing_) {
        if (event->spontaneous()) {
            // The user closed the window: the run goes on unless they say otherwise.
            event->ignore();
            askToCancel();
        } else {
            // The program is ending, and its quit closes every window; the run is being
            // cancelled already, and asking would stop the quit.
            event->accept();
        }
        return;
    }
    QDialog::closeEvent(event);
}

void EvolutionView::askToCancel() {
    const auto asked = findChildren<QMessageBox*>(QStringLiteral("cancelRunQuestion"));
    if (std::any_of(asked.begin(), asked.end(),
                    [](const QMessageBox* box) { return box->isVisible(); })) {
        return;
    }
    auto* question =
        new QMessageBox(QMessageBox::Question, windowTitle(),
                        tr("The run is still going on. Do you want to cancel it?\n\nThe log keeps "
                           "every generation finished so far."),
                        QMessageBox::Yes | QMessageBox::No, this);
    question->setObjectName(QStringLiteral("cancelRunQuestion"));
    question->button(QMessageBox::Yes)->setText(tr("Cancel the run"));
    question->button(QMessageBox::No)->setText(tr("Keep it running"));
    question->setDefaultButton(QMessageBox::No);
    question->setAttribute(Qt::WA_DeleteOnClose);
    question->setWindowModality(Qt::WindowModal);
    connect(question, &QMessageBox::finished, this, [this, question](int) {
        if (question->clickedButton() == question->button(QMessageBox::Yes) && runGoing_) {
            QDialog::reject();
        }
    });
    question->open();
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

QString EvolutionView::labelText() const {
    return figuresLabel_->text();
}

QString EvolutionView::expectationText() const {
    return expectationLabel_->text();
}

void EvolutionView::showFigures() {
    const QLocale locale;
    const double rate = shown_.reports > 0 ? generationRate() : 0.0;
    const auto count = [&](auto value) { return locale.toString(static_cast<qlonglong>(value)); };
    const std::size_t matched = sequential() ? shown_.generationReached : shown_.matchedLetters;
    QStringList lines;
    lines << tr("Generation: %1").arg(count(shown_.generation))
          << tr("Strings made: %1").arg(count(shown_.stringsMade))
          << tr("Letters matched: %1 of %2").arg(count(matched), count(shown_.targetLength));
    if (sequential()) {
        lines << tr("Best of the run: %1 of %2")
                     .arg(count(shown_.matchedLetters), count(shown_.targetLength));
    }
    lines << tr("Generations per second: %1").arg(locale.toString(rate, 'f', rate < 100.0 ? 1 : 0))
          << tr("Elapsed seconds: %1").arg(locale.toString(shown_.elapsedSeconds, 'f', 1));
    if (shown_.pausedSeconds > 0.0) {
        // Slow motion holds the run back; the result boxes get the computing time alone.
        lines << tr("Computing seconds: %1")
                     .arg(locale.toString(
                         std::max(0.0, shown_.elapsedSeconds - shown_.pausedSeconds), 'f', 1));
    }
    lines << tr("Log file size: %1").arg(DescribeBytes(static_cast<double>(shown_.logBytes)));
    figuresLabel_->setText(lines.join(QLatin1Char('\n')));
}

void EvolutionView::showLetters() {
    if (sequential()) {
        const QString offspring = QString::fromLatin1(shown_.lastOffspring);
        const auto locked = static_cast<qsizetype>(shown_.lockedLetters);
        currentLabel_->setText(MarkedOffspring(offspring, locked, firstString_, &markedLetters_));
        QList<qsizetype> hits;
        for (qsizetype i = locked; i < offspring.size(); ++i) {
            if (SameAt(offspring, firstString_, i)) {
                hits.append(i);
            }
        }
        QString description = tr("%1. Locked: the first %2 letters, %3.")
                                  .arg(offspring)
                                  .arg(std::min(locked, offspring.size()))
                                  .arg(offspring.left(locked));
        if (!hits.isEmpty()) {
            description += QLatin1Char(' ') +
                           tr("Hits in the random tail at positions %1.").arg(Positions(hits));
        }
        description += QLatin1Char(' ') +
                       tr("%1 of %2 letters matched.").arg(markedLetters_).arg(shown_.targetLength);
        currentLabel_->setAccessibleDescription(description);
        return;
    }
    const QString current = QString::fromLatin1(shown_.currentString);
    currentLabel_->setText(MarkedLetters(current, target_));
    QList<qsizetype> right;
    for (qsizetype i = 0; i < current.size(); ++i) {
        if (SameAt(current, target_, i)) {
            right.append(i);
        }
    }
    markedLetters_ = right.size();
    QString description = current + QLatin1Char('.');
    if (!right.isEmpty()) {
        description += QLatin1Char(' ') + tr("Right at positions %1.").arg(Positions(right));
    }
    description += QLatin1Char(' ') +
                   tr("%1 of %2 letters right.").arg(markedLetters_).arg(shown_.targetLength);
    currentLabel_->setAccessibleDescription(description);
}

void EvolutionView::showCurve() {
    std::int64_t lastGeneration = 0;
    for (const auto* points : {&points_, &bestPoints_}) {
        if (!points->empty()) {
            lastGeneration = std::max(lastGeneration, points->back().generation);
        }
    }
    if (!logAxis_ && lastGeneration > kLogAxisFromGeneration) {
        useLogarithmicAxis();
    }
    const auto show = [&](QLineSeries* series, const std::vector<FitnessPoint>& points) {
        if (series == nullptr) {
            return;
        }
        QList<QPointF> shown;
        shown.reserve(static_cast<qsizetype>(points.size()));
        for (const FitnessPoint& point : points) {
            // A logarithmic axis has no place for generation 0.
            if (!logAxis_ || point.generation >= 1) {
                shown.append(QPointF(static_cast<double>(point.generation), point.matched));
            }
        }
        series->replace(shown);
    };
    show(series_, points_);
    show(bestSeries_, bestPoints_);

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
    // A chart squeezed short (a long phrase at full screen) gets fewer lines, so that each keeps
    // its label rather than the chart leaving out every other one.
    lettersOnAxis_ = letters;
    std::size_t most = 10;
    const qreal plotHeight = chart_->plotArea().height();
    const int labelHeight = QFontMetrics(lettersAxis_->labelsFont()).height();
    if (plotHeight > 0 && labelHeight > 0) {
        most = std::clamp<std::size_t>(static_cast<std::size_t>(plotHeight / (1.5 * labelHeight)),
                                       2, 10);
    }
    // Steps beyond 5 are rounded up to 10, 20, 25, 50, 100, 200, ..., so the lines fall on
    // round counts.
    std::size_t step = std::max<std::size_t>(1, (letters + most - 1) / most);
    for (std::size_t decade = 1; step > 5; decade *= 10) {
        const std::size_t rounded[] = {10 * decade, 20 * decade, 25 * decade, 50 * decade};
        if (const auto* fits = std::find_if(std::begin(rounded), std::end(rounded),
                                            [step](std::size_t round) { return round >= step; });
            fits != std::end(rounded)) {
            step = *fits;
            break;
        }
    }
    const std::size_t steps = std::max<std::size_t>(1, (letters + step - 1) / step);
    const auto top = static_cast<double>(steps * step);
    if (lettersAxis_->max() != top || lettersAxis_->tickCount() != static_cast<int>(steps) + 1) {
        lettersAxis_->setRange(0.0, top);
        lettersAxis_->setTickCount(static_cast<int>(steps) + 1);
    }
}

void EvolutionView::useLogarithmicAxis() {
    chart_->removeAxis(linearAxis_);
    chart_->addAxis(logGenerationAxis_, Qt::AlignBottom);
    for (QLineSeries* series : {series_, bestSeries_}) {
        if (series != nullptr) {
            series->attachAxis(logGenerationAxis_);
        }
    }
    logAxis_ = true;
}

int EvolutionView::chartPointCount() const {
    return static_cast<int>(series_->count());
}

int EvolutionView::bestPointCount() const {
    return bestSeries_ != nullptr ? static_cast<int>(bestSeries_->count()) : 0;
}

void EvolutionView::updateStatus(bool force, const QString& prefix) {
    if (shown_.reports == 0 && !force) {
        return;
    }
    if (!force && sinceStatus_.isValid() && sinceStatus_.elapsed() < statusInterval_.count()) {
        return;
    }
    QString text = sequential() ? tr("Generation %1: %2 of %3 letters matched, the run's best %4")
                                      .arg(shown_.generation)
                                      .arg(shown_.generationReached)
                                      .arg(shown_.targetLength)
                                      .arg(shown_.matchedLetters)
                                : tr("Generation %1: %2 of %3 letters right")
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

QString EvolutionView::savedChartTitle() const {
    // A single run of the window has no seed of its own; its first string says where it began.
    return tr("Letters right by generation for \"%1\": %2, 1 run from \"%3\"")
        .arg(target_, FromLatin1(SchemeCaption(scheme_)), firstString_);
}

bool EvolutionView::saveChart(const QString& path) {
    // The saved chart says what it shows; the view itself keeps its own title.
    const QString title = savedChartTitle();
    const QString shownTitle = chart_->title();
    chart_->setTitle(title);
    const QString problem =
        plot::SaveChart(path, chartView_->size(), title,
                        [this](QPainter& painter, const QRectF&) { chartView_->render(&painter); });
    chart_->setTitle(shownTitle);
    return problem.isEmpty();
}

void EvolutionView::repeatClicked() {
    // The repeat window belongs to the main window, so it outlives this view.
    auto* repeat = new RepeatWindow(target_, parentWidget());
    // It opens over this view, which was placed where the main window's figures stay in sight,
    // moved only as far as it must to fit on the screen.
    const QSize frameMargins = frameGeometry().size() - geometry().size();
    QRect place(frameGeometry().topLeft(),
                repeat->sizeHint().expandedTo(repeat->minimumSizeHint()) + frameMargins);
    if (const QScreen* shownOn = screen()) {
        place = MovedInto(place, shownOn->availableGeometry());
    }
    repeat->move(place.topLeft());
    repeat->show();
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
