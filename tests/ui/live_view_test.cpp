#include "tests/ui/window_fixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QChart>
#include <QChartView>
#include <cstdio>

#include "ui/evolution_view.h"

namespace quarrow::testing {
namespace {

constexpr int kStepFour = 3;

class LiveViewTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    }

    void zoomTo(double factor) {
        while (window->zoomFactor() < factor) {
            const double before = window->zoomFactor();
            QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
            ASSERT_TRUE(WaitUntil([&] { return window->zoomFactor() > before; }));
        }
    }

    void setUpRun(const QString& target, const QString& first, int option) {
        control<QLineEdit>("txtTarget")->setText(target);
        control<QLineEdit>("txtInitialGuess")->setText(first);
        control<QRadioButton>(option == 1   ? "Option1"
                              : option == 2 ? "Option2"
                                            : "Option3")
            ->setChecked(true);
    }

    /// Clicks Go; the run's nested loop calls `during` every 20 ms with the view while it
    /// shows, until `during` returns true. Returns once the run has ended.
    bool runWith(const std::function<bool(EvolutionView&)>& during, int timeoutMs = 20000) {
        bool ended = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, window.get(), [&] {
            auto* view = window->findChild<EvolutionView*>();
            if (view != nullptr && view->isVisible() && view->runGoing() && during(*view)) {
                poll.stop();
            }
        });
        poll.start();
        QTimer::singleShot(0, window.get(), [&] {
            control<QPushButton>("Command2")->click();
            ended = true;
        });
        return WaitUntil([&] { return ended; }, timeoutMs);
    }

    static void clickCancel(EvolutionView& view) {
        QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);
    }
};

TEST_F(LiveViewTest, AtTwiceTheSizeASlowSchemeThreeRunShowsItsViewAndCancels) {
    zoomTo(2.0);
    window->viewChoices().slowMotion = true;
    setUpRun(QStringLiteral("EVOLUTION"), QStringLiteral("QWERTYUIO"), 3);
    std::int64_t generations = 0;
    ASSERT_TRUE(runWith([&](EvolutionView& view) {
        // A few slow generations go by with the view drawn at the zoom.
        if (view.shown().generation < 2) {
            return false;
        }
        generations = view.shown().generation;
        clickCancel(view);
        return true;
    }));
    EXPECT_GE(generations, 2);
}

// Laying the chart out never changes what it lays out: at twice the size a slow scheme-3 view
// is shown at every height a screen may give it, and each size settles in a pass or two.
TEST_F(LiveViewTest, AtTwiceTheSizeTheChartSettlesAtEveryHeight) {
    zoomTo(2.0);
    auto* view = new EvolutionView(QStringLiteral("EVOLUTION"), QStringLiteral("QWERTYUIO"),
                                   Scheme::Sequential, window->viewChoices(), window.get());
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    QChart* chart = view->findChild<QChartView*>(QStringLiteral("fitnessChart"))->chart();
    int changes = 0;
    QObject::connect(chart, &QChart::plotAreaChanged, view, [&] { ++changes; });
    for (int height = 300; height < 1080; height += 9) {
        changes = 0;
        view->resize(view->width(), height);
        QApplication::processEvents();
        ASSERT_LE(changes, 3) << "at a height of " << height;
    }
    delete view;
}

} // namespace
} // namespace quarrow::testing
