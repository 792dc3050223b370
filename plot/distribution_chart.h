#pragma once

#include <functional>
#include <string>

#include <QRectF>
#include <QSize>
#include <QString>

#include "plot/distribution_data.h"

class QPainter;

namespace quarrow::plot {

// The chart of many runs: one histogram of the generations per run for each scheme, aligned on
// one axis (logarithmic when the runs span more than two decades), with the mean, median and
// 10th and 90th percentiles marked and the exact law drawn over each; below them the strings
// per run on a logarithmic axis beside what a blind search needs. The window shows it and the
// lab writes it, from this one drawing code.

/// "Generations per run for "CAT": 1: Attenuating Selection, ..., 100 runs each, seed 42".
QString DistributionChartTitle(const DistributionData& data);

/// The size the chart is laid out for, in device-independent pixels.
QSize DistributionChartSize(const DistributionData& data);

/// Draws the chart into `area`.
void PaintDistributionChart(QPainter& painter, const QRectF& area, const DistributionData& data);

/// Draws with `paint` into a PNG at twice `size` (2x) or an SVG of `size`, chosen by the file's
/// ending, titled `title`. Returns why it could not, or an empty text.
QString SaveChart(const QString& path, QSize size, const QString& title,
                  const std::function<void(QPainter&, const QRectF&)>& paint);

/// The user's Pictures folder (the home folder when there is none).
QString DefaultChartFolder();

/// A file name that says what the chart is: "quarrow-CAT-3-schemes-100-runs-seed-42.png".
QString DescriptiveChartName(const QString& phrase, const QString& what, const QString& extension);

/// The lab's plot writer: starts an offscreen application when there is none and writes the
/// chart; returns why it could not, or an empty text.
std::string WriteDistributionChart(const DistributionData& data, const std::string& path);

} // namespace quarrow::plot
