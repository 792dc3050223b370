#include "ui/live/fitness_chart.h"

#include "plot/distribution_chart.h"
#include "plot/learner_numbers.h"
#include "ui/common/zoom.h"

#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QLegend>
#include <QLineSeries>
#include <QPainter>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

namespace quarrow {

namespace {

// Room the chart needs besides its plot, in lines of its text: the generation axis's labels and
// title, the legend, and the chart's margins. Erring high keeps every letters label readable.
constexpr double kLinesAroundThePlot = 6.0;
constexpr double kLinesOfLegend = 2.0;
// A grid line of the letters axis needs this many lines of text of height to keep its label.
constexpr double kLinesPerGridLine = 1.5;
// The chart's size in lines of its text: enough to read a curve, small enough to fit beside the
// main window at every zoom.
constexpr QSize kLeastLines(24, 10);
constexpr QSize kPreferredLines(34, 16);

// Whole letters on at most `most` grid lines, the top one at or just above `letters`; steps
// beyond 5 are rounded up to 10, 20, 25, 50, 100, ... so the lines fall on round counts.
std::size_t LetterStep(std::size_t letters, std::size_t most) {
    std::size_t step = std::max<std::size_t>(1, (letters + most - 1) / most);
    for (std::size_t decade = 1; step > 5; decade *= 10) {
        const std::size_t rounded[] = {10 * decade, 20 * decade, 25 * decade, 50 * decade};
        if (const auto* fits = std::find_if(std::begin(rounded), std::end(rounded),
                                            [step](std::size_t round) { return round >= step; });
            fits != std::end(rounded)) {
            return *fits;
        }
    }
    return step;
}

} // namespace

FitnessChart::FitnessChart(LivePresenter presenter, std::size_t targetLength, QWidget* parent)
    : QWidget(parent), prefix_(presenter == LivePresenter::Prefix), targetLength_(targetLength),
      chart_(new QChart), view_(new QChartView(chart_, this)), lettersAxis_(new QValueAxis),
      linearAxis_(new QValueAxis), logGenerationAxis_(new QCategoryAxis) {
    chart_->setAnimationOptions(QChart::NoAnimation);
    chart_->setBackgroundRoundness(0);

    // The legend tells the two lines apart in words as well as by their look.
    QPen pen(QColor(0x0b, 0x57, 0xd0));
    pen.setWidth(2);
    series_ = AddCurve(QString(), pen);
    if (prefix_) {
        QPen bestPen(QColor(0xc0, 0x3a, 0x2b));
        bestPen.setWidth(2);
        bestPen.setStyle(Qt::DashLine);
        bestSeries_ = AddCurve(QString(), bestPen);
        chart_->legend()->setAlignment(Qt::AlignBottom);
    } else {
        chart_->legend()->hide();
    }

    lettersAxis_->setLabelFormat(QStringLiteral("%d"));
    // Qt 6.4 measures the room for vertical axis labels too small and would cut every one.
    lettersAxis_->setTruncateLabels(false);
    chart_->addAxis(lettersAxis_, Qt::AlignLeft);

    linearAxis_->setLabelFormat(QStringLiteral("%d"));
    linearAxis_->setRange(0.0, 10.0);
    linearAxis_->setTruncateLabels(false);
    chart_->addAxis(linearAxis_, Qt::AlignBottom);
    for (const Curve& curve : {series_, bestSeries_}) {
        if (curve.area != nullptr) {
            curve.area->attachAxis(lettersAxis_);
            curve.area->attachAxis(linearAxis_);
        }
    }

    logGenerationAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    logGenerationAxis_->setTruncateLabels(false);

    view_->setObjectName(QStringLiteral("fitnessChart"));
    view_->setRenderHint(QPainter::Antialiasing);
    // Its fonts follow this panel's, which the window's zoom sets; the zoom leaves them alone.
    view_->setProperty(kChartFontsFollowWidget, true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    ShowTexts();
    ApplyFonts();
    FitLetterLines();
}

void FitnessChart::ShowTexts() {
    series_.area->setName(prefix_ ? tr("Prefix reached (solid line)") : tr("Letters right"));
    if (bestSeries_.area != nullptr) {
        bestSeries_.area->setName(tr("Best of the run (dashed line)"));
    }
    lettersTitle_ = prefix_ ? tr("Letters matched") : tr("Letters right");
    lettersAxis_->setTitleText(lettersTitle_);
    linearAxis_->setTitleText(tr("Generation"));
    logGenerationAxis_->setTitleText(tr("Generation (logarithmic)"));
    view_->setAccessibleName(prefix_ ? tr("Prefix each generation reached, and the run's best")
                                     : tr("Letters right by generation"));
    // A finished run's summary is written anew by the view, in the new language.
    if (!summarised_) {
        view_->setAccessibleDescription(tr("The curve fills in as the run goes on."));
    }
}

FitnessChart::~FitnessChart() {
    // The generation axis not in use belongs to this panel rather than to the chart.
    if (logAxis_) {
        delete linearAxis_;
    } else {
        delete logGenerationAxis_;
    }
}

int FitnessChart::LineHeight() const {
    return QFontMetrics(font()).height();
}

QSize FitnessChart::sizeHint() const {
    return (kPreferredLines * LineHeight()).expandedTo(minimumSizeHint());
}

QSize FitnessChart::minimumSizeHint() const {
    // Room for the letters axis's title along the plot's side, and for the legend's entries side
    // by side, so that neither is ever cut short.
    // Measured in the fonts the chart draws with, which may be larger than the panel's own.
    const int line = std::max(LineHeight(), QFontMetrics(lettersAxis_->labelsFont()).height());
    const QFontMetrics headingMetrics(lettersAxis_->titleFont());
    const QFontMetrics textMetrics(chart_->legend()->font());
    const double around = kLinesAroundThePlot + (prefix_ ? kLinesOfLegend : 0.0);
    const int height =
        std::max(kLeastLines.height() * line, headingMetrics.horizontalAdvance(lettersTitle_) +
                                                  static_cast<int>(around * line) + 2 * line);
    int legend = 0;
    if (prefix_) {
        for (const Curve& curve : {series_, bestSeries_}) {
            legend += textMetrics.horizontalAdvance(curve.area->name()) + 3 * line;
        }
    }
    return {std::max(kLeastLines.width() * line, legend + 2 * line), height};
}

void FitnessChart::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ShowTexts();
        updateGeometry();
    }
    if (event->type() == QEvent::FontChange) {
        ApplyFonts();
        FitLetterLines();
        updateGeometry();
    }
}

void FitnessChart::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitLetterLines();
}

void FitnessChart::ApplyFonts() {
    const QFont text = font();
    QFont heading = text;
    heading.setBold(true);
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(lettersAxis_), static_cast<QAbstractAxis*>(linearAxis_),
          static_cast<QAbstractAxis*>(logGenerationAxis_)}) {
        axis->setLabelsFont(text);
        axis->setTitleFont(heading);
    }
    chart_->legend()->setFont(text);
    const int margin = LineHeight() / 2;
    chart_->setMargins(QMargins(margin, margin, margin, margin));
}

void FitnessChart::FitLetterLines() {
    // The plot's height is estimated from the panel's own height and text, never read back from
    // the laid-out chart: what the axis shows must not change the layout it is shown in.
    const double line = LineHeight();
    const double around = kLinesAroundThePlot + (prefix_ ? kLinesOfLegend : 0.0);
    const double plotHeight = height() - around * line;
    std::size_t most = 10;
    if (height() > 0 && line > 0) {
        most = std::clamp<std::size_t>(
            plotHeight > 0 ? static_cast<std::size_t>(plotHeight / (kLinesPerGridLine * line)) : 0,
            2, 10);
    }
    // Squeezed shorter than its least height (a small screen), the letters axis's title takes
    // a line a word rather than being cut short.
    const bool titleFits =
        height() <= 0 || QFontMetrics(lettersAxis_->titleFont()).horizontalAdvance(lettersTitle_) <=
                             plotHeight - line;
    const QString title =
        titleFits ? lettersTitle_ : QString(lettersTitle_).replace(QLatin1Char(' '), "<br>");
    if (lettersAxis_->titleText() != title) {
        lettersAxis_->setTitleText(title);
    }
    const std::size_t step = LetterStep(targetLength_, most);
    const std::size_t steps = std::max<std::size_t>(1, (targetLength_ + step - 1) / step);
    const auto top = static_cast<double>(steps * step);
    if (lettersAxis_->max() != top || lettersAxis_->tickCount() != static_cast<int>(steps) + 1) {
        lettersAxis_->setRange(0.0, top);
        lettersAxis_->setTickCount(static_cast<int>(steps) + 1);
    }
}

void FitnessChart::SetCurves(const std::vector<FitnessPoint>& points,
                             const std::vector<FitnessPoint>& bestPoints) {
    std::int64_t lastGeneration = 0;
    for (const auto* curve : {&points, &bestPoints}) {
        if (!curve->empty()) {
            lastGeneration = std::max(lastGeneration, curve->back().generation);
        }
    }
    if (!logAxis_ && lastGeneration > kLogAxisFromGeneration) {
        UseLogarithmicAxis();
    }
    ShowCurve(series_, points);
    ShowCurve(bestSeries_, bestPoints);

    const double right = std::max(10.0, static_cast<double>(lastGeneration));
    if (logAxis_) {
        LabelDecades(right);
        logGenerationAxis_->setRange(0.0, std::log10(right));
    } else {
        linearAxis_->setRange(0.0, right);
        linearAxis_->applyNiceNumbers();
    }
}

void FitnessChart::UseLogarithmicAxis() {
    chart_->removeAxis(linearAxis_);
    chart_->addAxis(logGenerationAxis_, Qt::AlignBottom);
    for (const Curve& curve : {series_, bestSeries_}) {
        if (curve.area != nullptr) {
            curve.area->attachAxis(logGenerationAxis_);
        }
    }
    logAxis_ = true;
}

FitnessChart::Curve FitnessChart::AddCurve(const QString& name, const QPen& pen) {
    Curve curve;
    curve.upper = new QLineSeries(chart_);
    curve.lower = new QLineSeries(chart_);
    curve.area = new QAreaSeries(curve.upper, curve.lower);
    curve.area->setName(name);
    curve.area->setPen(pen);
    QColor fill = pen.color();
    fill.setAlpha(70);
    curve.area->setBrush(fill);
    chart_->addSeries(curve.area);
    return curve;
}

void FitnessChart::ShowCurve(const Curve& curve, const std::vector<FitnessPoint>& points) const {
    if (curve.area == nullptr) {
        return;
    }
    QList<QPointF> top;
    QList<QPointF> bottom;
    top.reserve(2 * static_cast<qsizetype>(points.size()));
    bottom.reserve(top.capacity());
    std::optional<double> previous;
    for (const FitnessPoint& point : points) {
        // A logarithmic axis has no place for generation 0.
        if (logAxis_ && point.generation < 1) {
            continue;
        }
        // A point holds the stretch since the point before it: its range is drawn flat over
        // that stretch, so the outline is made of steps and never slants across generations.
        const double generation = AxisX(point.generation);
        for (auto [outline, value] : {std::pair{&top, point.highest}, {&bottom, point.lowest}}) {
            if (previous && outline->back().y() != value) {
                outline->append(QPointF(*previous, value));
            }
            outline->append(QPointF(generation, value));
        }
        previous = generation;
    }
    curve.upper->replace(top);
    curve.lower->replace(bottom);
}

int FitnessChart::PointCount() const {
    return static_cast<int>(series_.upper->count());
}

int FitnessChart::BestPointCount() const {
    return bestSeries_.upper != nullptr ? static_cast<int>(bestSeries_.upper->count()) : 0;
}

double FitnessChart::AxisX(std::int64_t generation) const {
    const auto x = static_cast<double>(generation);
    return logAxis_ ? std::log10(x) : x;
}

void FitnessChart::LabelDecades(double right) {
    const int decades = static_cast<int>(std::floor(std::log10(right) + 1e-9));
    if (decades == labelledDecades_) {
        return;
    }
    labelledDecades_ = decades;
    for (const QString& label : logGenerationAxis_->categoriesLabels()) {
        logGenerationAxis_->remove(label);
    }
    logGenerationAxis_->setStartValue(0.0);
    for (int decade = 0; decade <= decades; ++decade) {
        logGenerationAxis_->append(plot::NumberText(std::pow(10.0, decade)), decade);
    }
}

QList<QPointF> FitnessChart::InGenerations(QList<QPointF> points) const {
    if (logAxis_) {
        for (QPointF& point : points) {
            point.setX(std::pow(10.0, point.x()));
        }
    }
    return points;
}

QList<QPointF> FitnessChart::CurveTop() const {
    return InGenerations(series_.upper->points());
}

QList<QPointF> FitnessChart::CurveBottom() const {
    return InGenerations(series_.lower->points());
}

void FitnessChart::SetSummary(const QString& summary) {
    summarised_ = true;
    view_->setAccessibleDescription(summary);
}

QString FitnessChart::Summary() const {
    return view_->accessibleDescription();
}

QString FitnessChart::Save(const QString& path, const QString& title) const {
    // The chart as laid out on the screen, with the title above it in a band of its own, so that
    // saving changes nothing of what is shown.
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    const QSize chartSize = view_->size();
    const int margin = LineHeight();
    const QFontMetrics metrics(titleFont);
    const QRect titleRoom(margin, margin / 2, chartSize.width() - 2 * margin, 10 * margin);
    const QRect titleRect =
        metrics.boundingRect(titleRoom, Qt::AlignHCenter | Qt::TextWordWrap, title);
    const int band = titleRect.bottom() + margin / 2;
    const QSize size(chartSize.width(), chartSize.height() + band);
    return plot::SaveChart(path, size, title, [&](QPainter& painter, const QRectF& area) {
        painter.fillRect(area, Qt::white);
        painter.setFont(titleFont);
        painter.setPen(Qt::black);
        painter.drawText(titleRoom, Qt::AlignHCenter | Qt::TextWordWrap, title);
        painter.setRenderHint(QPainter::Antialiasing);
        chart_->scene()->render(&painter, QRectF(QPointF(0, band), QSizeF(chartSize)),
                                chart_->sceneBoundingRect(), Qt::IgnoreAspectRatio);
    });
}

} // namespace quarrow
