#include "tests/ui/window_fixture.h"

#include <QEventLoop>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <string>

#include "search/estimate.h"
#include "search/trial.h"
#include "ui/run_progress_dialog.h"

namespace quarrow::testing {
namespace {

constexpr int kStepTwo = 1;
constexpr int kStepThree = 2;
constexpr char kLongPhrase[] = "CUMULATIVE SELECTION IS FAST";

class SearchPagesTest : public WindowTest {
protected:
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    std::string text(const char* name) const { return box(name)->text().toStdString(); }

    void openPage(int page, const QString& phrase) {
        box("txtPhrase")->setText(phrase);
        control<QTabWidget>("SSTab1")->setCurrentIndex(page);
    }

    void click(const char* button) {
        QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
    }

    QMessageBox* message() const {
        return window->findChild<QMessageBox*>(QStringLiteral("searchMessage"));
    }

    // Closes the page's message, if one is open, and waits until it is gone.
    void closeMessage() {
        if (QMessageBox* shown = message()) {
            shown->accept();
        }
        ASSERT_TRUE(WaitUntil([&] { return message() == nullptr; }));
    }

    // Runs a trial of `count` text on `target` and checks it made exactly `strings` strings:
    // the same trial run here on a copy of the generator ends in the same state.
    void expectTrialOf(const QString& count, const std::string& target, std::int64_t strings) {
        SCOPED_TRACE("count text \"" + count.toStdString() + "\"");
        box("txtNumGenerat")->setText(count);
        box("txtTargetString")->setText(QString::fromStdString(target));
        Generator expected = generator;
        const TrialResult result = RunMatchingTrial(expected, timeOfDay, target, strings);
        box("txtTimeGen")->clear();
        click("Command4");
        ASSERT_TRUE(QTest::qWaitFor([&] { return !text("txtTimeGen").empty(); }));
        EXPECT_EQ(generator.State(), expected.State());
        EXPECT_EQ(text("txtBestString"), result.bestString);
        EXPECT_EQ(text("txtNumCorrect"),
                  result.bestCount ? std::to_string(*result.bestCount) : std::string());
        bool isNumber = false;
        const float seconds = box("txtTimeGen")->text().toFloat(&isNumber);
        EXPECT_TRUE(isNumber) << text("txtTimeGen");
        EXPECT_GE(seconds, 0.0f);
        EXPECT_LT(seconds, 5.0f);
        EXPECT_EQ(message(), nullptr);
    }
};

TEST_F(SearchPagesTest, TheCountBoxDecidesHowManyStringsAreMade) {
    openPage(kStepThree, QString::fromLatin1(kLongPhrase));
    EXPECT_EQ(text("txtTargetString"), kLongPhrase);
    expectTrialOf(QStringLiteral("500"), kLongPhrase, 500);
    expectTrialOf(QStringLiteral("1"), kLongPhrase, 1);
    expectTrialOf(QStringLiteral("2.5"), kLongPhrase, 2);
    expectTrialOf(QStringLiteral("3.5"), kLongPhrase, 4);
    expectTrialOf(QStringLiteral("12abc"), kLongPhrase, 12);
    expectTrialOf(QStringLiteral("1 0 0"), kLongPhrase, 100);
    // No string at all: the best string and its count are empty, the time is still shown.
    for (const char* none : {"0", "-4", "abc", ""}) {
        expectTrialOf(QString::fromLatin1(none), kLongPhrase, 0);
        EXPECT_EQ(text("txtBestString"), "");
        EXPECT_EQ(text("txtNumCorrect"), "");
    }
    // The target is used as it stands: small letters never match.
    expectTrialOf(QStringLiteral("300"), "beetle", 300);
    EXPECT_EQ(text("txtNumCorrect"), "0");
    EXPECT_EQ(text("txtBestString").size(), 6U);
    // An empty target: every string is empty and scores 0.
    expectTrialOf(QStringLiteral("10"), "", 10);
    EXPECT_EQ(text("txtNumCorrect"), "0");
}

TEST_F(SearchPagesTest, ACountBeyondThirtyTwoBitsIsRefusedWithAMessage) {
    openPage(kStepThree, QString::fromLatin1(kLongPhrase));
    box("txtBestString")->setText(QStringLiteral("EARLIER"));
    for (const char* tooMany : {"2147483648", "1E+999", "-1E+999"}) {
        SCOPED_TRACE(tooMany);
        const std::uint64_t before = generator.State();
        box("txtNumGenerat")->setText(QString::fromLatin1(tooMany));
        click("Command4");
        ASSERT_TRUE(WaitUntil([&] { return message() != nullptr && message()->isVisible(); }));
        EXPECT_TRUE(message()->text().contains(QStringLiteral("2,147,483,647")))
            << message()->text().toStdString();
        EXPECT_EQ(generator.State(), before) << "nothing ran";
        EXPECT_EQ(text("txtBestString"), "EARLIER");
        closeMessage();
    }
}

TEST_F(SearchPagesTest, ALargeTrialShowsProgressAndCancelKeepsTheBestSoFar) {
    openPage(kStepThree, QString::fromLatin1(kLongPhrase));
    box("txtNumGenerat")->setText(QStringLiteral("2000000000"));

    QString progressText;
    QTimer watcher;
    watcher.setInterval(20);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* dialog = window->findChild<RunProgressDialog*>();
        if (dialog == nullptr || !dialog->isVisible() || dialog->value() <= 0) {
            return;
        }
        EXPECT_EQ(dialog->currentString().size(), 28);
        progressText = dialog->labelText();
        watcher.stop();
        QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("cancelButton")),
                          Qt::LeftButton);
    });
    watcher.start();
    QElapsedTimer took;
    took.start();
    click("Command4");
    ASSERT_TRUE(QTest::qWaitFor([&] { return message() != nullptr; }, 20'000));
    EXPECT_LT(took.elapsed(), 20'000);

    EXPECT_TRUE(progressText.startsWith(QStringLiteral("Strings made: ")))
        << progressText.toStdString();
    EXPECT_TRUE(progressText.contains(QStringLiteral("of 2,000,000,000")));
    const std::string best = text("txtBestString");
    ASSERT_EQ(best.size(), 28U);
    EXPECT_EQ(text("txtNumCorrect"), std::to_string(MatchCount(best, kLongPhrase)));
    ASSERT_NE(message(), nullptr);
    EXPECT_TRUE(message()->text().startsWith(QStringLiteral("The trial was cancelled after ")))
        << message()->text().toStdString();
    closeMessage();
}

TEST_F(SearchPagesTest, EnteringStepTwoEmptiesItsResults) {
    for (const char* name :
         {"txtRndString", "txtNumString", "txtTime", "txtTimeDay", "txtTimeYear"}) {
        box(name)->setText(QStringLiteral("old"));
    }
    openPage(kStepTwo, QStringLiteral("HELLO"));
    for (const char* name :
         {"txtRndString", "txtNumString", "txtTime", "txtTimeDay", "txtTimeYear"}) {
        EXPECT_EQ(text(name), "") << name;
    }
}

TEST_F(SearchPagesTest, TheMeasurementKeepsTheWindowResponsiveAndFillsTheEstimate) {
    openPage(kStepTwo, QString::fromLatin1(kLongPhrase));

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
    QTimer::singleShot(300, [&] { click("Command8"); });
    sinceTick.start();
    ticker.start();
    QElapsedTimer took;
    took.start();
    // The program's own event loop turns while the measurement runs, as it would for a user.
    QEventLoop untilFilled;
    QObject::connect(box("txtRndString"), &QLineEdit::textChanged, &untilFilled, &QEventLoop::quit);
    QTimer::singleShot(5000, &untilFilled, &QEventLoop::quit);
    click("Command8");
    untilFilled.exec();
    const qint64 elapsed = took.elapsed();
    ticker.stop();

    EXPECT_GE(elapsed, 1000);
    EXPECT_LT(elapsed, 1800) << "the second click must not start a measurement of its own";
    EXPECT_GT(ticks, 100);
    EXPECT_LT(longestGap, 50);

    bool isNumber = false;
    const qlonglong count = box("txtRndString")->text().toLongLong(&isNumber);
    ASSERT_TRUE(isNumber) << text("txtRndString");
    EXPECT_GT(count, 0);
    const SearchSpaceTexts expected = DescribeSearchSpace(EstimateSearchSpace(28, count));
    EXPECT_EQ(text("txtNumString"), "1.1972515182562E+40");
    EXPECT_EQ(text("txtTime"), expected.seconds);
    EXPECT_EQ(text("txtTimeDay"), expected.days);
    EXPECT_EQ(text("txtTimeYear"), expected.years);
    for (const char* name : {"txtTime", "txtTimeDay", "txtTimeYear"}) {
        EXPECT_EQ(text(name).front(), ' ') << name;
    }
}

TEST_F(SearchPagesTest, TheMeasurementLetsThePageChangeAndCountsTheEmptyPhrase) {
    openPage(kStepTwo, QString());
    QTimer::singleShot(200, [&] { control<QTabWidget>("SSTab1")->setCurrentIndex(0); });
    QTimer::singleShot(400, [&] { QTest::keyClicks(box("txtPhrase"), QStringLiteral("ABC")); });
    click("Command8");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text("txtRndString").empty(); }));
    EXPECT_EQ(control<QTabWidget>("SSTab1")->currentIndex(), 0);
    EXPECT_EQ(text("txtPhrase"), "ABC");
    // The measurement read the phrase before it was typed: the one empty string.
    EXPECT_EQ(text("txtNumString"), "1");
    EXPECT_GT(box("txtRndString")->text().toLongLong(), 0);
    EXPECT_EQ(text("txtTime").front(), ' ');
}

} // namespace
} // namespace quarrow::testing
