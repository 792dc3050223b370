#include "plot/distribution_chart.h"
#include "tests/ui/live/live_view_fixture.h"
#include "tests/ui/repeat/repeat_steps.h"
#include "ui/common/zoom.h"
#include "ui/live/evolution_view.h"
#include "ui/repeat/repeat_window.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quarrow {
namespace {

/// The chart's panels: for each, the texts from its heading ("1: Attenuating Selection: 40
/// runs") down to the numbers under it, wherever the panels stand: one above another or side by
/// side. A text is in the panel whose heading starts at or left of its right edge and at or
/// above its top, the rightmost and then the lowest of those.
std::vector<std::vector<plot::DrawnText>> Panels(const DistributionChartWidget& chart) {
    const QRegularExpression heading(QStringLiteral("^.+: [0-9,]+ runs?$"));
    std::vector<QRectF> headings;
    double end = -1.0;
    for (const plot::DrawnText& text : chart.DrawnTexts()) {
        if (heading.match(text.text).hasMatch()) {
            headings.push_back(text.rect);
        }
        // The chart's title, and the axis's title under the panels.
        if (text.text.startsWith(QStringLiteral("Generations per run"))) {
            end = std::max(end, text.rect.top());
        }
    }
    std::vector<std::vector<plot::DrawnText>> panels(headings.size());
    for (const plot::DrawnText& text : chart.DrawnTexts()) {
        std::optional<std::size_t> in;
        for (std::size_t h = 0; h < headings.size(); ++h) {
            const QRectF& at = headings[h];
            if (at.left() > text.rect.right() || at.top() > text.rect.top()) {
                continue;
            }
            if (!in || at.left() > headings[*in].left() ||
                (at.left() == headings[*in].left() && at.top() > headings[*in].top())) {
                in = h;
            }
        }
        if (in && text.rect.top() < end) {
            panels[*in].push_back(text);
        }
    }
    return panels;
}

/// The window's own controls and texts, each with its place in `window`: not what lies inside
/// a scroll area or a spin box.
std::vector<std::pair<QWidget*, QRect>> Controls(QWidget& window) {
    const auto inside = [&window](const QWidget* widget) {
        for (const QWidget* up = widget->parentWidget(); up != nullptr && up != &window;
             up = up->parentWidget()) {
            if (qobject_cast<const QAbstractScrollArea*>(up) != nullptr ||
                qobject_cast<const QAbstractSpinBox*>(up) != nullptr) {
                return true;
            }
        }
        return false;
    };
    std::vector<std::pair<QWidget*, QRect>> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLabel*>(widget) != nullptr ||
                             qobject_cast<QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
                             qobject_cast<QLineEdit*>(widget) != nullptr ||
                             qobject_cast<QProgressBar*>(widget) != nullptr ||
                             qobject_cast<QAbstractScrollArea*>(widget) != nullptr;
        if (control && widget->isVisibleTo(&window) && !inside(widget)) {
            controls.emplace_back(widget,
                                  QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size()));
        }
    }
    return controls;
}

/// No control or text of the window meets another or is cut: each lies in the window, apart
/// from every other, and a wrapped text has the height its lines need.
void ExpectNothingMeets(QWidget& window) {
    const auto controls = Controls(window);
    const auto name = [](const QWidget* widget) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        return (label != nullptr ? label->text() : widget->objectName()).left(40).toStdString();
    };
    for (std::size_t a = 0; a < controls.size(); ++a) {
        EXPECT_TRUE(window.rect().contains(controls[a].second))
            << name(controls[a].first) << " leaves the window";
        for (std::size_t b = a + 1; b < controls.size(); ++b) {
            EXPECT_FALSE(controls[a].second.intersects(controls[b].second))
                << name(controls[a].first) << " meets " << name(controls[b].first);
        }
        if (const auto* label = qobject_cast<const QLabel*>(controls[a].first);
            label != nullptr && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << name(label) << " is cut";
        }
    }
}

/// Checks that every scheme's panel, `schemes` of them, its heading, its share numbers and its
/// generation numbers, lies in the part of the chart its scroll area shows; that nothing else
/// of the window meets another; and that the window it is shown in is on its screen.
void ExpectEveryHistogramInSight(RepeatWindow& window, const std::string& when,
                                 std::size_t schemes = 3) {
    SCOPED_TRACE(when);
    // As the window is seen once it has laid itself out at its new size.
    for (int pass = 0; pass < 5; ++pass) {
        QTest::qWait(20);
    }
    auto* chart = window.findChild<DistributionChartWidget*>(QStringLiteral("distributionChart"));
    window.window()->repaint();
    chart->repaint();
    const QRectF visible(chart->visibleRegion().boundingRect());
    const auto panels = Panels(*chart);
    ASSERT_EQ(panels.size(), schemes);
    for (const auto& panel : panels) {
        ASSERT_FALSE(panel.empty());
        QRectF whole;
        int shares = 0;
        int generations = 0;
        for (const plot::DrawnText& text : panel) {
            whole = whole.united(text.rect);
            if (text.text.front().isDigit() && text.text != panel.front().text) {
                ++(text.text.endsWith(QLatin1Char('%')) ? shares : generations);
            }
        }
        // Its share axis and its generations axis are labelled.
        EXPECT_GE(shares, 2) << panel.front().text.toStdString();
        EXPECT_GE(generations, 2) << panel.front().text.toStdString();
        EXPECT_TRUE(visible.contains(whole))
            << panel.front().text.toStdString() << " is not all in sight: " << whole.top() << " to "
            << whole.bottom() << " of " << visible.top() << " to " << visible.bottom();
    }
    ExpectNothingMeets(window);
    const QWidget& shownIn = *window.window();
    const QRect screen = shownIn.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(shownIn.frameGeometry()))
        << shownIn.frameGeometry().width() << "x" << shownIn.frameGeometry().height();
}

/// Leaves scheme 3 out of `window`'s next batch, for a chart of two schemes.
void LeaveOutSchemeThree(RepeatWindow& window) {
    window.findChild<QCheckBox*>(QStringLiteral("repeatScheme3"))->setChecked(false);
}

/// Runs a batch in `window` once Start is enabled and waits for its end.
void RunBatch(RepeatWindow& window) {
    ASSERT_NO_FATAL_FAILURE(Start(window, 40, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.Running(); }, 30000));
    QTest::qWait(0);
}

TEST(RepeatWindowLayout, EverySchemesHistogramAndItsNumbersStayInSight) {
    for (const std::size_t schemes : {3U, 2U}) {
        SCOPED_TRACE(schemes);
        FinishedRepeat repeat;
        if (schemes == 2) {
            LeaveOutSchemeThree(*repeat.window);
        }
        ASSERT_NO_FATAL_FAILURE(repeat.Run());
        RepeatWindow* window = repeat.window;
        ProgramZoom* program = repeat.program;
        QTest::qWait(0);
        ExpectEveryHistogramInSight(*window, "at 100%", schemes);

        window->showFullScreen();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen(); }));
        QTest::qWait(0);
        ExpectEveryHistogramInSight(*window, "at full screen", schemes);
        window->showNormal();

        // At twice the size, too, every panel is in sight with its numbers at once. (The small
        // screen is tried at its everyday size.)
        if (window->screen()->availableGeometry().width() >= 1920) {
            program->SetFactor(2.0);
            ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(window)->Factor() == 2.0; }));
            QTest::qWait(0);
            ExpectEveryHistogramInSight(*window, "at 200%", schemes);
        }
        delete window;
    }
}

class RepeatAtFullScreen : public testing::LiveViewTest {
protected:
    /// Puts the main window at full screen, as F11 does, which zooms everything in it.
    void FullScreen() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
        QTest::keyClick(window.get(), Qt::Key_F11);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return window->isFullScreen() &&
                   window->width() == window->screen()->geometry().width();
        }));
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->ZoomFactor() > 1.0; }));
        QTest::qWait(0);
    }
};

// Opened from the live view of a full-screen main window, the Repeat window is a page of the
// view where there is no room beside it, and a window where there is; either way, at the zoom
// full screen gives, each scheme's histogram is in sight with its numbers.
TEST_F(RepeatAtFullScreen, EverySchemesHistogramIsInSightOnTheLiveViewsPage) {
    for (const std::size_t schemes : {3U, 2U}) {
        SCOPED_TRACE(schemes);
        for (const bool full : {false, true}) {
            if (full) {
                ASSERT_NO_FATAL_FAILURE(FullScreen());
            }
            EvolutionView* view = ShowViewBeside();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
            QPointer<RepeatWindow> repeat = view->OpenRepeat();
            ASSERT_FALSE(repeat.isNull());
            if (schemes == 2) {
                LeaveOutSchemeThree(*repeat);
            }
            ASSERT_NO_FATAL_FAILURE(RunBatch(*repeat));
            ExpectEveryHistogramInSight(*repeat,
                                        std::string(repeat->isWindow() ? "a window" : "a page") +
                                            (full ? " at full screen" : " at 100%"),
                                        schemes);
            delete view;
        }
        window->showNormal();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
    }
}

// A Repeat window of its own over a full-screen main window takes its zoom. (On the small
// screen, where the live view opens it as a page, its table alone is wider than the screen at
// that zoom.)
TEST_F(RepeatAtFullScreen, EverySchemesHistogramIsInSightInAWindowOfItsOwn) {
    if (window->screen()->availableGeometry().width() < 1920) {
        GTEST_SKIP() << "tried on the projector's screen";
    }
    ASSERT_NO_FATAL_FAILURE(FullScreen());
    for (const std::size_t schemes : {3U, 2U}) {
        SCOPED_TRACE(schemes);
        auto* repeat = new RepeatWindow(QStringLiteral("WEASEL"), window.get());
        repeat->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(repeat));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return WindowZoom::Of(repeat)->Factor() == window->ZoomFactor(); }));
        if (schemes == 2) {
            LeaveOutSchemeThree(*repeat);
        }
        ASSERT_NO_FATAL_FAILURE(RunBatch(*repeat));
        ExpectEveryHistogramInSight(*repeat, "over a full-screen main window", schemes);
        delete repeat;
    }
}

} // namespace
} // namespace quarrow
