#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

#include "tests/support/fakes.h"
#include "ui/quarrow.h"

namespace quarrow::testing {

/// Turns the event loop until `condition` holds or `timeoutMs` passes; returns the condition.
inline bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QTest::qWait(5);
    }
    return true;
}

/// A real window on fixed clocks, a seeded generator and a temporary log folder.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        services.generator = &generator;
        services.timeOfDay = &timeOfDay;
        services.monotonic = &monotonic;
        services.logPath = folder.filePath(QStringLiteral("hold.txt"));
        window = std::make_unique<Quarrow>(services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    void TearDown() override { window.reset(); }

    /// The control with this objectName, or a failed test.
    template <typename T> T* control(const char* name) const {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }

    QTemporaryDir folder;
    Generator generator;
    FakeTimeOfDayClock timeOfDay{36000.0f};
    SystemMonotonicClock monotonic;
    QuarrowServices services;
    std::unique_ptr<Quarrow> window;
};

} // namespace quarrow::testing
