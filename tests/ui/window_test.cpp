#include "tests/ui/window_fixture.h"

#include <QTabWidget>

namespace quarrow::testing {
namespace {

TEST_F(WindowTest, OpensWithItsCaption) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quarrow 2.0"));
    EXPECT_NE(control<QTabWidget>("SSTab1"), nullptr);
}

} // namespace
} // namespace quarrow::testing
