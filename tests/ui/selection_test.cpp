#include "tests/ui/window_fixture.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include "ui/help_viewer.h"

#include <string>

#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/number_text.h"
#include "tests/support/memory_log_sink.h"
#include "ui/evolution_view.h"

namespace quarrow::testing {

/// Stands in for the desktop: records the files the window asks it to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

namespace {

constexpr int kStepFour = 3;
constexpr char kLongPhrase[] = "CUMULATIVE SELECTION IS FAST";

class SelectionPageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    std::string text(const char* name) const { return box(name)->text().toStdString(); }

    void setTexts(const char* target, const char* first) {
        // Leaving the target box draws a new first string: leave it before, not at the click.
        control<QPushButton>("Command2")->setFocus();
        box("txtTarget")->setText(QString::fromLatin1(target));
        box("txtInitialGuess")->setText(QString::fromLatin1(first));
    }

    void chooseOption(int option) {
        const char* names[] = {"Option1", "Option2", "Option3"};
        control<QRadioButton>(names[option - 1])->setChecked(true);
    }

    void setResultBoxes(const QString& value) {
        for (const char* name : {"txtLength", "txtNumGen", "txtTotal"}) {
            box(name)->setText(value);
        }
    }

    void clickGo() { QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton); }

    /// Waits until the run's figures fill the time box, as they do once it has ended.
    void waitForFigures() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !text("txtLength").empty(); }, 30000));
    }

    /// Waits until the page says something: how a run ended, or why it did not start.
    void waitForMessage() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return message() != nullptr; }, 30000));
    }

    QMessageBox* message() const {
        return window->findChild<QMessageBox*>(QStringLiteral("selectionMessage"));
    }

    void closeMessage() {
        if (QMessageBox* shown = message()) {
            shown->accept();
        }
        ASSERT_TRUE(WaitUntil([&] { return message() == nullptr; }));
    }

    std::string logText() const {
        QFile file(services.logPath);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        return file.readAll().toStdString();
    }

    bool logExists() const { return QFile::exists(services.logPath); }

    /// Clicks Cancel on the progress dialog once it shows a run under way.
    void cancelWhenTheDialogShows(QTimer& watcher, QString& progressText) {
        watcher.setInterval(20);
        QObject::connect(&watcher, &QTimer::timeout, [this, &watcher, &progressText] {
            auto* dialog = window->findChild<EvolutionView*>();
            if (dialog == nullptr || !dialog->isVisible() ||
                !dialog->labelText().contains(QStringLiteral("Generation: "))) {
                return;
            }
            EXPECT_FALSE(dialog->isModal());
            progressText = dialog->labelText();
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
        chooseOption(option);
        setTexts("CAT", "DOG");
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
        clickGo();
        waitForFigures();

        EXPECT_EQ(generator.State(), expected.State());
        EXPECT_EQ(logText(), expectedLog.Text());
        EXPECT_EQ(text("txtNumGen"), PlainText(result.numMutations));
        EXPECT_EQ(text("txtTotal"), PlainText(result.numTotal));
        bool isNumber = false;
        const float seconds = box("txtLength")->text().toFloat(&isNumber);
        EXPECT_TRUE(isNumber) << text("txtLength");
        EXPECT_GE(seconds, 0.0f);
        EXPECT_EQ(message(), nullptr);
        const std::string log = logText();
        if (option == 3) {
            EXPECT_TRUE(log.ends_with("\r\nCAT 3 \r\n")) << log;
        } else {
            EXPECT_TRUE(log.ends_with("CAT   3\r\n")) << log;
        }
        // The texts of the page are read, never changed.
        EXPECT_EQ(text("txtTarget"), "CAT");
        EXPECT_EQ(text("txtInitialGuess"), "DOG");
    }
}

TEST_F(SelectionPageTest, WithNoOptionSetTheBoxesEmptyAndNoLogIsWritten) {
    for (const char* name : {"Option1", "Option2", "Option3"}) {
        control<QRadioButton>(name)->setAutoExclusive(false);
        control<QRadioButton>(name)->setChecked(false);
    }
    setTexts("CAT", "DOG");
    setResultBoxes(QStringLiteral("7"));
    clickGo();
    EXPECT_EQ(text("txtLength"), "");
    EXPECT_EQ(text("txtNumGen"), "");
    EXPECT_EQ(text("txtTotal"), "");
    EXPECT_FALSE(logExists());
}

TEST_F(SelectionPageTest, TargetsThatCouldNeverMatchAreRefusedAndNothingChanges) {
    setResultBoxes(QStringLiteral("7"));
    setTexts("CAT 2", "DOGGY");
    std::uint64_t before = generator.State();
    clickGo();
    EXPECT_EQ(generator.State(), before);
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains(QStringLiteral("\"2\" at position 5")))
        << message()->text().toStdString();
    closeMessage();

    // Scheme 3 copies the target's letters, so a longer first string is refused too.
    chooseOption(3);
    setTexts("CAT", "DOGS");
    before = generator.State();
    clickGo();
    EXPECT_EQ(generator.State(), before);
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains(QStringLiteral("cannot be longer than the target")));
    closeMessage();

    // Scheme 3 scores its random letters against the first string place by place: a shorter
    // one would be matched in a few letters and claimed as the whole target.
    setTexts("HELLO WORLD", "ABC");
    clickGo();
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains(QStringLiteral("must be as long as the target")))
        << message()->text().toStdString();
    EXPECT_TRUE(message()->text().contains(QStringLiteral("Leave the target box")));
    closeMessage();

    EXPECT_EQ(text("txtLength"), "7");
    EXPECT_EQ(text("txtNumGen"), "7");
    EXPECT_EQ(text("txtTotal"), "7");
    EXPECT_FALSE(logExists());

    // Schemes 1 and 2 take a short first string: each missing letter counts as wrong.
    for (const int option : {1, 2}) {
        chooseOption(option);
        setTexts("HELLO", "AB");
        clickGo();
        waitForFigures();
        EXPECT_EQ(message(), nullptr);
        EXPECT_GT(std::stoll(text("txtNumGen")), 0);
        EXPECT_TRUE(logText().ends_with("HELLO   5\r\n")) << logText();
    }
}

TEST_F(SelectionPageTest, ALongSchemeThreeRunAsksFirstAndDecliningTouchesNothing) {
    chooseOption(3);
    setResultBoxes(QStringLiteral("7"));
    setTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    // An earlier log stays as it is.
    {
        QFile earlier(services.logPath);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("EARLIER RUN\r\n");
    }
    const std::uint64_t before = generator.State();
    const LongRunAnswer answer(window.get(), false);
    clickGo();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return !answer.question().isEmpty() &&
               window->findChild<QMessageBox*>(QStringLiteral("longRunQuestion")) == nullptr;
    }));
    // 28 letters: (1 - (26/27)^20)^-28 generations on average, some 52.8 million.
    const QString asked = answer.question();
    EXPECT_TRUE(asked.contains(QStringLiteral("On average 52,800,000 generations")))
        << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("1,060,000,000 strings"))) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("on this computer"))) << asked.toStdString();
    EXPECT_TRUE(asked.contains(QStringLiteral("GB"))) << asked.toStdString();
    EXPECT_EQ(window->findChild<EvolutionView*>(), nullptr);
    EXPECT_EQ(generator.State(), before);
    EXPECT_EQ(logText(), "EARLIER RUN\r\n");
    EXPECT_EQ(text("txtNumGen"), "7");

    // A short run is not asked about.
    setTexts("CAT", "DOG");
    clickGo();
    waitForFigures();
    EXPECT_NE(text("txtNumGen"), "7");
}

TEST_F(SelectionPageTest, DuringARunTheWindowAndHelpStayUsableAndASecondGoSaysWhy) {
    chooseOption(3);
    setTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
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
            QTest::mouseClick(control<QPushButton>("Command15"), Qt::LeftButton);
            auto* help = window->findChild<HelpViewer*>();
            helpShown = help != nullptr && help->isVisible() && help->currentTopic() == 100;
            return;
        }
        if (!secondGoExplained) {
            QTest::mouseClick(control<QPushButton>("Command2"), Qt::LeftButton);
            QMessageBox* said = message();
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
            EXPECT_TRUE(view->runGoing());
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
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [&] {
        if (auto* view = window->findChild<EvolutionView*>()) {
            view->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        }
    });
    fallback.start(10'000);
    clickGo();
    waitForMessage();
    EXPECT_TRUE(helpShown);
    EXPECT_TRUE(secondGoExplained);
    EXPECT_TRUE(closeAsked);
    EXPECT_TRUE(fallback.isActive()) << "the run was not cancelled from the question";
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().startsWith(QStringLiteral("The run was stopped")));
    closeMessage();
}

TEST_F(SelectionPageTest, TheTimeBoxShowsComputingTimeWithoutTheSlowMotionPacing) {
    chooseOption(3);
    setTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    window->viewChoices().slowMotion = true;
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
            view->feed().SetSlowMotionRate(40.0);
            shown.start();
        } else if (shown.elapsed() > 800 && view->runGoing()) {
            figures = view->labelText();
            during.stop();
            view->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        }
    });
    during.start();
    QElapsedTimer took;
    took.start();
    clickGo();
    waitForMessage();
    const double wall = static_cast<double>(took.elapsed()) / 1000.0;
    closeMessage();
    ASSERT_GT(wall, 0.8);
    // Some 30 paced generations take microseconds of computing each.
    const double boxed = std::stod(text("txtLength"));
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
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    const auto question = [&] {
        return window->findChild<QMessageBox*>(QStringLiteral("largeLogQuestion"));
    };
    const auto answer = [&](const QString& button) {
        QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
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
        EXPECT_TRUE(WaitUntil([&] { return question() == nullptr; }));
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

TEST_F(SelectionPageTest, CancelStopsALongRunAndKeepsItsCountsAndLog) {
    chooseOption(3);
    setTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    const LongRunAnswer answer(window.get(), true);
    QTimer watcher;
    QString progressText;
    cancelWhenTheDialogShows(watcher, progressText);
    QElapsedTimer took;
    took.start();
    clickGo();
    waitForMessage();
    EXPECT_LT(took.elapsed(), 10'000);

    EXPECT_TRUE(progressText.contains(QStringLiteral("Strings made: ")))
        << progressText.toStdString();
    ASSERT_NE(message(), nullptr);
    const QString said = message()->text();
    EXPECT_TRUE(said.startsWith(QStringLiteral("The run was stopped in generation")))
        << said.toStdString();
    closeMessage();

    // No match was found, so the generation box stays empty; the message says where it stopped.
    const QRegularExpression stoppedIn(QStringLiteral("stopped in generation ([0-9,]+)"));
    const auto stopped = stoppedIn.match(said);
    ASSERT_TRUE(stopped.hasMatch()) << said.toStdString();
    const std::int64_t generations = stopped.captured(1).remove(QLatin1Char(',')).toLongLong();
    EXPECT_GT(generations, 0);
    EXPECT_EQ(text("txtNumGen"), "");
    EXPECT_EQ(text("txtTotal"), std::to_string(20 * generations + 1));
    const std::string log = logText();
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
    control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    setResultBoxes(QStringLiteral("7"));
    setTexts("CAT", "DOG");
    clickGo();
    waitForMessage();
    ASSERT_NE(message(), nullptr);
    const QString said = message()->text();
    EXPECT_TRUE(said.contains(QStringLiteral("/dev/full"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("No space left"))) << said.toStdString();
    closeMessage();
    // The run had started: the boxes were emptied, and a failed run leaves them so.
    for (const char* name : {"txtLength", "txtNumGen", "txtTotal"}) {
        EXPECT_EQ(text(name), "") << name;
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(SelectionPageTest, ViewTextFileOpensTheLogOrSaysWhereItWillBe) {
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");

    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().contains(QStringLiteral("hold.txt")));
    closeMessage();
    EXPECT_TRUE(desktop.opened.isEmpty());

    setTexts("AB", "AB");
    clickGo();
    waitForFigures();
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(message(), nullptr);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.front(), QUrl::fromLocalFile(services.logPath));
}

TEST_F(SelectionPageTest, ClosingTheWindowDuringARunSavesTheLogWithoutAMessage) {
    chooseOption(3);
    setTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    const LongRunAnswer answer(window.get(), true);
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = window->findChild<EvolutionView*>();
        if (dialog != nullptr && dialog->isVisible()) {
            closer.stop();
            window->close();
        }
    });
    closer.start();
    // Should closing not stop the run, Cancel ends it so the test cannot hang.
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, [&] {
        if (auto* dialog = window->findChild<EvolutionView*>()) {
            dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        }
    });
    fallback.start(8'000);
    QElapsedTimer took;
    took.start();
    clickGo();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 10'000));
    EXPECT_LT(took.elapsed(), 5'000) << "closing the window did not stop the run";
    EXPECT_EQ(message(), nullptr);
    const std::string log = logText();
    EXPECT_FALSE(log.empty());
    EXPECT_TRUE(log.ends_with(" \r\n"));
}

} // namespace
} // namespace quarrow::testing

#include "selection_test.moc"
