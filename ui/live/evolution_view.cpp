#include "ui/live/evolution_view.h"

#include "analysis/live_marks.h"
#include "plot/distribution_chart.h"
#include "plot/learner_numbers.h"
#include "plot/scheme_look.h"
#include "ui/common/box_text.h"
#include "ui/common/cost_text.h"
#include "ui/common/whole_file.h"
#include "ui/common/zoom.h"
#include "ui/live/blind_search_lane.h"
#include "ui/live/fitness_chart.h"
#include "ui/live/offspring_panel.h"
#include "ui/live/view_controls.h"
#include "ui/repeat/repeat_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRandomGenerator>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QStackedWidget>
#include <QStringList>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace quarrow {

namespace {

// The generations-per-second figure averages over about this many seconds of the run.
constexpr double kRateWindowSeconds = 1.0;
constexpr int kPlacementGap = 12;
// After a zoom change, the main window's resizes within this long are taken as the zoom's, and
// the view is placed again this long after the last of them.
constexpr qint64 kZoomSettleMs = 1500;

// Of the four corners of `area`, the place for a window of `size` that covers least of `keep`.
QRect LeastCovering(const QRect& area, const QSize& size, const QRect& keep) {
    const QRect corners[] = {
        QRect(area.topLeft(), size),
        QRect(QPoint(area.right() - size.width() + 1, area.top()), size),
        QRect(QPoint(area.left(), area.bottom() - size.height() + 1), size),
        QRect(QPoint(area.right() - size.width() + 1, area.bottom() - size.height() + 1), size),
    };
    QRect least = corners[0];
    qint64 leastCovered = -1;
    for (const QRect& corner : corners) {
        const QRect covered = corner.intersected(keep);
        const qint64 share = covered.isEmpty() ? 0 : qint64{covered.width()} * covered.height();
        if (leastCovered < 0 || share < leastCovered) {
            least = corner;
            leastCovered = share;
        }
    }
    return least;
}
constexpr std::chrono::milliseconds kPlaceAgainDelay{60};
// The blind lane's share of the window's time at each refresh, and once the run is over.
constexpr std::chrono::milliseconds kBlindSlice{3};
constexpr std::chrono::milliseconds kBlindFinish{500};
// Once the run is over, the lane catches up in slices of this long, between the window's work.
constexpr std::chrono::milliseconds kBlindFinishSlice{20};

} // namespace

EvolutionView::EvolutionView(const QString& target, const QString& firstString, Scheme scheme,
                             ViewChoices& choices, QWidget* parent)
    // A dialog of the main window to the window manager, so that it is kept in front of it, a
    // full-screen main window included, and goes with it; it can still be maximised.
    : QWidget(parent, Qt::Dialog | Qt::WindowMinMaxButtonsHint), target_(target),
      firstString_(firstString), scheme_(scheme), choices_(choices),
      pages_(new QStackedWidget(this)), headline_(new QLabel(OffspringHeadline(scheme), this)),
      letters_(new LettersPanel(target, firstString, RowOf(scheme).presenter, this)),
      chart_(
          new FitnessChart(RowOf(scheme).presenter, static_cast<std::size_t>(target.size()), this)),
      offspring_(new OffspringPanel(target, firstString, scheme, this)),
      // A stream of its own: the run's generator is the worker's alone.
      blind_(new BlindSearchLane(target, QRandomGenerator::global()->generate64(), this)),
      figuresLabel_(new QLabel(this)), endingLabel_(new QLabel(this)),
      placeLabel_(new QLabel(this)), expectationLabel_(new QLabel(this)),
      controls_(new ViewControls(choices.slowMotion ? choices.slowMotionRate : 0.0,
                                 choices.keepOpen, this)),
      placeAgainDue_(new QTimer(this)), statusDue_(new QTimer(this)) {
    placeAgainDue_->setSingleShot(true);
    placeAgainDue_->setInterval(kPlaceAgainDelay);
    connect(placeAgainDue_, &QTimer::timeout, this, &EvolutionView::PlaceAgain);
    statusDue_->setSingleShot(true);
    statusDue_->setTimerType(Qt::PreciseTimer);
    connect(statusDue_, &QTimer::timeout, this, [this] { UpdateStatus(false); });
    if (choices_.keptView) {
        choices_.keptView->close();
    }
    setObjectName(QStringLiteral("evolutionView"));
    // The view speaks in the face of the window it belongs to, at the program's size; its zoom
    // grows it from there.
    if (parent != nullptr) {
        QFont face = font();
        face.setFamily(parent->window()->font().family());
        setFont(face);
    }
    ShowTitle();
    // The main window, its pages and the help stay usable while the run goes on.
    setWindowModality(Qt::NonModal);
    feed_.SetSlowMotionRate(choices_.slowMotionRate);
    feed_.SetSlowMotion(choices_.slowMotion);

    figuresLabel_->setObjectName(QStringLiteral("progressLabel"));
    figuresLabel_->setTextFormat(Qt::PlainText);
    figuresLabel_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    endingLabel_->setObjectName(QStringLiteral("endingLabel"));
    endingLabel_->setTextFormat(Qt::PlainText);
    endingLabel_->setWordWrap(true);
    endingLabel_->hide();
    placeLabel_->setObjectName(QStringLiteral("runPlaceLabel"));
    placeLabel_->setTextFormat(Qt::PlainText);
    placeLabel_->setWordWrap(true);
    placeLabel_->hide();
    expectationLabel_->setObjectName(QStringLiteral("expectationLabel"));
    expectationLabel_->setTextFormat(Qt::PlainText);
    expectationLabel_->setWordWrap(true);
    if (RowOf(scheme_).law == LawKind::GrowingPrefix) {
        expectation_ = ExpectSequential(static_cast<std::size_t>(target_.size()));
    }
    ShowExpectation();

    // The figures stand beside the chart rather than under it, so that the view stays short
    // enough for a small screen and the chart keeps its height at full screen.
    auto* run = new QWidget(pages_);
    run->setObjectName(QStringLiteral("runPage"));
    middle_ = new QGridLayout;
    auto* middle = middle_;
    middle->addWidget(chart_, 0, 0);
    middle->setColumnStretch(0, 1);
    middle->setRowStretch(0, 1);
    // Pause, Step and Speed stand under the figures they act on.
    auto* figures = new QVBoxLayout;
    figures->addWidget(figuresLabel_);
    figures->addStretch(1);
    figures->addWidget(controls_->PaceControls());
    middle->addLayout(figures, 0, 1);
    // The offspring rows are never scrolled: they stand beside the chart where the view is wide
    // enough and under it otherwise (`ArrangeFor`).
    middle->addWidget(offspring_, 0, 2);
    auto* layout = new QVBoxLayout(run);
    layout->setContentsMargins(0, 0, 0, 0);
    headline_->setObjectName(QStringLiteral("offspringHeadline"));
    headline_->setTextFormat(Qt::PlainText);
    headline_->setWordWrap(true);
    QFont headlineFont = headline_->font();
    headlineFont.setBold(true);
    headlineFont.setPointSizeF(headlineFont.pointSizeF() * 1.2);
    headline_->setFont(headlineFont);
    layout->addWidget(headline_);
    layout->addWidget(letters_);
    // Blind search races under the run's letters.
    layout->addWidget(blind_);
    layout->addLayout(middle, 1);
    layout->addWidget(endingLabel_);
    layout->addWidget(placeLabel_);
    layout->addWidget(blind_->EndingLabel());
    layout->addWidget(expectationLabel_);
    layout->addWidget(controls_);
    pages_->addWidget(run);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(pages_);

    connect(controls_, &ViewControls::SpeedChosen, this, &EvolutionView::ChooseSpeed);
    connect(controls_, &ViewControls::PauseClicked, this, &EvolutionView::TogglePause);
    connect(controls_, &ViewControls::StepClicked, this, &EvolutionView::Step);
    // Space and the Right arrow act on the run wherever the focus is in the view, except on the
    // Repeat page, whose boxes take them as typing.
    auto* pauseKey = new QShortcut(QKeySequence(Qt::Key_Space), this);
    auto* stepKey = new QShortcut(QKeySequence(Qt::Key_Right), this);
    connect(pauseKey, &QShortcut::activated, this, &EvolutionView::TogglePause);
    connect(stepKey, &QShortcut::activated, this, &EvolutionView::Step);
    connect(pages_, &QStackedWidget::currentChanged, this, [pauseKey, stepKey](int page) {
        pauseKey->setEnabled(page == 0);
        stepKey->setEnabled(page == 0);
    });
    connect(controls_, &ViewControls::KeepOpenToggled, this,
            [this](bool on) { choices_.keepOpen = on; });
    connect(controls_, &ViewControls::SaveChartClicked, this, &EvolutionView::SaveChartClicked);
    connect(controls_, &ViewControls::SaveDataClicked, this, &EvolutionView::SaveDataClicked);
    connect(controls_, &ViewControls::RepeatClicked, this, [this] { OpenRepeat(); });
    connect(controls_, &ViewControls::CancelClicked, this, &EvolutionView::CancelClicked);

    ShowFigures();
    ShowOffspringPanel();
    adjustSize();
    // Follows the main window's zoom and has its own keys; at a zoom its screen cannot hold, the
    // view is shown as large as it can be.
    auto* zoom = new WindowZoom(*this);
    connect(zoom, &WindowZoom::FactorChanged, this, [this] {
        if (fitting_ || !keptOnScreen_) {
            return;
        }
        FitOnItsScreen(false);
        // The main window takes its new size as well, so where the view may go is found again
        // once it has.
        if (placedBeside_) {
            sinceZoom_.start();
            placeAgainDue_->start();
        }
    });
}

EvolutionView::~EvolutionView() {
    // The Repeat page goes with the view; its leaving must not turn the view's pages.
    if (embeddedRepeat_) {
        QObject::disconnect(embeddedRepeat_, nullptr, this, nullptr);
    }
}

void EvolutionView::SetMeasuredRate(double generationsPerSecond) {
    if (generationsPerSecond > 0.0) {
        measuredRate_ = generationsPerSecond;
    }
    ShowExpectation();
}

void EvolutionView::ShowTitle() {
    setWindowTitle(tr("Step Four: %1").arg(plot::SchemeCaptionText(scheme_)));
}

void EvolutionView::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) {
        return;
    }
    ShowTitle();
    headline_->setText(OffspringHeadline(scheme_));
    ShowExpectation();
    ShowFigures();
    if (outcome_) {
        ShowEnding(*outcome_);
    } else {
        UpdateStatus(true);
    }
    if (backToRun_ != nullptr) {
        backToRun_->setText(tr("Back to the run"));
        backToRun_->setAccessibleDescription(tr("Shows the run's letters and chart again"));
    }
}

void EvolutionView::ShowExpectation() {
    if (!expectation_) {
        // The locked-letter law depends only on the length.
        expectationLabel_->setText(tr("Expected: %1")
                                       .arg(DescribeLawExpectation(GenerationLaw::LockedLetter(
                                           static_cast<std::size_t>(target_.size())))));
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

QString EvolutionView::ExpectationText() const {
    return expectationLabel_->text();
}

void EvolutionView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (keptOnScreen_) {
        return;
    }
    keptOnScreen_ = true;
    // A long phrase at a large zoom can want more than the screen: the view is made to fit, its
    // chart giving up the height, and moved back onto the screen if it has to.
    FitOnItsScreen(true);
    FitFrameOnScreenSoon(*this);
}

void EvolutionView::PlaceBeside(QWidget& window, std::function<QRect()> keepClear) {
    if (placedBeside_ != &window) {
        if (placedBeside_) {
            placedBeside_->removeEventFilter(this);
        }
        window.installEventFilter(this);
    }
    placedBeside_ = &window;
    keepClear_ = std::move(keepClear);
    PlaceBeside(window, keepClear_ ? keepClear_() : QRect());
}

void EvolutionView::PlaceAgain() {
    if (!placedBeside_ || fitting_ || isMaximized() || isFullScreen()) {
        return;
    }
    PlaceBeside(*placedBeside_, keepClear_ ? keepClear_() : QRect());
    if (isVisible()) {
        FitFrameOnScreen(*this);
        raise();
    }
}

bool EvolutionView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == placedBeside_ && event->type() == QEvent::Resize && sinceZoom_.isValid() &&
        !sinceZoom_.hasExpired(kZoomSettleMs)) {
        placeAgainDue_->start();
    }
    return QWidget::eventFilter(watched, event);
}

void EvolutionView::PlaceBeside(const QWidget& window, const QRect& keepClear) {
    const std::optional<QRect> available = AvailableArea(window);
    if (!available) {
        return;
    }
    const QRect area = *available;
    const QRect main = window.frameGeometry();
    const QSize frameMargins = ExpectedFrameSize(*this, &window);
    const int gap = kPlacementGap;
    // Beside the main window, then below or above it; failing those (full screen, a large zoom,
    // a small screen), over the main window beside its result boxes and Go. The view goes where
    // it is shown largest, at the zoom asked for if it can, else as far below it as it must be,
    // so that the boxes and Go stay in sight.
    std::vector<QRect> rooms = {
        QRect(QPoint(main.right() + gap, area.top()), area.bottomRight()),
        QRect(area.topLeft(), QPoint(main.left() - gap, area.bottom())),
        QRect(QPoint(area.left(), main.bottom() + gap), area.bottomRight()),
        QRect(area.topLeft(), QPoint(area.right(), main.top() - gap)),
    };
    if (!keepClear.isEmpty()) {
        rooms.insert(rooms.end(),
                     {QRect(area.topLeft(), QPoint(keepClear.left() - gap, area.bottom())),
                      QRect(QPoint(keepClear.right() + gap, area.top()), area.bottomRight()),
                      QRect(area.topLeft(), QPoint(area.right(), keepClear.top() - gap)),
                      QRect(QPoint(area.left(), keepClear.bottom() + gap), area.bottomRight())});
    }
    std::optional<QRect> best;
    double bestFactor = 0.0;
    for (const QRect& candidate : rooms) {
        const QRect room = candidate.intersected(area);
        if (room.width() <= frameMargins.width() || room.height() <= frameMargins.height() ||
            !FitInto(room.size() - frameMargins)) {
            continue;
        }
        const double factor = WindowZoom::Of(this)->Factor();
        if (factor > bestFactor + 1e-6) {
            best = room;
            bestFactor = factor;
        }
    }
    // Keeping Go and the boxes in sight is worth a little of the zoom, never the class's
    // reading of the rows: where no room clear of them holds the view near the zoom asked for,
    // it takes the screen, at that zoom if it can, and covers as little of them as it may.
    constexpr double kClearShare = 0.85;
    bool covering = false;
    if (const double asked = WindowZoom::Of(this)->AskedFactor();
        bestFactor < kClearShare * asked - 1e-6) {
        FitInto(area.size() - frameMargins);
        if (WindowZoom::Of(this)->Factor() > bestFactor + 1e-6) {
            best = area;
            covering = true;
        }
    }
    // No room holds the view even at its smallest: it lies wholly on the screen, over the boxes
    // if it must.
    placedArea_ = best.value_or(area);
    FitInto(placedArea_.size() - frameMargins);
    layout()->activate();
    // The size the view already has was fitted to its wrapped text by the zoom; its hints
    // alone leave that text's extra lines out and would squeeze the chart.
    QSize size = sizeHint().expandedTo(minimumSize());
    if (testAttribute(Qt::WA_Resized)) {
        size = size.expandedTo(this->size());
    }
    size = (size + frameMargins).boundedTo(placedArea_.size());
    resize(size - frameMargins);
    QRect place = MovedInto(QRect(QPoint(placedArea_.left(), main.top()), size), placedArea_);
    if (covering || !best) {
        place = LeastCovering(placedArea_, size, keepClear);
    }
    move(place.topLeft());
}

void EvolutionView::Refresh() {
    if (!feed_.Take(shown_.reports, shown_, &points_, &bestPoints_)) {
        return;
    }
    ShowFigures();
    ShowLetters();
    if (shown_.offspringGeneration > 0) {
        offspring_->ShowOffspring(shown_.offspringGeneration, shown_.offspring,
                                  shown_.offspringParent);
    }
    chart_->SetCurves(points_, bestPoints_);
    blind_->Follow(shown_.stringsMade, kBlindSlice);
    UpdateStatus(false);
}

int EvolutionView::ChartPointCount() const {
    return chart_->PointCount();
}

int EvolutionView::BestPointCount() const {
    return chart_->BestPointCount();
}

bool EvolutionView::LogarithmicAxis() const {
    return chart_->Logarithmic();
}

bool EvolutionView::FinishRun(RunOutcome outcome, bool mayStayOpen) {
    Refresh();
    runGoing_ = false;
    controls_->ShowPaused(false);
    feed_.SetPaused(false);
    ShowEnding(outcome);
    if (outcome == RunOutcome::Matched || outcome == RunOutcome::Cancelled) {
        blind_->Finish(shown_.stringsMade, kBlindFinishSlice, kBlindFinish);
    }
    controls_->ShowRunEnded(outcome == RunOutcome::Matched);
    if (!mayStayOpen || !choices_.keepOpen) {
        deleteLater();
        return false;
    }
    // From here on the view is the user's: closing it ends it.
    setAttribute(Qt::WA_DeleteOnClose);
    choices_.keptView = this;
    show();
    raise();
    return true;
}

void EvolutionView::ShowEnding(RunOutcome outcome) {
    outcome_ = outcome;
    const QString generations = Grouped(shown_.generation);
    QString ending;
    QString line;
    switch (outcome) {
    case RunOutcome::Matched:
        ending = tr("Run finished.");
        if (ShowsPrefix()) {
            // The run ends when the last hit locks the target's last letter: what the next
            // offspring would copy is the whole target, as the log's final line shows.
            const bool lastDrewIt = shown_.lockedLetters < static_cast<std::size_t>(target_.size());
            letters_->ShowOffspring(target_, target_.size());
            line = lastDrewIt
                       ? tr("Offspring %1 of generation %2 drew the last hit: every letter of the "
                            "target is now locked.")
                             .arg(kOffspringPerGeneration)
                             .arg(generations)
                       : tr("Generation %1 drew the last hit: every letter of the target is now "
                            "locked.")
                             .arg(generations);
        } else {
            line = tr("The parent matched the target in generation %1.").arg(generations);
        }
        ShowRunPlace();
        break;
    case RunOutcome::Cancelled:
        ending = tr("Cancelled after %1 generation(s).", nullptr, PluralOf(shown_.generation))
                     .arg(Grouped(shown_.generation));
        line = ending;
        break;
    case RunOutcome::LogFailed:
        ending = tr("Run stopped: the log could not be written.");
        line = ending;
        break;
    case RunOutcome::InvalidInput:
        ending = tr("Run refused.");
        line = ending;
        break;
    }
    endingLabel_->setText(line);
    endingLabel_->show();
    UpdateStatus(true, ending);
    chart_->SetSummary(ChartSummaryText());
}

QString EvolutionView::EndingText() const {
    return endingLabel_->text();
}

void EvolutionView::ShowRunPlace() {
    const RunPlace place =
        PlaceOfRun(scheme_, static_cast<std::size_t>(target_.size()), shown_.generation);
    QString shareText = plot::InShownForms(QString::fromStdString(place.percent));
    if (place.kind == RunPlace::Kind::LessThanOne) {
        shareText = tr("less than 1%");
    } else if (place.kind == RunPlace::Kind::MoreThan99) {
        shareText = tr("more than 99%");
    }
    placeLabel_->setText(tr("This run took %1 generation(s); %2 of runs take at most that many.",
                            nullptr, PluralOf(shown_.generation))
                             .arg(Grouped(shown_.generation), shareText));
    placeLabel_->show();
}

QString EvolutionView::RunPlaceText() const {
    return placeLabel_->text();
}

QString EvolutionView::ChartSummaryText() const {
    const auto& curve = points_;
    if (curve.empty()) {
        return tr("No generation was finished.");
    }
    const auto first = static_cast<qlonglong>(std::llround(curve.front().matched));
    const auto last = static_cast<qlonglong>(std::llround(curve.back().matched));
    const int many = PluralOf(shown_.generation);
    const QString generations = Grouped(shown_.generation);
    if (ShowsPrefix()) {
        const auto best = bestPoints_.empty()
                              ? qlonglong{0}
                              : static_cast<qlonglong>(std::llround(bestPoints_.back().matched));
        return tr("The prefix each generation reached went from %1 to %2 letters of %3 in %4 "
                  "generation(s); the run's best rose to %5.",
                  nullptr, many)
            .arg(first)
            .arg(last)
            .arg(shown_.targetLength)
            .arg(generations)
            .arg(best);
    }
    if (last == first) {
        return tr("Letters right stayed at %1 of %2 for %3 generation(s).", nullptr, many)
            .arg(first)
            .arg(shown_.targetLength)
            .arg(generations);
    }
    return (last > first
                ? tr("Letters right rose from %1 to %2 of %3 in %4 generation(s).", nullptr, many)
                : tr("Letters right fell from %1 to %2 of %3 in %4 generation(s).", nullptr, many))
        .arg(first)
        .arg(last)
        .arg(shown_.targetLength)
        .arg(generations);
}

QString EvolutionView::ChartSummary() const {
    return chart_->Summary();
}

void EvolutionView::CancelClicked() {
    if (runGoing_) {
        // The button says what it does: no question.
        RequestCancel();
    } else {
        close();
    }
}

void EvolutionView::RequestCancel() {
    emit CancelRequested();
    // A paused or paced run waits for its turn: it is woken to see the cancel now.
    feed_.Wake();
}

void EvolutionView::TogglePause() {
    if (!runGoing_) {
        return;
    }
    const bool Paused = !controls_->Paused();
    feed_.SetPaused(Paused);
    controls_->ShowPaused(Paused);
    ShowOffspringPanel();
}

void EvolutionView::Step() {
    if (runGoing_ && controls_->Paused()) {
        feed_.Step();
    }
}

void EvolutionView::ChooseSpeed(double generationsPerSecond) {
    const bool slow = generationsPerSecond > 0.0;
    choices_.slowMotion = slow;
    if (slow) {
        choices_.slowMotionRate = generationsPerSecond;
        feed_.SetSlowMotionRate(generationsPerSecond);
    }
    feed_.SetSlowMotion(slow);
    ShowOffspringPanel();
}

void EvolutionView::ShowOffspringPanel() {
    // At full speed the generations fly by too fast to read their offspring, and the engine is
    // not asked for them.
    const bool shown = feed_.SlowMotion() || feed_.Paused();
    const bool changed = offspring_->isHidden() == shown;
    offspring_->setVisible(shown);
    headline_->setVisible(shown && !headline_->text().isEmpty());
    if (changed && keptOnScreen_) {
        FitOnItsScreen(true);
    }
}

int EvolutionView::RowsBesideWidth() const {
    const int spacing = std::max(middle_->horizontalSpacing(), 0);
    return chart_->minimumSizeHint().width() +
           std::max(controls_->PaceControls()->sizeHint().width(),
                    figuresLabel_->sizeHint().width()) +
           offspring_->minimumSizeHint().width() + 2 * spacing + 2 * OuterMargin();
}

void EvolutionView::ArrangeFor(QSize room) {
    const bool rowsShown = !offspring_->isHidden();
    const bool rowsBeside = !rowsShown || RowsBesideWidth() <= room.width();
    const int index = middle_->indexOf(offspring_);
    int row = 0;
    int column = 0;
    int rowSpan = 0;
    int columnSpan = 0;
    middle_->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    if (rowsBeside != (row == 0)) {
        middle_->removeWidget(offspring_);
        if (rowsBeside) {
            middle_->addWidget(offspring_, 0, 2);
        } else {
            middle_->addWidget(offspring_, 1, 0, 1, 2);
        }
    }
    // Where the rows and the chart cannot both have their height, the chart gives way while the
    // rows show; it comes back with full speed and at the end of the run.
    chart_->setVisible(true);
    Relayout();
    if (rowsShown && minimumSize().height() > room.height()) {
        chart_->setVisible(false);
        Relayout();
    }
}

void EvolutionView::Relayout() {
    // A font change reaches the layouts as posted requests; the sizes are wanted now.
    for (QLayout* each : findChildren<QLayout*>()) {
        each->invalidate();
    }
    setMinimumSize(0, 0);
    layout()->invalidate();
    layout()->activate();
    // Wrapped lines take more height in a narrower view: the least height is the one at the width
    // the view will have, as wide as it asks within its room, and follows its width from there.
    const QSize least = layout()->totalMinimumSize();
    const int width = std::max(least.width(), std::min(sizeHint().width(), room_.width()));
    setMinimumSize(least.width(),
                   std::max(least.height(), layout()->totalMinimumHeightForWidth(width)));
}

void EvolutionView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitting_ || layout() == nullptr || event->size().width() == event->oldSize().width()) {
        return;
    }
    const int least = std::max(layout()->totalMinimumSize().height(),
                               layout()->totalMinimumHeightForWidth(width()));
    if (least != minimumHeight()) {
        setMinimumHeight(least);
    }
}

int EvolutionView::OuterMargin() const {
    const QMargins margins = layout()->contentsMargins();
    return std::max(margins.left(), margins.right());
}

bool EvolutionView::FitInto(QSize room) {
    auto* zoom = WindowZoom::Of(this);
    if (zoom == nullptr || fitting_) {
        return true;
    }
    fitting_ = true;
    room_ = room;
    // The asked zoom first; below it in steps until the view's least size fits the room, down to
    // a size still legible on a projector's screen.
    constexpr double kStep = 0.9;
    constexpr double kLeastFactor = 0.5;
    zoom->SetMostFactor(zoom->AskedFactor());
    ArrangeFor(room);
    bool fits = false;
    while (true) {
        const QSize least = minimumSize();
        fits = least.width() <= room.width() && least.height() <= room.height();
        if (fits || zoom->Factor() * kStep < kLeastFactor) {
            break;
        }
        zoom->SetMostFactor(zoom->Factor() * kStep);
        ArrangeFor(room);
    }
    fitting_ = false;
    return fits;
}

void EvolutionView::FitOnItsScreen(bool keepPlace) {
    const std::optional<QRect> area = AvailableArea(*this);
    if (!area || isMaximized() || isFullScreen()) {
        return;
    }
    const QSize frame = ExpectedFrameSize(*this, parentWidget());
    QRect within = *area;
    if (keepPlace && placedArea_.isValid()) {
        within = placedArea_.intersected(*area);
    } else {
        placedArea_ = QRect();
    }
    const QSize room = within.size() - frame;
    FitInto(room);
    const QSize least = minimumSize();
    QSize wanted = size().expandedTo(least);
    wanted.setHeight(std::max(wanted.height(), layout()->totalHeightForWidth(wanted.width())));
    wanted = wanted.boundedTo(room);
    if (wanted != size()) {
        resize(wanted);
    }
    if (isVisible()) {
        const QRect place = MovedInto(frameGeometry(), within);
        if (place.topLeft() != frameGeometry().topLeft()) {
            move(place.topLeft());
        }
        FitFrameOnScreen(*this);
    }
}

void EvolutionView::keyPressEvent(QKeyEvent* event) {
    // Escape closes the view as a dialog's would, asking first while the run goes on.
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (runGoing_) {
        AskToCancel();
    } else {
        close();
    }
}

void EvolutionView::closeEvent(QCloseEvent* event) {
    if (runGoing_ && event->spontaneous()) {
        // The user closed the window: the run goes on unless they say otherwise.
        event->ignore();
        AskToCancel();
        return;
    }
    // After the run; or the program is ending, its quit closes every window, and the run is
    // being cancelled already, so asking would stop the quit.
    QWidget::closeEvent(event);
}

void EvolutionView::AskToCancel() {
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
            RequestCancel();
        }
    });
    question->open();
}

double EvolutionView::GenerationRate() {
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

void EvolutionView::ShowFigures() {
    const double rate = shown_.reports > 0 ? GenerationRate() : 0.0;
    const auto count = [](auto value) { return Grouped(static_cast<std::int64_t>(value)); };
    const std::size_t matched = ShowsPrefix() ? shown_.generationReached : shown_.matchedLetters;
    QStringList lines;
    lines << tr("Generation: %1").arg(count(shown_.generation))
          << tr("Strings made: %1").arg(count(shown_.stringsMade))
          << tr("Letters matched: %1 of %2").arg(count(matched), count(shown_.targetLength));
    if (ShowsPrefix()) {
        lines << tr("Best of the run: %1 of %2")
                     .arg(count(shown_.matchedLetters), count(shown_.targetLength));
    }
    lines << tr("Generations per second: %1").arg(plot::FixedText(rate, rate < 100.0 ? 1 : 0))
          << tr("Elapsed seconds: %1").arg(plot::FixedText(shown_.elapsedSeconds, 1));
    if (shown_.pausedSeconds > 0.0) {
        // Slow motion holds the run back; the result boxes get the computing time alone.
        lines << tr("Computing seconds: %1")
                     .arg(plot::FixedText(
                         std::max(0.0, shown_.elapsedSeconds - shown_.pausedSeconds), 1));
    }
    lines << tr("Log file size: %1").arg(DescribeBytes(static_cast<double>(shown_.logBytes)));
    figuresLabel_->setText(lines.join(QLatin1Char('\n')));
}

QString EvolutionView::LabelText() const {
    return figuresLabel_->text();
}

void EvolutionView::ShowLetters() {
    if (ShowsPrefix()) {
        letters_->ShowOffspring(QString::fromLatin1(shown_.lastOffspring),
                                static_cast<qsizetype>(shown_.lockedLetters));
    } else {
        letters_->ShowParent(QString::fromLatin1(shown_.currentString));
    }
}

qsizetype EvolutionView::MarkedLetterCount() const {
    return letters_->MarkedLetterCount();
}

void EvolutionView::UpdateStatus(bool force, const QString& prefix) {
    if (shown_.reports == 0 && !force) {
        return;
    }
    if (!force && sinceStatus_.isValid() && sinceStatus_.elapsed() < statusInterval_.count()) {
        if (!statusDue_->isActive()) {
            statusDue_->start(static_cast<int>(
                std::max<qint64>(0, statusInterval_.count() - sinceStatus_.elapsed())));
        }
        return;
    }
    statusDue_->stop();
    QString text = ShowsPrefix() ? tr("Generation %1: %2 of %3 letters matched, the run's best %4")
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

QString EvolutionView::SavedChartTitle() const {
    // A single run of the window has no seed of its own; its first string says where it began.
    return tr("Letters right by generation for \"%1\": %2, 1 run from \"%3\"")
        .arg(target_, plot::SchemeCaptionText(scheme_), firstString_);
}

bool EvolutionView::SaveChart(const QString& path) {
    return chart_->Save(path, SavedChartTitle()).isEmpty();
}

RepeatWindow* EvolutionView::OpenRepeat() {
    const QScreen* shownOn = screen();
    const QWidget* main = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
    // Beside this view, where it covers neither the view nor the main window; the main window's
    // result boxes and Go stay in sight.
    // A dialog of the main window, as the view is, so that a full-screen main window does not
    // stack over it.
    auto* repeat =
        new RepeatWindow(target_, parentWidget(), Qt::Dialog | Qt::WindowMinMaxButtonsHint);
    const QSize frameMargins = frameGeometry().size() - geometry().size();
    const QSize size = repeat->sizeHint().expandedTo(repeat->minimumSizeHint()) + frameMargins;
    if (shownOn != nullptr) {
        const QRect area = shownOn->availableGeometry();
        const QRect view = frameGeometry();
        const QRect beside = main != nullptr ? main->frameGeometry() : view;
        const int gap = kPlacementGap;
        const QRect candidates[] = {
            QRect(QPoint(view.right() + gap, view.top()), size),
            QRect(QPoint(view.left() - gap - size.width(), view.top()), size),
            QRect(QPoint(beside.left() - gap - size.width(), beside.top()), size),
            QRect(QPoint(view.left(), view.bottom() + gap), size),
            QRect(QPoint(view.left(), view.top() - gap - size.height()), size),
            QRect(QPoint(beside.left(), beside.bottom() + gap), size),
            QRect(QPoint(beside.left(), beside.top() - gap - size.height()), size),
        };
        for (const QRect& candidate : candidates) {
            const QRect place = MovedInto(candidate, area);
            if (area.contains(place) && !place.intersects(view) &&
                (main == nullptr || !place.intersects(main->frameGeometry()))) {
                repeat->move(place.topLeft());
                repeat->show();
                return repeat;
            }
        }
    }
    // No room for a third window: the Repeat window opens as a second page of this view, with
    // a way back to the run's page.
    auto* page = new QWidget(pages_);
    page->setObjectName(QStringLiteral("repeatPage"));
    auto* back = new QPushButton(tr("Back to the run"), page);
    backToRun_ = back;
    back->setObjectName(QStringLiteral("backToRunButton"));
    back->setAutoDefault(false);
    back->setAccessibleDescription(tr("Shows the run's letters and chart again"));
    repeat->setParent(page);
    repeat->setWindowFlags(Qt::Widget);
    // Inside this view its zoom keys would answer the view's own, and neither would act: the
    // view's zoom takes the page along.
    const QKeySequence zoomKeys[] = {
        QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus),
        QKeySequence(Qt::CTRL | Qt::Key_Minus), QKeySequence(Qt::CTRL | Qt::Key_0)};
    for (QShortcut* shortcut : repeat->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
        if (std::find(std::begin(zoomKeys), std::end(zoomKeys), shortcut->key()) !=
            std::end(zoomKeys)) {
            shortcut->setEnabled(false);
        }
    }
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* top = new QHBoxLayout;
    top->addWidget(back);
    top->addStretch(1);
    layout->addLayout(top);
    layout->addWidget(repeat, 1);
    pages_->addWidget(page);
    pages_->setCurrentWidget(page);
    repeat->show();
    // Back closes the Repeat window as its own Close would; once it has gone, so does its page.
    connect(back, &QPushButton::clicked, repeat, &QWidget::close);
    // The run's page comes back at the size and place it had: the Repeat page's room goes with
    // it, so that the view uncovers what it had left in sight (the result boxes, say).
    const QRect runPlace = geometry();
    connect(repeat, &QObject::destroyed, this, [this, page, runPlace] {
        pages_->setCurrentIndex(0);
        pages_->removeWidget(page);
        page->deleteLater();
        Relayout();
        setGeometry(QRect(runPlace.topLeft(), runPlace.size().expandedTo(minimumSize())));
    });
    embeddedRepeat_ = repeat;
    return repeat;
}

QString EvolutionView::SaveData(const QString& path) const {
    const QByteArray text = QByteArray::fromStdString(GenerationRowsCsv(scheme_, feed_.Rows()));
    return plot::SaveWholeFile(path, text);
}

void EvolutionView::SaveDataClicked() {
    const QString suggested =
        QDir(plot::DefaultChartFolder())
            .filePath(plot::DescriptiveChartName(
                target_, QStringLiteral("generations-scheme-%1").arg(static_cast<int>(scheme_) + 1),
                QStringLiteral("csv")));
    OpenSaveDialog(*this, tr("Save data"), suggested, {{tr("CSV files"), QStringLiteral("csv")}},
                   [this](const QString& path) {
                       if (const QString problem = SaveData(path); !problem.isEmpty()) {
                           ShowWindowMessage(
                               this, QMessageBox::Warning,
                               tr("The data could not be written to %1:\n%2\n\nThe view keeps "
                                  "it; choose another place and save again.")
                                   .arg(QDir::toNativeSeparators(path), problem),
                               "saveDataProblem");
                       }
                   });
}

void EvolutionView::SaveChartClicked() {
    const QString suggested =
        QDir(plot::DefaultChartFolder())
            .filePath(plot::DescriptiveChartName(target_,
                                                 QStringLiteral("letters-by-generation-scheme-%1")
                                                     .arg(static_cast<int>(scheme_) + 1),
                                                 QStringLiteral("png")));
    OpenSaveDialog(*this, tr("Save chart"), suggested, ChartTypes(), [this](const QString& path) {
        if (const QString problem = chart_->Save(path, SavedChartTitle()); !problem.isEmpty()) {
            ShowWindowMessage(this, QMessageBox::Warning,
                              tr("The chart could not be written to %1:\n%2")
                                  .arg(QDir::toNativeSeparators(path), problem),
                              "saveChartProblem");
        }
    });
}

} // namespace quarrow
