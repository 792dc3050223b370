#pragma once

#include <QObject>
#include <QProxyStyle>
#include <QRect>
#include <QSize>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>

class QWidget;

namespace quarrow {

/// The zoom factors the keys step through, smallest first.
inline constexpr std::array<double, 6> kZoomSteps{1.0, 1.25, 1.5, 2.0, 2.5, 3.0};

/// The first step above `factor`, or the largest step when none is above it.
double NextZoomStep(double factor);
/// The first step below `factor`, or the smallest step when none is below it.
double PreviousZoomStep(double factor);

/// `rect` grown by `factor` about the origin; edges are rounded, not sizes, so neighbours that
/// touched still touch and a factor of 1 gives `rect` back exactly.
QRect ScaledRect(const QRect& rect, double factor);

/// `size` grown by `factor`, rounded.
QSize ScaledSize(const QSize& size, double factor);

/// The largest factor at which `base` fits inside `room`.
double FitFactor(const QSize& base, const QSize& room);

/// The available area of the screen `window` is on, or of the primary screen while it is on none;
/// nothing when there is no screen at all.
std::optional<QRect> AvailableArea(const QWidget& window);

/// Places a frame of `size` so that its centre stays near `centre` and all of it lies in
/// `area` (its top-left corner when it is larger than `area`).
QRect KeptOnScreen(const QSize& size, const QPoint& centre, const QRect& area);

/// The frame size (frame minus client) `window` has, or will have once shown. Before a window
/// is first shown its frame is not known yet: `mainWindow`'s is the best guess, and failing that
/// (at full screen it has none) the style's title bar and borders.
QSize ExpectedFrameSize(const QWidget& window, const QWidget* mainWindow);

/// `place` moved, as little as it can be, to lie in `area`; a place larger than `area` keeps its
/// top left corner there.
QRect MovedInto(QRect place, const QRect& area);

/// Shrinks and moves the top-level `window`, whose frame is `frameSize` larger than it, as far as
/// needed for the frame to lie wholly in its screen's available area.
void FitOnScreen(QWidget& window, const QSize& frameSize);

/// `FitOnScreen` with the frame the shown `window` has; does nothing when it already fits.
void FitFrameOnScreen(QWidget& window);

/// `FitFrameOnScreen` once the window system has had a moment to report the frame of a window
/// just shown, which a guess beforehand can only approach.
void FitFrameOnScreenSoon(QWidget& window);

/// Ctrl+= (also Ctrl++), Ctrl+- and Ctrl+0 on `window` and every control in it.
void InstallZoomKeys(QWidget& window, const std::function<void()>& zoomIn,
                     const std::function<void()>& zoomOut, const std::function<void()>& reset);

/// Check-box and radio-button squares, and the gap to their captions, as large as the text
/// beside them: the style's size at the program's font, grown by as much as the control's font is
/// larger, or by a factor set on the style.
class IndicatorZoomStyle final : public QProxyStyle {
public:
    explicit IndicatorZoomStyle(QStyle* base = nullptr);
    explicit IndicatorZoomStyle(const QString& baseName);

    /// Grows the indicators by `factor` whatever the controls' fonts.
    void SetFactor(double factor);

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

private:
    std::optional<double> factor_;
};

/// The program's zoom: the factor at which the main window shows its layout. Other windows
/// start at it and follow it when it changes.
class ProgramZoom : public QObject {
    Q_OBJECT

public:
    explicit ProgramZoom(QObject* parent = nullptr);

    double Factor() const { return factor_; }
    void SetFactor(double factor);

    /// The program's zoom held by `widget` or the nearest of its ancestors; null if none.
    static ProgramZoom* Of(const QWidget* widget);

signals:
    void FactorChanged(double factor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double factor_ = 1.0;
};

/// A chart view with this property set to true takes its fonts from its parent widget, which
/// follows the window's font; the zoom then leaves the chart's own fonts alone.
inline constexpr char kChartFontsFollowWidget[] = "chartFontsFollowWidget";

/// Zoom for a window whose controls sit in layouts: every font in it, and every minimum size
/// set on a control, grows by the factor, and the window grows with it and stays on the screen.
/// Scroll areas (text, lists, charts) keep their minimum sizes: they show more or less of
/// their content rather than needing more room. Charts' own fonts follow too.
///
/// The zoom installs its keys on the window, starts at the program's zoom of the window's
/// parent if there is one, and follows it. Make it once the window's controls exist:
///
///     new WindowZoom(*this);
class WindowZoom : public QObject {
    Q_OBJECT

public:
    explicit WindowZoom(QWidget& window);

    /// The factor the window is shown at.
    double Factor() const { return factor_; }
    /// The factor asked for, by the keys or the program's zoom; the window shows it unless it is
    /// held below it by `SetMostFactor`.
    double AskedFactor() const { return asked_; }
    void SetFactor(double factor);
    /// Holds the window at `most` at the largest, below 1 if need be, for a window that would not
    /// fit its screen at the factor asked for, until a factor is asked for again.
    void SetMostFactor(double most);

    void ZoomIn() { SetFactor(NextZoomStep(std::max(asked_, factor_))); }
    void ZoomOut() { SetFactor(PreviousZoomStep(factor_)); }
    void Reset() { SetFactor(1.0); }

    /// The zoom on `window`; null if it has none.
    static WindowZoom* Of(const QWidget* window);

signals:
    void FactorChanged(double factor);

private:
    void ScaleFonts();
    void ScaleCharts();
    void ResizeWindow(double ratio);

    void Apply(double factor);

    QWidget& window_;
    double factor_ = 1.0;
    double asked_ = 1.0;
    double most_ = kZoomSteps.back() * 2;
};

} // namespace quarrow
