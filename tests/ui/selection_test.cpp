#include "tests/ui/window_fixture.h"

#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>

#include <string>

#include "engine/generation_log.h"
#include "engine/selection.h"
#include "platform/number_text.h"
#include "ui/run_progress_dialog.h"

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
            auto* dialog = window->findChild<RunProgressDialog*>();
            if (dialog == nullptr || !dialog->isVisible() ||
                !dialog->labelText().contains(QStringLiteral("Generation: "))) {
                return;
            }
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

    EXPECT_EQ(text("txtLength"), "7");
    EXPECT_EQ(text("txtNumGen"), "7");
    EXPECT_EQ(text("txtTotal"), "7");
    EXPECT_FALSE(logExists());
}

TEST_F(SelectionPageTest, CancelStopsALongRunAndKeepsItsCountsAndLog) {
    chooseOption(3);
    setTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    QTimer watcher;
    QString progressText;
    cancelWhenTheDialogShows(watcher, progressText);
    QElapsedTimer took;
    took.start();
    clickGo();
    EXPECT_LT(took.elapsed(), 10'000);

    EXPECT_TRUE(progressText.contains(QStringLiteral("Strings made: ")))
        << progressText.toStdString();
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().startsWith(QStringLiteral("The run was stopped in generation")))
        << message()->text().toStdString();
    closeMessage();

    const std::int64_t generations = std::stoll(text("txtNumGen"));
    EXPECT_GT(generations, 0);
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
    ASSERT_NE(message(), nullptr);
    const QString said = message()->text();
    EXPECT_TRUE(said.contains(QStringLiteral("/dev/full"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("No space left"))) << said.toStdString();
    closeMessage();
    EXPECT_EQ(text("txtNumGen"), "7");
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
    QTest::mouseClick(control<QPushButton>("Command1"), Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    EXPECT_EQ(message(), nullptr);
    ASSERT_EQ(desktop.opened.size(), 1);
    EXPECT_EQ(desktop.opened.front(), QUrl::fromLocalFile(services.logPath));
}

TEST_F(SelectionPageTest, ClosingTheWindowDuringARunSavesTheLogWithoutAMessage) {
    chooseOption(3);
    setTexts(kLongPhrase, "QWERTYUIOPASDFGHJKLZXCVBNM Q");
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = window->findChild<RunProgressDialog*>();
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
        if (auto* dialog = window->findChild<RunProgressDialog*>()) {
            dialog->reject();
        }
    });
    fallback.start(8'000);
    QElapsedTimer took;
    took.start();
    clickGo();
    EXPECT_LT(took.elapsed(), 5'000) << "closing the window did not stop the run";
    EXPECT_EQ(message(), nullptr);
    const std::string log = logText();
    EXPECT_FALSE(log.empty());
    EXPECT_TRUE(log.ends_with(" \r\n"));
}

} // namespace
} // namespace quarrow::testing

#include "selection_test.moc"
