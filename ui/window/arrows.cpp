#include "ui/window/arrows.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QColor>
#include <QImage>
#include <QTransform>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace quarrow {
namespace {

constexpr char kDecorative[] = "decorative";

// What assistive technology is told of a decorative picture: nothing to read, and not shown.
class DecorativeAccessible final : public QAccessibleWidget {
public:
    explicit DecorativeAccessible(QWidget* widget)
        : QAccessibleWidget(widget, QAccessible::NoRole) {}

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override {
        QAccessible::State shown = QAccessibleWidget::state();
        shown.invisible = true;
        return shown;
    }
};

QAccessibleInterface* DecorativeFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && widget->property(kDecorative).toBool()) {
        return new DecorativeAccessible(widget);
    }
    return nullptr;
}

// A right-pointing arrow in a picture `length` long and `thickness` high: a shaft three
// pixels thick and a solid head whose base spans the whole height, set pixel by pixel.
QImage RightArrowImage(int length, int thickness) {
    QImage image(std::max(length, 1), std::max(thickness, 1), QImage::Format_RGB888);
    image.fill(QColor(kArrowBackgroundGrey, kArrowBackgroundGrey, kArrowBackgroundGrey));
    if (length < 4 || thickness < 3) {
        return image;
    }
    const QRgb black = qRgb(0, 0, 0);
    const int middle = (thickness - 1) / 2;
    const int headLength = std::min(length / 2, thickness / 2 + 1);
    const int shaftHalf = std::max(thickness / 8, 1);
    const int shaftEnd = length - headLength;
    for (int x = 0; x < length; ++x) {
        int half = shaftHalf;
        if (x >= shaftEnd) {
            // The head narrows evenly from the full height to a one-pixel tip.
            const int fromTip = length - 1 - x;
            half = (fromTip * middle + (headLength - 1) / 2) / std::max(headLength - 1, 1);
        }
        for (int y = std::max(middle - half, 0); y <= std::min(middle + half, thickness - 1); ++y) {
            image.setPixel(x, y, black);
        }
    }
    return image;
}

} // namespace

QPixmap ArrowPixmap(QSize size, ArrowDirection direction, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const int width = static_cast<int>(std::lround(size.width() * ratio));
    const int height = static_cast<int>(std::lround(size.height() * ratio));
    QPixmap picture;
    if (direction == ArrowDirection::Right) {
        picture = QPixmap::fromImage(RightArrowImage(width, height));
    } else {
        // A down arrow is the right arrow turned a quarter clockwise.
        const QImage right = RightArrowImage(height, width);
        picture = QPixmap::fromImage(right.transformed(QTransform().rotate(90)));
    }
    picture.setDevicePixelRatio(ratio);
    return picture;
}

void MarkDecorative(QWidget& picture) {
    static const bool installed = [] {
        QAccessible::installFactory(DecorativeFactory);
        return true;
    }();
    static_cast<void>(installed);
    picture.setProperty(kDecorative, true);
    picture.setAccessibleName(QString());
    picture.setAccessibleDescription(QString());
    // An interface made before (naming a widget makes one while assistive technology listens)
    // is dropped, so that the next one asked for is the decorative one.
    if (QAccessibleInterface* existing = QAccessible::queryAccessibleInterface(&picture);
        existing != nullptr && dynamic_cast<DecorativeAccessible*>(existing) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(existing));
    }
}

} // namespace quarrow
