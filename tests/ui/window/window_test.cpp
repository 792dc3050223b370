#include "search/alphabet.h"
#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"

#include <QAccessible>
#include <QFontInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include <cstdlib>
#include <string>
#include <vector>

namespace quarrow::testing {
namespace {

bool AllSymbols(const QString& text) {
    for (const QChar unit : text) {
        if (unit.unicode() > 0x7F || !IsAlphabetSymbol(static_cast<char>(unit.unicode()))) {
            return false;
        }
    }
    return true;
}

/// The window, active so that focus moves deliver their events.
class FoundationTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QLineEdit* Box(const char* name) const { return Control<QLineEdit>(name); }
    QTabWidget* Tabs() const { return Control<QTabWidget>("SSTab1"); }

    void ShowPage(int page) const {
        QTest::mouseClick(Tabs()->tabBar(), Qt::LeftButton, {},
                          Tabs()->tabBar()->tabRect(page).center());
    }

    /// Puts the focus in `name` as a click would, then moves it on with the Tab key.
    void TypeAndLeave(const char* name, const QString& text) const {
        QLineEdit* edit = Box(name);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            QTest::keyClicks(edit, text);
        }
        QTest::keyClick(edit, Qt::Key_Tab);
    }
};

TEST_F(FoundationTest, StartsOnStepOneWithARandomPhraseAndEmptyBoxes) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Quarrow 2.0"));
    EXPECT_EQ(Tabs()->currentIndex(), kStepOne);
    EXPECT_EQ(window->size(), QSize(626, 419));
    EXPECT_EQ(window->minimumSize(), QSize(626, 419)) << "the layout is never shown smaller";

    const QString phrase = Box("txtPhrase")->text();
    EXPECT_EQ(phrase.size(), 50);
    EXPECT_TRUE(AllSymbols(phrase)) << phrase.toStdString();

    EXPECT_EQ(Box("txtNumGenerat")->text(), QStringLiteral("500"));
    for (const char* name :
         {"txtRndString", "txtNumString", "txtTime", "txtTimeDay", "txtTimeYear", "txtTargetString",
          "txtBestString", "txtNumCorrect", "txtTimeGen", "txtTarget", "txtInitialGuess",
          "txtNumGen", "txtTotal", "txtLength"}) {
        EXPECT_TRUE(Box(name)->text().isEmpty()) << name;
    }
    EXPECT_TRUE(Control<QRadioButton>("Option1")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("Option2")->isChecked());
    EXPECT_FALSE(Control<QRadioButton>("Option3")->isChecked());
    EXPECT_EQ(QApplication::focusWidget(), Control<QPushButton>("Command5"));
}

// A box holding a very long phrase is painted from the part of it in sight, so that it does not
// lay out every letter at each paint; it must look exactly as a box that lays out its whole text,
// with the text's start in sight or, the cursor at the end, its end.
TEST_F(FoundationTest, ABoxWithAVeryLongPhraseLooksAsAnyBoxWouldShowIt) {
    QString text(100'000, QLatin1Char('Q'));
    for (qsizetype i = 0; i < text.size(); i += 7) {
        text[i] = QLatin1Char(' ');
    }
    text.replace(0, 12, QStringLiteral("METHINKS IT "));
    text.replace(text.size() - 12, 12, QStringLiteral("LIKE A WEASEL").right(12));
    for (const char* name : {"txtPhrase", "txtBestString", "txtInitialGuess"}) {
        SCOPED_TRACE(name);
        QLineEdit* box = Box(name);
        QLineEdit whole;
        whole.setMaxLength(box->maxLength());
        whole.setFont(box->font());
        whole.setPalette(box->palette());
        whole.setReadOnly(box->isReadOnly());
        whole.resize(box->size());
        for (const bool atEnd : {false, true}) {
            box->setText(text);
            whole.setText(text);
            box->setCursorPosition(atEnd ? static_cast<int>(text.size()) : 0);
            whole.setCursorPosition(box->cursorPosition());
            EXPECT_EQ(box->grab().toImage().convertToFormat(QImage::Format_RGB32),
                      whole.grab().toImage().convertToFormat(QImage::Format_RGB32))
                << "cursor at the end: " << atEnd;
        }
        EXPECT_EQ(box->text(), text) << "the box keeps its whole text";
    }
}

TEST_F(FoundationTest, IsCentredOnItsScreen) {
    const QRect area = window->screen()->availableGeometry();
    const QPoint offCentre = window->frameGeometry().center() - area.center();
    // Start-up runs before the platform adds its frame, so half that frame is allowed.
    const QSize frame = window->frameGeometry().size() - window->size();
    EXPECT_LE(std::abs(offCentre.x()), frame.width() / 2 + 1) << offCentre.x();
    EXPECT_LE(std::abs(offCentre.y()), frame.height() / 2 + 1) << offCentre.y();
    EXPECT_GT(window->x(), area.x() + (area.width() - window->width()) / 2 - frame.width());
}

TEST_F(FoundationTest, StartPhraseFollowsTheClock) {
    // Fresh generators in the documented initial state, as in the fixture.
    FakeTimeOfDayClock laterTime{36001.5f};
    Generator freshForLater;
    Generator freshForAgain;
    QuarrowServices other = services;
    other.generator = &freshForLater;
    other.timeOfDay = &laterTime;
    Quarrow later(other);
    other.generator = &freshForAgain;
    other.timeOfDay = &timeOfDay;
    Quarrow again(other);

    const auto phraseOf = [](const Quarrow& w) {
        return w.findChild<QLineEdit*>(QStringLiteral("txtPhrase"))->text();
    };
    EXPECT_NE(phraseOf(later), Box("txtPhrase")->text());
    EXPECT_EQ(phraseOf(again), Box("txtPhrase")->text())
        << "same start state and clock, same phrase";
}

// Every control sits where the layout's twips put it, in window coordinates at 15 twips a
// pixel, also on pages that have not been shown yet and inside Frame1.
TEST_F(FoundationTest, ControlsLandWhereTheLayoutPutsThem) {
    struct Place {
        const char* name;
        int left, top, width, height; // twips, relative to the window (Frame1's offset added)
    };
    const std::vector<Place> places = {
        {"Command5", 120, 1680, 1095, 375},
        {"txtPhrase", 3120, 2160, 5775, 375},
        {"Image2", 3360, 1800, 630, 195},
        {"txtRndString", 4680, 1440, 2655, 375},
        {"Label9", 7560, 4560, 465, 195},
        {"txtNumGenerat", 2640, 1200, 855, 375},
        {"txtNumCorrect", 6480, 3720, 855, 405},
        {"Label24", 2040, 2160, 855, 615},
        {"txtInitialGuess", 3840, 2280, 4815, 375},
        {"Image8", 2280, 2760, 195, 435},
        {"Frame1", 120, 3240, 4575, 1335},
        {"Option2", 120 + 240, 3240 + 600, 2175, 255},
        {"Command15", 120 + 3240, 3240 + 960, 1215, 255},
        {"Image12", 120 + 2640, 3240 + 960, 435, 195},
        {"Command16", 7080, 5160, 1455, 375},
        {"Command3", 7320, 5880, 1455, 375},
    };
    for (int page : {kStepOne, kStepFour, kStepTwo}) {
        ShowPage(page);
        for (const Place& place : places) {
            auto* widget = Control<QWidget>(place.name);
            ASSERT_NE(widget, nullptr);
            const QRect expected(place.left / 15, place.top / 15, place.width / 15,
                                 place.height / 15);
            const QRect actual(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
            EXPECT_EQ(actual, expected) << place.name << " with page " << page << " showing";
        }
    }
    // The strip is 520 twips high, its four tabs share the width.
    EXPECT_EQ(Tabs()->tabBar()->height(), 35);
    EXPECT_GE(Tabs()->tabBar()->width(), Tabs()->width() - 4);
    // Labels that fit their text keep their corner; the title starts at (360, 600).
    EXPECT_EQ(Control<QLabel>("Label1")->mapTo(window.get(), QPoint(0, 0)), QPoint(24, 40));
    // The divider is a vertical line two pixels wide, centred on x = 4920 twips.
    auto* line = Control<QFrame>("Line1");
    EXPECT_EQ(line->frameShape(), QFrame::VLine);
    EXPECT_EQ(line->width(), 2);
    EXPECT_EQ(line->mapTo(window.get(), QPoint(1, 0)), QPoint(328, 192));
    EXPECT_EQ(line->height(), 176);
}

TEST_F(FoundationTest, CaptionsTooltipsHelpContextsAndFonts) {
    struct Caption {
        const char* name;
        const char* text;
        int helpContext;
    };
    const std::vector<Caption> captions = {
        {"Command5", "&Instructions", 10},
        {"Command6", "&Explanation", 20},
        {"Command7", "&Instructions", 30},
        {"Command8", "&Go", 0},
        {"Command9", "&Explanation", 40},
        {"Command10", "&Instructions", 50},
        {"Command11", "&Explanation", 60},
        {"Command4", "&Go", 0},
        {"Command12", "&Instructions", 70},
        {"Command13", "Explanation", 80},
        {"Command14", "Explanation", 90},
        {"Command15", "Explanation", 100},
        {"Command16", "Explanation", 110},
        {"Command17", "&Gen Explanation", 0},
        {"Command2", "&Go", 0},
        {"Command1", "&View Text File", 0},
        {"Command3", "&Quit", 0},
    };
    for (const Caption& caption : captions) {
        auto* button = Control<QPushButton>(caption.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromLatin1(caption.text)) << caption.name;
        EXPECT_EQ(button->property("helpContext").toInt(), caption.helpContext) << caption.name;
        EXPECT_FALSE(button->isDefault() || button->autoDefault()) << caption.name;
    }
    EXPECT_EQ(Box("txtPhrase")->property("helpContext").toInt(), 10);
    EXPECT_EQ(Control<QLabel>("Label2")->text(),
              QStringLiteral("Type in your target string (to 50 characters; no numbers or "
                             "punctuation)"));
    EXPECT_EQ(Control<QLabel>("Label20")->text(),
              QStringLiteral("...was this random string selected from the number of strings "
                             "you requested"));
    EXPECT_EQ(Control<QRadioButton>("Option3")->text(), QStringLiteral("3: Sequential Selection"));
    const QStringList pages = {QStringLiteral("Step One"), QStringLiteral("Step Two"),
                               QStringLiteral("Step Three"), QStringLiteral("Step Four")};
    for (int page = 0; page < 4; ++page) {
        EXPECT_EQ(Tabs()->tabText(page), pages[page]);
    }

    EXPECT_EQ(Control<QPushButton>("Command6")->toolTip(),
              QStringLiteral("This is the \"target string\", a.k.a. \"selection agent\", "
                             "a.k.a. \"fitness function.\" "));
    EXPECT_EQ(Control<QPushButton>("Command6")->toolTip().size(), 82);
    EXPECT_EQ(Box("txtPhrase")->toolTip(),
              QStringLiteral("In this box, type in a phrase of up to 50 letters and spaces.  "
                             "No numbers or punctuation.  "));

    const auto expectFont = [this](const char* name, const char* family, double points) {
        const QFont font = Control<QWidget>(name)->font();
        EXPECT_EQ(font.family(), QString::fromLatin1(family)) << name;
        EXPECT_DOUBLE_EQ(font.pointSizeF(), points) << name;
        EXPECT_FALSE(font.bold() || font.italic() || font.underline()) << name;
    };
    expectFont("Label1", "Times New Roman", 21.75);
    expectFont("Label10", "Times New Roman", 21.75);
    expectFont("Label3", "Times New Roman", 18.0);
    expectFont("Label17", "Times New Roman", 18.0);
    for (const char* name : {"txtTarget", "txtInitialGuess", "txtTargetString", "txtBestString"}) {
        expectFont(name, "Courier New", 9.75);
    }
    // The captions that size themselves stay on one line within the page.
    for (const char* name : {"Label2", "Label6", "Label14", "Label20"}) {
        auto* label = Control<QLabel>(name);
        EXPECT_LE(label->mapTo(Tabs(), QPoint(label->width(), 0)).x(), Tabs()->width()) << name;
        EXPECT_LE(label->height(), 16) << name;
    }
}

TEST_F(FoundationTest, ScreenReadersFindEveryBoxAndButtonByItsLabel) {
    const auto nameOf = [](QWidget* widget) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face != nullptr ? face->text(QAccessible::Name) : QString();
    };
    const auto descriptionOf = [](QWidget* widget) {
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        return face != nullptr ? face->text(QAccessible::Description) : QString();
    };
    EXPECT_EQ(nameOf(Box("txtPhrase")), Control<QLabel>("Label2")->text());
    EXPECT_EQ(nameOf(Box("txtTarget")), QStringLiteral("Your Target String:"));
    EXPECT_EQ(nameOf(Box("txtNumGenerat")), QStringLiteral("Number of Strings to Generate:"));
    EXPECT_EQ(nameOf(Box("txtTimeYear")), QStringLiteral("Estimated time in years"));
    EXPECT_EQ(nameOf(Control<QPushButton>("Command1")), QStringLiteral("View Text File"));
    EXPECT_EQ(nameOf(Control<QRadioButton>("Option2")), QStringLiteral("2: Serial Selection"));
    EXPECT_EQ(descriptionOf(Box("txtPhrase")), Box("txtPhrase")->toolTip());
    // The explanation button says what it opens, not what the phrase is.
    EXPECT_TRUE(descriptionOf(Control<QPushButton>("Command6"))
                    .startsWith(QStringLiteral("Opens the help topic")))
        << descriptionOf(Control<QPushButton>("Command6")).toStdString();
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        EXPECT_FALSE(nameOf(edit).isEmpty()) << edit->objectName().toStdString();
    }
}

TEST_F(FoundationTest, ArrowsAreBlackOnGreyAtTheirSizes) {
    for (int index = 1; index <= 12; ++index) {
        const QString name = QStringLiteral("Image%1").arg(index);
        auto* image = window->findChild<QLabel*>(name);
        ASSERT_NE(image, nullptr) << name.toStdString();
        const QImage picture = image->pixmap().toImage();
        const QSize expected = index <= 7   ? QSize(42, 13)
                               : index <= 9 ? QSize(13, 29)
                                            : QSize(29, 13);
        EXPECT_EQ(picture.size(), expected) << name.toStdString();
        EXPECT_EQ(picture.pixelColor(0, 0), QColor(192, 192, 192)) << name.toStdString();
        const bool down = expected.height() > expected.width();
        const QPoint tip = down ? QPoint(expected.width() / 2, expected.height() - 1)
                                : QPoint(expected.width() - 1, expected.height() / 2);
        EXPECT_EQ(picture.pixelColor(tip), QColor(Qt::black)) << name.toStdString();
    }
}

TEST_F(FoundationTest, EnteringStepTwoEmptiesOnlyItsResults) {
    const std::vector<const char*> results = {"txtRndString", "txtNumString", "txtTime",
                                              "txtTimeDay", "txtTimeYear"};
    for (const char* name : results) {
        Box(name)->setText(QStringLiteral("12345"));
    }
    Box("txtBestString")->setText(QStringLiteral("KEPT"));
    Box("txtLength")->setText(QStringLiteral("1.5"));
    ShowPage(kStepTwo);
    for (const char* name : results) {
        EXPECT_TRUE(Box(name)->text().isEmpty()) << name;
    }
    EXPECT_EQ(Box("txtBestString")->text(), QStringLiteral("KEPT"));
    EXPECT_EQ(Box("txtLength")->text(), QStringLiteral("1.5"));
}

TEST_F(FoundationTest, StepThreeTakesThePhraseAsItStands) {
    Box("txtPhrase")->setText(QStringLiteral("small letters, 42!"));
    ShowPage(kStepThree);
    EXPECT_EQ(Box("txtTargetString")->text(), QStringLiteral("small letters, 42!"));

    TypeAndLeave("txtTargetString", QStringLiteral("typed here"));
    EXPECT_EQ(Box("txtTargetString")->text(), QStringLiteral("typed here")) << "not capitalised";
    ShowPage(kStepOne);
    ShowPage(kStepThree);
    EXPECT_EQ(Box("txtTargetString")->text(), QStringLiteral("small letters, 42!"));
}

TEST_F(FoundationTest, StepFourTakesThePhraseAndAFreshFirstStringEachVisit) {
    Box("txtPhrase")->setText(QStringLiteral("GRADUAL change"));
    ShowPage(kStepFour);
    EXPECT_EQ(Box("txtTarget")->text(), QStringLiteral("GRADUAL change"));
    const QString first = Box("txtInitialGuess")->text();
    EXPECT_EQ(first.size(), 14);
    EXPECT_EQ(Box("txtTarget")->cursorPosition(), 0) << "copies show their start";
    EXPECT_EQ(Box("txtInitialGuess")->cursorPosition(), 0);
    EXPECT_TRUE(AllSymbols(first));

    Box("txtTarget")->setText(QStringLiteral("SOMETHING ELSE"));
    ShowPage(kStepOne);
    ShowPage(kStepFour);
    EXPECT_EQ(Box("txtTarget")->text(), QStringLiteral("GRADUAL change"));
    EXPECT_NE(Box("txtInitialGuess")->text(), first) << "same clock reading, new string";
    EXPECT_EQ(Box("txtInitialGuess")->text().size(), 14);

    Box("txtPhrase")->clear();
    ShowPage(kStepOne);
    ShowPage(kStepFour);
    EXPECT_TRUE(Box("txtTarget")->text().isEmpty());
    EXPECT_TRUE(Box("txtInitialGuess")->text().isEmpty());
}

TEST_F(FoundationTest, LeavingThePhraseCapitalisesItAndNothingElse) {
    const auto others = window->findChildren<QLineEdit*>();
    TypeAndLeave("txtPhrase", QStringLiteral("the cat, 9 lives; ok?"));
    EXPECT_EQ(Box("txtPhrase")->text(), QStringLiteral("THE CAT, 9 LIVES; OK?"));
    EXPECT_EQ(QApplication::focusWidget(), Tabs()->tabBar());
    for (QLineEdit* edit : others) {
        if (edit != Box("txtPhrase")) {
            const bool startsEmpty = edit->objectName() != QStringLiteral("txtNumGenerat");
            EXPECT_EQ(edit->text().isEmpty(), startsEmpty) << edit->objectName().toStdString();
        }
    }

    TypeAndLeave("txtPhrase", QString());
    EXPECT_TRUE(Box("txtPhrase")->text().isEmpty());

    // Clicking another page's tab while typing also leaves the box.
    Box("txtPhrase")->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(Box("txtPhrase"), QStringLiteral("on the way"));
    ShowPage(kStepThree);
    EXPECT_EQ(Box("txtPhrase")->text(), QStringLiteral("ON THE WAY"));
    ShowPage(kStepOne);

    // Letters beyond A to Z keep their place, and a capital that needs two characters is not
    // taken, so the length never changes.
    Box("txtPhrase")->setText(QStringLiteral("stra\u00dfe \u00e9t\u00e9 \u00ff"));
    Box("txtPhrase")->setFocus(Qt::MouseFocusReason);
    Control<QPushButton>("Command6")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(Box("txtPhrase")->text(), QStringLiteral("STRA\u00dfE \u00c9T\u00c9 \u0178"));
}

TEST_F(FoundationTest, OnlyMovingTheFocusToAnotherControlCountsAsLeaving) {
    QLineEdit* phrase = Box("txtPhrase");
    phrase->setText(QStringLiteral("abc"));
    phrase->setFocus(Qt::MouseFocusReason);
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(phrase, &out);
        EXPECT_EQ(phrase->text(), QStringLiteral("abc")) << reason;
    }
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason, Qt::MouseFocusReason,
                                   Qt::ShortcutFocusReason, Qt::OtherFocusReason}) {
        phrase->setText(QStringLiteral("abc"));
        QFocusEvent out(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(phrase, &out);
        EXPECT_EQ(phrase->text(), QStringLiteral("ABC")) << reason;
    }
}

TEST_F(FoundationTest, LeavingTheTargetMakesANewFirstStringOfItsLength) {
    ShowPage(kStepFour);
    TypeAndLeave("txtTarget",
                 QStringLiteral("sixty characters of target text, with 7 digits 1234567 ok"));
    const QString target = Box("txtTarget")->text();
    EXPECT_EQ(target, QStringLiteral("SIXTY CHARACTERS OF TARGET TEXT, WITH 7 DIGITS 1234567 OK"));
    const QString first = Box("txtInitialGuess")->text();
    EXPECT_EQ(first.size(), target.size());
    EXPECT_TRUE(AllSymbols(first));

    Box("txtTarget")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(Box("txtTarget"), Qt::Key_Tab);
    EXPECT_EQ(Box("txtTarget")->text(), target);
    EXPECT_NE(Box("txtInitialGuess")->text(), first);
    EXPECT_EQ(Box("txtInitialGuess")->text().size(), target.size());

    TypeAndLeave("txtTarget", QString());
    EXPECT_TRUE(Box("txtInitialGuess")->text().isEmpty());
}

TEST_F(FoundationTest, TabWalksTheShownPageInTheLayoutsOrder) {
    const auto walk = [](int steps) {
        std::vector<std::string> names;
        for (int step = 0; step < steps; ++step) {
            QWidget* focus = QApplication::focusWidget();
            EXPECT_NE(focus, nullptr);
            if (focus == nullptr) {
                break;
            }
            QWidget* named =
                qobject_cast<QTabBar*>(focus) != nullptr ? focus->parentWidget() : focus;
            names.push_back(named->objectName().toStdString());
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return names;
    };
    EXPECT_EQ(walk(6), (std::vector<std::string>{"Command5", "Command6", "txtPhrase", "SSTab1",
                                                 "Command3", "Command5"}));

    ShowPage(kStepFour);
    Control<QWidget>("txtTarget")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(walk(16), (std::vector<std::string>{
                            "txtTarget", "txtInitialGuess", "txtNumGen", "txtTotal", "txtLength",
                            "Command1", "Command2", "Command3", "Command12", "Option1", "Command13",
                            "Command14", "Command15", "Command16", "Command17", "SSTab1"}));
}

TEST_F(FoundationTest, OneSchemeIsSelectedAndTheChoiceSurvivesPageChanges) {
    ShowPage(kStepFour);
    auto* option2 = Control<QRadioButton>("Option2");
    auto* option3 = Control<QRadioButton>("Option3");
    QTest::mouseClick(option3, Qt::LeftButton);
    QTest::mouseClick(option2, Qt::LeftButton);
    EXPECT_FALSE(Control<QRadioButton>("Option1")->isChecked());
    EXPECT_TRUE(option2->isChecked());
    EXPECT_FALSE(option3->isChecked());
    ShowPage(kStepTwo);
    ShowPage(kStepFour);
    EXPECT_TRUE(option2->isChecked());

    // The button with no handler only takes the focus.
    const QString target = Box("txtTarget")->text();
    QTest::mouseClick(Control<QPushButton>("Command17"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Control<QPushButton>("Command17"));
    EXPECT_EQ(Box("txtTarget")->text(), target);
    EXPECT_EQ(Tabs()->currentIndex(), kStepFour);
}

// A phrase far past the old 32,767-character limit goes through capitalisation and every
// page change whole.
TEST_F(FoundationTest, AHundredThousandCharacterPhraseStaysWhole) {
    constexpr qsizetype kLength = 100'000;
    QString phrase(kLength, QLatin1Char('a'));
    for (qsizetype i = 0; i < kLength; i += 7) {
        phrase[i] = QLatin1Char(' ');
    }
    QLineEdit* phraseBox = Box("txtPhrase");
    phraseBox->setText(phrase);
    phraseBox->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(phraseBox, Qt::Key_End);
    QTest::keyClick(phraseBox, Qt::Key_B);
    EXPECT_EQ(phraseBox->text().size(), kLength + 1) << "typing past the old limit";
    QTest::keyClick(phraseBox, Qt::Key_Backspace);
    QTest::keyClick(phraseBox, Qt::Key_Tab);
    EXPECT_EQ(phraseBox->text(), phrase.toUpper());

    ShowPage(kStepThree);
    EXPECT_EQ(Box("txtTargetString")->text().size(), kLength);
    ShowPage(kStepFour);
    EXPECT_EQ(Box("txtTarget")->text(), phrase.toUpper());
    const QString first = Box("txtInitialGuess")->text();
    EXPECT_EQ(first.size(), kLength);
    EXPECT_TRUE(AllSymbols(first));

    Box("txtTarget")->setFocus(Qt::MouseFocusReason);
    Control<QPushButton>("Command2")->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(Box("txtInitialGuess")->text().size(), kLength);
    EXPECT_NE(Box("txtInitialGuess")->text(), first);
}

} // namespace
} // namespace quarrow::testing
