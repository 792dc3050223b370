#include "ui/common/zoom.h"
#include "ui/window/arrows.h"
#include "ui/window/quarrow.h"
#include "ui/window/selection_page.h"
#include "ui_quarrow.h"

#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QProxyStyle>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <vector>

// The layout keeps its places and proportions at every size: zooming, resizing, maximising and
// full screen all show the same layout grown by one factor, centred in the window, with the
// margins left over on two sides when the window's shape differs from the layout's.

namespace quarrow {

namespace {

// The tab strip is 520 twips high.
constexpr int kTabStripHeight = 35;
// A window size this close to a zoom step's is that step (sizes are whole pixels).
constexpr double kStepTolerance = 0.004;

// Tabs of one size, whatever their captions. A style rather than a style sheet: a style sheet
// on the strip would also take over how fonts reach SSTab1's pages, and they would no longer
// follow the window's font.
class TabStripStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void SetTabSize(QSize size) { tabSize_ = size; }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        if (type == CT_TabBarTab && tabSize_.isValid()) {
            return tabSize_;
        }
        return QProxyStyle::sizeFromContents(type, option, contents, widget);
    }

private:
    QSize tabSize_;
};

// `font` grown by `factor`, rounded up to whole pixels at `dotsPerInch`: faces are drawn at
// whole pixel sizes, and rounding down would leave text a little short of its proportion.
QFont ScaledPoints(QFont font, double factor, int dotsPerInch) {
    constexpr double kPointsPerInch = 72.0;
    const double pixels = font.pointSizeF() * factor * dotsPerInch / kPointsPerInch;
    const double wholePixels = factor == 1.0 ? pixels : std::ceil(pixels - 1e-6);
    font.setPointSizeF(wholePixels * kPointsPerInch / dotsPerInch);
    return font;
}

} // namespace

void Quarrow::InstallZoom() {
    layoutSize_ = size();
    layoutFont_ = font();
    setMinimumSize(layoutSize_);

    const auto record = [this](QWidget* control, QRect place, bool onPage, bool topLevel) {
        LaidOutControl laidOut{control, place, onPage, topLevel, std::nullopt, 0};
        if (control->testAttribute(Qt::WA_SetFont)) {
            laidOut.font = control->font();
        }
        if (auto* line = qobject_cast<QFrame*>(control);
            line != nullptr &&
            (line->frameShape() == QFrame::VLine || line->frameShape() == QFrame::HLine)) {
            laidOut.lineWidth = line->lineWidth();
        }
        laidOut_.push_back(laidOut);
    };
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow()) {
            record(control, control->geometry(), false, true);
        }
    }
    for (int page = 0; page < ui_->SSTab1->count(); ++page) {
        QWidget* pageWidget = ui_->SSTab1->widget(page);
        for (QWidget* control : pageWidget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            record(control, control->geometry().translated(PlacedOffset(pageWidget)), true, false);
            if (qobject_cast<QGroupBox*>(control) != nullptr) {
                for (QWidget* inner : control->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    record(inner, inner->geometry(), false, false);
                }
            }
        }
    }

    programZoom_ = new ProgramZoom(this);
    InstallZoomKeys(
        *this, [this] { ZoomIn(); }, [this] { ZoomOut(); }, [this] { ZoomReset(); });
    auto* fullScreen = new QShortcut(QKeySequence(Qt::Key_F11), this);
    fullScreen->setContext(Qt::WindowShortcut);
    connect(fullScreen, &QShortcut::activated, this, &Quarrow::ToggleFullScreen);
}

void Quarrow::ZoomIn() {
    // Full screen already shows the layout as large as the screen holds it.
    if (!isFullScreen()) {
        ZoomTo(NextZoomStep(shownFactor_));
    }
}

void Quarrow::ZoomOut() {
    if (!isFullScreen()) {
        ZoomTo(PreviousZoomStep(shownFactor_));
    }
}

void Quarrow::ZoomReset() {
    if (isFullScreen()) {
        showNormal();
    }
    ZoomTo(1.0);
}

void Quarrow::ZoomTo(double factor) {
    if (isMaximized()) {
        showNormal();
    }
    const std::optional<QRect> available = AvailableArea(*this);
    if (!available) {
        return;
    }
    const QRect area = *available;
    const QSize frame = frameGeometry().size() - size();
    const double largest = std::max(1.0, FitFactor(layoutSize_, area.size() - frame));
    const QSize wanted = ScaledSize(layoutSize_, std::clamp(factor, 1.0, largest));
    const QPoint centre = frameGeometry().center();
    resize(wanted);
    move(KeptOnScreen(wanted + frame, centre, area).topLeft());
    FitLayoutToWindow();
}

void Quarrow::ToggleFullScreen() {
    if (isFullScreen()) {
        showNormal();
    } else {
        showFullScreen();
    }
}

void Quarrow::SizeTabs(double factor) {
    QTabBar* strip = ui_->SSTab1->tabBar();
    auto* style = dynamic_cast<TabStripStyle*>(strip->style());
    if (style == nullptr) {
        style = new TabStripStyle;
        style->setParent(strip);
        strip->setStyle(style);
    }
    // The four tabs share the strip's width in one row, and the strip is as tall as the layout
    // assumes (the page titles sit just below it).
    int stripWidth = ui_->SSTab1->width();
    for (const LaidOutControl& laidOut : laidOut_) {
        if (laidOut.control == ui_->SSTab1) {
            stripWidth = laidOut.place.width();
        }
    }
    const int tabWidth =
        static_cast<int>(std::lround(stripWidth * factor)) / std::max(ui_->SSTab1->count(), 1);
    style->SetTabSize(QSize(tabWidth, static_cast<int>(std::lround(kTabStripHeight * factor))));
    // The strip measures its tabs again when its font changes; at 1x it has not measured yet.
    strip->setElideMode(strip->elideMode());
}

void Quarrow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!laidOut_.empty()) {
        FitLayoutToWindow();
    }
}

void Quarrow::FitLayoutToWindow() {
    const QSize room = size();
    double factor = std::max(FitFactor(layoutSize_, room), 1.0);
    // A window sized for a zoom step shows exactly that step, whatever the rounding of its
    // size made of the fit.
    for (double step : kZoomSteps) {
        if (std::abs(step - factor) < kStepTolerance) {
            const QSize stepSize = ScaledSize(layoutSize_, step);
            if (stepSize.width() <= room.width() && stepSize.height() <= room.height()) {
                factor = step;
            }
        }
    }
    const QSize shown = ScaledSize(layoutSize_, factor);
    const QPoint offset(std::max(0, (room.width() - shown.width()) / 2),
                        std::max(0, (room.height() - shown.height()) / 2));
    ShowLayoutAt(factor, offset);
}

void Quarrow::ShowLayoutAt(double factor, QPoint offset) {
    const bool rescaled = std::abs(factor - shownFactor_) > 1e-9;
    if (rescaled) {
        SizeTabs(factor);
        setFont(ScaledPoints(layoutFont_, factor, logicalDpiY()));
        SizeOptionIndicators(factor);
    }
    const qreal pixelRatio = devicePixelRatioF();
    for (const LaidOutControl& laidOut : laidOut_) {
        if (laidOut.control != nullptr) {
            PlaceLaidOut(laidOut, factor, offset, rescaled, pixelRatio);
        }
    }
    PlacePageControls();
    shownFactor_ = factor;
    programZoom_->SetFactor(factor);
    if (rescaled) {
        PlaceHelpAgain();
    }
}

void Quarrow::SizeOptionIndicators(double factor) {
    const std::vector<QRadioButton*> buttons = SchemeOptions(*this);
    auto* options = dynamic_cast<IndicatorZoomStyle*>(buttons.front()->style());
    if (options == nullptr) {
        options = new IndicatorZoomStyle;
        options->setParent(this);
    }
    options->SetFactor(factor);
    for (QRadioButton* option : buttons) {
        if (option->style() != options) {
            option->setStyle(options);
        }
        option->update();
    }
}

void Quarrow::PlaceLaidOut(const LaidOutControl& laidOut, double factor, QPoint offset,
                           bool rescaled, qreal pixelRatio) {
    QWidget* control = laidOut.control;
    if (rescaled && laidOut.font) {
        control->setFont(ScaledPoints(*laidOut.font, factor, logicalDpiY()));
    }
    QRect place = ScaledRect(laidOut.place, factor);
    if (laidOut.topLevel) {
        place.translate(offset);
    }
    if (laidOut.onPage) {
        place.translate(-PlacedOffset(control->parentWidget()));
    }
    if (control->property("fitsText").toBool()) {
        // Text does not grow quite in proportion with its size; a caption that sizes itself
        // keeps its corner and takes the few pixels more it may need.
        place.setWidth(std::max(place.width(), control->sizeHint().width()));
    }
    control->setGeometry(place);
    if (laidOut.lineWidth > 0) {
        static_cast<QFrame*>(control)->setLineWidth(
            std::max(1, static_cast<int>(std::lround(laidOut.lineWidth * factor))));
    }
    const QString arrow = control->property("arrow").toString();
    if (!arrow.isEmpty()) {
        const auto direction =
            arrow == QLatin1String("down") ? ArrowDirection::Down : ArrowDirection::Right;
        static_cast<QLabel*>(control)->setPixmap(
            ArrowPixmap(control->size(), direction, pixelRatio));
    }
}

} // namespace quarrow
