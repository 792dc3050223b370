#include "ui/common/zoom.h"

#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/help/help_viewer.h"
#include "ui/live/evolution_view.h"
#include "ui/window/arrows.h"
#include "ui/window/run_progress_dialog.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QValueAxis>

#include <cmath>
#include <map>
#include <string>

namespace quarrow::testing {
namespace {

const QSize kLayoutSize(626, 419);

class ZoomTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QTabWidget* Tabs() const { return Control<QTabWidget>("SSTab1"); }

    /// Every control the layout places, by name, in window coordinates.
    std::map<std::string, QRect> Places() const {
        std::map<std::string, QRect> found;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            const bool laidOut =
                name.startsWith(QLatin1String("Command")) ||
                name.startsWith(QLatin1String("txt")) || name.startsWith(QLatin1String("Label")) ||
                name.startsWith(QLatin1String("Image")) ||
                name.startsWith(QLatin1String("Option")) || name == QLatin1String("Frame1") ||
                name == QLatin1String("Line1") || name == QLatin1String("SSTab1");
            if (laidOut && !widget->isWindow()) {
                found[name.toStdString()] =
                    QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
            }
        }
        return found;
    }

    /// A key pressed in the main window, which is made the active one first.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) const {
        if (QApplication::activeWindow() != window.get()) {
            window->activateWindow();
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
        }
        QTest::keyClick(window.get(), key, modifiers);
    }

    bool SizedTo(const QSize& size) const {
        return QTest::qWaitFor([&] { return window->size() == size; });
    }

    /// Every caption that sizes itself shows its whole text in the room it has.
    void ExpectCaptionsFit() const {
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (label->property("fitsText").toBool()) {
                const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
                EXPECT_LE(needed, label->width() + 2 * window->ZoomFactor())
                    << label->objectName().toStdString() << " at " << window->ZoomFactor();
            }
        }
    }
};

TEST(ZoomSteps, StepThroughTheListAndStopAtItsEnds) {
    EXPECT_DOUBLE_EQ(NextZoomStep(1.0), 1.25);
    EXPECT_DOUBLE_EQ(NextZoomStep(1.3), 1.5) << "a fitted factor steps to the next step up";
    EXPECT_DOUBLE_EQ(NextZoomStep(3.0), 3.0);
    EXPECT_DOUBLE_EQ(PreviousZoomStep(2.58), 2.5);
    EXPECT_DOUBLE_EQ(PreviousZoomStep(1.0), 1.0);
    // Neighbours stay neighbours, and 1x gives the place back.
    const QRect left(10, 5, 33, 20);
    const QRect right(43, 5, 17, 20);
    for (double factor : kZoomSteps) {
        EXPECT_EQ(ScaledRect(left, factor).right() + 1, ScaledRect(right, factor).left());
    }
    EXPECT_EQ(ScaledRect(left, 1.0), left);
}

TEST(ZoomSteps, ArrowsAreDrawnInTheScreensOwnPixels) {
    for (const qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
        const QPixmap arrow = ArrowPixmap(QSize(42, 13), ArrowDirection::Right, ratio);
        EXPECT_EQ(arrow.size(), ScaledSize(QSize(42, 13), ratio)) << ratio;
        EXPECT_EQ(arrow.deviceIndependentSize().toSize(), QSize(42, 13)) << ratio;
        const QImage picture = arrow.toImage();
        // The tip sits on the middle row (the upper of the two when the height is even).
        EXPECT_EQ(picture.pixelColor(picture.width() - 1, (picture.height() - 1) / 2),
                  QColor(Qt::black))
            << "the tip reaches the edge at " << ratio;
    }
}

TEST_F(ZoomTest, DefaultFaceIsLegibleAndEveryCaptionFits) {
    const QFont font = window->font();
    RecordProperty("defaultFace", font.family().toStdString());
    RecordProperty("defaultPoints", std::to_string(font.pointSizeF()));
    EXPECT_GE(font.pointSizeF(), 8.0) << font.family().toStdString();
    ExpectCaptionsFit();
    // On a high-density screen the arrows are drawn in its device pixels, not stretched.
    const qreal ratio = window->devicePixelRatioF();
    for (int index = 1; index <= 12; ++index) {
        auto* image = window->findChild<QLabel*>(QStringLiteral("Image%1").arg(index));
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(image->pixmap().size(), ScaledSize(image->size(), ratio)) << index;
        EXPECT_DOUBLE_EQ(image->pixmap().devicePixelRatio(), ratio) << index;
    }
}

TEST_F(ZoomTest, ZoomingGrowsEveryControlByOneFactorAndResetRestoresTheLayout) {
    ASSERT_EQ(window->size(), kLayoutSize);
    Tabs()->setCurrentIndex(kStepFour);
    const auto before = Places();
    const double pointsBefore = window->font().pointSizeF();
    const int indicator = Control<QRadioButton>("Option1")->style()->pixelMetric(
        QStyle::PM_ExclusiveIndicatorWidth, nullptr, Control<QRadioButton>("Option1"));
    ASSERT_GT(before.size(), 70u);

    Press(Qt::Key_Equal);
    Press(Qt::Key_Plus);
    ASSERT_TRUE(SizedTo(QSize(939, 629))) << window->width() << "x" << window->height();
    EXPECT_DOUBLE_EQ(window->ZoomFactor(), 1.5);
    const QRect inside = window->rect();
    for (const auto& [name, rect] : Places()) {
        const QRect was = before.at(name);
        EXPECT_NEAR(rect.x(), was.x() * 1.5, 1.0) << name;
        EXPECT_NEAR(rect.y(), was.y() * 1.5, 1.0) << name;
        auto* widget = Control<QWidget>(name.c_str());
        if (widget->property("fitsText").toBool()) {
            // A caption that sizes itself may take the few pixels its larger text needs.
            EXPECT_GE(rect.width(), was.width() * 1.5 - 1.0) << name;
            EXPECT_LE(rect.width(), std::max(was.width() * 1.5 + 1.0,
                                             static_cast<double>(widget->sizeHint().width())))
                << name;
        } else {
            EXPECT_NEAR(rect.width(), was.width() * 1.5, 1.0) << name;
        }
        EXPECT_NEAR(rect.height(), was.height() * 1.5, 1.0) << name;
        EXPECT_TRUE(inside.contains(rect)) << name;
    }
    // Fonts grow with the rest, to the next whole pixel (0.75 points at 96 dots an inch).
    const auto expectPoints = [this](const char* name, double points) {
        const double shown = Control<QWidget>(name)->font().pointSizeF();
        EXPECT_GE(shown, points - 1e-9) << name;
        EXPECT_LT(shown, points + 0.75) << name;
    };
    expectPoints("Command5", pointsBefore * 1.5);
    expectPoints("Label1", 21.75 * 1.5);
    expectPoints("txtTarget", 9.75 * 1.5);
    EXPECT_EQ(Tabs()->tabBar()->height(), 53) << "the strip is part of the layout too";
    auto* option = Control<QRadioButton>("Option1");
    EXPECT_EQ(option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, option),
              std::lround(indicator * 1.5))
        << "so is the option buttons' round indicator";
    // Pictures are drawn anew at their new size, not stretched.
    const QImage arrow = Control<QLabel>("Image8")->pixmap().toImage();
    EXPECT_EQ(arrow.size(), Control<QLabel>("Image8")->size());
    ExpectCaptionsFit();

    // The keys work while the phrase box has the focus too.
    auto* phrase = Control<QLineEdit>("txtPhrase");
    Tabs()->setCurrentIndex(0);
    phrase->setFocus();
    QTest::keyClick(phrase, Qt::Key_Minus, Qt::ControlModifier);
    ASSERT_TRUE(SizedTo(QSize(783, 524)));
    Tabs()->setCurrentIndex(kStepFour);
    Press(Qt::Key_0);
    ASSERT_TRUE(SizedTo(kLayoutSize));
    EXPECT_EQ(Places(), before) << "Ctrl+0 gives back the layout exactly";
    EXPECT_DOUBLE_EQ(window->font().pointSizeF(), pointsBefore);
    EXPECT_EQ(Control<QLabel>("Image8")->pixmap().size(), QSize(13, 29));
}

TEST_F(ZoomTest, ZoomStopsWhereTheScreenEnds) {
    for (int step = 0; step < 8; ++step) {
        Press(Qt::Key_Equal);
    }
    const QRect area = window->screen()->availableGeometry();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->height() > 1000; }));
    EXPECT_TRUE(area.contains(window->frameGeometry())) << "the whole window stays on screen";
    EXPECT_LT(window->ZoomFactor(), 3.0);
    EXPECT_TRUE(window->rect().contains(Places().at("Command3")));
}

TEST_F(ZoomTest, AResizedWindowShowsTheLayoutInProportionAndCentred) {
    window->resize(1400, 500);
    ASSERT_TRUE(SizedTo(QSize(1400, 500)));
    const double factor = 500.0 / 419.0;
    EXPECT_NEAR(window->ZoomFactor(), factor, 1e-9);
    const QRect tabsRect = Places().at("SSTab1");
    EXPECT_NEAR(tabsRect.width(), 617 * factor, 1.0);
    EXPECT_NEAR(tabsRect.height(), 385 * factor, 1.0);
    // The margins left over by the window's wider shape are shared by both sides.
    const int shownWidth = static_cast<int>(std::lround(626 * factor));
    EXPECT_NEAR(tabsRect.left(), (1400 - shownWidth) / 2.0, 1.0);
    EXPECT_TRUE(window->rect().contains(Places().at("Command3")));
}

TEST_F(ZoomTest, FullScreenFillsTheScreenWithTextReadableFromTheBack) {
    const QSize screen = window->screen()->geometry().size();
    Press(Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->isFullScreen() && window->size() == screen; }));
    const double factor = std::min(1920.0 / 626.0, 1080.0 / 419.0);
    EXPECT_NEAR(window->ZoomFactor(), factor, 1e-9);
    const QRect tabsRect = Places().at("SSTab1");
    const QRect quit = Places().at("Command3");
    EXPECT_EQ(tabsRect.top(), 0) << "the layout fills the screen's height";
    EXPECT_NEAR(quit.bottom(), 1080 - 2 * factor, 2.0);
    for (const char* name : {"Command5", "Label2", "txtPhrase"}) {
        EXPECT_GE(QFontMetrics(Control<QWidget>(name)->font()).capHeight(), 20) << name;
    }
    ExpectCaptionsFit();

    Press(Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !window->isFullScreen() && window->size() == kLayoutSize; }));
    EXPECT_DOUBLE_EQ(window->ZoomFactor(), 1.0);
}

TEST_F(ZoomTest, AltGOnStepFourStartsTheRun) {
    Tabs()->setCurrentIndex(kStepFour);
    Control<QPushButton>("Command2")->setFocus();
    Control<QLineEdit>("txtTarget")->setText(QStringLiteral("HI"));
    Control<QLineEdit>("txtInitialGuess")->setText(QStringLiteral("AB"));
    Press(Qt::Key_G, Qt::AltModifier);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !Control<QLineEdit>("txtNumGen")->text().isEmpty(); }));
    EXPECT_FALSE(Control<QLineEdit>("txtTotal")->text().isEmpty());
    EXPECT_FALSE(Control<QLineEdit>("txtLength")->text().isEmpty());
    // The button that shares the letter keeps its caption and is still reached by the mouse.
    auto* generate = Control<QPushButton>("Command17");
    EXPECT_EQ(generate->text(), QStringLiteral("&Gen Explanation"));
    // The finished run's view, kept open, takes the activation once it shows; the user's click
    // on the window brings it back first.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    QTest::mouseClick(generate, Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), generate);
}

// Step Three's progress window opens at the window's zoom, and where the target it matches
// stays in sight.
TEST_F(ZoomTest, StepThreesProgressWindowFollowsTheZoomAndLeavesTheTargetInSight) {
    Control<QLineEdit>("txtPhrase")->setText(QStringLiteral("METHINKS IT IS LIKE A WEASEL"));
    Tabs()->setCurrentIndex(kStepThree);
    while (window->ZoomFactor() < 2.0) {
        const double before = window->ZoomFactor();
        Press(Qt::Key_Equal);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->ZoomFactor() > before; }));
    }
    Control<QLineEdit>("txtNumGenerat")->setText(QStringLiteral("2000000000"));
    QTest::mouseClick(Control<QPushButton>("Command4"), Qt::LeftButton);
    RunProgressDialog* dialog = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        dialog = window->findChild<RunProgressDialog*>();
        return dialog != nullptr && dialog->isVisible();
    }));
    QApplication::processEvents();
    EXPECT_NEAR(QFontMetrics(dialog->font()).capHeight(),
                2 * QFontMetrics(QApplication::font()).capHeight(), 1);
    const auto* target = Control<QLineEdit>("txtTargetString");
    const QRect targetPlace(target->mapToGlobal(QPoint(0, 0)), target->size());
    EXPECT_FALSE(dialog->frameGeometry().intersects(targetPlace)) << "the dialog covers the target";
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                      Qt::LeftButton);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !Control<QLineEdit>("txtTimeGen")->text().isEmpty(); }));
    CloseMessageNamed(QStringLiteral("searchMessage"));
}

TEST_F(ZoomTest, NoTwoButtonsOnAPageAnswerTheSameAccessKey) {
    for (int page = 0; page < Tabs()->count(); ++page) {
        Tabs()->setCurrentIndex(page);
        std::map<QString, QString> keys;
        for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
            const QString key = button->shortcut().toString();
            if (!button->isVisible() || key.isEmpty()) {
                continue;
            }
            const auto [where, fresh] = keys.emplace(key, button->objectName());
            EXPECT_TRUE(fresh) << "page " << page << ": " << key.toStdString() << " on "
                               << where->second.toStdString() << " and "
                               << button->objectName().toStdString();
        }
    }
}

TEST(HelpPlacement, BesideWhereThereIsRoomElseAwayFromTheButtonAndTheResults) {
    const QRect area(0, 0, 1920, 1040);
    const QRect centred(647, 296, 626, 449);
    const QRect nearLeft(660, 400, 73, 25);
    QRect place = HelpWindowPlace(QSize(820, 600), area, centred, nearLeft, QRect(), 420);
    EXPECT_TRUE(area.contains(place));
    EXPECT_FALSE(place.intersects(centred));
    EXPECT_GE(place.width(), 420);

    // The main window fills the screen: the help goes over it, as tall as the screen allows
    // and never over the results; away from the button where that side is wide enough to read
    // (left of the results, from a button on the right), over the button where it is not (the
    // strip between a button on the left and the results).
    const QRect results(870, 460, 520, 480);
    const QRect onRight(1700, 900, 200, 60);
    for (const QRect& button : {QRect(20, 500, 190, 60), onRight}) {
        for (const QSize wanted : {QSize(820, 600), QSize(2115, 1548)}) {
            place = HelpWindowPlace(wanted, area, area, button, results, 1080);
            EXPECT_TRUE(area.contains(place)) << wanted.width();
            EXPECT_FALSE(place.intersects(results)) << wanted.width();
            EXPECT_GE(place.height(), std::min(wanted.height(), area.height()));
            EXPECT_GE(place.width(), std::min(wanted.width(), results.left() - 12));
            EXPECT_EQ(place.intersects(button), button != onRight) << wanted.width();
        }
    }
}

TEST(HelpPlacement, AWideOpenerDoesNotSqueezeTheHelpIntoAStrip) {
    // Full screen at 2.58x, F1 in "Step Four"'s phrase box: only 800 pixels lie left of it.
    const QRect area(0, 0, 1920, 1080);
    const QRect phraseBox(814, 270, 826, 60);
    const QRect results(1121, 490, 520, 340);
    const QRect place = HelpWindowPlace(QSize(2115, 1548), area, area, phraseBox, results, 1084);
    EXPECT_TRUE(area.contains(place));
    EXPECT_FALSE(place.intersects(results));
    EXPECT_GE(place.width(), 1084);
}

TEST_F(ZoomTest, HelpOpensBesideAtOneTimesAndClearOfTheResultsAtFullScreen) {
    QTest::mouseClick(Control<QPushButton>("Command5"), Qt::LeftButton);
    auto* help = window->findChild<HelpViewer*>(QStringLiteral("helpViewer"));
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    const QRect screen = window->screen()->availableGeometry();
    EXPECT_FALSE(help->frameGeometry().intersects(window->frameGeometry()));
    EXPECT_TRUE(screen.contains(help->frameGeometry()));
    help->close();

    Tabs()->setCurrentIndex(kStepFour);
    Press(Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1920; }));
    QTest::mouseClick(Control<QPushButton>("Command13"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    const QRect place = help->frameGeometry();
    EXPECT_TRUE(window->screen()->geometry().contains(place))
        << place.x() << "," << place.y() << " " << place.width() << "x" << place.height();
    for (const char* name : {"txtNumGen", "txtTotal", "txtLength"}) {
        auto* result = Control<QWidget>(name);
        EXPECT_FALSE(place.intersects(QRect(result->mapToGlobal(QPoint(0, 0)), result->size())))
            << name;
    }
    // The help reads at the window's zoom, and its own keys zoom it further within the screen.
    WindowZoom* zoom = WindowZoom::Of(help);
    ASSERT_NE(zoom, nullptr);
    EXPECT_DOUBLE_EQ(zoom->Factor(), window->ZoomFactor());
    QTest::keyClick(help, Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(zoom->Factor(), 3.0);
    EXPECT_DOUBLE_EQ(window->ZoomFactor(), std::min(1920.0 / 626.0, 1080.0 / 419.0));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return window->screen()->geometry().contains(help->frameGeometry()); }));
}

TEST_F(ZoomTest, AtFullScreenTheLiveViewReadsFromTheBackOfTheRoom) {
    Press(Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1920; }));
    EvolutionView view(QStringLiteral("A PHRASE"), QStringLiteral("B PHRASE"), Scheme::Sequential,
                       window->LiveViewChoices(), window.get());
    const auto* letters = view.findChild<QLabel*>(QStringLiteral("currentString"));
    ASSERT_NE(letters, nullptr);
    const int bodyCaps = QFontMetrics(view.font()).capHeight();
    EXPECT_GE(bodyCaps, 20);
    EXPECT_GT(QFontMetrics(letters->font()).capHeight(), bodyCaps);
}

TEST_F(ZoomTest, AtFullScreenTheLiveViewOfALongPhraseFitsOnTheScreen) {
    Press(Qt::Key_F11, Qt::NoModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->isFullScreen() && window->width() == 1920; }));
    const QString phrase = QStringLiteral("THE SELECTION AGENT IS A SIEVE OF SMALL CHANCES AB");
    ASSERT_EQ(phrase.size(), 50);
    EvolutionView view(phrase, QString(phrase).replace(QLatin1Char('E'), QLatin1Char('Q')),
                       Scheme::Attenuating, window->LiveViewChoices(), window.get());
    view.PlaceBeside(*window, QRect());
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(view.frameGeometry()))
        << view.width() << "x" << view.height();
    // Its chart, squeezed short, keeps a label on every line of the letters axis, at round
    // counts up to the phrase's 50 letters.
    QChart* chart = view.findChild<QChartView*>(QStringLiteral("fitnessChart"))->chart();
    const auto* letters = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).front());
    ASSERT_NE(letters, nullptr);
    ASSERT_GT(letters->tickCount(), 1);
    const double step = letters->max() / (letters->tickCount() - 1);
    EXPECT_EQ(letters->max(), 50.0);
    EXPECT_TRUE(step == 5.0 || step == 10.0 || step == 25.0) << step;
    const double labelHeight = QFontMetrics(letters->labelsFont()).height();
    EXPECT_GE(chart->plotArea().height() / (letters->tickCount() - 1), 1.5 * labelHeight)
        << letters->tickCount() << " lines on " << chart->plotArea().height() << " pixels";
}

TEST_F(ZoomTest, TheLiveViewFollowsTheWindowAndZoomsOnItsOwn) {
    Press(Qt::Key_Equal);
    Press(Qt::Key_Equal);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->ZoomFactor() == 1.5; }));
    auto* view = new EvolutionView(QStringLiteral("A PHRASE"), QStringLiteral("B PHRASE"),
                                   Scheme::Serial, window->LiveViewChoices(), window.get());
    const auto* letters = view->findChild<QLabel*>(QStringLiteral("targetString"));
    ASSERT_NE(letters, nullptr);
    const double lettersAt150 = letters->font().pointSizeF();
    WindowZoom* zoom = WindowZoom::Of(view);
    ASSERT_NE(zoom, nullptr);
    EXPECT_DOUBLE_EQ(zoom->Factor(), 1.5);
    EXPECT_GT(lettersAt150, view->font().pointSizeF()) << "the letters are larger than the text";
    // As a finished run leaves it, so that the main window takes keys too.
    view->setWindowModality(Qt::NonModal);
    view->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    QTest::keyClick(view, Qt::Key_0, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(zoom->Factor(), 1.0);
    EXPECT_DOUBLE_EQ(letters->font().pointSizeF(), lettersAt150 / 1.5);
    EXPECT_DOUBLE_EQ(window->ZoomFactor(), 1.5) << "the view's keys zoom the view alone";
    Press(Qt::Key_Equal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return zoom->Factor() == 2.0; }))
        << "it follows the window " << window->ZoomFactor() << " " << zoom->Factor();
    EXPECT_TRUE(window->screen()->availableGeometry().contains(view->frameGeometry()));
    Press(Qt::Key_Equal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return zoom->Factor() == 2.5; }));
    EXPECT_TRUE(window->screen()->availableGeometry().contains(view->frameGeometry()))
        << view->width() << "x" << view->height();
    delete view;
}

} // namespace
} // namespace quarrow::testing
