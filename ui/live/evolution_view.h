#pragma once

#include "analysis/evolution_feed.h"
#include "engine/run_cost.h"
#include "engine/selection.h"
#include "ui/live/letters_panel.h"
#include "ui/live/view_choices.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QCloseEvent;
class QGridLayout;
class QPushButton;
class QHBoxLayout;
class QKeyEvent;
class QResizeEvent;
class QLabel;
class QRect;
class QStackedWidget;
class QTimer;

namespace quarrow {

class BlindSearchLane;
class EvolutionView;
class FitnessChart;
class OffspringPanel;
class ViewControls;
class RepeatWindow;

/// The live view of a "Step Four" run, a window of its own beside the main window, which stays
/// usable while the run goes on.
///
/// The view lays out widgets of its own: the letters (`LettersPanel`), the curve
/// (`FitnessChart`), the run's figures, and the controls (`ViewControls`). Schemes 1 and 2 show
/// the target over the current parent with its right letters marked and the curve of letters
/// right by generation. Scheme 3 shows its own state: the generation's last offspring, its
/// locked prefix and the hits of its random tail marked, the string the tail is scored against,
/// the curve of the prefix each generation reached (it starts again every generation) and, as a
/// line of its own, the run's best. Pause (Space) holds the run and Step (Right arrow) lets it
/// make one generation at a time; slower than full speed or paused, an `OffspringPanel` shows the
/// offspring of the generation shown. After a run that found the target, "Repeat..." opens a
/// `RepeatWindow` on the same target: beside the view where the screen has room, otherwise as a
/// second page of the view.
///
/// Hand it to ui/task_runner.h as the run's dialog, beside the window rather than blocking it:
///
///     auto* view = new EvolutionView(target, firstString, scheme, viewChoices_, this);
///     connect(view, &EvolutionView::CancelRequested, &run_, [this] { run_.Stop(); });
///     run_.Start<RunResult>(
///         [=](const TaskRunner::Cancel& cancel) { return RunScheme(..., view->Feed().Attach(
///                                                     RunEnvironment{..., cancel})); },
///         [=](const TaskEnd<RunResult>& end) { view->FinishRun(end.result->outcome, true); },
///         TaskWatch{.progress = [view] { view->Refresh(); }, .dialog = view,
///                   .dialogBlocksWindow = false});
///
/// The view alone decides when it is deleted: `FinishRun` keeps it open on the finished chart
/// when asked and allowed, and deletes it later otherwise; a finished view is deleted when it is
/// closed. While the run goes on, Cancel emits `CancelRequested`; closing the view or Escape
/// asks first.
class EvolutionView final : public QWidget {
    Q_OBJECT

public:
    /// Generations after which the generation axis turns logarithmic.
    static constexpr std::int64_t kLogAxisFromGeneration = 1000;

    /// A view of a run from the page's `target` and `firstString`; it reads and keeps its
    /// choices in `choices`, which must outlive it, and closes the finished view kept open there.
    EvolutionView(const QString& target, const QString& firstString, Scheme scheme,
                  ViewChoices& choices, QWidget* parent = nullptr);
    ~EvolutionView() override;

    /// The worker-side half; attach it to the run's environment.
    EvolutionFeed& Feed() { return feed_; }

    /// Shows the generations a second measured before the run, for the expected time.
    void SetMeasuredRate(double generationsPerSecond);

    /// Moves the view beside `window` where the screen has room, and otherwise where it covers
    /// none of `keepClear` (in global coordinates), shrinking it if it must.
    void PlaceBeside(const QWidget& window, const QRect& keepClear);
    /// As above, with what to keep clear asked again each time the view is placed: when the
    /// zoom changes, the view is placed again by the same rule around the window's new layout.
    void PlaceBeside(QWidget& window, std::function<QRect()> keepClear);

    /// Shows what the run has reached; call on the UI thread, as often as the run is refreshed.
    void Refresh();
    /// Shows the end of the run; stays open on the finished chart when `mayStayOpen` and the
    /// user asked for it, else deletes itself later. Returns whether it stays open.
    bool FinishRun(RunOutcome outcome, bool mayStayOpen = true);
    /// Whether the run it watches is still going on.
    bool RunGoing() const { return runGoing_; }

    /// Writes the chart, titled, as a PNG at 2x or an SVG by the ending; false if it cannot.
    bool SaveChart(const QString& path);
    /// Writes a CSV row for each generation the feed holds (generation, letters right, strings),
    /// beside the file and renamed over it once complete; the reason when it cannot, else empty.
    QString SaveData(const QString& path) const;
    /// The title a saved chart carries: the phrase, the scheme, the run and its first string.
    QString SavedChartTitle() const;

    /// The lines of figures.
    QString LabelText() const;
    /// The expected cost shown: for a sequential run from its closed form, for the others from
    /// their exact law.
    QString ExpectationText() const;
    /// The line that says how the run ended; empty while it goes on.
    QString EndingText() const;
    /// Where a run that found the target falls among all runs, from the exact law; empty until
    /// then.
    QString RunPlaceText() const;
    /// Letters marked in the shown string.
    qsizetype MarkedLetterCount() const;

    /// The short status a screen reader hears, also the view's accessible description.
    QString StatusText() const { return statusText_; }
    /// The least time between two changes of the status text.
    void SetStatusInterval(std::chrono::milliseconds interval) { statusInterval_ = interval; }
    /// The chart's summary in words, set when the run ends.
    QString ChartSummary() const;

    /// Points the curve holds, and those of the run's best (sequential only).
    int ChartPointCount() const;
    int BestPointCount() const;
    /// Whether the generation axis is logarithmic.
    bool LogarithmicAxis() const;
    /// The snapshot shown last.
    const EvolutionSnapshot& Shown() const { return shown_; }
    /// The width the chart, the figures and the offspring rows need side by side, as the view
    /// is now; where its room is narrower the rows go under the chart.
    int RowsBesideWidth() const;

    /// Opens the Repeat window on the view's target, as `Repeat...` does; returns it.
    RepeatWindow* OpenRepeat();

    /// Pause and Resume, as the button and Space do.
    void TogglePause();
    /// One generation while paused, as Step and the Right arrow do.
    void Step();

signals:
    /// The user asked to stop the run.
    void CancelRequested();

private:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    /// The first time the view shows, it is kept wholly on its screen.
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    /// Shows every text again in the program's language; the parts show their own.
    void changeEvent(QEvent* event) override;

    void ShowTitle();
    void ShowFigures();
    void ShowExpectation();
    void ShowLetters();
    void ShowEnding(RunOutcome outcome);
    void ShowRunPlace();
    QString ChartSummaryText() const;
    void UpdateStatus(bool force, const QString& prefix = {});
    void SaveChartClicked();
    void SaveDataClicked();
    void CancelClicked();
    void AskToCancel();
    void RequestCancel();
    void ChooseSpeed(double generationsPerSecond);
    void ShowOffspringPanel();
    /// Lays the rows beside the chart or under it, and hides the chart while the rows show, as
    /// `room` allows.
    void ArrangeFor(QSize room);
    /// Shows the view at the zoom asked for, or as far below it as it must be for its least size
    /// to fit `room`; whether it fits.
    bool FitInto(QSize room);
    /// `FitInto` the available area of its screen, or where `keepPlace` the part of it the view
    /// was placed in, then resized and moved to lie wholly in it.
    void FitOnItsScreen(bool keepPlace);
    /// Places the view again beside the window it was placed beside, after a zoom change.
    void PlaceAgain();
    bool eventFilter(QObject* watched, QEvent* event) override;
    int OuterMargin() const;
    void Relayout();
    double GenerationRate();
    bool ShowsPrefix() const { return RowOf(scheme_).presenter == LivePresenter::Prefix; }

    QString target_;
    QString firstString_;
    Scheme scheme_;
    ViewChoices& choices_;
    EvolutionFeed feed_;
    EvolutionSnapshot shown_;
    std::vector<FitnessPoint> points_;
    std::vector<FitnessPoint> bestPoints_;
    bool runGoing_ = true;
    bool keptOnScreen_ = false;
    bool fitting_ = false;
    /// The part of the screen `PlaceBeside` found for the view, clear of the main window's boxes
    /// where it could be; invalid once the view is fitted to the whole screen.
    QRect placedArea_;
    /// The window the view was placed beside, and what of it the view keeps clear of.
    QPointer<QWidget> placedBeside_;
    std::function<QRect()> keepClear_;
    /// Since the last zoom change: the main window's resizes soon after it are the zoom's.
    QElapsedTimer sinceZoom_;
    /// The room the view was last fitted into.
    QSize room_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    std::optional<SequentialExpectation> expectation_;
    // How the run ended, once it has.
    std::optional<RunOutcome> outcome_;
    // The way back from the Repeat page, once the view has one.
    QPointer<QPushButton> backToRun_;
    std::optional<double> measuredRate_;

    QStackedWidget* pages_;
    /// The scheme's rule, over everything else while the offspring rows show.
    QLabel* headline_;
    QPointer<RepeatWindow> embeddedRepeat_;
    LettersPanel* letters_;
    FitnessChart* chart_;
    OffspringPanel* offspring_;
    QGridLayout* middle_ = nullptr;
    BlindSearchLane* blind_;
    QLabel* figuresLabel_;
    QLabel* endingLabel_;
    QLabel* placeLabel_;
    QLabel* expectationLabel_;
    ViewControls* controls_;

    // Recent (elapsed seconds, generation) readings for the generations-per-second figure.
    std::deque<std::pair<double, std::int64_t>> rateWindow_;

    QString statusText_;
    std::chrono::milliseconds statusInterval_{2000};
    QElapsedTimer sinceStatus_;
    /// Runs `PlaceAgain` once the main window has taken its size at a new zoom.
    QTimer* placeAgainDue_;
    // A change held back by the interval is spoken once it has passed, even when the run has
    // stopped changing by then (paused, or between slow generations).
    QTimer* statusDue_;
};

} // namespace quarrow
