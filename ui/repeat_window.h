#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include <QDialog>
#include <QFutureWatcher>
#include <QString>
#include <QWidget>

#include "lab/experiments.h"
#include "plot/distribution_data.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace quarrow {

/// Shows the chart of many runs (see plot/distribution_chart.h), named for screen readers.
class DistributionChartWidget : public QWidget {
    Q_OBJECT

public:
    explicit DistributionChartWidget(QWidget* parent = nullptr);
    void setData(const plot::DistributionData& runsData);
    const plot::DistributionData& chartData() const { return data_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    plot::DistributionData data_;
};

/// "Repeat...": runs the target N times with each chosen scheme, from fresh first strings as
/// the "Step Four" page makes them, on every core, through the lab's batch code, so the figures
/// equal the lab's for the same seed. The page's boxes and the generation log are untouched.
class RepeatWindow : public QDialog {
    Q_OBJECT

public:
    RepeatWindow(const QString& target, QWidget* parent = nullptr);
    ~RepeatWindow() override;

    /// Whether a batch is running or its results are still to be shown.
    bool running() const { return busy_; }
    /// The runs of the last batch, finished or cancelled, as the chart shows them.
    const plot::DistributionData& shown() const { return chart_->chartData(); }
    /// Writes the chart as a PNG (2x) or an SVG; the reason it could not, or an empty text.
    QString saveChart(const QString& path);

private:
    void Start_Click();
    void Cancel_Click();
    void SaveChart_Click();
    void updateEstimate();
    /// Seconds scheme 3's runs would take on every core, by the closed form and the measured rate.
    double sequentialSeconds() const;
    void showProgress();
    void showResults();
    void fitTableHeight();

    QString target_;
    QSpinBox* runsBox_;
    QSpinBox* seedBox_;
    QCheckBox* schemeChecks_[3];
    QLabel* estimateLabel_;
    QProgressBar* progress_;
    QPushButton* startButton_;
    QPushButton* cancelButton_;
    QPushButton* saveButton_;
    DistributionChartWidget* chart_;
    QTableWidget* table_;
    QTimer* poll_;

    /// Symbols the engine draws a second on one core, measured once.
    double symbolsPerSecond_ = 0.0;

    lab::EvolveBatch batch_;
    std::atomic<bool> stop_{false};
    std::atomic<std::int64_t> runsDone_{0};
    std::int64_t runsAsked_ = 0;
    bool busy_ = false;
    lab::EvolveBatchResult result_;
    QFutureWatcher<void> watcher_;
};

} // namespace quarrow
