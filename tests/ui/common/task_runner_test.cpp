#include "ui/common/task_runner.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <new>
#include <stdexcept>
#include <thread>

namespace quarrow {
namespace {

using namespace std::chrono_literals;

// Work that runs until it is told to stop, and says whether it saw the flag.
int UntilStopped(const TaskRunner::Cancel& cancel) {
    while (!cancel.load()) {
        std::this_thread::sleep_for(1ms);
    }
    return 7;
}

TEST(TaskRunnerTest, ResultsAndFailuresComeBackOnTheUiThreadOneTaskAtATime) {
    TaskRunner run;
    int ends = 0;
    TaskEnd<int> last;
    const auto done = [&](const TaskEnd<int>& end) {
        EXPECT_EQ(QThread::currentThread(), qApp->thread());
        last = end;
        ++ends;
    };
    ASSERT_TRUE(run.Start<int>(UntilStopped, done));
    // A second click while the first task runs starts nothing.
    EXPECT_FALSE(run.Start<int>([](const TaskRunner::Cancel&) { return 1; }, done));
    EXPECT_TRUE(run.IsRunning());
    run.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 1; }));
    EXPECT_FALSE(run.IsRunning());
    EXPECT_EQ(last.result, 7);
    EXPECT_EQ(last.stopped, StopReason::User);

    // A worker that throws, out of memory or otherwise, is a failure in words, not a crash.
    ASSERT_TRUE(
        run.Start<int>([](const TaskRunner::Cancel&) -> int { throw std::bad_alloc(); }, done));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 2; }));
    EXPECT_FALSE(last.result.has_value());
    EXPECT_FALSE(last.failure.isEmpty());
    EXPECT_EQ(last.stopped, StopReason::None);
    ASSERT_TRUE(run.Start<int>(
        [](const TaskRunner::Cancel&) -> int { throw std::runtime_error("disk on fire"); }, done));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ends == 3; }));
    EXPECT_EQ(last.failure, QStringLiteral("disk on fire"));
}

TEST(TaskRunnerTest, StopAndWaitHandsTheEndOverBeforeItReturnsAndOnlyOnce) {
    TaskRunner run;
    int ends = 0;
    StopReason stopped = StopReason::None;
    ASSERT_TRUE(run.Start<int>(UntilStopped, [&](const TaskEnd<int>& end) {
        ++ends;
        stopped = end.stopped;
    }));
    QTest::qWait(20);
    // A user's stop that has not yet landed is outranked by closing.
    run.Stop(StopReason::User);
    run.StopAndWait(StopReason::Closing);
    EXPECT_EQ(ends, 1);
    EXPECT_EQ(stopped, StopReason::Closing);
    EXPECT_FALSE(run.IsRunning());
    // The worker's own end, queued meanwhile, is not handed over a second time.
    QTest::qWait(50);
    EXPECT_EQ(ends, 1);
}

TEST(TaskRunnerTest, TheDialogOpensOnlyForWorkThatOutlastsItsDelayAndBlocksItsWindow) {
    QWidget window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* dialog = new QWidget(&window, Qt::Dialog);
    TaskRunner run;
    run.SetDialogDelay(100ms);
    bool ended = false;
    const auto done = [&](const TaskEnd<int>&) { ended = true; };

    // Quick work never flashes the dialog.
    ASSERT_TRUE(run.Start<int>([](const TaskRunner::Cancel&) { return 1; }, done,
                               TaskWatch{.dialog = dialog}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }));
    QTest::qWait(200);
    EXPECT_FALSE(dialog->isVisible());

    // Long work shows it after the delay, keeps the user's input from the window meanwhile,
    // and hides it at the end.
    ended = false;
    int progress = 0;
    ASSERT_TRUE(run.Start<int>(
        UntilStopped, done,
        TaskWatch{.progress = [&] { ++progress; }, .dialog = dialog, .busyCursor = true}));
    EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog->isVisible(); }));
    int keys = 0;
    class KeyCounter : public QObject {
    public:
        explicit KeyCounter(int& keys) : keys_(keys) {}
        bool eventFilter(QObject*, QEvent* event) override {
            keys_ += event->type() == QEvent::KeyPress ? 1 : 0;
            return false;
        }

    private:
        int& keys_;
    } counter(keys);
    window.installEventFilter(&counter);
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_EQ(keys, 0);
    run.Stop();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended; }));
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_GT(progress, 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QTest::keyClick(&window, Qt::Key_A);
    EXPECT_EQ(keys, 1);
}

TEST(TaskRunnerTest, ARunnerThatGoesStopsItsWorkAndWaitsForIt) {
    std::atomic<bool> returned{false};
    bool handed = false;
    {
        TaskRunner run;
        ASSERT_TRUE(run.Start<int>(
            [&](const TaskRunner::Cancel& cancel) {
                const int value = UntilStopped(cancel);
                returned = true;
                return value;
            },
            [&](const TaskEnd<int>&) { handed = true; }));
        QTest::qWait(20);
    }
    EXPECT_TRUE(returned.load());
    EXPECT_FALSE(handed) << "the owner may be gone";
}

} // namespace
} // namespace quarrow
