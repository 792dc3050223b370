#pragma once

#include <QPixmap>
#include <QSize>

class QWidget;

namespace quarrow {

/// Which way an arrow picture points.
enum class ArrowDirection { Right, Down };

/// The grey of the pictures' background (red, green and blue 192).
inline constexpr int kArrowBackgroundGrey = 192;

/// A black arrow filling a picture of `size` on the light grey background, painted without
/// smoothing so its edges stay crisp at these small sizes. On a screen of more than one device
/// pixel per pixel it is drawn in device pixels, so that it stays as sharp.
QPixmap ArrowPixmap(QSize size, ArrowDirection direction, qreal devicePixelRatio = 1.0);

/// Keeps a purely decorative picture from screen readers: it has no name, and reports itself
/// invisible to assistive technology, which then passes over it.
void MarkDecorative(QWidget& picture);

} // namespace quarrow
