#include "search/estimate.h"
#include "search/trial.h"
#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/window/run_progress_dialog.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <string>

namespace quarrow::testing {
namespace {

constexpr char kLongPhrase[] = "CUMULATIVE SELECTION IS FAST";

class SearchPagesTest : public WindowTest {
protected:
    QLineEdit* Box(const char* name) const { return Control<QLineEdit>(name); }
    std::string Text(const char* name) const { return Box(name)->text().toStdString(); }

    void OpenPage(int page, const QString& phrase) {
        Box("txtPhrase")->setText(phrase);
        Control<QTabWidget>("SSTab1")->setCurrentIndex(page);
    }

    void Click(const char* button) {
        QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
    }

    QMessageBox* Message() const { return MessageNamed(QStringLiteral("searchMessage")); }

    // Closes the page's message, if one is open, and waits until it is gone.
    void CloseMessage() { CloseMessageNamed(QStringLiteral("searchMessage")); }

    // Runs a trial of `count` text on `target` and checks it made exactly `strings` strings:
    // the same trial run here on a copy of the generator ends in the same state.
    void ExpectTrialOf(const QString& count, const std::string& target, std::int64_t strings) {
        SCOPED_TRACE("count text \"" + count.toStdString() + "\"");
        Box("txtNumGenerat")->setText(count);
        Box("txtTargetString")->setText(QString::fromStdString(target));
        Generator expected = generator;
        const TrialResult result = RunMatchingTrial(expected, timeOfDay, target, strings);
        Box("txtTimeGen")->clear();
        Click("Command4");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Text("txtTimeGen").empty(); }));
        EXPECT_EQ(generator.State(), expected.State());
        EXPECT_EQ(Text("txtBestString"), result.bestString);
        EXPECT_EQ(Text("txtNumCorrect"),
                  result.bestCount ? std::to_string(*result.bestCount) : std::string());
        bool isNumber = false;
        const float seconds = Box("txtTimeGen")->text().toFloat(&isNumber);
        EXPECT_TRUE(isNumber) << Text("txtTimeGen");
        EXPECT_GE(seconds, 0.0f);
        EXPECT_LT(seconds, 5.0f);
        EXPECT_EQ(Message(), nullptr);
    }
};

TEST_F(SearchPagesTest, TheCountBoxDecidesHowManyStringsAreMade) {
    OpenPage(kStepThree, QString::fromLatin1(kLongPhrase));
    EXPECT_EQ(Text("txtTargetString"), kLongPhrase);
    ExpectTrialOf(QStringLiteral("500"), kLongPhrase, 500);
    ExpectTrialOf(QStringLiteral("1"), kLongPhrase, 1);
    ExpectTrialOf(QStringLiteral("2.5"), kLongPhrase, 2);
    ExpectTrialOf(QStringLiteral("3.5"), kLongPhrase, 4);
    ExpectTrialOf(QStringLiteral("12abc"), kLongPhrase, 12);
    ExpectTrialOf(QStringLiteral("1 0 0"), kLongPhrase, 100);
    // No string at all: the best string and its count are empty, the time is still shown.
    for (const char* none : {"0", "-4", "abc", ""}) {
        ExpectTrialOf(QString::fromLatin1(none), kLongPhrase, 0);
        EXPECT_EQ(Text("txtBestString"), "");
        EXPECT_EQ(Text("txtNumCorrect"), "");
    }
    // The target is used as it stands: small letters never match.
    ExpectTrialOf(QStringLiteral("300"), "beetle", 300);
    EXPECT_EQ(Text("txtNumCorrect"), "0");
    EXPECT_EQ(Text("txtBestString").size(), 6U);
    // An empty target: every string is empty and scores 0.
    ExpectTrialOf(QStringLiteral("10"), "", 10);
    EXPECT_EQ(Text("txtNumCorrect"), "0");
}

TEST_F(SearchPagesTest, ACountBeyondThirtyTwoBitsIsRefusedWithAMessage) {
    OpenPage(kStepThree, QString::fromLatin1(kLongPhrase));
    Box("txtBestString")->setText(QStringLiteral("EARLIER"));
    for (const char* tooMany : {"2147483648", "1E+999", "-1E+999"}) {
        SCOPED_TRACE(tooMany);
        const std::uint64_t before = generator.State();
        Box("txtNumGenerat")->setText(QString::fromLatin1(tooMany));
        Click("Command4");
        ASSERT_TRUE(
            QTest::qWaitFor([&] { return Message() != nullptr && Message()->isVisible(); }));
        EXPECT_TRUE(Message()->text().contains(QStringLiteral("2,147,483,647")))
            << Message()->text().toStdString();
        EXPECT_EQ(generator.State(), before) << "nothing ran";
        EXPECT_EQ(Text("txtBestString"), "EARLIER");
        CloseMessage();
    }
}

TEST_F(SearchPagesTest, ALargeTrialShowsProgressAndCancelKeepsTheBestSoFar) {
    OpenPage(kStepThree, QString::fromLatin1(kLongPhrase));
    Box("txtNumGenerat")->setText(QStringLiteral("2000000000"));

    QString progressText;
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = window->findChild<RunProgressDialog*>();
        if (dialog == nullptr || !dialog->isVisible() || dialog->Value() <= 0) {
            return;
        }
        EXPECT_EQ(dialog->CurrentString().size(), 28);
        progressText = dialog->LabelText();
        watcher.stop();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);
    });
    watcher.start();
    QElapsedTimer took;
    took.start();
    Click("Command4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Message() != nullptr; }, 20'000));
    EXPECT_LT(took.elapsed(), 20'000);

    // The class reads why it goes slower than the rate "Step Two" measured.
    EXPECT_TRUE(progressText.contains(
        QStringLiteral("several times more slowly than \"Step Two\" measured: before every "
                       "letter, the random generator is started afresh from the clock.")))
        << progressText.toStdString();
    EXPECT_TRUE(progressText.startsWith(QStringLiteral("Strings made: ")))
        << progressText.toStdString();
    EXPECT_TRUE(progressText.contains(QStringLiteral("of 2,000,000,000")));
    const std::string best = Text("txtBestString");
    ASSERT_EQ(best.size(), 28U);
    EXPECT_EQ(Text("txtNumCorrect"), std::to_string(MatchCount(best, kLongPhrase)));
    ASSERT_NE(Message(), nullptr);
    EXPECT_TRUE(Message()->text().startsWith(QStringLiteral("The trial was cancelled after ")))
        << Message()->text().toStdString();
    CloseMessage();
}

TEST_F(SearchPagesTest, EnteringStepTwoEmptiesItsResults) {
    for (const char* name :
         {"txtRndString", "txtNumString", "txtTime", "txtTimeDay", "txtTimeYear"}) {
        Box(name)->setText(QStringLiteral("old"));
    }
    OpenPage(kStepTwo, QStringLiteral("HELLO"));
    for (const char* name :
         {"txtRndString", "txtNumString", "txtTime", "txtTimeDay", "txtTimeYear"}) {
        EXPECT_EQ(Text(name), "") << name;
    }
}

TEST_F(SearchPagesTest, TheMeasurementKeepsTheWindowResponsiveAndFillsTheEstimate) {
    OpenPage(kStepTwo, QString::fromLatin1(kLongPhrase));

    // A timer that ticks every 5 ms: the longest gap between its ticks is how long the event
    // loop stood still.
    QElapsedTimer sinceTick;
    qint64 longestGap = 0;
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(5);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (ticks++ > 0) {
            longestGap = std::max(longestGap, sinceTick.elapsed());
        }
        sinceTick.restart();
    });
    // Meanwhile the user clicks "&Go" again.
    QTimer::singleShot(300, [&] { Click("Command8"); });
    sinceTick.start();
    ticker.start();
    QElapsedTimer took;
    took.start();
    // The program's own event loop turns while the measurement runs, as it would for a user.
    QEventLoop untilFilled;
    QObject::connect(Box("txtRndString"), &QLineEdit::textChanged, &untilFilled, &QEventLoop::quit);
    QTimer::singleShot(5000, &untilFilled, &QEventLoop::quit);
    Click("Command8");
    untilFilled.exec();
    const qint64 elapsed = took.elapsed();
    ticker.stop();

    // The bounds leave room for a machine busy with other tests; a measurement on the UI
    // thread would stop the loop for its whole second, and a second measurement would double
    // the time.
    EXPECT_GE(elapsed, 1000);
    EXPECT_LT(elapsed, 1900) << "the second click must not start a measurement of its own";
    EXPECT_GT(ticks, 50);
    EXPECT_LT(longestGap, 200);

    bool isNumber = false;
    const qlonglong count = Box("txtRndString")->text().toLongLong(&isNumber);
    ASSERT_TRUE(isNumber) << Text("txtRndString");
    EXPECT_GT(count, 0);
    const SearchSpaceTexts expected = DescribeSearchSpace(EstimateSearchSpace(28, count));
    EXPECT_EQ(Text("txtNumString"), "1.1972515182562E+40");
    EXPECT_EQ(Text("txtTime"), expected.seconds);
    EXPECT_EQ(Text("txtTimeDay"), expected.days);
    EXPECT_EQ(Text("txtTimeYear"), expected.years);
    for (const char* name : {"txtTime", "txtTimeDay", "txtTimeYear"}) {
        EXPECT_EQ(Text(name).front(), ' ') << name;
    }
}

TEST_F(SearchPagesTest, TheMeasurementLetsThePageChangeAndCountsTheEmptyPhrase) {
    OpenPage(kStepTwo, QString());
    QTimer::singleShot(200, [&] { Control<QTabWidget>("SSTab1")->setCurrentIndex(0); });
    QTimer::singleShot(400, [&] { QTest::keyClicks(Box("txtPhrase"), QStringLiteral("ABC")); });
    Click("Command8");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Text("txtRndString").empty(); }));
    EXPECT_EQ(Control<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(Text("txtPhrase"), "ABC");
    // The measurement read the phrase before it was typed: the one empty string.
    EXPECT_EQ(Text("txtNumString"), "1");
    EXPECT_GT(Box("txtRndString")->text().toLongLong(), 0);
    EXPECT_EQ(Text("txtTime").front(), ' ');
}

} // namespace
} // namespace quarrow::testing
