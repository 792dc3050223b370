#pragma once

#include "analysis/distribution_data.h"
#include "engine/exact_law.h"

#include <QFont>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class QIODevice;
class QPainter;

namespace quarrow::plot {

// The chart of many runs: one histogram of the generations per run for each scheme, aligned on
// one axis (logarithmic when the runs span more than two decades) and on one scale of shares,
// with the mean, median and 10th and 90th percentiles marked and the exact law drawn over each,
// and a user's guess, when there is one, marked in each and placed in its law in words;
// below them the strings per run on a logarithmic axis beside what a blind search needs. The
// window shows it and the lab writes it, from this one drawing code.
//
// Every size in the drawing follows from the area it is given and the face it is drawn in; the
// data decide only what is drawn, never how much room it takes.

/// A text the chart drew and the rectangle it took, in the painter's coordinates.
struct DrawnText {
    QRectF rect;
    QString text;
};

/// "Generations per run for "CAT": 1: Attenuating Selection, ..., 100 runs each, seed 42"; a
/// batch stopped early says "6,268 of 1,000,000 runs, interrupted".
QString DistributionChartTitle(const analysis::DistributionData& data);

/// Where `guess` generations fall in `law`, in words: "Your guess of 30 is at the 62nd
/// percentile: 62 of every 100 runs need at most 30 generations". A guess no run can meet, or
/// one that rounds to none or all of them without being so, says that instead.
QString GuessSentence(const GenerationLaw& law, std::int64_t guess);

/// The face the lab draws in when there is no window to take one from.
QFont DefaultChartFace();

/// The size the chart is laid out for in `face`, in device-independent pixels: 960 wide in the
/// default face, and as much larger as the face is.
QSize DistributionChartSize(const analysis::DistributionData& data,
                            const QFont& face = DefaultChartFace());

/// The least size the chart can be drawn in without its texts meeting or leaving it: two thirds
/// of its width, and plots a few lines tall.
QSize DistributionChartMinimumSize(const analysis::DistributionData& data,
                                   const QFont& face = DefaultChartFace());

/// The least height the chart can be drawn in at `width` without its texts meeting or leaving
/// it, its plots a few lines tall. Drawn lower than it is laid out for, the chart stands its
/// scheme panels side by side rather than one above another, where `width` gives each of them
/// room for a readable plot.
int DistributionChartHeightForWidth(const analysis::DistributionData& data, int width,
                                    const QFont& face = DefaultChartFace());

/// Draws the chart into `area` with its texts in `face` (its title a little larger); returns the
/// texts drawn and where.
std::vector<DrawnText> PaintDistributionChart(QPainter& painter, const QRectF& area,
                                              const analysis::DistributionData& data,
                                              const QFont& face = DefaultChartFace());

/// The kinds of file a chart is written as.
enum class ChartFormat { Png, Svg };

/// Draws with `paint` onto `device`: a PNG at twice `size` (2x) or an SVG of `size`, titled
/// `title`. Returns why it could not, or an empty text.
QString WriteChart(QIODevice& device, ChartFormat format, QSize size, const QString& title,
                   const std::function<void(QPainter&, const QRectF&)>& paint);

/// Writes `bytes` to the file at `path`. The bytes go to a file beside it that is renamed over it
/// only once every byte is written, so that a failure (a full disk, a folder that cannot be
/// written) leaves an earlier file as it was. Returns the system's reason when it could not, or
/// an empty text.
QString SaveWholeFile(const QString& path, const QByteArray& bytes);

/// `WriteChart` into the file at `path`, the format chosen by its ending. The file is replaced
/// only once all of it is written: on failure whatever was at `path` is left as it was. Returns
/// why it could not, or an empty text.
QString SaveChart(const QString& path, QSize size, const QString& title,
                  const std::function<void(QPainter&, const QRectF&)>& paint);

/// The user's Pictures folder (the home folder when there is none).
QString DefaultChartFolder();

/// A file name that says what the chart is: "quarrow-CAT-3-schemes-100-runs-seed-42.png".
QString DescriptiveChartName(const QString& phrase, const QString& what, const QString& extension);

/// The lab's plot writer: draws the chart in the default face and writes it; returns why it
/// could not, or an empty text. The caller's `QGuiApplication` must exist: this never makes one.
std::string WriteDistributionChart(const analysis::DistributionData& data, const std::string& path);

} // namespace quarrow::plot
