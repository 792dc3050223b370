#pragma once

#include "ui/common/zoom.h"
#include "ui/repeat/repeat_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QWidget>

namespace quarrow {

/// Starts a batch of `runs` runs from `seed` in `window` as a user does, once Start is enabled.
inline void Start(RepeatWindow& window, int runs, int seed) {
    window.findChild<QSpinBox*>(QStringLiteral("repeatRunsBox"))->setValue(runs);
    window.findChild<QSpinBox*>(QStringLiteral("repeatSeedBox"))->setValue(seed);
    auto* start = window.findChild<QPushButton*>(QStringLiteral("repeatStartButton"));
    // Start waits for the measurement of the estimate.
    ASSERT_TRUE(QTest::qWaitFor([&] { return start->isEnabled(); }));
    QTest::mouseClick(start, Qt::LeftButton);
}

/// A Repeat window over a main window with the program's zoom, as the program opens it, once a
/// batch of 40 runs from seed 5 has finished.
struct FinishedRepeat {
    QWidget mainWindow;
    ProgramZoom* program = new ProgramZoom(&mainWindow);
    RepeatWindow* window = new RepeatWindow(QStringLiteral("WEASEL"), &mainWindow);

    /// Shows the window and runs the batch; a failed step fails the test that called it.
    void Run() const {
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        Start(*window, 40, 5);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !window->Running(); }, 30000));
    }
};

} // namespace quarrow
