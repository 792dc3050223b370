#pragma once

#include "ui/evolution_feed.h"

#include <QString>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <vector>

class QChart;
class QChartView;
class QLineSeries;
class QLogValueAxis;
class QValueAxis;

namespace quarrow {

/// The curve of a run in the live view: letters right (or, for the sequential scheme, the prefix
/// each generation reached and the run's best) by generation.
///
/// What it draws comes from the data alone: the letters axis runs to the target's length and the
/// generation axis to the last point, turning logarithmic past `kLogAxisFromGeneration`. How it
/// is laid out comes from its size and its font alone: the font is the window's, so the chart
/// reads at the window's zoom, and the number of grid lines the letters axis can label follows
/// from the height the layout gives it. Neither is ever worked out from the other.
class FitnessChart final : public QWidget {
    Q_OBJECT

public:
    /// Generations after which the generation axis turns logarithmic.
    static constexpr std::int64_t kLogAxisFromGeneration = 1000;

    FitnessChart(bool sequential, std::size_t targetLength, QWidget* parent = nullptr);
    ~FitnessChart() override;

    /// Shows the curve and, for the sequential scheme, the run's best.
    void SetCurves(const std::vector<FitnessPoint>& points,
                   const std::vector<FitnessPoint>& bestPoints);

    int PointCount() const;
    int BestPointCount() const;
    bool Logarithmic() const { return logAxis_; }

    /// What the chart shows in words, for a screen reader; set when a run ends.
    void SetSummary(const QString& summary);
    QString Summary() const;

    /// Writes the chart as on the screen, under `title`, as a PNG at twice its size or an SVG by
    /// the ending; returns why it could not, or an empty text.
    QString Save(const QString& path, const QString& title) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

    void ApplyFonts();
    void UseLogarithmicAxis();
    void FitLetterLines();
    int LineHeight() const;

    bool sequential_;
    std::size_t targetLength_;
    QChart* chart_;
    QChartView* view_;
    QLineSeries* series_;
    QLineSeries* bestSeries_ = nullptr;
    QString lettersTitle_;
    QValueAxis* lettersAxis_;
    QValueAxis* linearAxis_;
    QLogValueAxis* logGenerationAxis_;
    bool logAxis_ = false;
};

} // namespace quarrow
