#include "engine/selection.h"

#include "engine/generation_log.h"
#include "platform/number_text.h"
#include "tests/support/language_steps.h"
#include "tests/support/memory_log_sink.h"
#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/help/help_viewer.h"
#include "ui/live/evolution_view.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <string>

namespace quarrow::testing {

/// Stands in for the desktop: records the files the window asks it to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

namespace {

constexpr char kLongPhrase[] = "CUMULATIVE SELECTION IS FAST";

class SelectionPageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    }

    QLineEdit* Box(const char* name) const { return Control<QLineEdit>(name); }
    std::string Text(const char* name) const { return Box(name)->text().toStdString(); }

    void SetTexts(const char* target, const char* first) {
        // Leaving the target box draws a new first string: leave it before, not at the click.
        Control<QPushButton>("Command2")->setFocus();
        Box("txtTarget")->setText(QString::fromLatin1(target));
        Box("txtInitialGuess")->setText(QString::fromLatin1(first));
    }

    void ChooseOption(int option) {
        const char* names[] = {"Option1", "Option2", "Option3"};
        Control<QRadioButton>(names[option - 1])->setChecked(true);
    }

    void SetResultBoxes(const QString& value) {
        for (const char* name : {"txtLength", "txtNumGen", "txtTotal"}) {
            Box(name)->setText(value);
        }
    }

    void ClickGo() { QTest::mouseClick(Control<QPushButton>("Command2"), Qt::LeftButton); }

    /// Waits until the run's figures fill the time box, as they do once it has ended.
    void WaitForFigures() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Text("txtLength").empty(); }, 30000));
    }

    /// Waits until the page says something: how a run ended, or why it did not start.
    void WaitForMessage() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return Message() != nullptr; }, 30000));
    }

    QMessageBox* Message() const { return MessageNamed(QStringLiteral("selectionMessage")); }

    void CloseMessage() { CloseMessageNamed(QStringLiteral("selectionMessage")); }

    std::string LogText() const {
        QFile file(services.logPath);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return file.readAll().toStdString();
    }

    bool LogExists() const { return QFile::exists(services.logPath); }

    /// Starts `fallback`, which clicks Cancel on the run's view, if one shows, `ms` from now:
    /// the way out of a test whose own way of ending the run failed.
    void CancelAfter(QTimer& fallback, int ms) {
        fallback.setSingleShot(true);
        QObject::connect(&fallback, &QTimer::timeout, [this] {
            if (auto* view = window->findChild<EvolutionView*>()) {
                view->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
            }
        });
        fallback.start(ms);
    }

    /// Calls `act` once, from the event loop, with the run's view as soon as it shows the run
    /// going on.
    void WhenTheViewShows(QTimer& poll, const std::function<void(EvolutionView*)>& act) {
        poll.setInterval(20);
        QObject::connect(&poll, &QTimer::timeout, [this, &poll, act] {
            auto* view = window->findChild<EvolutionView*>();
            if (view != nullptr && view->isVisible() && view->RunGoing()) {
                poll.stop();
                act(view);
            }
        });
        poll.start();
    }

    /// Clicks Cancel on the progress dialog once it shows a run under way.
    void CancelWhenTheDialogShows(QTimer& watcher, QString& progressText) {
        watcher.setInterval(20);
        QObject::connect(&watcher, &QTimer::timeout, [this, &watcher, &progressText] {
            auto* dialog = window->findChild<EvolutionView*>();
            if (dialog == nullptr || !dialog->isVisible() ||
                !dialog->LabelText().contains(QStringLiteral("Generation: "))) {
                return;
            }
            EXPECT_FALSE(dialog->isModal());
            progressText = dialog->LabelText();
            watcher.stop();
            QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                              Qt::LeftButton);
        });
        watcher.start();
    }
};

TEST_F(SelectionPageTest, EachOptionRunsItsSchemeWithTheTextsLandingAsLaidDown) {
    for (const int option : {1, 2, 3}) {
        SCOPED_TRACE(option);
        ChooseOption(option);
        SetTexts("CAT", "DOG");
        // The same run on a copy of the window's generator: the page must match it exactly.
        Generator expected = generator;
        MemoryLogSink expectedLog;
        const std::atomic<bool> noCancel{false};
        const RunEnvironment environment{expected, monotonic, expectedLog, noCancel};
        RunResult result;
        if (option == 1) {
            result = AttenuatingSelection("CAT", "DOG", environment);
        } else if (option == 2) {
            result = SerialSelection("CAT", "DOG", environment);
        } else {
            // The target becomes FirstWord, the first string MatchWord.
            result = SequentialSelection("CAT", "DOG", environment);
        }
        ClickGo();
        WaitForFigures();

        EXPECT_EQ(generator.State(), expected.State());
        EXPECT_EQ(LogText(), expectedLog.Text());
        EXPECT_EQ(Text("txtNumGen"), PlainText(result.numMutations));
        EXPECT_EQ(Text("txtTotal"), PlainText(result.numTotal));
        bool isNumber = false;
        const float seconds = Box("txtLength")->text().toFloat(&isNumber);
        EXPECT_TRUE(isNumber) << Text("txtLength");
        EXPECT_GE(seconds, 0.0f);
        EXPECT_EQ(Message(), nullptr);
        const std::string log = LogText();
        if (option == 3) {
            EXPECT_TRUE(log.ends_with("\r\nCAT 3 \r\n")) << log;
        } else {
            EXPECT_TRUE(log.ends_with("CAT   3\r\n")) << log;
        }
        // The texts of the page are read, never changed.
        EXPECT_EQ(Text("txtTarget"), "CAT");
        EXPECT_EQ(Text("txtInitialGuess"), "DOG");
    }
}

// The generation log's lines and the result boxes' number forms are the program's own, which
// stored files and the lab read: a German window writes exactly what an English one does.
TEST_F(SelectionPageTest, InAnotherLanguageTheLogAndTheBoxesAreWrittenAsInEnglish) {
    for (const int option : {1, 2, 3}) {
        SCOPED_TRACE(option);
        ChooseOption(option);
        SetTexts("METHINKS", "QWERTYUI");
        const Generator start = generator;
        ClickGo();
        WaitForFigures();
        const std::string englishLog = LogText();
        const std::string english[] = {Text("txtLength"), Text("txtNumGen"), Text("txtTotal")};
        ASSERT_FALSE(englishLog.empty());

        const InLanguage german(QStringLiteral("de"));
        SetResultBoxes(QString());
        generator = start;
        SetTexts("METHINKS", "QWERTYUI");
        ClickGo();
        WaitForFigures();
        EXPECT_EQ(LogText(), englishLog);
        // The time is measured anew; its form is English: a point, never a comma.
        const QRegularExpression englishSeconds(QStringLiteral(R"(^\d+(\.\d+)?(E[-+]\d+)?$)"));
        EXPECT_TRUE(englishSeconds.match(QString::fromStdString(english[0])).hasMatch())
            << english[0];
        EXPECT_TRUE(englishSeconds.match(Box("txtLength")->text()).hasMatch()) << Text("txtLength");
        EXPECT_EQ(Text("txtNumGen"), english[1]);
        EXPECT_EQ(Text("txtTotal"), english[2]);
        EXPECT_NE(Control<QTabWidget>("SSTab1")->tabText(kStepFour), QStringLiteral("Step Four"))
            << "the window itself is in German";
    }
}

TEST_F(SelectionPageTest, WithNoOptionSetTheBoxesEmptyAndNoLogIsWritten) {
    for (const char* name : {"Option1", "Option2", "Option3"}) {
        Control<QRadioButton>(name)->setAutoExclusive(false);
        Control<QRadioButton>(name)->setChecked(false);
    }
    SetTexts("CAT", "DOG");
    SetResultBoxes(QStringLiteral("7"));
    ClickGo();
    EXPECT_EQ(Text("txtLength"), "");
    EXPECT_EQ(Text("txtNumGen"), "");
    EXPECT_EQ(Text("txtTotal"), "");
    EXPECT_FALSE(LogExists());
}

TEST_F(SelectionPageTest, TargetsThatCouldNeverMatchAreRefusedAndNothingChanges) {
    SetTexts("CAT 2", "DOGGY");
    SetResultBoxes(QStringLiteral("7"));
    std::uint64_t before = generator.State();
    ClickGo();
    EXPECT_EQ(generator.State(), before);
    ASSERT_NE(Message(), nullptr);
    EXPECT_TRUE(Message()->text().contains(QStringLiteral("\"2\" at position 5")))
        << Message()->text().toStdString();
    CloseMessage();

    // Scheme 3 copies the target's letters, so a longer first string is refused too.
    ChooseOption(3);
    SetTexts("CAT", "DOGS");
    SetResultBoxes(QStringLiteral("7"));
    before = generator.State();
    ClickGo();
    EXPECT_EQ(generator.State(), before);
    ASSERT_NE(Message(), nullptr);
    EXPECT_TRUE(Message()->text().contains(QStringLiteral("cannot be longer than the target")));
    CloseMessage();

    // Scheme 3 scores its random letters against the first string place by place: a shorter
    // one would be matched in a few letters and claimed as the whole target.
    SetTexts("HELLO WORLD", "ABC");
    SetResultBoxes(QStringLiteral("7"));
    ClickGo();
    ASSERT_NE(Message(), nullptr);
    EXPECT_TRUE(Message()->text().contains(QStringLiteral("must be as long as the target")))
        << Message()->text().toStdString();
    EXPECT_TRUE(Message()->text().contains(QStringLiteral("Leave the target box")));
    CloseMessage();

    EXPECT_EQ(Text("txtLength"), "7");
    EXPECT_EQ(Text("txtNumGen"), "7");
    EXPECT_EQ(Text("txtTotal"), "7");
    EXPECT_FALSE(LogExists());

    // Schemes 1 and 2 take a short first string: each missing letter counts as wrong.
    for (const int option : {1, 2}) {
        ChooseOption(option);
        SetTexts("HELLO", "AB");
        ClickGo();
        WaitForFigures();
        EXPECT_EQ(Message(), nullptr);
        EXPECT_GT(std::stoll(Text("txtNumGen")), 0);
        EXPECT_TRUE(LogText().ends_with("HELLO   5\r\n")) << LogText();
    }
}

TEST_F(SelectionPageTest, ALongSchemeThreeRunAsksFirstAndDecliningTouchesNothing) {
    ChooseOption(3);
    SetTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    SetResultBoxes(QStringLiteral("7"));
    // An earlier log stays as it is.
    {
        QFile earlier(services.logPath);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("EARLIER RUN\r\n");
    }
    const std::uint64_t before = generator.State();
    const LongRunAnswer answer(window.get(), false);
    ClickGo();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !answer.Question().isEmpty() &&
               window->findChild<QMessageBox*>(QStringLiteral("longRunQuestion")) == nullptr;
    }));
    // 28 letters: (1 - (26/27)^20)^-28 generations on average, some 52.8 million.
    const QString asked = answer.Question();
    EXPECT_TRUE(asked.contains(
        QStringLiteral("From a random first string of this length: on average 52,800,000 "
                       "generations")))
        << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("1,060,000,000 strings"))) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("on this computer at full speed")))
        << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("GB"))) << asked.toStdString();
    EXPECT_EQ(window->findChild<EvolutionView*>(), nullptr);
    EXPECT_EQ(generator.State(), before);
    EXPECT_EQ(LogText(), "EARLIER RUN\r\n");
    EXPECT_EQ(Text("txtNumGen"), "7");

    // A short run is not asked about.
    SetTexts("CAT", "DOG");
    ClickGo();
    WaitForFigures();
    EXPECT_NE(Text("txtNumGen"), "7");
}

TEST_F(SelectionPageTest, DuringARunTheWindowAndHelpStayUsableAndASecondGoSaysWhy) {
    ChooseOption(3);
    SetTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    const LongRunAnswer answer(window.get(), true);
    bool helpShown = false;
    bool secondGoExplained = false;
    bool closeAsked = false;
    QTimer during;
    during.setInterval(20);
    QObject::connect(&during, &QTimer::timeout, [&] {
        auto* view = window->findChild<EvolutionView*>();
        if (view == nullptr || !view->isVisible()) {
            return;
        }
        if (!helpShown) {
            // The explanation of scheme 3, while its run goes on.
            QTest::mouseClick(Control<QPushButton>("Command15"), Qt::LeftButton);
            auto* help = window->findChild<HelpViewer*>();
            helpShown = help != nullptr && help->isVisible() && help->CurrentTopic() == 100;
            return;
        }
        if (!secondGoExplained) {
            QTest::mouseClick(Control<QPushButton>("Command2"), Qt::LeftButton);
            QMessageBox* said = Message();
            secondGoExplained =
                said != nullptr && said->text().contains(QStringLiteral("A run is going on"));
            if (said != nullptr) {
                said->accept();
            }
            return;
        }
        auto* question = view->findChild<QMessageBox*>(QStringLiteral("cancelRunQuestion"));
        if (!closeAsked) {
            // Closing the view asks first; keeping the run leaves it going.
            QTest::keyClick(view, Qt::Key_Escape);
            question = view->findChild<QMessageBox*>(QStringLiteral("cancelRunQuestion"));
            if (question == nullptr) {
                return;
            }
            closeAsked = true;
            question->button(QMessageBox::No)->click();
            EXPECT_TRUE(view->isVisible());
            EXPECT_TRUE(view->RunGoing());
            QTest::keyClick(view, Qt::Key_Escape);
            return;
        }
        if (question != nullptr && question->isVisible()) {
            during.stop();
            question->button(QMessageBox::Yes)->click();
        }
    });
    during.start();
    // Should anything above fail, Cancel ends the run so the test cannot hang.
    QTimer fallback;
    CancelAfter(fallback, 10'000);
    ClickGo();
    WaitForMessage();
    EXPECT_TRUE(helpShown);
    EXPECT_TRUE(secondGoExplained);
    EXPECT_TRUE(closeAsked);
    EXPECT_TRUE(fallback.isActive()) << "the run was not cancelled from the question";
    ASSERT_NE(Message(), nullptr);
    EXPECT_TRUE(Message()->text().startsWith(QStringLiteral("The run was stopped")));
    CloseMessage();
}

TEST_F(SelectionPageTest, TheTimeBoxShowsComputingTimeWithoutTheSlowMotionPacing) {
    ChooseOption(3);
    SetTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    window->LiveViewChoices().slowMotion = true;
    const LongRunAnswer answer(window.get(), true);
    QString figures;
    QTimer during;
    during.setInterval(10);
    QElapsedTimer shown;
    QObject::connect(&during, &QTimer::timeout, [&] {
        auto* view = window->findChild<EvolutionView*>();
        if (view == nullptr) {
            return;
        }
        if (!shown.isValid()) {
            view->Feed().SetSlowMotionRate(40.0);
            shown.start();
        } else if (shown.elapsed() > 800 && view->RunGoing()) {
            figures = view->LabelText();
            during.stop();
            view->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        }
    });
    during.start();
    QElapsedTimer took;
    took.start();
    ClickGo();
    WaitForMessage();
    const double wall = static_cast<double>(took.elapsed()) / 1000.0;
    CloseMessage();
    ASSERT_GT(wall, 0.8);
    // Some 30 paced generations take microseconds of computing each.
    const double boxed = std::stod(Text("txtLength"));
    EXPECT_LT(boxed, 0.25) << "the time box holds the pacing";
    EXPECT_GE(boxed, 0.0);
    EXPECT_TRUE(figures.contains(QStringLiteral("Computing seconds: "))) << figures.toStdString();
}

TEST_F(SelectionPageTest, ViewTextFileOnALargeLogAsksFirstAndCanOpenItsFolder) {
    {
        QFile large(services.logPath);
        ASSERT_TRUE(large.open(QIODevice::WriteOnly));
        ASSERT_TRUE(large.resize(60'000'000));
    }
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "Open");
    const auto question = [&] {
        return window->findChild<QMessageBox*>(QStringLiteral("largeLogQuestion"));
    };
    const auto answer = [&](const QString& button) {
        QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
        QMessageBox* asked = question();
        EXPECT_NE(asked, nullptr);
        if (asked == nullptr) {
            return QString();
        }
        QString text = asked->text();
        for (QAbstractButton* choice : asked->buttons()) {
            if (choice->text() == button) {
                choice->click();
            }
        }
        EXPECT_TRUE(QTest::qWaitFor([&] { return question() == nullptr; }));
        return text;
    };
    const QString said = answer(QStringLiteral("Open Folder"));
    EXPECT_TRUE(said.contains(QStringLiteral("60.0 MB"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("60,000,000 bytes"))) << said.toStdString();
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.back(), QUrl::fromLocalFile(folder.path()));
    answer(QStringLiteral("Open Anyway"));
    ASSERT_EQ(desktop.opened.size(), 2);
    EXPECT_EQ(desktop.opened.back(), QUrl::fromLocalFile(services.logPath));
    answer(QStringLiteral("Cancel"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(desktop.opened.size(), 2);
}

TEST_F(SelectionPageTest, ChangingTheTargetOrFirstStringEmptiesTheFiguresOfTheLastRun) {
    const auto expectEmpty = [&](const char* after) {
        for (const char* name : {"txtLength", "txtNumGen", "txtTotal"}) {
            EXPECT_EQ(Text(name), "") << name << " after " << after;
        }
    };
    const auto run = [&] {
        SetTexts("CAT", "DOG");
        ClickGo();
        WaitForFigures();
        ASSERT_FALSE(Text("txtNumGen").empty());
    };
    // Typed into the target, typed into the first string, and drawn anew on entering the page.
    run();
    QTest::keyClicks(Box("txtTarget"), QStringLiteral("S"));
    expectEmpty("typing in the target");
    run();
    QTest::keyClick(Box("txtInitialGuess"), Qt::Key_Backspace);
    expectEmpty("typing in the first string");
    run();
    Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepOne);
    Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    expectEmpty("coming back to the page");

    // Changed while the run goes on, the texts are no longer those it ran on: the boxes stay
    // empty when it ends.
    ChooseOption(3);
    SetTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    const LongRunAnswer answer(window.get(), true);
    QTimer changer;
    WhenTheViewShows(changer, [&](EvolutionView* view) {
        Box("txtTarget")->setText(QStringLiteral("CUMULATIVE SELECTION IS SLOW"));
        view->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    });
    ClickGo();
    WaitForMessage();
    CloseMessage();
    expectEmpty("a change during the run");
}

TEST_F(SelectionPageTest, CancelStopsALongRunAndKeepsItsCountsAndLog) {
    ChooseOption(3);
    SetTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    const LongRunAnswer answer(window.get(), true);
    QTimer watcher;
    QString progressText;
    CancelWhenTheDialogShows(watcher, progressText);
    QElapsedTimer took;
    took.start();
    ClickGo();
    WaitForMessage();
    EXPECT_LT(took.elapsed(), 10'000);

    EXPECT_TRUE(progressText.contains(QStringLiteral("Strings made: ")))
        << progressText.toStdString();
    ASSERT_NE(Message(), nullptr);
    const QString said = Message()->text();
    EXPECT_TRUE(said.startsWith(QStringLiteral("The run was stopped in generation")))
        << said.toStdString();
    CloseMessage();

    // No match was found, so the generation box stays empty; the message says where it stopped.
    const QRegularExpression stoppedIn(QStringLiteral("stopped in generation ([0-9,]+)"));
    const auto stopped = stoppedIn.match(said);
    ASSERT_TRUE(stopped.hasMatch()) << said.toStdString();
    const std::int64_t generations = stopped.captured(1).remove(QLatin1Char(',')).toLongLong();
    EXPECT_GT(generations, 0);
    EXPECT_EQ(Text("txtNumGen"), "");
    EXPECT_EQ(Text("txtTotal"), std::to_string(20 * generations + 1));
    const std::string log = LogText();
    ASSERT_TRUE(log.ends_with("\r\n"));
    EXPECT_EQ(log.find(std::string(kLongPhrase) + " 28 "), std::string::npos)
        << "a cancelled run writes no final line";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SelectionPageTest, ALogThatCannotBeWrittenStopsTheRunWithItsReason) {
    window.reset();
    services.logPath = QStringLiteral("/dev/full");
    window = std::make_unique<Quarrow>(services);
    window->show();
    Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    SetResultBoxes(QStringLiteral("7"));
    SetTexts("CAT", "DOG");
    ClickGo();
    WaitForMessage();
    ASSERT_NE(Message(), nullptr);
    const QString said = Message()->text();
    EXPECT_TRUE(said.contains(QStringLiteral("/dev/full"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("No space left"))) << said.toStdString();
    CloseMessage();
    // The run had started: the boxes were emptied, and a failed run leaves them so.
    for (const char* name : {"txtLength", "txtNumGen", "txtTotal"}) {
        EXPECT_EQ(Text(name), "") << name;
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SelectionPageTest, ViewTextFileOpensTheLogOrSaysWhereItWillBe) {
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "Open");

    QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_NE(Message(), nullptr);
    EXPECT_TRUE(Message()->text().contains(QStringLiteral("hold.txt")));
    CloseMessage();
    EXPECT_TRUE(desktop.opened.isEmpty());

    SetTexts("AB", "AB");
    ClickGo();
    WaitForFigures();
    QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(Message(), nullptr);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.front(), QUrl::fromLocalFile(services.logPath));
}

TEST_F(SelectionPageTest, ViewTextFileSaysWhereTheLogIsWhenItsOpenerFails) {
    SetTexts("AB", "AB");
    ClickGo();
    WaitForFigures();
    const QString opened = folder.filePath(QStringLiteral("opened.txt"));
    // An opener that says what it was given and exits with `status`: 3 is "no program for it".
    const auto opener = [&](int status) {
        QString path = folder.filePath(QStringLiteral("opener-%1.sh").arg(status));
        QFile script(path);
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\nexit %2\n")
                         .arg(opened)
                         .arg(status)
                         .toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    };
    const auto viewWith = [&](const QString& program) {
        QFile::remove(opened);
        window.reset();
        services.fileOpener = program;
        window = std::make_unique<Quarrow>(services);
        window->show();
        Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
        QTest::mouseClick(Control<QPushButton>("Command1"), Qt::LeftButton);
    };
    const QString logPath = QDir::toNativeSeparators(services.logPath);

    viewWith(opener(3));
    WaitForMessage();
    ASSERT_NE(Message(), nullptr);
    EXPECT_EQ(Message()->text(), QStringLiteral("No text editor could be started for the "
                                                "generation log. Open it with an editor of "
                                                "your choice; it is\n%1")
                                     .arg(logPath));
    CloseMessage();
    QFile given(opened);
    ASSERT_TRUE(given.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(given.readAll()), services.logPath);

    // An opener that cannot be started says the same.
    viewWith(folder.filePath(QStringLiteral("no-such-opener")));
    WaitForMessage();
    ASSERT_NE(Message(), nullptr);
    EXPECT_TRUE(Message()->text().endsWith(logPath)) << Message()->text().toStdString();
    CloseMessage();

    // One that shows the log says nothing.
    viewWith(opener(0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(opened); }));
    EXPECT_FALSE(QTest::qWaitFor([&] { return Message() != nullptr; }, 500));
}

TEST_F(SelectionPageTest, ClosingTheWindowDuringARunSavesTheLogWithoutAMessage) {
    ChooseOption(3);
    SetTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    const LongRunAnswer answer(window.get(), true);
    QTimer closer;
    WhenTheViewShows(closer, [&](EvolutionView*) { window->close(); });
    // Should closing not stop the run, Cancel ends it so the test cannot hang.
    QTimer fallback;
    CancelAfter(fallback, 8'000);
    QElapsedTimer took;
    took.start();
    ClickGo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 10'000));
    EXPECT_LT(took.elapsed(), 5'000) << "closing the window did not stop the run";
    EXPECT_EQ(Message(), nullptr);
    const std::string log = LogText();
    EXPECT_FALSE(log.empty());
    EXPECT_TRUE(log.ends_with(" \r\n"));
}

} // namespace
} // namespace quarrow::testing

#include "selection_test.moc"
