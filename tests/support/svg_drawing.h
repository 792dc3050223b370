#pragma once

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace quarrow::testing {

/// What Qt's own renderer draws of a drawing: at its default size, on white.
inline QImage DrawnByQt(QSvgRenderer& renderer) {
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return image;
}

} // namespace quarrow::testing
