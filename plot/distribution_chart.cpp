#include "plot/distribution_chart.h"

#include "analysis/distribution_figures.h"
#include "analysis/statistics.h"
#include "engine/exact_law.h"
#include "platform/number_text.h"
#include "plot/learner_numbers.h"
#include "plot/scheme_look.h"
#include "search/estimate.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>
#include <vector>

namespace quarrow::plot {

namespace {

/// The chart's texts, in the catalogue under one context.
class ChartText {
    Q_DECLARE_TR_FUNCTIONS(DistributionChart)
};

/// The default face's pixel size, at which the chart is laid out 960 pixels wide.
constexpr int kDefaultPixelSize = 13;
constexpr double kDefaultWidth = 960.0;
/// Each panel's plot is at least this many lines of text tall, and this many when the chart
/// has the room it asks for.
constexpr double kLeastPlotLines = 3.5;
constexpr double kWantedPlotLines = 8.0;
/// Share ticks are at least this many lines apart.
constexpr double kShareTickLines = 1.6;
constexpr double kStringsRowLines = 1.6;
/// Panels stand side by side only where each is at least this many lines of text wide.
constexpr double kLeastColumnLines = 12.0;
/// The chart's margin, and the gap between panels side by side, in lines of text.
constexpr double kPadLines = 0.6;
constexpr double kColumnGapLines = 2.0 * kPadLines;

// Each scheme's colour comes with its own hatching (both from the scheme table), so print in
// grey still tells the schemes apart. The hatching is drawn line by line rather than as a pattern
// brush, so that every SVG renderer shows it.
using Hatching = SchemeHatching;
const QColor kLawColour(0x20, 0x20, 0x20);
// The guess stands apart from the runs' own marks: its own colour, dash-dotted and thicker.
const QColor kGuessColour(0xD5, 0x5E, 0x00);

Hatching HatchingOf(Scheme scheme) {
    return RowOf(scheme).hatching;
}

QString SchemeName(Scheme scheme) {
    return SchemeCaptionText(scheme);
}

/// A catalogue text of the chart, from its source.
QString ChartTr(const char* source, int plural = -1) {
    return QCoreApplication::translate(analysis::kChartTextContext, source, nullptr, plural);
}

using analysis::kFarthestDrawnGuess;
using Bin = analysis::ChartBin;
using Axis = analysis::GenerationAxis;
using PanelFigures = analysis::PanelFigures;
using Prepared = analysis::DistributionFigures;

Prepared Prepare(const analysis::DistributionData& data) {
    return analysis::FiguresOf(data);
}

/// The sentence of `placement` in words.
QString GuessText(const analysis::GuessPlacement& placement) {
    const QString guessed = Grouped(placement.guess);
    const QString sentence = ChartTr(placement.sentence, analysis::PluralCount(placement.guess));
    if (placement.percentilePhrase == nullptr) {
        return sentence.arg(guessed);
    }
    return sentence.arg(guessed, ChartTr(placement.percentilePhrase).arg(placement.percent))
        .arg(placement.percent);
}

/// A label of the generations axis, in the form the views' sentences use.
QString TickText(double value) {
    return NumberText(value);
}

QString PowerOfTen(double exponent) {
    return PowerOfTenText(exponent);
}

/// A share as a percentage with no more decimals than it needs: "5%", "2.5%", "0.25%".
QString PercentText(double share) {
    QString text = QString::number(share * 100.0, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return InShownForms(text) + QLatin1Char('%');
}

/// The strings a blind search expects and the generations of 20 they make, in the same
/// 15-digit form as "Step Two" whatever the length: a generation makes 20 strings, so its
/// count is the seconds that many strings take at 20 a second.
QString BlindSearchText(std::size_t length) {
    const SearchSpaceTexts texts =
        DescribeSearchSpace(EstimateSearchSpace(static_cast<std::int64_t>(length), 20));
    return ChartText::tr("27^%1 = %2 strings expected, %3 generations of 20")
        .arg(length)
        .arg(QString::fromStdString(texts.distinctStrings),
             QString::fromStdString(texts.seconds).trimmed());
}

/// `text` with a break allowed every so many letters of a long word (a long phrase has no
/// spaces to wrap at), marked by zero-width spaces.
QString Breakable(const QString& text) {
    constexpr int kLongestUnbroken = 24;
    QString broken;
    int run = 0;
    for (const QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongestUnbroken) {
            broken += QChar(0x200B);
            run = 1;
        }
        broken += c;
    }
    return broken;
}

/// Lines along `direction`, `gap` apart, over `rect`, as one path: hatching that needs no
/// pattern brush.
void AddHatching(QPainterPath& path, const QRectF& rect, Hatching hatching, double gap) {
    if (hatching == Hatching::Diagonal) {
        // Lines x + y = c, rising to the right, cut to the rectangle.
        const double first = std::ceil((rect.left() + rect.top()) / gap) * gap;
        for (double c = first; c <= rect.right() + rect.bottom(); c += gap) {
            const double from = std::max(rect.left(), c - rect.bottom());
            const double to = std::min(rect.right(), c - rect.top());
            if (from < to) {
                path.moveTo(from, c - from);
                path.lineTo(to, c - to);
            }
        }
    } else if (hatching == Hatching::Cross) {
        for (double x = std::ceil(rect.left() / gap) * gap; x <= rect.right(); x += gap) {
            path.moveTo(x, rect.top());
            path.lineTo(x, rect.bottom());
        }
        for (double y = std::ceil(rect.top() / gap) * gap; y <= rect.bottom(); y += gap) {
            path.moveTo(rect.left(), y);
            path.lineTo(rect.right(), y);
        }
    }
}

/// Draws texts and records where each went; with no painter it only measures, so that the
/// chart's size is found by the same code that draws it.
class Canvas {
public:
    explicit Canvas(QPainter* painter) : painter_(painter) {}

    QPainter* Painter() const { return painter_; }

    /// Draws `text` in `box` with `flags` and returns the rectangle it takes.
    QRectF Text(const QRectF& box, int flags, const QString& text, const QFont& font,
                const QColor& colour = Qt::black) {
        const QRectF taken = QFontMetricsF(font).boundingRect(box, flags, text);
        if (painter_ != nullptr) {
            painter_->setFont(font);
            painter_->setPen(colour);
            painter_->drawText(box, flags, text);
        }
        texts_.push_back({taken, text});
        return taken;
    }

    std::vector<DrawnText> TakeTexts() { return std::move(texts_); }

private:
    QPainter* painter_;
    std::vector<DrawnText> texts_;
};

/// The face with its size in pixels, so that a PNG, an SVG and a screen draw it alike.
QFont InPixels(QFont face) {
    if (face.pixelSize() <= 0) {
        face.setPixelSize(std::max(1, QFontInfo(face).pixelSize()));
    }
    return face;
}

/// The left edge of a text `width` wide centred on `x`, moved as little as it must to stay
/// between `left` and `right` (at `left` when it is wider than that).
double Centred(double x, double width, double left, double right) {
    return std::max(left, std::min(x - width / 2.0, right - width));
}

struct MarkLabel {
    double x = 0.0;
    QString text;
    Qt::PenStyle style = Qt::SolidLine;
    QColor colour = kLawColour;
    QRectF rect; // in a row's coordinates: top 0
    int row = 0;
};

/// The marks of one panel, the user's guess among them, with their labels placed in rows, the
/// first row nearest the plot, each label in the first row where it meets no other.
std::vector<MarkLabel> PlaceMarkLabels(const PanelFigures& f, std::optional<std::int64_t> guess,
                                       const std::function<double(double)>& xOf,
                                       const QFontMetricsF& metrics, double plotLeft,
                                       double plotRight, double gap) {
    std::vector<MarkLabel> marks;
    const auto markAt = [&](double value, const QString& text, Qt::PenStyle style) {
        MarkLabel label;
        label.x = xOf(value);
        label.text = text;
        label.style = style;
        return label;
    };
    if (f.generations) {
        marks = {markAt(f.generations->percentile10, QStringLiteral("10%"), Qt::DotLine),
                 markAt(f.generations->median, ChartText::tr("median"), Qt::DashLine),
                 markAt(f.generations->mean, ChartText::tr("mean"), Qt::SolidLine),
                 markAt(f.generations->percentile90, QStringLiteral("90%"), Qt::DotLine)};
    }
    if (guess && static_cast<double>(*guess) < kFarthestDrawnGuess) {
        marks.push_back(
            markAt(static_cast<double>(*guess), ChartText::tr("your guess"), Qt::DashDotLine));
        marks.back().colour = kGuessColour;
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const MarkLabel& a, const MarkLabel& b) { return a.x < b.x; });
    std::vector<std::vector<QRectF>> rows;
    for (MarkLabel& mark : marks) {
        const double width = metrics.horizontalAdvance(mark.text);
        const double left = Centred(mark.x, width, plotLeft, plotRight);
        mark.rect = QRectF(left, 0.0, width, metrics.height());
        const QRectF spaced = mark.rect.adjusted(-gap / 2.0, 0, gap / 2.0, 0);
        std::size_t row = 0;
        while (row < rows.size() &&
               std::any_of(rows[row].begin(), rows[row].end(),
                           [&](const QRectF& taken) { return taken.intersects(spaced); })) {
            ++row;
        }
        if (row == rows.size()) {
            rows.emplace_back();
        }
        rows[row].push_back(spaced);
        mark.row = static_cast<int>(row);
    }
    return marks;
}

/// Nice steps for the x axis's ticks: 1, 2 and 5 times the powers of ten.
double NiceStep(double least) {
    const double magnitude = std::pow(10.0, std::floor(std::log10(std::max(least, 1e-12))));
    for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (magnitude * factor >= least) {
            return magnitude * factor;
        }
    }
    return magnitude * 10.0;
}

/// One scale of shares for every panel: its step, how many steps it rises to, and its top.
struct ShareScale {
    double step = 1.0;
    double ticks = 1.0;
    double top = 1.0;
};

/// The scale of shares that holds every panel's tallest bar and law, its ticks as close as
/// `plotHeight` lets them be.
ShareScale ShareScaleFor(const Prepared& prepared, double plotHeight, double line) {
    double tallest = 0.0;
    for (const PanelFigures& f : prepared.panels) {
        for (std::size_t b = 0; b < prepared.bins.size(); ++b) {
            tallest = std::max({tallest, f.shares[b], f.lawShares[b]});
        }
    }
    tallest = tallest > 0.0 ? tallest : 1.0;
    ShareScale scale;
    for (const double step :
         {0.001, 0.002, 0.0025, 0.005, 0.01, 0.02, 0.025, 0.05, 0.1, 0.2, 0.25, 0.5, 1.0}) {
        if (std::ceil(tallest / step - 1e-9) * kShareTickLines * line <= plotHeight) {
            scale.step = step;
            break;
        }
    }
    scale.ticks = std::max(1.0, std::ceil(tallest / scale.step - 1e-9));
    scale.top = scale.ticks * scale.step;
    return scale;
}

/// Where the generations axis is labelled, its labels as far apart as their widths need on a
/// plot `plotWidth` wide.
std::vector<double> GenerationTicks(const Axis& axis, const QFontMetricsF& metrics,
                                    double plotWidth, double line) {
    std::vector<double> ticks;
    // The powers of ten from a million on are narrower than the grouped numbers below it.
    const double widest =
        std::max(metrics.horizontalAdvance(TickText(axis.high)),
                 metrics.horizontalAdvance(TickText(std::min(axis.high, 999'999.0)))) +
        line;
    if (axis.logarithmic) {
        const double firstDecade = std::ceil(std::log10(axis.low));
        const double lastDecade = std::floor(std::log10(axis.high));
        const double decadeWidth =
            plotWidth / std::max(std::log10(axis.high) - std::log10(axis.low), 1e-9);
        const double every = NiceStep(widest / decadeWidth);
        for (double decade = firstDecade; decade <= lastDecade; decade += std::max(every, 1.0)) {
            ticks.push_back(std::pow(10.0, decade));
        }
    } else {
        const double step = NiceStep(std::max(widest * (axis.high - axis.low) / plotWidth, 1.0));
        for (double tick = std::ceil(axis.low / step) * step; tick < axis.high; tick += step) {
            ticks.push_back(tick);
        }
    }
    return ticks;
}

/// Where one panel's plot is, and the height a share rises to in it.
struct PanelPlot {
    double top = 0.0;
    double bottom = 0.0;
    double height = 0.0;
    double shareTop = 1.0;

    double YOf(double share) const { return bottom - height * std::min(share / shareTop, 1.0); }
};

/// The axis of strings per run: logarithmic, from 1 string to 10 to the `decades`.
struct StringsAxis {
    double left = 0.0;
    double width = 1.0;
    double decades = 1.0;

    double XOf(double log10Strings) const {
        return left + width * std::clamp(log10Strings, 0.0, decades) / decades;
    }
};

/// Where one panel lies across the chart: its own edges and its plot's.
struct PanelColumn {
    double left = 0.0;
    double right = 1.0;
    double plotLeft = 0.0;
    double plotRight = 1.0;

    double PlotWidth() const { return std::max(plotRight - plotLeft, 1.0); }
};

/// The width of each of `columns` panels side by side in a chart `width` wide, its texts
/// `line` tall.
double ColumnWidth(double width, int columns, double line) {
    const double inner = width - 2.0 * kPadLines * line;
    return (inner - kColumnGapLines * line * (columns - 1)) / std::max(columns, 1);
}

/// Draws the chart (or, with no painter, only measures it) a section at a time, from the top
/// down: every section starts at the height it is given and returns where it ends. The scheme
/// panels stand one above another, or side by side in `columns` columns.
class ChartDrawing {
public:
    ChartDrawing(Canvas& canvas, const QRectF& area, const analysis::DistributionData& data,
                 const Prepared& prepared, const QFont& face, int columns)
        : canvas_(canvas), painter_(canvas.Painter()), area_(area), data_(data),
          prepared_(prepared), body_(InPixels(face)), titleFont_(body_), headFont_(body_),
          metrics_(body_), line_(metrics_.height()),
          unit_(body_.pixelSize() / static_cast<double>(kDefaultPixelSize)),
          pad_(kPadLines * line_), x0_(area.left() + pad_), x1_(area.right() - pad_),
          columns_(std::max(columns, 1)) {
        titleFont_.setPixelSize(static_cast<int>(std::lround(body_.pixelSize() * 1.25)));
        titleFont_.setBold(true);
        headFont_.setBold(true);
        // The left column holds the y axis's labels and the strings section's captions.
        leftColumn_ = metrics_.horizontalAdvance(QStringLiteral("100%"));
        for (const analysis::SchemeRuns& runs : data.schemes) {
            leftColumn_ =
                std::max(leftColumn_, metrics_.horizontalAdvance(SchemeName(runs.scheme)));
        }
        leftColumn_ =
            std::max(leftColumn_, metrics_.horizontalAdvance(ChartText::tr("Blind search")));
        plotLeft_ = x0_ + leftColumn_ + pad_;
        plotRight_ = x1_;
        plotWidth_ = std::max(plotRight_ - plotLeft_, 1.0);
    }

    /// Draws it all with each panel's plot `plotHeight` tall; returns where the drawing ends.
    double Draw(double plotHeight) {
        if (painter_ != nullptr) {
            painter_->fillRect(area_, Qt::white);
            painter_->setRenderHint(QPainter::Antialiasing);
        }
        double y = area_.top() + pad_;
        y = canvas_
                .Text(QRectF(x0_, y, x1_ - x0_, kWrapped), kWrap,
                      Breakable(DistributionChartTitle(data_)), titleFont_)
                .bottom() +
            0.4 * line_;
        y = Legend(y);
        y = Panels(y, plotHeight);
        y = AxisTitles(y) + line_;
        y = Strings(y);
        return y + pad_;
    }

private:
    /// Room below a box of wrapped text: its height is measured.
    static constexpr double kWrapped = 1e6;
    static constexpr int kWrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

    double XOf(const PanelColumn& column, double value) const {
        return column.plotLeft + column.PlotWidth() * prepared_.axis.Place(value);
    }

    /// Where panel `s` lies across the chart: the whole width with the strings section's
    /// column of captions when the panels stand one above another, else its column with just
    /// room for the share axis's labels.
    PanelColumn ColumnOf(std::size_t s) const {
        if (columns_ == 1) {
            return {x0_, x1_, plotLeft_, plotRight_};
        }
        const double width = ColumnWidth(area_.width(), columns_, line_);
        const double left =
            x0_ + (width + kColumnGapLines * line_) * static_cast<double>(s % columns_);
        double shares = 0.0;
        for (const QString& widest :
             {QStringLiteral("100%"), QStringLiteral("0.25%"), QStringLiteral("12.5%")}) {
            shares = std::max(shares, metrics_.horizontalAdvance(widest));
        }
        return {left, left + width, left + shares + pad_, left + width};
    }

    /// The generations axis's title under each column of panels; returns where it ends.
    double AxisTitles(double y) {
        const QString title = prepared_.axis.logarithmic
                                  ? ChartText::tr("Generations per run (logarithmic scale)")
                                  : ChartText::tr("Generations per run");
        const std::size_t under = std::min<std::size_t>(
            static_cast<std::size_t>(columns_), std::max<std::size_t>(data_.schemes.size(), 1));
        double bottom = y;
        for (std::size_t c = 0; c < under; ++c) {
            const PanelColumn column = ColumnOf(c);
            bottom =
                std::max(bottom, canvas_
                                     .Text(QRectF(column.plotLeft, y, column.PlotWidth(), kWrapped),
                                           Qt::AlignHCenter | Qt::TextWordWrap, title, body_)
                                     .bottom());
        }
        return bottom;
    }

    /// The legend, each line after a sample of what it explains.
    double Legend(double y) {
        const double sample = 2.2 * line_;
        const QString legend[] = {
            ChartText::tr("Bars: the share of runs that took so many generations, hatched for "
                          "each scheme"),
            ChartText::tr("The line: what chance predicts for a very great number of runs (the "
                          "exact law)"),
            data_.guess ? ChartText::tr("Marks: mean (solid), median (dashed), 10% and 90% of "
                                        "runs (dotted), your guess (dash-dotted)")
                        : ChartText::tr("Marks: mean (solid), median (dashed), 10% and 90% of "
                                        "runs (dotted)")};
        for (int entry = 0; entry < 3; ++entry) {
            const QRectF taken = canvas_.Text(QRectF(x0_ + sample, y, x1_ - x0_ - sample, kWrapped),
                                              kWrap, legend[entry], body_);
            if (painter_ != nullptr) {
                LegendSample(entry, y);
            }
            y = taken.bottom();
        }
        return y + 0.6 * line_;
    }

    /// The sample drawn before legend line `entry`, which starts at `y`.
    void LegendSample(int entry, double y) {
        const double middle = y + line_ / 2.0;
        if (entry == 0) {
            const QRectF bar(x0_ + 0.3 * line_, y + 0.15 * line_, 1.4 * line_, 0.7 * line_);
            painter_->fillRect(bar, QColor(0x70, 0x70, 0x70, 90));
            painter_->setPen(QPen(Qt::darkGray, unit_));
            painter_->setBrush(Qt::NoBrush);
            painter_->drawRect(bar);
        } else if (entry == 1) {
            painter_->setPen(QPen(kLawColour, 2.0 * unit_));
            painter_->drawLine(QPointF(x0_, middle), QPointF(x0_ + 1.8 * line_, middle));
        } else {
            painter_->setPen(QPen(kLawColour, 1.2 * unit_, Qt::DashLine));
            painter_->drawLine(QPointF(x0_ + 0.9 * line_, y),
                               QPointF(x0_ + 0.9 * line_, y + line_));
        }
    }

    /// A panel for each scheme, on one axis of generations and one scale of shares, with the
    /// axis's numbers under each; the panels side by side stand in rows, their plots level.
    double Panels(double y, double plotHeight) {
        const ShareScale scale = ShareScaleFor(prepared_, plotHeight, line_);
        // As many rows of mark labels as they need, so that none meets another, and the same
        // number in each panel.
        std::vector<std::vector<MarkLabel>> marks;
        int markRows = 1;
        for (std::size_t s = 0; s < prepared_.panels.size(); ++s) {
            const PanelColumn column = ColumnOf(s);
            marks.push_back(PlaceMarkLabels(
                prepared_.panels[s], data_.guess,
                [this, &column](double value) { return XOf(column, value); }, metrics_,
                column.plotLeft, column.plotRight, 0.5 * line_));
            for (const MarkLabel& mark : marks.back()) {
                markRows = std::max(markRows, mark.row + 1);
            }
        }
        // The axis is labelled under every panel, so that each histogram is read whole
        // wherever the window scrolls it.
        const std::vector<double> ticks =
            GenerationTicks(prepared_.axis, metrics_, ColumnOf(0).PlotWidth(), line_);
        PanelPlot plot;
        plot.height = plotHeight;
        plot.shareTop = scale.top;
        plot.bottom = y;
        const auto columns = static_cast<std::size_t>(columns_);
        for (std::size_t first = 0; first < data_.schemes.size(); first += columns) {
            // Under every row but the last, whose numbers come with the axis's title below.
            if (first > 0) {
                y = GenerationNumbers(ticks, plot.bottom, ColumnOf(0)) + 0.5 * line_;
            }
            const std::size_t last = std::min(first + columns, data_.schemes.size());
            plot = PanelRow(first, last, y, plot, markRows * line_);
            for (std::size_t s = first; s < last; ++s) {
                ShareAxis(plot, scale, ColumnOf(s));
                Histogram(s, plot);
                Marks(marks[s], plot);
                if (s > first) {
                    GenerationNumbers(ticks, plot.bottom, ColumnOf(s));
                }
            }
        }
        return GenerationNumbers(ticks, plot.bottom, ColumnOf(0));
    }

    /// The headings of panels `first` to `last` (past the end), side by side from `y`, and
    /// their plot, as tall as `plot` and `markRoom` below the lowest heading.
    PanelPlot PanelRow(std::size_t first, std::size_t last, double y, PanelPlot plot,
                       double markRoom) {
        double headings = y;
        for (std::size_t s = first; s < last; ++s) {
            headings = std::max(headings, PanelHeading(s, y));
        }
        plot.top = headings + markRoom;
        plot.bottom = plot.top + plot.height;
        return plot;
    }

    /// The axis's tick marks and numbers under the plot ending at `bottom` in `column`; returns
    /// the bottom of the numbers.
    double GenerationNumbers(const std::vector<double>& ticks, double bottom,
                             const PanelColumn& column) {
        const double top = bottom + 0.25 * line_;
        for (const double tick : ticks) {
            const double x = XOf(column, tick);
            if (painter_ != nullptr) {
                painter_->setPen(QPen(Qt::black, unit_));
                painter_->drawLine(QPointF(x, bottom), QPointF(x, top));
            }
            const QString label = TickText(tick);
            const double width = metrics_.horizontalAdvance(label);
            canvas_.Text(
                QRectF(Centred(x, width, column.plotLeft, column.plotRight), top, width, line_),
                Qt::AlignLeft | Qt::AlignTop, label, body_);
        }
        return top + line_;
    }

    /// Draws `box` in `scheme`'s fill and hatching, its lines `gap` apart.
    void Swatch(const QRectF& box, Scheme scheme, double gap) {
        const QColor fill = SchemeColour(scheme);
        painter_->fillRect(box, QColor(fill.red(), fill.green(), fill.blue(), 60));
        QPainterPath hatching;
        AddHatching(hatching, box, HatchingOf(scheme), gap);
        if (HatchingOf(scheme) == Hatching::Solid) {
            painter_->fillRect(box, fill);
        }
        painter_->setPen(QPen(fill, unit_));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawPath(hatching);
        painter_->setPen(QPen(fill.darker(130), unit_));
        painter_->drawRect(box);
    }

    /// Panel `s`'s heading, after a swatch of its bars, and where the guess falls by its law.
    double PanelHeading(std::size_t s, double y) {
        const analysis::SchemeRuns& runs = data_.schemes[s];
        const PanelColumn column = ColumnOf(s);
        const double swatch = 0.8 * line_;
        if (painter_ != nullptr) {
            Swatch(QRectF(column.left, y + (line_ - swatch) / 2.0, swatch, swatch), runs.scheme,
                   4.0 * unit_);
        }
        const std::size_t finished = runs.generations.size();
        const QString heading =
            finished == 0
                ? ChartTr(analysis::PanelHeadingSource(0)).arg(SchemeName(runs.scheme))
                : ChartTr(analysis::PanelHeadingSource(finished),
                          analysis::PluralCount(static_cast<std::int64_t>(finished)))
                      .arg(SchemeName(runs.scheme), Grouped(static_cast<std::int64_t>(finished)));
        const QRectF box(column.left + swatch + 0.4 * line_, y,
                         column.right - column.left - swatch - 0.4 * line_, kWrapped);
        y = canvas_.Text(box, kWrap, heading, headFont_).bottom();
        // Where the guess falls by this scheme's law, under the heading it speaks of.
        const std::optional<analysis::GuessPlacement>& placement = prepared_.panels[s].guess;
        const QString guess = placement ? GuessText(*placement) : QString();
        if (!guess.isEmpty()) {
            y = canvas_.Text(QRectF(box.left(), y, box.width(), kWrapped), kWrap, guess, body_)
                    .bottom() +
                0.2 * line_;
        }
        return y;
    }

    /// The share axis, the same in every panel and labelled in each.
    void ShareAxis(const PanelPlot& plot, const ShareScale& scale, const PanelColumn& column) {
        for (double tick = 0; tick <= scale.ticks + 1e-9; tick += 1.0) {
            const double at = plot.YOf(tick * scale.step);
            if (painter_ != nullptr) {
                painter_->setPen(QPen(QColor(0xDD, 0xDD, 0xDD), unit_));
                painter_->drawLine(QPointF(column.plotLeft, at), QPointF(column.plotRight, at));
            }
            canvas_.Text(QRectF(column.left, at - line_ / 2.0,
                                column.plotLeft - column.left - pad_ / 2.0, line_),
                         Qt::AlignRight | Qt::AlignVCenter, PercentText(tick * scale.step), body_,
                         Qt::darkGray);
        }
    }

    /// Panel `s`'s axes, its bars and its exact law.
    void Histogram(std::size_t s, const PanelPlot& plot) {
        if (painter_ == nullptr) {
            return;
        }
        const PanelFigures& f = prepared_.panels[s];
        const std::vector<Bin>& bins = prepared_.bins;
        const PanelColumn column = ColumnOf(s);
        const Scheme scheme = data_.schemes[s].scheme;
        const QColor fill = SchemeColour(scheme);
        painter_->setPen(QPen(Qt::gray, unit_));
        painter_->drawLine(QPointF(column.plotLeft, plot.bottom),
                           QPointF(column.plotRight, plot.bottom));
        painter_->drawLine(QPointF(column.plotLeft, plot.bottom),
                           QPointF(column.plotLeft, plot.top));

        QPainterPath hatching;
        QPainterPath outlines;
        for (std::size_t b = 0; b < bins.size(); ++b) {
            if (f.shares[b] <= 0.0) {
                continue;
            }
            const QRectF bar(
                QPointF(XOf(column, static_cast<double>(bins[b].first)), plot.YOf(f.shares[b])),
                QPointF(XOf(column, static_cast<double>(bins[b].last + 1)), plot.bottom));
            painter_->fillRect(bar, QColor(fill.red(), fill.green(), fill.blue(), 60));
            if (HatchingOf(scheme) == Hatching::Solid) {
                painter_->fillRect(bar, fill);
            }
            AddHatching(hatching, bar, HatchingOf(scheme), 5.0 * unit_);
            outlines.addRect(bar);
        }
        painter_->setBrush(Qt::NoBrush);
        painter_->setPen(QPen(fill, unit_));
        painter_->drawPath(hatching);
        painter_->setPen(QPen(fill.darker(130), unit_));
        painter_->drawPath(outlines);
        LawLine(f, plot, column);
    }

    /// The share the exact law puts in each bin, through the middle of each.
    void LawLine(const PanelFigures& f, const PanelPlot& plot, const PanelColumn& column) {
        const std::vector<Bin>& bins = prepared_.bins;
        QPainterPath lawPath;
        for (std::size_t b = 0; b < bins.size(); ++b) {
            const double middle = (XOf(column, static_cast<double>(bins[b].first)) +
                                   XOf(column, static_cast<double>(bins[b].last + 1))) /
                                  2.0;
            const QPointF point(middle, plot.YOf(f.lawShares[b]));
            if (b == 0) {
                lawPath.moveTo(point);
            } else {
                lawPath.lineTo(point);
            }
        }
        painter_->setPen(QPen(kLawColour, 2.0 * unit_));
        painter_->drawPath(lawPath);
    }

    /// The panel's marks across its plot, each labelled in its row above it.
    void Marks(const std::vector<MarkLabel>& marks, const PanelPlot& plot) {
        for (const MarkLabel& mark : marks) {
            if (painter_ != nullptr) {
                const double width = mark.colour == kLawColour ? 1.2 : 2.0;
                painter_->setPen(QPen(mark.colour, width * unit_, mark.style));
                painter_->drawLine(QPointF(mark.x, plot.top), QPointF(mark.x, plot.bottom));
            }
            canvas_.Text(mark.rect.translated(0, plot.top - (mark.row + 1) * line_),
                         Qt::AlignLeft | Qt::AlignTop, mark.text, body_, mark.colour);
        }
    }

    /// Strings per run beside a blind search, on a logarithmic axis of strings.
    double Strings(double y) {
        const double blind = BlindSearchLog10Strings(data_.phrase.size());
        double highest = blind;
        for (const PanelFigures& f : prepared_.panels) {
            if (f.strings) {
                highest = std::max(highest, std::log10(std::max(f.strings->max, 1.0)));
            }
        }
        StringsAxis axis;
        axis.left = plotLeft_;
        axis.width = plotWidth_;
        axis.decades = std::max(1.0, std::ceil(highest + 0.5));
        y = canvas_
                .Text(QRectF(x0_, y, x1_ - x0_, kWrapped), kWrap,
                      ChartText::tr("Strings per run beside a blind search (logarithmic scale)"),
                      headFont_)
                .bottom() +
            0.3 * line_;
        y = StringsNumbers(axis, y);
        const double rowHeight = kStringsRowLines * line_;
        for (std::size_t s = 0; s < data_.schemes.size(); ++s) {
            canvas_.Text(QRectF(x0_, y, leftColumn_, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         SchemeName(data_.schemes[s].scheme), body_);
            if (prepared_.panels[s].strings && painter_ != nullptr) {
                StringsRange(*prepared_.panels[s].strings, data_.schemes[s].scheme, axis,
                             y + rowHeight / 2.0);
            }
            y += rowHeight;
        }
        return BlindSearchRow(axis.XOf(blind), y, rowHeight);
    }

    /// The powers of ten along the axis of strings and the axis's line under them; returns
    /// where the rows below it start.
    double StringsNumbers(const StringsAxis& axis, double y) {
        const double widestPower = metrics_.horizontalAdvance(PowerOfTen(axis.decades)) + line_;
        const double tickStep = std::max(1.0, NiceStep(widestPower * axis.decades / plotWidth_));
        for (double decade = 0.0; decade <= axis.decades; decade += tickStep) {
            const QString label = PowerOfTen(decade);
            const double width = metrics_.horizontalAdvance(label);
            const double x = axis.XOf(decade);
            canvas_.Text(QRectF(Centred(x, width, plotLeft_, plotRight_), y, width, line_),
                         Qt::AlignLeft | Qt::AlignTop, label, body_);
            if (painter_ != nullptr) {
                painter_->setPen(QPen(Qt::black, unit_));
                painter_->drawLine(QPointF(x, y + line_ + 0.1 * line_),
                                   QPointF(x, y + 1.4 * line_));
            }
        }
        const double axisY = y + 1.3 * line_;
        if (painter_ != nullptr) {
            painter_->setPen(QPen(Qt::gray, unit_));
            painter_->drawLine(QPointF(plotLeft_, axisY), QPointF(plotRight_, axisY));
        }
        return axisY + 0.3 * line_;
    }

    /// One scheme's strings per run along the row whose middle is `middle`: from the least to
    /// the most, a box from the 10th to the 90th percentile and a stroke at the median.
    void StringsRange(const analysis::Summary& strings, Scheme scheme, const StringsAxis& axis,
                      double middle) {
        const QColor fill = SchemeColour(scheme);
        painter_->setPen(QPen(fill, 1.5 * unit_));
        painter_->drawLine(QPointF(axis.XOf(std::log10(std::max(strings.min, 1.0))), middle),
                           QPointF(axis.XOf(std::log10(std::max(strings.max, 1.0))), middle));
        const QRectF box(QPointF(axis.XOf(std::log10(std::max(strings.percentile10, 1.0))),
                                 middle - 0.45 * line_),
                         QPointF(axis.XOf(std::log10(std::max(strings.percentile90, 1.0))),
                                 middle + 0.45 * line_));
        painter_->fillRect(box, QColor(fill.red(), fill.green(), fill.blue(), 60));
        if (HatchingOf(scheme) == Hatching::Solid) {
            painter_->fillRect(box, fill);
        }
        QPainterPath hatching;
        AddHatching(hatching, box, HatchingOf(scheme), 4.0 * unit_);
        painter_->setBrush(Qt::NoBrush);
        painter_->drawPath(hatching);
        painter_->drawRect(box);
        const double median = axis.XOf(std::log10(std::max(strings.median, 1.0)));
        painter_->setPen(QPen(Qt::black, 2.0 * unit_));
        painter_->drawLine(QPointF(median, middle - 0.6 * line_),
                           QPointF(median, middle + 0.6 * line_));
    }

    /// The blind search's row, a dot at `blindX`, and its figures under the dot.
    double BlindSearchRow(double blindX, double y, double rowHeight) {
        canvas_.Text(QRectF(x0_, y, leftColumn_, rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     ChartText::tr("Blind search"), body_);
        if (painter_ != nullptr) {
            painter_->setPen(Qt::black);
            painter_->setBrush(Qt::black);
            painter_->drawEllipse(QPointF(blindX, y + rowHeight / 2.0), 0.35 * line_, 0.35 * line_);
            painter_->setBrush(Qt::NoBrush);
        }
        y += rowHeight;
        // They can be long, so they wrap.
        const bool onTheRight = blindX > plotLeft_ + plotWidth_ / 2.0;
        return canvas_
            .Text(QRectF(plotLeft_, y, plotWidth_, kWrapped),
                  static_cast<int>((onTheRight ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop |
                                   Qt::TextWordWrap),
                  BlindSearchText(data_.phrase.size()), body_)
            .bottom();
    }

    Canvas& canvas_;
    QPainter* painter_;
    QRectF area_;
    const analysis::DistributionData& data_;
    const Prepared& prepared_;
    QFont body_;
    QFont titleFont_;
    QFont headFont_;
    QFontMetricsF metrics_;
    double line_;
    double unit_;
    double pad_;
    double x0_;
    double x1_;
    int columns_;
    double leftColumn_ = 0.0;
    double plotLeft_ = 0.0;
    double plotRight_ = 0.0;
    double plotWidth_ = 1.0;
};

/// Draws the chart (or, with no painter, only measures it) in `area` with its panels in
/// `columns` columns and each panel's plot `plotHeight` tall; returns where the drawing ends.
double Draw(Canvas& canvas, const QRectF& area, const analysis::DistributionData& data,
            const Prepared& prepared, const QFont& face, int columns, double plotHeight) {
    return ChartDrawing(canvas, area, data, prepared, face, columns).Draw(plotHeight);
}

/// One way to lay the panels out: in `columns` columns and so `rows` rows, the rest of the
/// chart then taking `fixed` of its height.
struct Arrangement {
    int columns = 1;
    int rows = 1;
    double fixed = 0.0;
};

/// The ways a chart `width` wide can lay its panels out: one above another, and all side by
/// side where the width gives each a readable plot.
std::vector<Arrangement> Arrangements(const analysis::DistributionData& data,
                                      const Prepared& prepared, const QFont& face, double width) {
    const double line = QFontMetricsF(InPixels(face)).height();
    const int panels = std::max(1, static_cast<int>(data.schemes.size()));
    std::vector<Arrangement> arrangements;
    for (const int columns : {1, panels}) {
        const bool again = columns == 1 && !arrangements.empty();
        if (again ||
            (columns > 1 && ColumnWidth(width, columns, line) < kLeastColumnLines * line)) {
            continue;
        }
        Canvas measure(nullptr);
        const double fixed =
            Draw(measure, QRectF(0, 0, width, 1e6), data, prepared, face, columns, 0.0);
        arrangements.push_back({columns, (panels + columns - 1) / columns, fixed});
    }
    return arrangements;
}

/// The arrangement for a chart `height` tall, and its plots' height: one above another while
/// that gives each plot the height the chart is laid out for, else whichever gives the taller
/// plots, never lower than a few lines.
std::pair<int, double> ChooseArrangement(const std::vector<Arrangement>& arrangements,
                                         double height, double line) {
    std::pair<int, double> chosen{1, -1e9};
    for (const Arrangement& arrangement : arrangements) {
        const double plotHeight = (height - arrangement.fixed) / arrangement.rows;
        if (arrangement.columns == 1 && plotHeight >= kWantedPlotLines * line) {
            return {1, plotHeight};
        }
        if (plotHeight > chosen.second) {
            chosen = {arrangement.columns, plotHeight};
        }
    }
    chosen.second = std::max(chosen.second, kLeastPlotLines * line);
    return chosen;
}

/// The least height a chart `width` wide takes, in its lowest arrangement.
double LeastHeight(const analysis::DistributionData& data, const QFont& face, double width) {
    const double line = QFontMetricsF(InPixels(face)).height();
    double least = 1e9;
    for (const Arrangement& arrangement : Arrangements(data, Prepare(data), face, width)) {
        least = std::min(least, arrangement.fixed + arrangement.rows * kLeastPlotLines * line);
    }
    return least;
}

} // namespace

QString GuessSentence(const GenerationLaw& law, std::int64_t guess) {
    return GuessText(analysis::PlaceGuess(law, guess));
}

QString DistributionChartTitle(const analysis::DistributionData& data) {
    QStringList schemes;
    for (const analysis::SchemeRuns& runs : data.schemes) {
        schemes << SchemeName(runs.scheme);
    }
    const analysis::ChartTitle title = analysis::TitleOf(data);
    const QString text = ChartTr(title.source, static_cast<int>(title.plural));
    const QString phrase = QString::fromStdString(data.phrase);
    const QString seed = QString::fromStdString(data.seedText);
    const QString names = schemes.join(QStringLiteral(", "));
    if (title.counts.size() == 2) {
        return text.arg(phrase, names, Grouped(title.counts[0]), Grouped(title.counts[1]), seed);
    }
    return text.arg(phrase, names, Grouped(title.counts.at(0)), seed);
}

QFont DefaultChartFace() {
    QFont face;
    face.setPixelSize(kDefaultPixelSize);
    return face;
}

QSize DistributionChartSize(const analysis::DistributionData& data, const QFont& face) {
    const QFont body = InPixels(face);
    const double width =
        std::round(kDefaultWidth * body.pixelSize() / static_cast<double>(kDefaultPixelSize));
    const double plotHeight = kWantedPlotLines * QFontMetricsF(body).height();
    Canvas measure(nullptr);
    const double bottom =
        Draw(measure, QRectF(0, 0, width, 1e6), data, Prepare(data), face, 1, plotHeight);
    return {static_cast<int>(width), static_cast<int>(std::ceil(bottom))};
}

QSize DistributionChartMinimumSize(const analysis::DistributionData& data, const QFont& face) {
    const int width =
        static_cast<int>(std::round(DistributionChartSize(data, face).width() * 2.0 / 3.0));
    return {width, DistributionChartHeightForWidth(data, width, face)};
}

int DistributionChartHeightForWidth(const analysis::DistributionData& data, int width,
                                    const QFont& face) {
    return static_cast<int>(std::ceil(LeastHeight(data, face, width)));
}

std::vector<DrawnText> PaintDistributionChart(QPainter& painter, const QRectF& area,
                                              const analysis::DistributionData& data,
                                              const QFont& face) {
    // The panels share what height the rest of the chart leaves them, down to a few lines each;
    // where that is short, they stand side by side if the width lets them.
    const double line = QFontMetricsF(InPixels(face)).height();
    const Prepared prepared = Prepare(data);
    const auto [columns, plotHeight] =
        ChooseArrangement(Arrangements(data, prepared, face, area.width()), area.height(), line);
    painter.save();
    Canvas canvas(&painter);
    Draw(canvas, area, data, prepared, face, columns, plotHeight);
    painter.restore();
    return canvas.TakeTexts();
}

QString WriteChart(QIODevice& device, ChartFormat format, QSize size, const QString& title,
                   const std::function<void(QPainter&, const QRectF&)>& paint) {
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (format == ChartFormat::Svg) {
        // Drawn into memory first: the generator does not say when a write fails.
        QBuffer drawing;
        drawing.open(QIODevice::WriteOnly);
        QSvgGenerator generator;
        generator.setOutputDevice(&drawing);
        generator.setSize(size);
        generator.setViewBox(area);
        generator.setTitle(title);
        generator.setDescription(title);
        QPainter painter;
        if (!painter.begin(&generator)) {
            return ChartText::tr("the drawing could not be started");
        }
        paint(painter, area);
        painter.end();
        const QByteArray& bytes = drawing.data();
        if (device.write(bytes) != bytes.size()) {
            return device.errorString();
        }
        return QString();
    }
    // Twice the laid-out size, so the chart stays sharp on a projector or in print.
    constexpr int kScale = 2;
    QImage image(size * kScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kScale);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paint(painter, area);
    }
    image.setText(QStringLiteral("Title"), title);
    // Encoded into memory first as well: the PNG encoder, stopped by a failing write, leaves
    // its own memory behind, and memory never fails it.
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    QImageWriter writer(&encoded, "png");
    if (!writer.write(image)) {
        return writer.errorString();
    }
    const QByteArray& bytes = encoded.data();
    if (device.write(bytes) != bytes.size()) {
        return device.errorString();
    }
    return QString();
}

QString SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // The bytes may still sit in the file's buffer, and commit() can miss a failed flush (a
    // full disk), so they are flushed and checked before the rename. A short write, in either,
    // says nothing of why: writing the rest either finishes or fails with the system's reason.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0) {
            break;
        }
        written += more;
    }
    bool flushed = file.flush();
    for (int again = 0; again < 2 && !flushed && file.bytesToWrite() > 0; ++again) {
        file.unsetError();
        flushed = file.flush();
    }
    if (!flushed || file.error() != QFileDevice::NoError) {
        // The reason first: giving up the write replaces it with one of its own.
        QString problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return QString();
}

QString SaveChart(const QString& path, QSize size, const QString& title,
                  const std::function<void(QPainter&, const QRectF&)>& paint) {
    ChartFormat format = ChartFormat::Png;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        format = ChartFormat::Svg;
    } else if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        return ChartText::tr("give a file name ending in .png or .svg");
    }
    QBuffer drawn;
    drawn.open(QIODevice::WriteOnly);
    if (QString problem = WriteChart(drawn, format, size, title, paint); !problem.isEmpty()) {
        return problem;
    }
    return SaveWholeFile(path, drawn.data());
}

QString DefaultChartFolder() {
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    return pictures.isEmpty() ? QDir::homePath() : pictures;
}

QString DescriptiveChartName(const QString& phrase, const QString& what, const QString& extension) {
    QString stem;
    for (const QChar c : phrase.left(40)) {
        stem += c.isLetterOrNumber() ? c : QChar('-');
    }
    if (stem.isEmpty()) {
        stem = QStringLiteral("phrase");
    }
    QString tail = what;
    for (QChar& c : tail) {
        if (!c.isLetterOrNumber()) {
            c = QChar('-');
        }
    }
    return stem + QChar('-') + tail + QChar('.') + extension;
}

std::string WriteDistributionChart(const analysis::DistributionData& data,
                                   const std::string& path) {
    // Fonts come from the application's platform; without one there is nothing to draw with.
    if (QGuiApplication::instance() == nullptr) {
        return "there is no application to draw the chart with";
    }
    const QFont face = DefaultChartFace();
    const QString problem =
        SaveChart(QString::fromStdString(path), DistributionChartSize(data, face),
                  DistributionChartTitle(data), [&](QPainter& painter, const QRectF& area) {
                      PaintDistributionChart(painter, area, data, face);
                  });
    return problem.toStdString();
}

} // namespace quarrow::plot
