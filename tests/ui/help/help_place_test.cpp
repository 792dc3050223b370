#include "tests/ui/live/live_view_fixture.h"
#include "ui/common/zoom.h"
#include "ui/help/help_viewer.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <algorithm>

// The help window opened from Step Four, on whichever screen this binary is given: the
// projector's 1920 by 1080 or a 1024 by 768 one.
namespace quarrow::testing {
namespace {

// The boxes that give a run's result, in global coordinates.
QRect FinalResultsOf(const QWidget& window) {
    QRect area;
    for (const char* name : {"txtNumGen", "txtTotal", "txtLength"}) {
        const auto* box = window.findChild<QWidget*>(QString::fromLatin1(name));
        area = area.united(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
    }
    return area;
}

QString Described(const QRect& rect) {
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

class HelpPlaceTest : public LiveViewTest {
protected:
    HelpViewer* OpenInstructions() {
        QTest::mouseClick(Control<QPushButton>("Command12"), Qt::LeftButton);
        auto* help = window->findChild<HelpViewer*>(QStringLiteral("helpViewer"));
        EXPECT_NE(help, nullptr);
        if (help != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(help));
        }
        return help;
    }

    /// Ctrl+= until the window shows 200%, or as near it as the screen lets it.
    void ZoomToTwice() {
        while (window->ZoomFactor() < 2.0) {
            const double before = window->ZoomFactor();
            QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
            if (!QTest::qWaitFor([&] { return window->ZoomFactor() > before; }, 500)) {
                break;
            }
        }
    }

    void ActivateMain() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    }

    void FullScreen() {
        QTest::keyClick(window.get(), Qt::Key_F11, Qt::NoModifier);
        const int width = window->screen()->geometry().width();
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == width; }));
    }

    /// How wide the help must be to read a topic: two fifths of the screen over the main window,
    /// or, beside it, a column at the zoom's size; all the help's own width where that is less.
    static int LeastWidth(const Quarrow& main, const HelpViewer& help) {
        const QRect area = main.screen()->availableGeometry();
        const double factor = WindowZoom::Of(&help)->AskedFactor();
        const int asked = ScaledSize(HelpViewer::kBaseSize, factor).width();
        const bool over = help.frameGeometry().intersects(main.frameGeometry());
        return std::min(asked, over ? area.width() * 2 / 5 : static_cast<int>(420 * factor));
    }

    /// Where the help would be for `ExpectReadableInFront`, once the window system has moved it.
    static bool Readable(const Quarrow& main, const HelpViewer& help) {
        const QRect area = main.screen()->availableGeometry();
        const QSize asked = ScaledSize(HelpViewer::kBaseSize, WindowZoom::Of(&help)->AskedFactor());
        return area.contains(help.frameGeometry()) &&
               !help.frameGeometry().intersects(FinalResultsOf(main)) &&
               help.width() >= LeastWidth(main, help) &&
               help.height() >= std::min(asked.height(), area.height() * 3 / 5);
    }

    /// The help is a window of the main one (so that the window manager keeps it in front), on
    /// the screen, at the zoom asked for or below it only where that would not fit, large enough
    /// to read a topic, and clear of the result boxes.
    static void ExpectReadableInFront(const Quarrow& main, const HelpViewer& help) {
        static_cast<void>(QTest::qWaitFor([&] { return Readable(main, help); }));
        const QRect area = main.screen()->availableGeometry();
        const QRect place = help.frameGeometry();
        SCOPED_TRACE(Described(place).toStdString() + " on " + Described(area).toStdString() +
                     " beside " + Described(main.frameGeometry()).toStdString() + " results " +
                     Described(FinalResultsOf(main)).toStdString());
        ASSERT_NE(help.windowHandle(), nullptr);
        EXPECT_EQ(help.windowHandle()->transientParent(), main.windowHandle());
        // Window managers keep a window in front of its own only when it is a dialog; a plain
        // window goes behind a full-screen one as soon as that is clicked.
        EXPECT_EQ(help.windowType(), Qt::Dialog);
        EXPECT_EQ(QGuiApplication::focusWindow(), help.windowHandle());
        EXPECT_TRUE(area.contains(place));
        const WindowZoom* zoom = WindowZoom::Of(&help);
        ASSERT_NE(zoom, nullptr);
        // Readable: wide enough, and down three fifths of the screen or all the help's own
        // height where that is less.
        const QSize asked = ScaledSize(HelpViewer::kBaseSize, zoom->AskedFactor());
        EXPECT_GE(help.width(), LeastWidth(main, help));
        EXPECT_GE(help.height(), std::min(asked.height(), area.height() * 3 / 5));
        EXPECT_FALSE(place.intersects(FinalResultsOf(main)));
        EXPECT_DOUBLE_EQ(zoom->AskedFactor(), main.ZoomFactor());
        EXPECT_LE(zoom->Factor(), zoom->AskedFactor());
        if (zoom->Factor() < zoom->AskedFactor()) {
            // Shown smaller only because the asked-for size would not have fitted the room it
            // was given.
            EXPECT_TRUE(asked.width() > help.width() || asked.height() > help.height());
        }
    }
};

TEST_F(HelpPlaceTest, AtTwiceTheSizeTheHelpIsInFrontReadableAndClearOfTheResults) {
    ZoomToTwice();
    HelpViewer* help = OpenInstructions();
    ASSERT_NE(help, nullptr);
    ExpectReadableInFront(*window, *help);
    // A zoom asked for while it is open places it again by the same rule.
    ActivateMain();
    QTest::keyClick(window.get(), Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return WindowZoom::Of(help)->AskedFactor() < 2.0; }));
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; }));
    ExpectReadableInFront(*window, *help);
}

TEST_F(HelpPlaceTest, AtFullScreenTheHelpIsNeitherAStripNorABand) {
    FullScreen();
    HelpViewer* help = OpenInstructions();
    ASSERT_NE(help, nullptr);
    ExpectReadableInFront(*window, *help);
    // Back from full screen, the zoom changes and the help is placed again.
    help->close();
    ActivateMain();
    OpenInstructions();
    ActivateMain();
    QTest::keyClick(window.get(), Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isFullScreen(); }));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return WindowZoom::Of(help)->AskedFactor() == window->ZoomFactor(); }));
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == help; }));
    ExpectReadableInFront(*window, *help);
}

} // namespace
} // namespace quarrow::testing
