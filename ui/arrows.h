#pragma once

#include <QPixmap>
#include <QSize>

namespace quarrow {

/// Which way an arrow picture points.
enum class ArrowDirection { Right, Down };

/// The grey of the pictures' background (red, green and blue 192).
inline constexpr int kArrowBackgroundGrey = 192;

/// A black arrow filling a picture of `size` on the light grey background, painted without
/// smoothing so its edges stay crisp at these small sizes.
QPixmap ArrowPixmap(QSize size, ArrowDirection direction);

} // namespace quarrow
