#include "ui/common/zoom.h"

#include <QAbstractAxis>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QEvent>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeySequence>
#include <QLayout>
#include <QMessageBox>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cmath>

namespace quarrow {

namespace {

// Two factors this close are the same step.
constexpr double kSameFactor = 1e-6;

// What a control looked like at 1x, kept on the control itself so that controls made after
// the zoom (and controls deleted before it) need no bookkeeping.
constexpr char kBaseFont[] = "zoomBaseFont";
constexpr char kBaseMinimumSize[] = "zoomBaseMinimumSize";
constexpr char kBaseLabelsFont[] = "zoomBaseLabelsFont";
constexpr char kBaseTitleFont[] = "zoomBaseTitleFont";

int Rounded(double value) {
    return static_cast<int>(std::lround(value));
}

QFont ScaledFont(QFont font, double factor) {
    if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(std::max(1, Rounded(font.pixelSize() * factor)));
    }
    return font;
}

// The value kept under `name`, recorded from `current` the first time it is asked for.
template <typename T> T Base(QObject& object, const char* name, const T& current) {
    const QVariant kept = object.property(name);
    if (kept.isValid()) {
        return kept.value<T>();
    }
    object.setProperty(name, QVariant::fromValue(current));
    return current;
}

} // namespace

IndicatorZoomStyle::IndicatorZoomStyle(QStyle* base) : QProxyStyle(base) {}

IndicatorZoomStyle::IndicatorZoomStyle(const QString& baseName) : QProxyStyle(baseName) {}

void IndicatorZoomStyle::SetFactor(double factor) {
    factor_ = factor;
}

int IndicatorZoomStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                    const QWidget* widget) const {
    const int base = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_RadioButtonLabelSpacing:
        break;
    default:
        return base;
    }
    if (factor_.has_value()) {
        return Rounded(base * *factor_);
    }
    if (widget == nullptr) {
        return base;
    }
    const int shown = QFontInfo(widget->font()).pixelSize();
    const int program = QFontInfo(QApplication::font()).pixelSize();
    if (shown <= program || program <= 0) {
        return base;
    }
    return Rounded(base * static_cast<double>(shown) / program);
}

double NextZoomStep(double factor) {
    for (double step : kZoomSteps) {
        if (step > factor + kSameFactor) {
            return step;
        }
    }
    return kZoomSteps.back();
}

double PreviousZoomStep(double factor) {
    for (auto step = kZoomSteps.rbegin(); step != kZoomSteps.rend(); ++step) {
        if (*step < factor - kSameFactor) {
            return *step;
        }
    }
    return kZoomSteps.front();
}

QRect ScaledRect(const QRect& rect, double factor) {
    const int left = Rounded(rect.x() * factor);
    const int top = Rounded(rect.y() * factor);
    const int right = Rounded((rect.x() + rect.width()) * factor);
    const int bottom = Rounded((rect.y() + rect.height()) * factor);
    return {left, top, right - left, bottom - top};
}

QSize ScaledSize(const QSize& size, double factor) {
    return {Rounded(size.width() * factor), Rounded(size.height() * factor)};
}

double FitFactor(const QSize& base, const QSize& room) {
    if (base.isEmpty()) {
        return 1.0;
    }
    return std::min(static_cast<double>(room.width()) / base.width(),
                    static_cast<double>(room.height()) / base.height());
}

QSize ExpectedFrameSize(const QWidget& window, const QWidget* mainWindow) {
    QSize frame = window.frameGeometry().size() - window.geometry().size();
    if (frame.isNull() && mainWindow != nullptr) {
        frame = mainWindow->frameGeometry().size() - mainWindow->geometry().size();
    }
    if (frame.isNull()) {
        const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        frame =
            QSize(2 * border, window.style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * border);
    }
    return frame;
}

QRect MovedInto(QRect place, const QRect& area) {
    place.moveRight(std::min(place.right(), area.right()));
    place.moveBottom(std::min(place.bottom(), area.bottom()));
    place.moveLeft(std::max(place.left(), area.left()));
    place.moveTop(std::max(place.top(), area.top()));
    return place;
}

std::optional<QRect> AvailableArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    if (screen == nullptr) {
        return std::nullopt;
    }
    return screen->availableGeometry();
}

void FitOnScreen(QWidget& window, const QSize& frameSize) {
    const QScreen* screen = window.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QSize client = window.size().boundedTo(area.size() - frameSize);
    if (client != window.size()) {
        window.resize(client);
    }
    // A top-level window's position is its frame's.
    const QRect place = MovedInto(QRect(window.pos(), client + frameSize), area);
    if (place.topLeft() != window.pos()) {
        window.move(place.topLeft());
    }
}

void FitFrameOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (screen == nullptr || !window.isVisible() ||
        screen->availableGeometry().contains(window.frameGeometry())) {
        return;
    }
    FitOnScreen(window, window.frameGeometry().size() - window.size());
}

void FitFrameOnScreenSoon(QWidget& window) {
    QTimer::singleShot(std::chrono::milliseconds(200), &window,
                       [&window] { FitFrameOnScreen(window); });
}

QRect KeptOnScreen(const QSize& size, const QPoint& centre, const QRect& area) {
    QRect place(QPoint(0, 0), size);
    place.moveCenter(centre);
    return MovedInto(place, area);
}

void InstallZoomKeys(QWidget& window, const std::function<void()>& zoomIn,
                     const std::function<void()>& zoomOut, const std::function<void()>& reset) {
    const auto bind = [&window](const QKeySequence& keys, const std::function<void()>& action) {
        auto* shortcut = new QShortcut(keys, &window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &window, action);
    };
    // Ctrl+= is Ctrl++ without the Shift that most keyboards need for "+".
    bind(QKeySequence(Qt::CTRL | Qt::Key_Equal), zoomIn);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Plus), zoomIn);
    bind(QKeySequence(Qt::CTRL | Qt::Key_Minus), zoomOut);
    bind(QKeySequence(Qt::CTRL | Qt::Key_0), reset);
}

ProgramZoom::ProgramZoom(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("programZoom"));
    // Message boxes open at the zoom of the window they belong to, and check boxes' squares
    // grow with their text.
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        application->installEventFilter(this);
        if (dynamic_cast<IndicatorZoomStyle*>(QApplication::style()) == nullptr) {
            QApplication::setStyle(new IndicatorZoomStyle(QApplication::style()->name()));
        }
    }
}

bool ProgramZoom::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Polish) {
        if (auto* box = qobject_cast<QMessageBox*>(watched);
            box != nullptr && box->parentWidget() != nullptr) {
            const QWidget* owner = box->parentWidget()->window();
            // Only the boxes of this program's windows: a test or another window may hold its own.
            if (ProgramZoom::Of(owner) == this || WindowZoom::Of(owner) != nullptr) {
                box->setFont(owner->font());
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void ProgramZoom::SetFactor(double factor) {
    if (std::abs(factor - factor_) < kSameFactor) {
        return;
    }
    factor_ = factor;
    emit FactorChanged(factor_);
}

ProgramZoom* ProgramZoom::Of(const QWidget* widget) {
    for (const QWidget* holder = widget; holder != nullptr; holder = holder->parentWidget()) {
        if (auto* zoom = holder->findChild<ProgramZoom*>(QString(), Qt::FindDirectChildrenOnly)) {
            return zoom;
        }
    }
    return nullptr;
}

WindowZoom::WindowZoom(QWidget& window) : QObject(&window), window_(window) {
    setObjectName(QStringLiteral("windowZoom"));
    InstallZoomKeys(
        window_, [this] { ZoomIn(); }, [this] { ZoomOut(); }, [this] { Reset(); });
    for (auto* view : window_.findChildren<QChartView*>()) {
        if (view->property(kChartFontsFollowWidget).toBool()) {
            continue;
        }
        // An axis added later (a logarithmic one, say) takes the zoom as the chart lays it out.
        connect(view->chart(), &QChart::plotAreaChanged, this, [this] { ScaleCharts(); });
    }
    if (const ProgramZoom* program = ProgramZoom::Of(window_.parentWidget())) {
        SetFactor(program->Factor());
        connect(program, &ProgramZoom::FactorChanged, this, &WindowZoom::SetFactor);
    }
}

WindowZoom* WindowZoom::Of(const QWidget* window) {
    return window != nullptr ? window->findChild<WindowZoom*>(QString(), Qt::FindDirectChildrenOnly)
                             : nullptr;
}

void WindowZoom::SetFactor(double factor) {
    asked_ = std::clamp(factor, kZoomSteps.front(), kZoomSteps.back() * 2);
    // A new factor is tried as asked; the window holds itself below it again if it must.
    most_ = kZoomSteps.back() * 2;
    Apply(asked_);
}

void WindowZoom::SetMostFactor(double most) {
    most_ = std::max(most, kSameFactor);
    Apply(std::min(asked_, most_));
}

void WindowZoom::Apply(double factor) {
    if (std::abs(factor - factor_) < kSameFactor) {
        return;
    }
    const double ratio = factor / factor_;
    factor_ = factor;
    ScaleFonts();
    ScaleCharts();
    ResizeWindow(ratio);
    emit FactorChanged(factor_);
}

void WindowZoom::ScaleFonts() {
    window_.setFont(ScaledFont(Base(window_, kBaseFont, window_.font()), factor_));
    for (QWidget* control : window_.findChildren<QWidget*>()) {
        if (control->window() != &window_) {
            continue; // another window, and what it holds, keeps its own zoom
        }
        // A table's headings keep the program's font rather than take the window's, so they
        // are scaled as a control with a font of its own.
        const bool ownFont = control->testAttribute(Qt::WA_SetFont) ||
                             qobject_cast<QHeaderView*>(control) != nullptr;
        if (ownFont || control->property(kBaseFont).isValid()) {
            control->setFont(ScaledFont(Base(*control, kBaseFont, control->font()), factor_));
        }
        const bool scrolls = qobject_cast<QAbstractScrollArea*>(control) != nullptr;
        if (!scrolls && (control->minimumSize() != QSize(0, 0) ||
                         control->property(kBaseMinimumSize).isValid())) {
            control->setMinimumSize(
                ScaledSize(Base(*control, kBaseMinimumSize, control->minimumSize()), factor_));
        }
    }
}

void WindowZoom::ScaleCharts() {
    for (auto* view : window_.findChildren<QChartView*>()) {
        QChart* chart = view->chart();
        if (chart == nullptr || view->property(kChartFontsFollowWidget).toBool()) {
            continue;
        }
        const QFont title = ScaledFont(Base(*chart, kBaseTitleFont, chart->titleFont()), factor_);
        if (chart->titleFont() != title) {
            chart->setTitleFont(title);
        }
        for (QAbstractAxis* axis : chart->axes()) {
            const QFont labels =
                ScaledFont(Base(*axis, kBaseLabelsFont, axis->labelsFont()), factor_);
            if (axis->labelsFont() != labels) {
                axis->setLabelsFont(labels);
            }
            const QFont axisTitle =
                ScaledFont(Base(*axis, kBaseTitleFont, axis->titleFont()), factor_);
            if (axis->titleFont() != axisTitle) {
                axis->setTitleFont(axisTitle);
            }
        }
    }
}

void WindowZoom::ResizeWindow(double ratio) {
    // A window not yet sized takes its size from its layout when it is shown.
    if (!window_.isVisible() && !window_.testAttribute(Qt::WA_Resized)) {
        return;
    }
    if (window_.isMaximized() || window_.isFullScreen()) {
        return;
    }
    const std::optional<QRect> available = AvailableArea(window_);
    if (!available) {
        return;
    }
    const QRect area = *available;
    const QSize frame = window_.frameGeometry().size() - window_.size();
    QSize wanted = ScaledSize(window_.size(), ratio);
    if (window_.layout() != nullptr) {
        window_.layout()->activate();
        wanted = wanted.expandedTo(window_.minimumSizeHint());
    }
    const QSize size = wanted.boundedTo(area.size() - frame);
    const QPoint centre = window_.isVisible() ? window_.frameGeometry().center() : area.center();
    window_.resize(size);
    if (window_.isVisible()) {
        window_.move(KeptOnScreen(size + frame, centre, area).topLeft());
    }
}

} // namespace quarrow
