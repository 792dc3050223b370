#include "plot/distribution_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QSvgGenerator>

#include "engine/exact_law.h"
#include "lab/statistics.h"

namespace quarrow::plot {

namespace {

constexpr int kWidth = 960;
constexpr int kTitleHeight = 64;
constexpr int kPanelHeight = 150;
constexpr int kAxisHeight = 44;
constexpr int kStringsHeadHeight = 44;
constexpr int kStringsRowHeight = 26;
constexpr int kLeft = 190;
constexpr int kRight = 30;
constexpr int kBins = 40;
/// Runs spanning more than two decades are shown on a logarithmic axis.
constexpr double kLogAxisSpan = 100.0;

// Colour-blind-safe colours, each with its own fill pattern so print in grey still tells the
// schemes apart.
const QColor kSchemeColours[] = {QColor(0x00, 0x72, 0xB2), QColor(0xE6, 0x9F, 0x00),
                                 QColor(0x00, 0x9E, 0x73)};
const Qt::BrushStyle kSchemePatterns[] = {Qt::SolidPattern, Qt::BDiagPattern, Qt::CrossPattern};
const QColor kLawColour(0x20, 0x20, 0x20);

int SchemeIndex(Scheme scheme) {
    return static_cast<int>(scheme);
}

struct Bin {
    std::int64_t first = 0;
    std::int64_t last = 0;
};

/// The generations axis: a linear or a logarithmic map of [low, high + 1) onto [0, 1].
struct Axis {
    double low = 0.0;
    double high = 1.0;
    bool logarithmic = false;

    double Place(double value) const {
        if (logarithmic) {
            return (std::log10(std::max(value, low)) - std::log10(low)) /
                   (std::log10(high) - std::log10(low));
        }
        return (value - low) / (high - low);
    }
};

struct SchemeFigures {
    std::optional<lab::Summary> generations;
    std::optional<lab::Summary> strings;
    GenerationLaw law = GenerationLaw::LockedLetter(0);
};

std::vector<double> AsDoubles(const std::vector<std::int64_t>& values) {
    return {values.begin(), values.end()};
}

std::vector<SchemeFigures> Figures(const DistributionData& data) {
    std::vector<SchemeFigures> figures;
    for (const SchemeRuns& runs : data.schemes) {
        SchemeFigures f;
        f.generations = lab::Summarise(AsDoubles(runs.generations));
        f.strings = lab::Summarise(AsDoubles(runs.strings));
        f.law = GenerationLaw::ForScheme(runs.scheme, data.phrase.size());
        figures.push_back(f);
    }
    return figures;
}

Axis GenerationAxis(const DistributionData& data, const std::vector<SchemeFigures>& figures) {
    double low = 0.0;
    double high = 0.0;
    bool any = false;
    const auto take = [&](double value) {
        low = any ? std::min(low, value) : value;
        high = any ? std::max(high, value) : value;
        any = true;
    };
    for (std::size_t s = 0; s < data.schemes.size(); ++s) {
        if (figures[s].generations) {
            take(figures[s].generations->min);
            take(figures[s].generations->max);
        }
        const auto lawLow = figures[s].law.Quantile(0.001);
        const auto lawHigh = figures[s].law.Quantile(0.999);
        if (lawHigh < static_cast<std::int64_t>(1e15)) {
            take(static_cast<double>(lawLow));
            take(static_cast<double>(lawHigh));
        }
    }
    Axis axis;
    axis.low = std::max(any ? low : 0.0, 0.0);
    axis.high = std::max(any ? high : 1.0, axis.low) + 1.0;
    axis.logarithmic = axis.high > kLogAxisSpan * std::max(axis.low, 1.0);
    if (axis.logarithmic) {
        axis.low = std::max(axis.low, 1.0);
    }
    return axis;
}

std::vector<Bin> Bins(const Axis& axis) {
    std::vector<Bin> bins;
    const auto low = static_cast<std::int64_t>(axis.low);
    const auto end = static_cast<std::int64_t>(axis.high); // one past the last count
    if (axis.logarithmic) {
        std::int64_t first = low;
        for (int k = 1; k <= kBins && first < end; ++k) {
            const double edge = axis.low * std::pow(axis.high / axis.low, double(k) / kBins);
            const auto next = std::max(
                first + 1,
                std::min<std::int64_t>(end, static_cast<std::int64_t>(std::llround(edge))));
            bins.push_back({first, next - 1});
            first = next;
        }
    } else {
        const std::int64_t width = std::max<std::int64_t>(1, (end - low + kBins - 1) / kBins);
        for (std::int64_t first = low; first < end; first += width) {
            bins.push_back({first, std::min(end, first + width) - 1});
        }
    }
    return bins;
}

QString CountText(double value) {
    if (std::abs(value) >= 1e6) {
        return QString::number(value, 'g', 3);
    }
    return QString::number(value, 'f', std::abs(value - std::round(value)) < 1e-9 ? 0 : 1);
}

QString PowerOfTen(double exponent) {
    if (exponent < 6.0) {
        return QString::number(std::pow(10.0, exponent), 'f', 0);
    }
    return QStringLiteral("1E+%1").arg(static_cast<int>(std::lround(exponent)));
}

void DrawMark(QPainter& painter, double x, double top, double bottom, Qt::PenStyle style,
              const QString& label, int row) {
    painter.setPen(QPen(kLawColour, 1.2, style));
    painter.drawLine(QPointF(x, top + 12.0 * (row + 1)), QPointF(x, bottom));
    painter.setPen(kLawColour);
    painter.drawText(QPointF(x + 2.0, top + 12.0 * (row + 1) - 1.0), label);
}

} // namespace

QString DistributionChartTitle(const DistributionData& data) {
    QStringList schemes;
    for (const SchemeRuns& runs : data.schemes) {
        schemes << QString::fromUtf8(SchemeCaption(runs.scheme).data(),
                                     static_cast<int>(SchemeCaption(runs.scheme).size()));
    }
    return QStringLiteral("Generations per run for \"%1\": %2, %3 runs%4, %5")
        .arg(QString::fromStdString(data.phrase), schemes.join(QStringLiteral(", ")))
        .arg(data.runsRequested)
        .arg(data.schemes.size() > 1 ? QStringLiteral(" each") : QString())
        .arg(QString::fromStdString(data.seedText));
}

QSize DistributionChartSize(const DistributionData& data) {
    const auto panels = static_cast<int>(data.schemes.size());
    return {kWidth, kTitleHeight + panels * kPanelHeight + kAxisHeight + kStringsHeadHeight +
                        (panels + 1) * kStringsRowHeight + 30};
}

void PaintDistributionChart(QPainter& painter, const QRectF& area, const DistributionData& data) {
    painter.save();
    const QSize size = DistributionChartSize(data);
    painter.translate(area.topLeft());
    painter.scale(area.width() / size.width(), area.height() / size.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(0, 0, size.width(), size.height()), Qt::white);

    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    QFont titleFont = font;
    titleFont.setPixelSize(15);
    titleFont.setBold(true);

    painter.setPen(Qt::black);
    painter.setFont(titleFont);
    painter.drawText(QRectF(10, 6, size.width() - 20, 36), Qt::AlignLeft | Qt::TextWordWrap,
                     DistributionChartTitle(data));
    painter.setFont(font);
    painter.drawText(QPointF(10, kTitleHeight - 8),
                     QStringLiteral("Bars: share of runs; dark line: the exact law; marks: mean "
                                    "(solid), median (dashed), 10% and 90% (dotted)"));

    const std::vector<SchemeFigures> figures = Figures(data);
    const Axis axis = GenerationAxis(data, figures);
    const std::vector<Bin> bins = Bins(axis);
    const double plotLeft = kLeft;
    const double plotWidth = size.width() - kLeft - kRight;
    const auto xOf = [&](double value) { return plotLeft + plotWidth * axis.Place(value); };

    double top = kTitleHeight;
    for (std::size_t s = 0; s < data.schemes.size(); ++s) {
        const SchemeRuns& runs = data.schemes[s];
        const SchemeFigures& f = figures[s];
        const int colour = SchemeIndex(runs.scheme);
        const double bottom = top + kPanelHeight - 14.0;
        const double panelTop = top + 4.0;
        const auto count = static_cast<double>(runs.generations.size());

        std::vector<double> shares(bins.size(), 0.0);
        std::vector<double> lawShares(bins.size(), 0.0);
        for (const std::int64_t g : runs.generations) {
            const auto bin =
                std::upper_bound(bins.begin(), bins.end(), g,
                                 [](std::int64_t v, const Bin& b) { return v < b.first; });
            if (bin != bins.begin()) {
                shares[static_cast<std::size_t>(bin - bins.begin() - 1)] += 1.0 / count;
            }
        }
        double tallest = 0.0;
        for (std::size_t b = 0; b < bins.size(); ++b) {
            lawShares[b] = f.law.MoreThan(bins[b].first - 1) - f.law.MoreThan(bins[b].last);
            tallest = std::max({tallest, shares[b], lawShares[b]});
        }
        tallest = tallest > 0.0 ? tallest * 1.15 : 1.0;
        const auto yOf = [&](double share) {
            return bottom - (bottom - panelTop - 26.0) * share / tallest;
        };

        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(8, top + 20, kLeft - 16, 60), Qt::AlignLeft | Qt::TextWordWrap,
            QStringLiteral("%1\n%2 runs")
                .arg(QString::fromUtf8(SchemeCaption(runs.scheme).data(),
                                       static_cast<int>(SchemeCaption(runs.scheme).size())))
                .arg(runs.generations.size()));
        painter.setPen(QPen(Qt::gray, 1));
        painter.drawLine(QPointF(plotLeft, bottom), QPointF(plotLeft + plotWidth, bottom));
        painter.drawLine(QPointF(plotLeft, bottom), QPointF(plotLeft, panelTop + 20));
        painter.setPen(Qt::darkGray);
        painter.drawText(QRectF(plotLeft - 70, panelTop + 14, 64, 14), Qt::AlignRight,
                         QStringLiteral("%1%").arg(tallest * 100.0, 0, 'f', 1));

        const QColor fill = kSchemeColours[colour];
        painter.setPen(QPen(fill.darker(130), 1));
        for (std::size_t b = 0; b < bins.size(); ++b) {
            if (shares[b] <= 0.0) {
                continue;
            }
            const QRectF bar(QPointF(xOf(static_cast<double>(bins[b].first)), yOf(shares[b])),
                             QPointF(xOf(static_cast<double>(bins[b].last + 1)), bottom));
            painter.fillRect(bar, QColor(fill.red(), fill.green(), fill.blue(), 60));
            painter.fillRect(bar, QBrush(fill, kSchemePatterns[colour]));
            painter.drawRect(bar);
        }
        QPainterPath lawPath;
        for (std::size_t b = 0; b < bins.size(); ++b) {
            const double middle = (xOf(static_cast<double>(bins[b].first)) +
                                   xOf(static_cast<double>(bins[b].last + 1))) /
                                  2.0;
            const QPointF point(middle, yOf(lawShares[b]));
            if (b == 0) {
                lawPath.moveTo(point);
            } else {
                lawPath.lineTo(point);
            }
        }
        painter.setPen(QPen(kLawColour, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(lawPath);

        if (f.generations) {
            DrawMark(painter, xOf(f.generations->percentile10), panelTop, bottom, Qt::DotLine,
                     QStringLiteral("10%"), 0);
            DrawMark(painter, xOf(f.generations->median), panelTop, bottom, Qt::DashLine,
                     QStringLiteral("median"), 1);
            DrawMark(painter, xOf(f.generations->mean), panelTop, bottom, Qt::SolidLine,
                     QStringLiteral("mean"), 0);
            DrawMark(painter, xOf(f.generations->percentile90), panelTop, bottom, Qt::DotLine,
                     QStringLiteral("90%"), 1);
        }
        top += kPanelHeight;
    }

    // The shared generations axis.
    painter.setPen(Qt::black);
    std::vector<double> ticks;
    if (axis.logarithmic) {
        for (double decade = std::ceil(std::log10(axis.low)); decade <= std::log10(axis.high);
             decade += 1.0) {
            ticks.push_back(std::pow(10.0, decade));
        }
    } else {
        const double span = axis.high - axis.low;
        const double rough = span / 8.0;
        const double magnitude = std::pow(10.0, std::floor(std::log10(std::max(rough, 1.0))));
        double step = magnitude;
        for (const double factor : {1.0, 2.0, 5.0, 10.0}) {
            if (magnitude * factor >= rough) {
                step = magnitude * factor;
                break;
            }
        }
        for (double tick = std::ceil(axis.low / step) * step; tick < axis.high; tick += step) {
            ticks.push_back(tick);
        }
    }
    for (const double tick : ticks) {
        const double x = xOf(tick);
        painter.drawLine(QPointF(x, top - 14), QPointF(x, top - 9));
        painter.drawText(QRectF(x - 40, top - 8, 80, 14), Qt::AlignHCenter, CountText(tick));
    }
    painter.drawText(QRectF(plotLeft, top + 8, plotWidth, 16), Qt::AlignHCenter,
                     axis.logarithmic ? QStringLiteral("Generations per run (logarithmic scale)")
                                      : QStringLiteral("Generations per run"));
    top += kAxisHeight;

    // Strings per run beside a blind search, on a logarithmic axis of strings.
    const double blind = BlindSearchLog10Strings(data.phrase.size());
    double highest = blind;
    for (const SchemeFigures& f : figures) {
        if (f.strings) {
            highest = std::max(highest, std::log10(std::max(f.strings->max, 1.0)));
        }
    }
    const double decades = std::max(1.0, std::ceil(highest + 0.5));
    const auto sxOf = [&](double strings) {
        return plotLeft + plotWidth * std::log10(std::max(strings, 1.0)) / decades;
    };
    painter.setFont(titleFont);
    painter.drawText(QPointF(10, top + 16),
                     QStringLiteral("Strings per run beside a blind search (logarithmic scale)"));
    painter.setFont(font);
    const double tickStep = std::max(1.0, std::ceil(decades / 10.0));
    const double axisY = top + kStringsHeadHeight - 6;
    painter.setPen(Qt::gray);
    painter.drawLine(QPointF(plotLeft, axisY), QPointF(plotLeft + plotWidth, axisY));
    painter.setPen(Qt::black);
    for (double decade = 0.0; decade <= decades; decade += tickStep) {
        const double x = plotLeft + plotWidth * decade / decades;
        painter.drawLine(QPointF(x, axisY - 3), QPointF(x, axisY + 3));
        painter.drawText(QRectF(x - 40, axisY - 18, 80, 14), Qt::AlignHCenter, PowerOfTen(decade));
    }
    double row = axisY + 8;
    for (std::size_t s = 0; s < data.schemes.size(); ++s) {
        const SchemeFigures& f = figures[s];
        const int colour = SchemeIndex(data.schemes[s].scheme);
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(8, row, kLeft - 16, kStringsRowHeight), Qt::AlignVCenter,
            QString::fromUtf8(SchemeCaption(data.schemes[s].scheme).data(),
                              static_cast<int>(SchemeCaption(data.schemes[s].scheme).size())));
        if (f.strings) {
            const double middle = row + kStringsRowHeight / 2.0;
            painter.setPen(QPen(kSchemeColours[colour], 1.5));
            painter.drawLine(QPointF(sxOf(f.strings->min), middle),
                             QPointF(sxOf(f.strings->max), middle));
            const QRectF box(QPointF(sxOf(f.strings->percentile10), middle - 7),
                             QPointF(sxOf(f.strings->percentile90), middle + 7));
            painter.fillRect(box, QBrush(kSchemeColours[colour], kSchemePatterns[colour]));
            painter.drawRect(box);
            painter.setPen(QPen(Qt::black, 2));
            painter.drawLine(QPointF(sxOf(f.strings->median), middle - 9),
                             QPointF(sxOf(f.strings->median), middle + 9));
        }
        row += kStringsRowHeight;
    }
    const double blindX = plotLeft + plotWidth * blind / decades;
    const double middle = row + kStringsRowHeight / 2.0;
    painter.setPen(Qt::black);
    painter.drawText(QRectF(8, row, kLeft - 16, kStringsRowHeight), Qt::AlignVCenter,
                     QStringLiteral("Blind search"));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QPointF(blindX, middle), 5, 5);
    const QString blindText =
        QStringLiteral("27^%1 = %2 strings expected, %3 generations of 20")
            .arg(data.phrase.size())
            .arg(PowerOfTen(blind).startsWith(QLatin1String("1E"))
                     ? QStringLiteral("%1E+%2")
                           .arg(std::pow(10.0, blind - std::floor(blind)), 0, 'f', 2)
                           .arg(static_cast<int>(std::floor(blind)))
                     : QString::number(std::pow(10.0, blind), 'f', 0))
            .arg(QString::number(std::pow(10.0, blind) / 20.0, 'g', 3));
    const double textWidth = QFontMetricsF(font).horizontalAdvance(blindText);
    const double textX =
        blindX + 10 + textWidth < plotLeft + plotWidth ? blindX + 10 : blindX - 10 - textWidth;
    painter.drawText(QPointF(textX, middle + 4), blindText);
    painter.restore();
}

QString SaveChart(const QString& path, QSize size, const QString& title,
                  const std::function<void(QPainter&, const QRectF&)>& paint) {
    const QRectF area(QPointF(0, 0), QSizeF(size));
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size);
        generator.setViewBox(area);
        generator.setTitle(title);
        generator.setDescription(title);
        QPainter painter;
        if (!painter.begin(&generator)) {
            return QStringLiteral("the file cannot be created");
        }
        paint(painter, area);
        painter.end();
        return QFileInfo(path).size() > 0 ? QString() : QStringLiteral("nothing was written");
    }
    if (!path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        return QStringLiteral("give a file name ending in .png or .svg");
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
    return image.save(path, "PNG") ? QString() : QStringLiteral("the file cannot be written");
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

std::string WriteDistributionChart(const DistributionData& data, const std::string& path) {
    std::optional<QGuiApplication> application;
    static int argc = 1;
    static char name[] = "quarrow-lab";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance() == nullptr) {
        // The lab draws without a screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        application.emplace(argc, argv);
    }
    const QString problem =
        SaveChart(QString::fromStdString(path), DistributionChartSize(data),
                  DistributionChartTitle(data), [&](QPainter& painter, const QRectF& area) {
                      PaintDistributionChart(painter, area, data);
                  });
    return problem.toStdString();
}

} // namespace quarrow::plot
