#pragma once

#include "analysis/distribution_data.h"
#include "analysis/experiments.h"
#include "plot/distribution_chart.h"
#include "ui/common/task_runner.h"

#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QTableWidget;

namespace quarrow {

/// Shows the chart of many runs (see plot/distribution_chart.h), named for screen readers. It
/// draws in its own font, which follows the window's zoom, at the size its layout gives it.
class DistributionChartWidget : public QWidget {
    Q_OBJECT

public:
    explicit DistributionChartWidget(QWidget* parent = nullptr);
    void SetData(const analysis::DistributionData& runsData);
    const analysis::DistributionData& ChartData() const { return data_; }
    /// The face the chart is drawn in: the widget's font, in pixels.
    QFont Face() const;
    /// The texts of the last drawing and where they went.
    const std::vector<plot::DrawnText>& DrawnTexts() const { return drawn_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    /// The least height at `width`: see plot::DistributionChartHeightForWidth.
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    analysis::DistributionData data_;
    std::vector<plot::DrawnText> drawn_;
};

/// Where a window of `frameSize` goes on `screen`: beside `view` (right, left, below, above,
/// in that order) and clear of every rectangle in `keepClear`; the first place that needs no
/// overlap, or nothing when the screen has no such room.
std::optional<QRect> PlaceClearOf(const QSize& frameSize, const QRect& view,
                                  const std::vector<QRect>& keepClear, const QRect& screen);

/// "Repeat...": runs the target N times with each chosen scheme, from fresh first strings as
/// the "Step Four" page makes them, on every core, through the lab's batch code, so the figures
/// equal the lab's for the same seed. The page's boxes and the generation log are untouched.
///
/// A window of its own by default, with its own zoom that follows the main window's; made with
/// `Qt::Widget` it is a page that its host lays out and zooms.
class RepeatWindow : public QWidget {
    Q_OBJECT

public:
    /// Runs a batch: the lab's batch code unless a test puts another in.
    using BatchRunner = std::function<analysis::EvolveBatchResult(
        const analysis::EvolveBatch&, const analysis::BatchControl&, std::atomic<std::int64_t>*)>;

    RepeatWindow(const QString& target, QWidget* parent = nullptr,
                 Qt::WindowFlags flags = Qt::Window);
    ~RepeatWindow() override;

    /// Runs later batches with `runner` instead of the lab's batch code.
    void SetBatchRunner(BatchRunner runner) { runner_ = std::move(runner); }

    /// Whether a batch is running or its results are still to be shown.
    bool Running() const { return busy_; }
    /// The runs of the last batch, finished or cancelled, as the chart shows them.
    const analysis::DistributionData& Shown() const { return chart_->ChartData(); }
    /// Writes the chart as a PNG (2x) or an SVG; the reason it could not, or an empty text.
    QString SaveChart(const QString& path);
    /// Writes the chart as "Save chart..." does, saying in a message why it could not.
    bool SaveChartOrSay(const QString& path);
    /// The file name "Save chart..." offers: what the chart shows, its seed and its runs.
    QString SuggestedChartName() const;

    /// Writes the runs the chart shows as CSV: a row per finished run, then a blank line and a
    /// summary of each scheme. The reason it could not, or an empty text.
    QString SaveData(const QString& path) const;
    /// Writes the data as "Save data..." does, saying in a message why it could not.
    bool SaveDataOrSay(const QString& path);

    bool hasHeightForWidth() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    /// Measures how fast the engine draws, for the estimate; the inputs wait for it.
    void MeasureSpeed();
    void StartBatch();
    void CancelBatch();
    void SaveChartAs();
    void SaveDataAs();
    /// The file name the save dialogs offer, with `extension`.
    QString SuggestedName(const QString& extension) const;
    /// Reads the guess box into `guess`: none when it is empty. Says what is wrong and returns
    /// false when it holds anything but a whole number, leaving the text for the user to mend.
    bool ReadGuess(std::optional<std::int64_t>& guess);
    void UpdateEstimate();
    /// Seconds scheme 3's runs would take on every core, by the closed form and the measured rate.
    double SequentialSeconds() const;
    void ShowProgress();
    void ShowResults(const TaskEnd<analysis::EvolveBatchResult>& end);
    /// Says that the batch failed, leaving the last good results in place.
    void ShowFailure(const QString& failure);
    /// Fills the table with a row per scheme and returns the runs that finished.
    void FillTable(const analysis::DistributionData& runsData);
    /// The table's accessible description for the batch shown.
    void DescribeTable(const analysis::DistributionData& runsData);
    /// The captions, names and headings in the program's language.
    void ShowTexts();
    /// ShowTexts, and the estimate, the chart and the table written again in the new language.
    void ShowTextsAgain();
    /// Grows the window to show the chart and the table whole, as far as its screen allows.
    void GrowToResults();
    void FitTable();
    void FitChartArea();
    /// Lays the form out a row for each of its fields or, `compact`, in three rows.
    void ArrangeForm(bool compact);
    /// The height the screen leaves the chart's area beside the rest of the window at its least.
    int RoomForChart() const;
    /// The least height of this window at its width.
    int LeastHeight() const;
    /// The height the window this is a page of takes around it; none when this is a window.
    int Around() const;
    /// Whether the compact form's first row fits the width the screen leaves this window.
    bool CompactFormFits() const;
    /// The width the screen leaves what this window lays out: its form's rows, say.
    int ContentsWidthRoom() const;
    /// Has the window this is shown in take the least size its layout needs, `widerBy` wider.
    void FitShownIn(int widerBy);
    /// Enables the inputs when no batch runs, and disables them while one does.
    void SetInputsEnabled(bool enabled);

    QString target_;
    QSpinBox* runsBox_;
    QSpinBox* seedBox_;
    QLineEdit* guessBox_;
    std::array<QCheckBox*, kSchemeTable.size()> schemeChecks_{};
    QLabel* estimateLabel_;
    QLabel* statusLabel_;
    QLabel* tableCaption_;
    QProgressBar* progress_;
    QPushButton* startButton_;
    QPushButton* cancelButton_;
    QPushButton* saveButton_;
    QPushButton* saveDataButton_;
    DistributionChartWidget* chart_;
    QScrollArea* chartArea_ = nullptr;
    QTableWidget* table_;
    /// The form's labels and their fields, in the order of its rows when it is not compact.
    QGridLayout* form_ = nullptr;
    std::vector<std::pair<QLabel*, QWidget*>> formFields_;
    // The speed has been measured, and the estimate can be given.
    bool measured_ = false;
    bool compactForm_ = false;
    /// Whether the chart's area is to be fitted again once the window has taken its new width.
    bool fitDue_ = false;

    /// Symbols the engine draws a second on one core, measured once.
    double symbolsPerSecond_ = 0.0;

    /// The batch running or last run: its runs, seed and schemes as they were at Start.
    analysis::EvolveBatch batch_;
    /// The guess as it was at Start, for the results of that batch.
    std::optional<std::int64_t> guess_;
    /// The batch the chart shows and its records, one list per scheme, for "Save data...".
    analysis::EvolveBatch shownBatch_;
    std::vector<std::vector<analysis::EvolveRecord>> shownRecords_;
    BatchRunner runner_;
    std::atomic<std::int64_t> runsDone_{0};
    std::int64_t runsAsked_ = 0;
    bool busy_ = false;
    // Runs the measurement and the batches; declared last, so that a batch still going stops
    // before anything it uses goes.
    TaskRunner run_;
};

} // namespace quarrow
