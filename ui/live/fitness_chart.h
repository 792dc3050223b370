#pragma once

#include "analysis/evolution_feed.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <vector>

class QAreaSeries;
class QChart;
class QChartView;
class QLineSeries;
class QCategoryAxis;
class QValueAxis;

namespace quarrow {

/// The curve of a run in the live view: letters right (or, for the prefix presenter, the prefix
/// each generation reached and the run's best) by generation.
///
/// Each curve is drawn as a band from the lowest to the highest value of every stretch whose
/// points were merged to keep the curve bounded, and as a line where each point is one sample:
/// it never joins two samples across generations it holds nothing of.
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

    FitnessChart(LivePresenter presenter, std::size_t targetLength, QWidget* parent = nullptr);
    ~FitnessChart() override;

    /// Shows the curve and, for the prefix presenter, the run's best.
    void SetCurves(const std::vector<FitnessPoint>& points,
                   const std::vector<FitnessPoint>& bestPoints);

    int PointCount() const;
    int BestPointCount() const;
    /// The outline of the curve as drawn, along its top and along its bottom, in generations and
    /// letters; the two meet wherever a point is a single sample.
    QList<QPointF> CurveTop() const;
    QList<QPointF> CurveBottom() const;
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
    void LabelDecades(double right);
    double AxisX(std::int64_t generation) const;
    QList<QPointF> InGenerations(QList<QPointF> points) const;
    void FitLetterLines();
    int LineHeight() const;

    bool prefix_;
    std::size_t targetLength_;
    QChart* chart_;
    QChartView* view_;
    /// A curve's band, and the line series that bound it.
    struct Curve {
        QAreaSeries* area = nullptr;
        QLineSeries* upper = nullptr;
        QLineSeries* lower = nullptr;
    };
    Curve AddCurve(const QString& name, const QPen& pen);
    /// The legend, the axes' titles and the accessible texts in the program's language.
    void ShowTexts();
    void ShowCurve(const Curve& curve, const std::vector<FitnessPoint>& points) const;

    bool summarised_ = false;
    Curve series_;
    Curve bestSeries_;
    QString lettersTitle_;
    QValueAxis* lettersAxis_;
    QValueAxis* linearAxis_;
    /// Runs over the logarithm of the generation, so that its labels are the window's own.
    QCategoryAxis* logGenerationAxis_;
    int labelledDecades_ = -1;
    bool logAxis_ = false;
};

} // namespace quarrow
