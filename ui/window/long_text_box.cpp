#include "ui/window/long_text_box.h"

#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>

namespace quarrow {

namespace {

// Texts up to this long are painted by the box itself: they cost it nothing worth saving.
constexpr qsizetype kLongText = 2000;
// Text is placed in 64ths of a pixel.
constexpr qsizetype kStepsPerPixel = 64;

class InSightPainter final : public QObject {
public:
    explicit InSightPainter(QLineEdit& box) : QObject(&box), box_(box) {
        // Never shown: it only draws the part in sight, in the box's place.
        drawn_.setAttribute(Qt::WA_DontShowOnScreen);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &box_ || event->type() != QEvent::Paint) {
            return false;
        }
        const QString text = box_.text();
        if (text.size() <= kLongText || box_.hasFocus() || box_.hasSelectedText() ||
            box_.echoMode() != QLineEdit::Normal) {
            return false;
        }
        const int cursor = box_.cursorPosition();
        if (cursor != 0 && cursor != text.size()) {
            return false;
        }
        // With the cursor at the start the box shows the text's start, and at the end its end,
        // whatever it showed before; the part must be far wider than the box, so that it shows
        // the same. At the end, the letters of a fixed-width face all advance by the same
        // fraction of a pixel: a part that starts a multiple of 64 letters in puts each letter on
        // the same fraction as the whole text does. A proportional face has no such part, and
        // paints its whole text.
        const bool atStart = cursor == 0;
        if (!atStart && !QFontInfo(box_.font()).fixedPitch()) {
            return false;
        }
        const qsizetype length =
            atStart ? kLongText
                    : text.size() - (text.size() - kLongText) / kStepsPerPixel * kStepsPerPixel;
        const QString part = atStart ? text.first(length) : text.last(length);
        if ((atStart && part.back().isHighSurrogate()) ||
            (!atStart && part.front().isLowSurrogate())) {
            return false;
        }
        if (QFontMetrics(box_.font()).horizontalAdvance(part) < 4 * box_.width()) {
            return false;
        }
        Draw(part, atStart);
        return true;
    }

private:
    void Draw(const QString& part, bool atStart) {
        // The box's colours as it paints them now (active or not, enabled or not) in each group
        // of the stand-in, which is never the active window.
        const QPalette& own = box_.palette();
        const QPalette::ColorGroup shown = !box_.isEnabled()       ? QPalette::Disabled
                                           : box_.isActiveWindow() ? QPalette::Active
                                                                   : QPalette::Inactive;
        QPalette colours = own;
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto colorRole = static_cast<QPalette::ColorRole>(role);
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                colours.setColor(group, colorRole, own.color(shown, colorRole));
            }
        }
        drawn_.setPalette(colours);
        drawn_.setFont(box_.font());
        if (drawn_.style() != box_.style()) {
            drawn_.setStyle(box_.style());
        }
        drawn_.setFrame(box_.hasFrame());
        drawn_.setAlignment(box_.alignment());
        drawn_.setTextMargins(box_.textMargins());
        drawn_.setLayoutDirection(box_.layoutDirection());
        drawn_.setReadOnly(box_.isReadOnly());
        drawn_.setEnabled(box_.isEnabled());
        drawn_.setMaxLength(box_.maxLength());
        drawn_.resize(box_.size());
        drawn_.setText(part);
        drawn_.setCursorPosition(atStart ? 0 : static_cast<int>(part.size()));
        QPainter painter(&box_);
        drawn_.render(&painter, QPoint(), QRegion(), QWidget::RenderFlags());
    }

    QLineEdit& box_;
    QLineEdit drawn_;
};

} // namespace

void PaintOnlyTheTextInSight(QLineEdit& box) {
    box.installEventFilter(new InSightPainter(box));
}

} // namespace quarrow
