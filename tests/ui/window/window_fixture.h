#pragma once

#include "tests/support/fakes.h"
#include "ui/window/quarrow.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace quarrow::testing {

/// Answers a question the window asks (a message box named `questionName`) as soon as it
/// shows, with the button whose text starts with `answer`, and keeps the question's text.
class QuestionAnswer {
public:
    QuestionAnswer(QWidget* window, const QString& questionName, const QString& answer) {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this, window, questionName, answer] {
            auto* question = window->findChild<QMessageBox*>(questionName);
            if (question == nullptr || !question->isVisible()) {
                return;
            }
            question_ = question->text();
            for (QAbstractButton* button : question->buttons()) {
                if (button->text().startsWith(answer)) {
                    timer_.stop();
                    button->click();
                    return;
                }
            }
        });
        timer_.start();
    }

    /// The question's text, empty while none was asked.
    const QString& Question() const { return question_; }

private:
    QTimer timer_;
    QString question_;
};

/// Answers the question the window asks before a long run: starts the run or declines it.
class LongRunAnswer : public QuestionAnswer {
public:
    LongRunAnswer(QWidget* window, bool start)
        : QuestionAnswer(window, QStringLiteral("longRunQuestion"),
                         start ? QStringLiteral("Start the run") : QStringLiteral("Don't start")) {}
};

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
    template <typename T> T* Control(const char* name) const {
        auto* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << "no control " << name;
        return found;
    }

    /// The message box with this objectName, or null while there is none.
    QMessageBox* MessageNamed(const QString& name) const {
        return window->findChild<QMessageBox*>(name);
    }

    /// Accepts the message box with this objectName, if one is open, and waits until it is gone.
    void CloseMessageNamed(const QString& name) {
        if (QMessageBox* shown = MessageNamed(name)) {
            shown->accept();
        }
        ASSERT_TRUE(QTest::qWaitFor([&] { return MessageNamed(name) == nullptr; }));
    }

    QTemporaryDir folder;
    Generator generator;
    FakeTimeOfDayClock timeOfDay{36000.0f};
    SystemMonotonicClock monotonic;
    QuarrowServices services;
    std::unique_ptr<Quarrow> window;
};

// Every line of a log is a finished sequential generation line of a 28-letter target.
inline void ExpectWholeGenerationLines(const QByteArray& bytes) {
    ASSERT_FALSE(bytes.isEmpty());
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    const QRegularExpression generationLine(QStringLiteral("^[A-Z ]{28} \\d+ \r$"));
    for (const QByteArray& line : bytes.chopped(1).split('\n')) {
        ASSERT_TRUE(generationLine.match(QString::fromLatin1(line)).hasMatch())
            << line.toStdString();
    }
}

} // namespace quarrow::testing
