#pragma once

#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/common/zoom.h"
#include "ui/live/evolution_view.h"
#include "ui/live/offspring_panel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <initializer_list>

// The live view's fixtures, shared by the tests on the projector's screen and on a small one.
namespace quarrow::testing {

// The page's result boxes and Go, in global coordinates: what the live view leaves in sight.
inline QRect ResultBoxesOf(const QWidget& window) {
    QRect area;
    for (const char* name : {"txtLength", "txtNumGen", "txtTotal", "Command2"}) {
        const auto* box = window.findChild<QWidget*>(QString::fromLatin1(name));
        area = area.united(QRect(box->mapToGlobal(QPoint(0, 0)), box->size()));
    }
    return area;
}

class LiveViewTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    }

    void ZoomTo(double factor) {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
        while (window->ZoomFactor() < factor) {
            const double before = window->ZoomFactor();
            QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
            ASSERT_TRUE(QTest::qWaitFor([&] { return window->ZoomFactor() > before; }));
        }
    }

    void SetUpRun(const QString& target, const QString& first, int option) {
        Control<QLineEdit>("txtTarget")->setText(target);
        Control<QLineEdit>("txtInitialGuess")->setText(first);
        Control<QRadioButton>(option == 1   ? "Option1"
                              : option == 2 ? "Option2"
                                            : "Option3")
            ->setChecked(true);
    }

    /// Clicks Go; calls `during` every 20 ms with the view while it shows, until `during`
    /// returns true. Returns once the run has ended and filled the time box.
    bool RunWith(const std::function<bool(EvolutionView&)>& during, int timeoutMs = 20000) {
        bool ended = false;
        QTimer poll;
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, window.get(), [&] {
            auto* view = window->findChild<EvolutionView*>();
            if (view != nullptr && view->isVisible() && view->RunGoing() && during(*view)) {
                poll.stop();
            }
        });
        poll.start();
        QTimer::singleShot(0, window.get(), [&] {
            Control<QPushButton>("Command2")->click();
            ended = true;
        });
        return QTest::qWaitFor(
            [&] { return ended && !Control<QLineEdit>("txtLength")->text().isEmpty(); }, timeoutMs);
    }

    /// A serial run's view of CAT from DOG, a child of the window, placed beside it as a run
    /// places its view, and shown.
    EvolutionView* ShowViewBeside() {
        auto* view = new EvolutionView(QStringLiteral("CAT"), QStringLiteral("DOG"), Scheme::Serial,
                                       window->LiveViewChoices(), window.get());
        view->PlaceBeside(*window, ResultBoxesOf(*window));
        view->show();
        return view;
    }

    static void ClickCancel(EvolutionView& view) {
        QTest::mouseClick(view.findChild<QPushButton*>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);
    }
};

// Each of the twenty offspring rows, with its letters, score and label, lies whole in the view,
// nothing in the view scrolls, and the view lies wholly in its screen's available area.
inline void ExpectRowsWhole(EvolutionView& view) {
    QApplication::processEvents();
    const QRect screen = view.screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(view.frameGeometry()))
        << "the view's frame lies off the screen's available area";
    for (int i = 1; i <= kOffspringPerGeneration; ++i) {
        const auto* row = view.findChild<QLabel*>(QStringLiteral("offspringRow%1").arg(i));
        ASSERT_NE(row, nullptr);
        ASSERT_TRUE(row->isVisible()) << "row " << i;
        const QRect drawn(row->mapTo(&view, QPoint(0, 0)), row->size());
        EXPECT_TRUE(view.rect().contains(drawn)) << "row " << i << " lies outside the view";
        EXPECT_GE(row->width(), row->sizeHint().width()) << "row " << i << " is cut";
        EXPECT_GE(row->height(), row->sizeHint().height()) << "row " << i << " is cut";
    }
    for (const QScrollBar* bar : view.findChildren<QScrollBar*>()) {
        EXPECT_FALSE(bar->isVisible()) << "a scroll bar shows";
    }
}

/// The view keeps clear of Go and the result boxes unless that would cost the class its
/// reading: a view over them is never shown smaller than the program's own size, nor than the
/// zoom asked for where the screen holds it at that zoom.
inline void ExpectLegibleWhereItCovers(EvolutionView& view, const QRect& boxes) {
    const QRect placed = view.frameGeometry();
    if (!placed.intersects(boxes)) {
        return;
    }
    const WindowZoom* zoom = WindowZoom::Of(&view);
    EXPECT_GE(zoom->Factor() + 1e-6, std::min(zoom->AskedFactor(), 1.0))
        << "the view covers Go or the result boxes at " << zoom->Factor() << " of "
        << zoom->AskedFactor() << ": " << placed.x() << "," << placed.y() << " " << placed.width()
        << "x" << placed.height() << " boxes " << boxes.x() << "," << boxes.y() << " "
        << boxes.width() << "x" << boxes.height();
}

class OffspringRoomTest : public LiveViewTest {
protected:
    /// Runs a slow scheme-1 run of a phrase of `length` letters from Go, pauses it once offspring
    /// have shown, and checks the rows as the view shows them, then the view's place.
    /// CheckRows for each of these phrase lengths.
    void CheckRowsOf(std::initializer_list<int> lengths) {
        for (const int length : lengths) {
            SCOPED_TRACE(length);
            CheckRows(length);
        }
    }

    void CheckRows(int length) {
        const QString phrase =
            QStringLiteral("METHINKS IT IS LIKE A WEASEL AND SO IS THIS PHRASE").left(length);
        const QString first =
            QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM QWERTYUIOPASDFGHJKLZXCV").left(length);
        window->LiveViewChoices().slowMotion = true;
        SetUpRun(phrase, first, 1);
        bool checked = false;
        const QRect boxes = ResultBoxesOf(*window);
        EXPECT_TRUE(RunWith([&](EvolutionView& view) {
            if (view.Shown().offspringGeneration < 1) {
                return false;
            }
            view.TogglePause();
            ExpectRowsWhole(view);
            ExpectLegibleWhereItCovers(view, boxes);
            checked = true;
            ClickCancel(view);
            return true;
        }));
        if (!checked) {
            // A short phrase can be matched in the first generation shown: its finished view,
            // kept open, shows that generation's rows.
            auto* finished = window->findChild<EvolutionView*>();
            ASSERT_NE(finished, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(finished));
            ExpectRowsWhole(*finished);
            ExpectLegibleWhereItCovers(*finished, boxes);
        }
        if (auto* kept = window->findChild<EvolutionView*>()) {
            delete kept;
        }
        CloseMessageNamed(QStringLiteral("selectionMessage"));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    }
};

} // namespace quarrow::testing
