#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/live/evolution_view.h"
#include "ui/window/run_progress_dialog.h"

#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

#include <functional>
#include <memory>

namespace quarrow::testing {
namespace {

const QString kPhrase = QStringLiteral("SELECTION IS NOT RANDOM LUCK");
const QString kFirstString = QStringLiteral("QWERTYUIOPASDFGHJKLZXCVBNM Q");

// Runs the event loop until something ends it; its exit code, or 99 if the loop had to be
// stopped after `timeoutMs`.
int RunEventLoop(int timeoutMs = 10'000) {
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(99); });
    watchdog.start(timeoutMs);
    return QApplication::exec();
}

// The run's dialog on show: a progress dialog or the live view of a selection.
QWidget* ShownDialog(const QWidget& window) {
    for (auto* dialog : window.findChildren<QWidget*>()) {
        if (dialog->isVisible() && (qobject_cast<RunProgressDialog*>(dialog) != nullptr ||
                                    qobject_cast<EvolutionView*>(dialog) != nullptr)) {
            return dialog;
        }
    }
    return nullptr;
}

class RunFaultsTest : public WindowTest {
protected:
    QLineEdit* Box(Quarrow& shown, const char* name) const {
        return shown.findChild<QLineEdit*>(QString::fromLatin1(name));
    }

    // Puts a long sequential run on "Step Four" of `shown`, ready for "&Go".
    void PrepareLongRun(Quarrow& shown) {
        shown.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(kStepFour);
        shown.findChild<QPushButton*>(QStringLiteral("Command2"))->setFocus();
        Box(shown, "txtTarget")->setText(kPhrase);
        Box(shown, "txtInitialGuess")->setText(kFirstString);
        shown.findChild<QRadioButton*>(QStringLiteral("Option3"))->setChecked(true);
    }

    QByteArray LogBytes() const {
        QFile log(services.logPath);
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    // Calls `act` once, from the event loop, as soon as `ready` holds.
    static void WhenReady(QTimer& poll, const std::function<bool()>& ready,
                          const std::function<void()>& act) {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&poll, ready, act] {
            if (ready()) {
                poll.stop();
                act();
            }
        });
        poll.start();
    }

    // The window manager's close button: the request the platform hands the toolkit, which a
    // modal dialog of the window would swallow.
    void CloseThroughWindowManager() {
        QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
            window->windowHandle());
    }

    // Starts a run with `start`, closes the window through the window manager once `running`
    // holds, and expects the program to end soon after, as "&Quit" ends it.
    void ExpectCloseEndsTheProgram(const std::function<void()>& start,
                                   const std::function<bool()>& running) {
        QTimer::singleShot(0, window.get(), start);
        QElapsedTimer sinceClose;
        QTimer poll;
        WhenReady(poll, running, [&] {
            sinceClose.start();
            CloseThroughWindowManager();
        });
        EXPECT_EQ(RunEventLoop(), 0) << "closing the window did not end the program";
        ASSERT_TRUE(sinceClose.isValid()) << "the run never got under way";
        EXPECT_LT(sinceClose.elapsed(), 2'000);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    }
};

TEST_F(RunFaultsTest, ClosingTheWindowEndsTheMeasurement) {
    window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(kStepTwo);
    QElapsedTimer sinceStart;
    ExpectCloseEndsTheProgram(
        [&] {
            sinceStart.start();
            Control<QPushButton>("Command8")->click();
        },
        [&] { return sinceStart.isValid() && sinceStart.elapsed() > 100; });
    EXPECT_TRUE(Control<QLineEdit>("txtRndString")->text().isEmpty());
}

TEST_F(RunFaultsTest, ClosingTheWindowEndsTheTrialWhileItsDialogIsOpen) {
    window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(kStepThree);
    Control<QLineEdit>("txtNumGenerat")->setText(QStringLiteral("2000000000"));
    ExpectCloseEndsTheProgram([&] { Control<QPushButton>("Command4")->click(); },
                              [&] { return ShownDialog(*window) != nullptr; });
    EXPECT_EQ(window->findChild<QMessageBox*>(), nullptr);
}

TEST_F(RunFaultsTest, ClosingTheWindowEndsTheSelectionAndKeepsAWholeLog) {
    const LongRunAnswer answer(window.get(), true);
    PrepareLongRun(*window);
    ExpectCloseEndsTheProgram([&] { Control<QPushButton>("Command2")->click(); },
                              [&] { return ShownDialog(*window) != nullptr; });
    ExpectWholeGenerationLines(LogBytes());
    EXPECT_FALSE(QFile::exists(services.logPath + QStringLiteral(".lock")));
}

TEST_F(RunFaultsTest, ClosingTheWindowWhileItAsksBeforeARunEndsTheProgramWithoutTheRun) {
    // The two questions before a run: its expected cost, and a lock from another computer.
    const QString lockPath = services.logPath + QStringLiteral(".lock");
    const QByteArray foreign("4242\nquarrow\nclassroom-pc-7.example\n");
    for (const bool foreignLock : {false, true}) {
        const QString asked =
            foreignLock ? QStringLiteral("foreignLockQuestion") : QStringLiteral("longRunQuestion");
        if (foreignLock) {
            window = std::make_unique<Quarrow>(services);
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
            QFile lock(lockPath);
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
            lock.write(foreign);
        }
        PrepareLongRun(*window);
        if (foreignLock) {
            Box(*window, "txtTarget")->setText(QStringLiteral("AB"));
            Box(*window, "txtInitialGuess")->setText(QStringLiteral("AB"));
        }
        Box(*window, "txtLength")->setText(QStringLiteral("7"));
        ExpectCloseEndsTheProgram([&] { Control<QPushButton>("Command2")->click(); },
                                  [&] {
                                      auto* question = window->findChild<QMessageBox*>(asked);
                                      return question != nullptr && question->isVisible();
                                  });
        EXPECT_EQ(Box(*window, "txtLength")->text(), QStringLiteral("7")) << foreignLock;
        EXPECT_EQ(window->findChild<EvolutionView*>(), nullptr) << foreignLock;
        EXPECT_FALSE(QFile::exists(services.logPath)) << foreignLock;
        QFile lock(lockPath);
        EXPECT_EQ(lock.open(QIODevice::ReadOnly) ? lock.readAll() : QByteArray(),
                  foreignLock ? foreign : QByteArray())
            << foreignLock;
    }
}

TEST_F(RunFaultsTest, TheRunsDialogKeepsTheUsersInputAwayFromTheWindow) {
    window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(kStepThree);
    Control<QLineEdit>("txtNumGenerat")->setText(QStringLiteral("2000000000"));
    QTimer poll;
    int pageDuringRun = -1;
    WhenReady(
        poll, [&] { return ShownDialog(*window) != nullptr; },
        [&] {
            auto* tabs = Control<QTabWidget>("SSTab1");
            const QRect firstTab = tabs->tabBar()->tabRect(0);
            QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, firstTab.center());
            QTest::mouseClick(Control<QPushButton>("Command3"), Qt::LeftButton);
            pageDuringRun = tabs->currentIndex();
            // Cancel, as the user stops a run: it asks nothing.
            ShownDialog(*window)->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
    Control<QPushButton>("Command4")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->findChild<QMessageBox*>() != nullptr; }));
    EXPECT_EQ(pageDuringRun, kStepThree);
    // Once the run is over the window takes clicks again.
    auto* message = window->findChild<QMessageBox*>();
    ASSERT_NE(message, nullptr);
    message->accept();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->findChild<QMessageBox*>() == nullptr; }));
    auto* tabs = Control<QTabWidget>("SSTab1");
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(0).center());
    EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(RunFaultsTest, ASecondWindowDoesNotRunWhileTheFirstWritesTheLog) {
    const LongRunAnswer answer(window.get(), true);
    PrepareLongRun(*window);
    Quarrow second(services);
    const LongRunAnswer secondAnswer(&second, true);
    second.show();
    PrepareLongRun(second);
    Box(second, "txtLength")->setText(QStringLiteral("7"));

    QString refusal;
    QTimer poll;
    WhenReady(
        poll, [&] { return ShownDialog(*window) != nullptr && !LogBytes().isEmpty(); },
        [&] {
            // However old the lock looks, its owner is alive: it still holds.
            QFile lock(services.logPath + QStringLiteral(".lock"));
            ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
            lock.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                             QFileDevice::FileModificationTime);
            lock.close();
            second.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
            // The second window measures and asks before it tries the lock.
            EXPECT_TRUE(QTest::qWaitFor([&] {
                return second.findChild<QMessageBox*>(QStringLiteral("selectionMessage")) &&
                       !second.findChild<QMessageBox*>(QStringLiteral("longRunQuestion"));
            }));
            if (auto* message = second.findChild<QMessageBox*>()) {
                refusal = message->text();
                message->accept();
            }
            // Cancel, as the user stops a run: it asks nothing.
            ShownDialog(*window)->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
        });
    Control<QPushButton>("Command2")->click();
    // The waits above run inside this one: on a loaded machine, or under the sanitizers, the
    // second window's measurement alone can take most of the default five seconds.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return window->findChild<QMessageBox*>() != nullptr; }, 60'000));

    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Another Quarrow window is running a selection")))
        << refusal.toStdString();
    EXPECT_EQ(Box(second, "txtLength")->text(), QStringLiteral("7"));
    ExpectWholeGenerationLines(LogBytes());

    // Once the first run has ended, the second window runs.
    if (auto* message = window->findChild<QMessageBox*>()) {
        message->accept();
    }
    Box(second, "txtTarget")->setText(QStringLiteral("AB"));
    Box(second, "txtInitialGuess")->setText(QStringLiteral("AB"));
    second.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Box(second, "txtLength")->text().isEmpty(); }));
    // The log now holds the second window's short run, whatever first string it began from.
    const QString secondLog = QString::fromLatin1(LogBytes());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^([A-Z ]{2} \\d+ \r\n)*AB( \\d+ )?\r\n$"))
                    .match(secondLog)
                    .hasMatch())
        << secondLog.toStdString();
}

TEST_F(RunFaultsTest, ALockLeftByAProgramThatDiedDoesNotBlockTheRun) {
    // A process that has ended cannot hold a lock any more.
    QProcess ended;
    ended.start(QStringLiteral("true"), {});
    ASSERT_TRUE(ended.waitForFinished());
    const qint64 deadPid = ended.processId() > 0 ? ended.processId() : 4'194'303;
    QFile lock(services.logPath + QStringLiteral(".lock"));
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write(QStringLiteral("%1\n%2\n%3\n")
                   .arg(deadPid)
                   .arg(QCoreApplication::applicationName(), QSysInfo::machineHostName())
                   .toUtf8());
    lock.close();

    PrepareLongRun(*window);
    Box(*window, "txtTarget")->setText(QStringLiteral("AB"));
    Box(*window, "txtInitialGuess")->setText(QStringLiteral("AB"));
    Control<QPushButton>("Command2")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Box(*window, "txtLength")->text().isEmpty(); }));
    EXPECT_EQ(window->findChild<QMessageBox*>(), nullptr);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^([A-Z ]{2} \\d+ \r\n)*AB( \\d+ )?\r\n$"))
                    .match(QString::fromLatin1(LogBytes()))
                    .hasMatch())
        << LogBytes().toStdString();
    EXPECT_FALSE(QFile::exists(services.logPath + QStringLiteral(".lock")));
}

// Counts the paints of the widgets it watches.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool counting = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (counting && event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

TEST_F(RunFaultsTest, TheStringBoxesAreNotRepaintedWhenTheWindowGoesInactive) {
    // Painting a box lays out its whole text: with a phrase of a million letters each paint
    // freezes the window for a quarter of a second. Every run's dialog takes the activation
    // from the window and gives it back, which must not repaint them. Desktop themes give
    // inactive windows other colours; this one does too.
    const QPalette themePalette = QApplication::palette();
    QPalette inactiveDiffers = themePalette;
    inactiveDiffers.setColor(QPalette::Inactive, QPalette::Highlight, Qt::darkGray);
    inactiveDiffers.setColor(QPalette::Inactive, QPalette::Base, Qt::lightGray);
    QApplication::setPalette(inactiveDiffers);
    window = std::make_unique<Quarrow>(services);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    PrepareLongRun(*window);
    PaintCounter counter;
    for (const char* name :
         {"txtPhrase", "txtTarget", "txtInitialGuess", "txtTargetString", "txtBestString"}) {
        Control<QLineEdit>(name)->installEventFilter(&counter);
    }
    Control<QPushButton>("Command2")->setFocus();
    QTest::qWait(50);
    counter.counting = true;
    for (const QEvent::Type change : {QEvent::WindowDeactivate, QEvent::WindowActivate}) {
        QEvent event(change);
        QApplication::sendEvent(window.get(), &event);
        QTest::qWait(50);
    }
    EXPECT_EQ(counter.paints, 0);
    window.reset();
    QApplication::setPalette(themePalette);
}

} // namespace
} // namespace quarrow::testing
