#include "engine/scheme.h"
#include "tests/support/language_steps.h"
#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/help/help_viewer.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace quarrow::testing {
namespace {

struct HelpButton {
    int page;
    const char* name;
    int topic;
};

// Every help button, on its page, with the topic it must open.
constexpr HelpButton kHelpButtons[] = {
    {0, "Command5", 10},  {0, "Command6", 20},   {1, "Command7", 30},   {1, "Command9", 40},
    {2, "Command10", 50}, {2, "Command11", 60},  {3, "Command12", 70},  {3, "Command13", 80},
    {3, "Command14", 90}, {3, "Command15", 100}, {3, "Command16", 110},
};

QString PageText(const QUrl& url) {
    QFile file(QLatin1Char(':') + url.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class HelpTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ActivateMainWindow();
    }

    HelpViewer* Viewer() const {
        return window->findChild<HelpViewer*>(QStringLiteral("helpViewer"));
    }

    void ActivateMainWindow() {
        window->activateWindow();
        // Not qWaitForWindowActive: it also counts the main window as active while the help
        // window, whose parent it is, has the focus.
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window.get(); }));
    }

    void ShowPage(int page) { Control<QTabWidget>("SSTab1")->setCurrentIndex(page); }

    // Hides the help window on some other topic, so that the next request must reopen it.
    void ResetViewer(int expected) {
        if (HelpViewer* shown = Viewer()) {
            shown->ShowTopic(expected == 20 ? 30 : 20);
            shown->hide();
        }
    }

    bool TopicOpens(int topic) {
        const bool opened = QTest::qWaitFor([&] {
            const HelpViewer* shown = Viewer();
            return shown != nullptr && shown->isVisible() && shown->CurrentTopic() == topic;
        });
        // Lets the help window's activation land now rather than in the middle of the next step.
        QCoreApplication::processEvents();
        return opened;
    }

    // Runs the event loop until something ends it; returns its exit code, or 99 if the loop
    // had to be stopped after `timeoutMs`.
    static int RunEventLoop(int timeoutMs = 10000) {
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
        watchdog.start(timeoutMs);
        return QApplication::exec();
    }
};

TEST_F(HelpTest, EachHelpButtonOpensItsOwnTopic) {
    for (const HelpButton& button : kHelpButtons) {
        SCOPED_TRACE(button.name);
        auto* pushButton = Control<QPushButton>(button.name);
        ASSERT_NE(pushButton, nullptr);
        EXPECT_EQ(pushButton->property("helpContext").toInt(), button.topic);
        ResetViewer(button.topic);
        ShowPage(button.page);
        QTest::mouseClick(pushButton, Qt::LeftButton);
        EXPECT_TRUE(TopicOpens(button.topic));
    }
    // One window serves every request.
    EXPECT_EQ(window->findChildren<HelpViewer*>().size(), 1);
}

TEST_F(HelpTest, EachSchemesButtonsSayWhatTheSchemeTableSays) {
    // The lab, the charts and the Repeat window name the schemes from the same table.
    for (const SchemeDescriptor& names : kSchemeTable) {
        SCOPED_TRACE(std::string(names.caption));
        const std::string number = std::to_string(names.number);
        const auto* option = Control<QRadioButton>(("Option" + number).c_str());
        ASSERT_NE(option, nullptr);
        EXPECT_EQ(option->text().toStdString(), names.caption);
        // The Explanation buttons follow the page's own help button, Command12, in scheme order.
        const auto* explanation =
            Control<QPushButton>(("Command" + std::to_string(12 + names.number)).c_str());
        ASSERT_NE(explanation, nullptr);
        EXPECT_EQ(explanation->property("helpContext").toInt(), names.helpTopic);
    }
}

TEST_F(HelpTest, EachSchemesHelpTopicIsAPageOfTheHelp) {
    const HelpViewer help; // registers the compiled-in pages
    for (const SchemeDescriptor& row : kSchemeTable) {
        SCOPED_TRACE(std::string(row.caption));
        EXPECT_NE(std::find(kHelpTopics.begin(), kHelpTopics.end(), row.helpTopic),
                  kHelpTopics.end());
        EXPECT_FALSE(PageText(HelpViewer::TopicUrl(row.helpTopic)).isEmpty());
        EXPECT_FALSE(HelpViewer::TopicTitle(row.helpTopic).isEmpty());
    }
}

TEST_F(HelpTest, F1OpensTheTopicOfTheFocusedControl) {
    struct Case {
        int page;
        const char* name;
        int topic;
    };
    const Case cases[] = {
        {0, "txtPhrase", 10}, // the phrase box shares its page's instructions
        {1, "Command9", 40},  // a help button through F1
        {1, "txtRndString", 0}, {2, "txtNumGenerat", 0},
        {3, "txtTotal", 0},     {3, "Command17", 0}, // "&Gen Explanation" has no topic of its own
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        ResetViewer(row.topic);
        ActivateMainWindow();
        ShowPage(row.page);
        QWidget* focused = Control<QWidget>(row.name);
        ASSERT_NE(focused, nullptr);
        focused->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([&] { return focused->hasFocus(); }));
        QTest::keyClick(focused, Qt::Key_F1);
        EXPECT_TRUE(TopicOpens(row.topic));
    }
}

TEST_F(HelpTest, AccessKeysOpenTheSameTopicAsAClick) {
    struct Case {
        int page;
        Qt::Key key;
        int topic;
    };
    const Case cases[] = {{0, Qt::Key_I, 10}, {0, Qt::Key_E, 20}, {1, Qt::Key_I, 30},
                          {1, Qt::Key_E, 40}, {2, Qt::Key_I, 50}, {2, Qt::Key_E, 60},
                          {3, Qt::Key_I, 70}};
    for (const Case& row : cases) {
        SCOPED_TRACE(row.topic);
        ResetViewer(row.topic);
        ActivateMainWindow();
        ShowPage(row.page);
        // Keys go where the keyboard would send them: to the control with the focus.
        QWidget* focused = window->focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, row.key, Qt::AltModifier);
        EXPECT_TRUE(TopicOpens(row.topic));
    }
}

TEST_F(HelpTest, GenExplanationOpensNothing) {
    ShowPage(kStepFour);
    auto* button = Control<QPushButton>("Command17");
    const QString target = Control<QLineEdit>("txtTarget")->text();
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::qWait(200);
    EXPECT_TRUE(Viewer() == nullptr || !Viewer()->isVisible());
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(Control<QLineEdit>("txtTarget")->text(), target);
}

TEST_F(HelpTest, EveryTopicExistsAndEveryLinkResolves) {
    HelpViewer help; // registers the compiled-in pages
    QList<int> linkedFromContents;
    const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
    for (int context : {0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100, 110}) {
        SCOPED_TRACE(context);
        const QUrl url = HelpViewer::TopicUrl(context);
        EXPECT_EQ(HelpViewer::TopicAt(url), context);
        const QString page = PageText(url);
        ASSERT_FALSE(page.isEmpty());
        EXPECT_FALSE(HelpViewer::TopicTitle(context).isEmpty());
        EXPECT_GT(page.count(QStringLiteral("<p>")), 1);
        for (const QRegularExpressionMatch& match : link.globalMatch(page)) {
            const QUrl target = url.resolved(QUrl(match.captured(1)));
            const int linked = HelpViewer::TopicAt(target);
            EXPECT_GE(linked, 0) << match.captured(1).toStdString();
            EXPECT_FALSE(PageText(target).isEmpty()) << match.captured(1).toStdString();
            if (context == 0) {
                linkedFromContents.append(linked);
            }
        }
    }
    for (int context : kHelpTopics) {
        EXPECT_TRUE(linkedFromContents.contains(context)) << context;
    }
    // The contents list holds the contents page and every topic, each under its title.
    auto* list = help.findChild<QListWidget*>(QStringLiteral("helpContents"));
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), static_cast<int>(kHelpTopics.size()) + 1);
    EXPECT_EQ(list->item(3)->text(), HelpViewer::TopicTitle(30));
}

TEST_F(HelpTest, LinksBackForwardAndTheContentsListMoveBetweenTopics) {
    HelpViewer help;
    auto* browser = help.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    auto* back = help.findChild<QToolButton*>(QStringLiteral("helpBack"));
    auto* forward = help.findChild<QToolButton*>(QStringLiteral("helpForward"));
    auto* list = help.findChild<QListWidget*>(QStringLiteral("helpContents"));
    ASSERT_TRUE(browser && back && forward && list);
    EXPECT_EQ(help.CurrentTopic(), 0);

    help.ShowTopic(10);
    emit browser->anchorClicked(QUrl(QStringLiteral("topic20.html")));
    EXPECT_EQ(help.CurrentTopic(), 20);
    EXPECT_EQ(list->currentRow(), 2);
    EXPECT_TRUE(help.windowTitle().contains(HelpViewer::TopicTitle(20)));
    back->click();
    EXPECT_EQ(help.CurrentTopic(), 10);
    forward->click();
    EXPECT_EQ(help.CurrentTopic(), 20);

    // Links that lead outside the compiled-in pages go nowhere.
    emit browser->anchorClicked(QUrl(QStringLiteral("file:///etc/passwd")));
    emit browser->anchorClicked(QUrl(QStringLiteral("topic999.html")));
    EXPECT_EQ(help.CurrentTopic(), 20);

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(8)).center());
    EXPECT_EQ(help.CurrentTopic(), 80);
    help.ShowTopic(12345);
    EXPECT_EQ(help.CurrentTopic(), 0);
}

// The open help follows the program's language: the same topic, its page in the language, the
// list and the title too; a page a language lacks would show in English.
TEST_F(HelpTest, AChangeOfLanguageShowsTheSameTopicInTheNewLanguage) {
    HelpViewer help;
    help.SetLogPath(services.logPath);
    help.ShowTopic(70);
    auto* browser = help.findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    auto* list = help.findChild<QListWidget*>(QStringLiteral("helpContents"));
    const QString english = browser->toPlainText();
    const QString englishTitle = help.windowTitle();
    {
        const InLanguage spanish(QStringLiteral("es"));
        EXPECT_EQ(help.CurrentTopic(), 70);
        const QString shown = browser->toPlainText();
        EXPECT_NE(shown, english);
        QTextDocument page;
        page.setHtml(PageText(QUrl(QStringLiteral("qrc:/help/es/topic70.html"))));
        EXPECT_EQ(shown.simplified(), page.toPlainText().simplified());
        EXPECT_NE(help.windowTitle(), englishTitle);
        EXPECT_EQ(list->item(7)->text(), HelpViewer::TopicTitle(70));
        EXPECT_EQ(help.findChild<QToolButton*>(QStringLiteral("helpBack"))->text(),
                  QCoreApplication::translate("quarrow::HelpViewer", "Back"));
    }
    EXPECT_EQ(browser->toPlainText(), english);
    EXPECT_EQ(help.windowTitle(), englishTitle);
}

TEST_F(HelpTest, LogTopicNamesTheRealLogFile) {
    ShowPage(kStepFour);
    QTest::mouseClick(Control<QPushButton>("Command16"), Qt::LeftButton);
    ASSERT_TRUE(TopicOpens(110));
    auto* browser = Viewer()->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    EXPECT_TRUE(browser->toPlainText().contains(QDir::toNativeSeparators(services.logPath)));
    // And where its lock lives, which a refusal names too.
    EXPECT_TRUE(browser->toPlainText().contains(
        QDir::toNativeSeparators(services.logPath + QStringLiteral(".lock"))));
    EXPECT_FALSE(browser->toPlainText().contains(QStringLiteral("@LOG_PATH@")));
}

TEST_F(HelpTest, QuitEndsTheEventLoopFromEveryPage) {
    // The first round is right after start-up.
    for (int page = 0; page < 4; ++page) {
        SCOPED_TRACE(page);
        window->show();
        ShowPage(page);
        QTimer::singleShot(0, window.get(), [this] {
            QTest::mouseClick(Control<QPushButton>("Command3"), Qt::LeftButton);
        });
        EXPECT_EQ(RunEventLoop(), 0);
    }
}

TEST_F(HelpTest, QuitDuringTheMeasurementEndsAtOnce) {
    ShowPage(1);
    QElapsedTimer sinceQuit;
    QTimer::singleShot(0, window.get(), [this] {
        QTest::mouseClick(Control<QPushButton>("Command8"), Qt::LeftButton);
    });
    QTimer::singleShot(100, window.get(), [&] {
        sinceQuit.start();
        QTest::mouseClick(Control<QPushButton>("Command3"), Qt::LeftButton);
    });
    EXPECT_EQ(RunEventLoop(), 0);
    ASSERT_TRUE(sinceQuit.isValid());
    // The one-second measurement was cut short rather than waited for.
    EXPECT_LT(sinceQuit.elapsed(), 500);
}

TEST_F(HelpTest, QuitDuringARunLeavesACompleteLog) {
    const QString target = QStringLiteral("SELECTION IS NOT RANDOM LUCK");
    ShowPage(kStepFour);
    Control<QLineEdit>("txtTarget")->setText(target);
    Control<QLineEdit>("txtInitialGuess")->setText(QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q"));
    Control<QRadioButton>("Option3")->setChecked(true);
    const LongRunAnswer answer(window.get(), true);
    QTimer::singleShot(0, window.get(), [this] { Control<QPushButton>("Command2")->click(); });
    // Quit is reached while the run goes on; the run is long enough not to end by itself.
    QTimer::singleShot(300, window.get(), [this] { Control<QPushButton>("Command3")->click(); });
    EXPECT_EQ(RunEventLoop(), 0);

    QFile log(services.logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray bytes = log.readAll();
    // No line is cut short, none is the final line.
    ExpectWholeGenerationLines(bytes);
}

TEST_F(HelpTest, TheWindowsQuitStaysReachableBesideTheRunsViewAndKeepsACompleteLog) {
    // The view of the run leaves the window usable, so it needs no quit button of its own.
    ShowPage(kStepFour);
    Control<QLineEdit>("txtTarget")->setText(QStringLiteral("SELECTION IS NOT RANDOM LUCK"));
    Control<QLineEdit>("txtInitialGuess")->setText(QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q"));
    Control<QRadioButton>("Option3")->setChecked(true);
    const LongRunAnswer answer(window.get(), true);
    QTimer::singleShot(0, window.get(), [this] { Control<QPushButton>("Command2")->click(); });
    bool viewHadQuit = true;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, window.get(), [&] {
        for (auto* dialog : window->findChildren<QWidget*>()) {
            if (dialog->isVisible() && dialog->objectName() == QStringLiteral("evolutionView")) {
                poll.stop();
                viewHadQuit =
                    dialog->findChild<QPushButton*>(QStringLiteral("quitButton")) != nullptr;
                QTest::mouseClick(Control<QPushButton>("Command3"), Qt::LeftButton);
                return;
            }
        }
    });
    poll.start(20);
    EXPECT_EQ(RunEventLoop(), 0);
    EXPECT_FALSE(poll.isActive()) << "the run's view never showed";
    EXPECT_FALSE(viewHadQuit);

    QFile log(services.logPath);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QByteArray bytes = log.readAll();
    EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith(" \r\n"));
}

} // namespace
} // namespace quarrow::testing
