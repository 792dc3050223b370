#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include "engine/selection.h"
#include "ui/evolution_feed.h"
#include "ui/run_progress_dialog.h"

class QCheckBox;
class QLabel;
class QPushButton;

class QChart;
class QChartView;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace quarrow {

/// The letters of `current` as rich text, each letter equal to `target`'s letter at its place
/// bold, underlined and coloured, so that a match shows without relying on colour alone.
QString MarkedLetters(const QString& current, const QString& target);

/// The live view of a "Step Four" run: the target over the current parent (or best string)
/// with its right letters marked, the curve of letters right by generation, the run's figures,
/// "Slow motion", Cancel, and after the run the finished chart, which "Save chart..." writes
/// as a PNG (at twice its size) or an SVG.
///
/// It is the run's progress dialog grown up: the dialog's figures and its Cancel stay (so
/// whatever drives a `RunProgressDialog` drives this too), laid out with the letters, the chart
/// and the view's own controls; the dialog's bar and plain string give way to those. After a
/// finished run "Repeat..." opens a `RepeatWindow` on the same target.
///
/// Use it in place of the progress dialog with ui/background_run.h:
///
///     auto* view = new EvolutionView(target, scheme, viewChoices_, this);
///     run_.exec([&](const std::atomic<bool>& cancel) {
///                   RunEnvironment environment{...};
///                   result = RunScheme(..., view->feed().Attach(environment)); },
///               [view] { view->refresh(); }, view);
///     view->finishRun(result.outcome);
///
/// `finishRun` keeps the view open on the finished chart when "Keep this window open after the
/// run" is ticked and deletes it later otherwise. That box and "Slow motion" keep their state
/// from one view to the next while the program runs; the view starts out kept open.
class EvolutionView;

/// The view's choices that outlive one run: "Keep this window open after the run" and "Slow
/// motion" as the user last left them, and the finished view still open. The window holds one
/// for as long as the program runs. The view starts out kept open: a short run ends long before
/// any view would show, and the finished view is where a learner first meets the curve.
struct ViewChoices {
    bool keepOpen = true;
    bool slowMotion = false;
    QPointer<EvolutionView> keptView;
};

class EvolutionView : public RunProgressDialog {
    Q_OBJECT

public:
    /// Generations after which the generation axis turns logarithmic.
    static constexpr std::int64_t kLogAxisFromGeneration = 1000;

    /// A view of a run towards `target`; it reads and keeps its choices in `choices`, which
    /// must outlive it, and closes the finished view kept open there.
    EvolutionView(const QString& target, Scheme scheme, ViewChoices& choices,
                  QWidget* parent = nullptr);
    ~EvolutionView() override;

    /// The worker-side half; attach it to the run's environment.
    EvolutionFeed& feed() { return feed_; }

    /// Shows what the run has reached; call on the UI thread, as often as the run is refreshed.
    void refresh();
    /// Shows the end of the run; keeps the view open when asked to, else deletes it later.
    /// Returns whether it stays open.
    bool finishRun(RunOutcome outcome);

    /// Writes the chart, titled, as a PNG at 2x or an SVG by the ending; false if it cannot.
    bool saveChart(const QString& path);

    /// The short status a screen reader hears, also the dialog's accessible description.
    QString statusText() const { return statusText_; }
    /// The least time between two changes of the status text.
    void setStatusInterval(std::chrono::milliseconds interval) { statusInterval_ = interval; }

    /// Points the chart holds.
    int chartPointCount() const;
    /// Whether the generation axis is logarithmic.
    bool logarithmicAxis() const { return logAxis_; }
    /// The snapshot shown last.
    const EvolutionSnapshot& shown() const { return shown_; }

private:
    void buildChart();
    void showFigures();
    void showLetters();
    void showCurve();
    void useLogarithmicAxis();
    void setLettersRange(std::size_t letters);
    void updateStatus(bool force, const QString& prefix = {});
    void saveChartClicked();
    double generationRate();

    QString target_;
    Scheme scheme_;
    ViewChoices& choices_;
    EvolutionFeed feed_;
    EvolutionSnapshot shown_;
    std::vector<FitnessPoint> points_;

    QLabel* targetLabel_;
    QLabel* currentLabel_;
    QCheckBox* slowMotionCheck_;
    QCheckBox* keepOpenCheck_;
    QPushButton* saveButton_;
    QPushButton* repeatButton_;
    QPushButton* cancelButton_;

    QChart* chart_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLineSeries* series_ = nullptr;
    QValueAxis* lettersAxis_ = nullptr;
    QValueAxis* linearAxis_ = nullptr;
    QLogValueAxis* logGenerationAxis_ = nullptr;
    bool logAxis_ = false;

    // Recent (elapsed seconds, generation) readings for the generations-per-second figure.
    std::deque<std::pair<double, std::int64_t>> rateWindow_;

    QString statusText_;
    std::chrono::milliseconds statusInterval_{2000};
    QElapsedTimer sinceStatus_;
};

} // namespace quarrow
