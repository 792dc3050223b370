// The window in every shipped language: each caption whole in its place and clear of every
// other at 100%, at 200% and at full screen, the choice of language in the window's menu, and
// what stays English (the generation log, the result boxes) the same in every language.

#include "plot/catalogue.h"
#include "plot/learner_numbers.h"
#include "tests/support/language_steps.h"
#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/common/zoom.h"
#include "ui/window/run_progress_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include <string>
#include <vector>

namespace quarrow::testing {
namespace {

const QSize kLayoutSize(626, 419);

// A caption as drawn: its text and the rectangle its letters take, in window coordinates.
struct DrawnCaption {
    std::string name;
    QString text;
    QRect letters;
};

QString WithoutAccessKey(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return text;
}

// The rectangle of `needed` placed in `room` as `alignment` puts it.
QRect Aligned(const QSize& needed, const QRect& room, Qt::Alignment alignment) {
    return QStyle::alignedRect(Qt::LeftToRight, alignment, needed, room);
}

class LanguageFitTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    QTabWidget* Tabs() const { return Control<QTabWidget>("SSTab1"); }

    QRect InWindow(const QWidget& widget, const QRect& rect) const {
        return rect.translated(widget.mapTo(window.get(), QPoint(0, 0)));
    }

    /// Adds the caption of a label, or says why it does not fit.
    void AddLabel(const QLabel& label, std::vector<DrawnCaption>& drawn,
                  std::vector<std::string>& cut, int slack) const {
        const QString text =
            label.buddy() != nullptr ? WithoutAccessKey(label.text()) : label.text();
        const QFontMetrics metrics(label.font());
        const QRect room = label.contentsRect();
        QSize needed;
        if (label.wordWrap()) {
            needed = metrics.boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft, text).size();
        } else {
            needed = QSize(metrics.horizontalAdvance(text), metrics.height());
        }
        if (needed.width() > room.width() + slack || needed.height() > room.height() + slack) {
            cut.push_back(label.objectName().toStdString() + " \"" + text.toStdString() +
                          "\" needs " + std::to_string(needed.width()) + "x" +
                          std::to_string(needed.height()) + " of " + std::to_string(room.width()) +
                          "x" + std::to_string(room.height()));
        }
        drawn.push_back(
            {label.objectName().toStdString(), text,
             InWindow(label, Aligned(needed.boundedTo(room.size()), room, label.alignment()))});
    }

    /// Adds the caption of a button, option button or check box, or says why it does not fit.
    void AddButton(QAbstractButton& button, std::vector<DrawnCaption>& drawn,
                   std::vector<std::string>& cut, int slack) const {
        const QString text = WithoutAccessKey(button.text());
        QStyleOptionButton option;
        option.initFrom(&button);
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        Qt::Alignment alignment = Qt::AlignCenter;
        if (qobject_cast<QRadioButton*>(&button) != nullptr) {
            contents = QStyle::SE_RadioButtonContents;
            alignment = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (qobject_cast<QCheckBox*>(&button) != nullptr) {
            contents = QStyle::SE_CheckBoxContents;
            alignment = Qt::AlignLeft | Qt::AlignVCenter;
        }
        const QRect room = button.style()->subElementRect(contents, &option, &button);
        const QFontMetrics metrics(button.font());
        const QSize needed(metrics.horizontalAdvance(text), metrics.height());
        if (needed.width() > room.width() + slack || needed.height() > button.height() + slack) {
            cut.push_back(button.objectName().toStdString() + " \"" + text.toStdString() +
                          "\" needs " + std::to_string(needed.width()) + " of " +
                          std::to_string(room.width()));
        }
        drawn.push_back(
            {button.objectName().toStdString(), text,
             InWindow(button, Aligned(needed.boundedTo(room.size()), room, alignment))});
    }

    /// Every caption the window shows on the page on show must be whole and clear of the others.
    void ExpectCaptionsWhole(const std::string& where) const {
        SCOPED_TRACE(where);
        const int slack = static_cast<int>(2 * window->ZoomFactor());
        std::vector<DrawnCaption> drawn;
        std::vector<std::string> cut;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->window() != window.get()) {
                continue;
            }
            if (auto* label = qobject_cast<QLabel*>(widget);
                label != nullptr && !label->text().isEmpty()) {
                AddLabel(*label, drawn, cut, slack);
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                       button != nullptr && !button->text().isEmpty()) {
                AddButton(*button, drawn, cut, slack);
            }
        }
        const QTabBar* strip = Tabs()->tabBar();
        for (int tab = 0; tab < strip->count(); ++tab) {
            const QString text = WithoutAccessKey(strip->tabText(tab));
            const int needed = QFontMetrics(strip->font()).horizontalAdvance(text);
            if (needed > strip->tabRect(tab).width() - 4) {
                cut.push_back("tab \"" + text.toStdString() + "\" needs " + std::to_string(needed) +
                              " of " + std::to_string(strip->tabRect(tab).width()));
            }
        }
        EXPECT_GE(drawn.size(), 5U) << "the page shows its captions";
        std::string cuts;
        for (const std::string& one : cut) {
            cuts += "\n  " + one;
        }
        EXPECT_TRUE(cut.empty()) << "captions cut short:" << cuts;
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            for (std::size_t j = i + 1; j < drawn.size(); ++j) {
                EXPECT_FALSE(drawn[i].letters.intersects(drawn[j].letters))
                    << drawn[i].name << " \"" << drawn[i].text.toStdString() << "\" runs into "
                    << drawn[j].name << " \"" << drawn[j].text.toStdString() << "\"";
            }
        }
    }

    /// Every shipped language in turn, every page of each.
    void ExpectEveryLanguageWhole(const char* size) {
        for (const plot::ShippedLanguage& language : plot::ShippedLanguages()) {
            const InLanguage shown(language.code);
            for (int page = kStepOne; page <= kStepFour; ++page) {
                Tabs()->setCurrentIndex(page);
                QApplication::processEvents();
                ExpectCaptionsWhole(language.code.toStdString() + " at " + size + ", page " +
                                    std::to_string(page + 1));
            }
        }
        Tabs()->setCurrentIndex(kStepOne);
    }
};

TEST_F(LanguageFitTest, EveryCaptionOfEveryLanguageIsWholeAtOneAndTwiceTheSizeAndFullScreen) {
    ASSERT_EQ(window->size(), kLayoutSize);
    ExpectEveryLanguageWhole("100%");

    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(window.get(), Qt::Key_Equal, Qt::ControlModifier);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == ScaledSize(kLayoutSize, 2.0); }));
    ExpectEveryLanguageWhole("200%");
    // The layout keeps its places whatever the language: no caption moves another control.
    QTest::keyClick(window.get(), Qt::Key_0, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == kLayoutSize; }));

    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return window->isFullScreen() && window->size() == window->screen()->geometry().size();
    }));
    ExpectEveryLanguageWhole("full screen");
    QTest::keyClick(window.get(), Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->size() == kLayoutSize; }));
}

TEST_F(LanguageFitTest, TheLanguageIsChosenFromTheWindowsMenuAndKeepsWhatTheBoxesHold) {
    auto* phrase = Control<QLineEdit>("txtPhrase");
    phrase->setText(QStringLiteral("HELLO WORLD"));
    Tabs()->setCurrentIndex(kStepTwo);
    const QRect tabs = Tabs()->geometry();

    // Ctrl+Shift+L opens the menu of languages, each named in itself.
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    QMenu* menu = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        menu = window->findChild<QMenu*>(QStringLiteral("languageMenu"));
        return menu != nullptr && menu->isVisible();
    }));
    QStringList names;
    for (QAction* action : menu->actions()) {
        names << action->text();
    }
    EXPECT_EQ(names,
              QStringList({"English", "Deutsch", "Français", "Español", "Português (Brasil)"}));
    EXPECT_TRUE(menu->actions().front()->isChecked());
    QAction* german = menu->findChild<QAction*>(QStringLiteral("language_de"));
    ASSERT_NE(german, nullptr);
    german->trigger();
    menu->close();

    const QString stepOne = QCoreApplication::translate("Quarrow", "Step One");
    EXPECT_NE(stepOne, QStringLiteral("Step One"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Tabs()->tabText(kStepOne) == stepOne; }));
    EXPECT_EQ(
        Control<QLabel>("Label2")->text(),
        QCoreApplication::translate(
            "Quarrow", "Type in your target string (to 50 characters; no numbers or punctuation)"));
    EXPECT_EQ(phrase->text(), QStringLiteral("HELLO WORLD")) << "the boxes keep what they hold";
    EXPECT_EQ(Control<QLineEdit>("txtNumGenerat")->text(), QStringLiteral("500"));
    EXPECT_EQ(Tabs()->currentIndex(), kStepTwo);
    EXPECT_EQ(Tabs()->geometry(), tabs) << "the layout keeps its places";
    EXPECT_EQ(Control<QRadioButton>("Option1")->text(),
              QCoreApplication::translate("Scheme", "1: Attenuating Selection"));

    // The window's context menu offers the same, with the language shown checked.
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                            window->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(window.get(), &click);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        menu = nullptr;
        for (QMenu* shown : window->findChildren<QMenu*>(QStringLiteral("languageMenu"))) {
            if (shown->isVisible()) {
                menu = shown;
            }
        }
        return menu != nullptr;
    }));
    QAction* checked = nullptr;
    for (QAction* action : menu->actions()) {
        if (action->isChecked()) {
            checked = action;
        }
    }
    ASSERT_NE(checked, nullptr);
    EXPECT_EQ(checked->text(), QStringLiteral("Deutsch"));
    menu->findChild<QAction*>(QStringLiteral("language_en"))->trigger();
    menu->close();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Tabs()->tabText(kStepOne) == QStringLiteral("Step One"); }));
    EXPECT_EQ(plot::Catalogue::Of(*QCoreApplication::instance())->Language(), QStringLiteral("en"));
}

// The figures of sentences, labels and charts take the language's thousands separator and
// decimal point from its catalogue, and English's come back with English.
TEST(LanguageForms, SentenceFiguresFollowTheLanguageShown) {
    plot::Catalogue& catalogue = *plot::Catalogue::Of(*QCoreApplication::instance());
    const auto figures = [] {
        return QStringList{plot::Grouped(1490), plot::ThreeFigures(3.25),
                           plot::FixedText(1652443.0, 1), plot::BytesText(1800.0),
                           plot::PowerOfTenText(40.0781, 2)};
    };
    const QStringList english = figures();
    EXPECT_EQ(english, (QStringList{QStringLiteral("1,490"), QStringLiteral("3.25"),
                                    QStringLiteral("1,652,443.0"), QStringLiteral("1.8 kB"),
                                    QStringLiteral("1.2 × 10⁴⁰")}));
    for (const char* code : {"de", "es", "pt_BR"}) {
        ASSERT_TRUE(catalogue.Use(QString::fromLatin1(code)));
        EXPECT_EQ(figures(), (QStringList{QStringLiteral("1.490"), QStringLiteral("3,25"),
                                          QStringLiteral("1.652.443,0"), QStringLiteral("1,8 kB"),
                                          QStringLiteral("1,2 × 10⁴⁰")}))
            << code;
    }
    ASSERT_TRUE(catalogue.Use(QStringLiteral("fr")));
    EXPECT_EQ(plot::Grouped(1490), QStringLiteral("1\u00a0490"));
    EXPECT_EQ(plot::FixedText(1652443.0, 1), QStringLiteral("1\u00a0652\u00a0443,0"));
    // A size's unit is the language's own.
    EXPECT_EQ(plot::BytesText(1800.0), QStringLiteral("1,8 ko"));
    EXPECT_EQ(plot::BytesText(512.0), QStringLiteral("512 octets"));
    ASSERT_TRUE(catalogue.Use(QStringLiteral("de")));
    EXPECT_EQ(plot::BytesText(512.0), QStringLiteral("512 Bytes"));
    ASSERT_TRUE(catalogue.Use(QStringLiteral("en")));
    EXPECT_EQ(plot::BytesText(512.0), QStringLiteral("512 bytes"));
    EXPECT_EQ(figures(), english);
}

// An open progress dialog follows too: its title and its button at once, its figures at the
// run's next report.
TEST_F(LanguageFitTest, AnOpenProgressDialogTakesTheNewLanguage) {
    auto* dialog = new RunProgressDialog(window.get());
    dialog->SetTitle(
        [] { return QCoreApplication::translate("SearchPages", "Matching the target at random"); });
    dialog->show();
    auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"));
    ASSERT_EQ(cancel->text(), QStringLiteral("Cancel"));
    {
        const InLanguage french(QStringLiteral("fr"));
        EXPECT_EQ(cancel->text(),
                  QCoreApplication::translate("quarrow::RunProgressDialog", "Cancel"));
        EXPECT_NE(cancel->text(), QStringLiteral("Cancel"));
        EXPECT_EQ(dialog->windowTitle(),
                  QCoreApplication::translate("SearchPages", "Matching the target at random"));
        EXPECT_NE(dialog->windowTitle(), QStringLiteral("Matching the target at random"));
    }
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Matching the target at random"));
    delete dialog;
}

} // namespace
} // namespace quarrow::testing
