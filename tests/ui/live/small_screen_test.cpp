#include "tests/ui/live/live_view_fixture.h"

namespace quarrow::testing {
namespace {

// On a 1024 by 768 screen the view has little room beside the main window: the rows of every
// phrase up to 50 letters are still whole, and the view stays on the screen, at 1x, at the
// largest zoom the screen takes and at full screen.
TEST_F(OffspringRoomTest, OnASmallScreenEveryRowIsWholeAndTheViewStaysOnIt) {
    ASSERT_EQ(window->screen()->geometry().width(), 1024);
    CheckRowsOf({1, 28, 50});
    ZoomTo(1.5);
    CheckRowsOf({1, 28, 50});
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1024; }));
    CheckRowsOf({1, 50});
}

} // namespace
} // namespace quarrow::testing
