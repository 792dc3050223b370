#include "tests/support/language_steps.h"
#include "tests/ui/live/live_view_fixture.h"

#include <QScreen>

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

// On this screen the held view of the classic phrase has its chart, figures and rows side by side
// in every language, as in English: a longer translation is made to fit rather than pushing the
// rows under the chart, where the chart would give way to them.
TEST_F(OffspringRoomTest, OnASmallScreenEveryLanguageHasItsRowsBesideTheChart) {
    const auto heldWidth = [this] {
        window->LiveViewChoices().slowMotion = true;
        SetUpRun(QStringLiteral("METHINKS IT IS LIKE A WEASEL"),
                 QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q"), 1);
        int width = 0;
        EXPECT_TRUE(RunWith([&](EvolutionView& view) {
            if (view.Shown().offspringGeneration < 1) {
                return false;
            }
            view.TogglePause();
            QTest::qWait(200);
            width = view.RowsBesideWidth();
            ClickCancel(view);
            return true;
        }));
        if (auto* kept = window->findChild<EvolutionView*>()) {
            delete kept;
        }
        CloseMessageNamed(QStringLiteral("selectionMessage"));
        return width;
    };
    const int english = heldWidth();
    ASSERT_GT(english, 0);
    for (const plot::ShippedLanguage& language : plot::ShippedLanguages()) {
        const InLanguage shown(language.code);
        const int width = heldWidth();
        // The screen's width less the view's frame.
        EXPECT_LE(width, window->screen()->availableGeometry().width() - 8)
            << language.code.toStdString() << " against " << english << " in English";
    }
}

} // namespace
} // namespace quarrow::testing
