#pragma once

#include "ui/repeat_window.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QSpinBox>
#include <QTest>

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

} // namespace quarrow
