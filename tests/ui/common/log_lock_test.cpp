// The lock beside the generation log, against real files: a full disk, a lock file that says
// nothing, a lock left by a window on another computer, and a folder or link in its place.

#include "ui/common/log_lock.h"

#include "tests/support/small_filesystem.h"
#include "tests/support/window_steps.h"
#include "tests/ui/window/window_fixture.h"
#include "ui/live/evolution_view.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace quarrow::testing {
namespace {

class LogLockTest : public WindowTest {
protected:
    /// Puts the window's log at `logPath` instead of the test's own folder.
    void MoveLog(const QString& logPath) {
        window.reset();
        services.logPath = logPath;
        window = std::make_unique<Quarrow>(services);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    /// Clicks "&Go" for a short run of scheme 1 that ends at once.
    void RunShort() {
        Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
        Control<QLineEdit>("txtTarget")->setText(QStringLiteral("AB"));
        Control<QLineEdit>("txtInitialGuess")->setText(QStringLiteral("AB"));
        Control<QRadioButton>("Option1")->setChecked(true);
        Control<QLineEdit>("txtLength")->setText(QStringLiteral("7"));
        Control<QPushButton>("Command2")->click();
        // A question about the lock is answered first.
        ASSERT_TRUE(QTest::qWaitFor([&] { return WaitingQuestion() == nullptr; }));
        // A run that started has emptied the boxes; it fills them, or says why it stopped.
        auto* length = Control<QLineEdit>("txtLength");
        if (length->text() != QStringLiteral("7")) {
            ASSERT_TRUE(QTest::qWaitFor([&] {
                return !length->text().isEmpty() ||
                       window->findChild<QMessageBox*>(QStringLiteral("selectionMessage"));
            }));
        }
    }

    /// The question about a lock from another computer, or about something else in the lock
    /// file's place, while it waits for its answer.
    QMessageBox* WaitingQuestion() const {
        for (const char* name : {"foreignLockQuestion", "lockOccupantQuestion"}) {
            auto* asked = window->findChild<QMessageBox*>(QString::fromLatin1(name));
            if (asked != nullptr && asked->isVisible()) {
                return asked;
            }
        }
        return nullptr;
    }

    QString LockPath() const { return services.logPath + QStringLiteral(".lock"); }

    /// Whether anything, even a link that leads nowhere, is in the lock file's place.
    bool LockPlaceTaken() const {
        const QFileInfo place(LockPath());
        return place.exists() || place.isSymLink();
    }

    /// The text of the refusal on show, closing it; empty if none.
    QString TakeMessage() {
        const QPointer<QMessageBox> message =
            window->findChild<QMessageBox*>(QStringLiteral("selectionMessage"));
        if (message == nullptr) {
            return {};
        }
        QString text = message->text();
        message->accept();
        // Gone before the next refusal is looked for.
        EXPECT_TRUE(QTest::qWaitFor([&] { return message.isNull(); }));
        return text;
    }

    /// Answers the question named `questionName` with the button starting `button`, and expects
    /// the run to go ahead with the lock's place free again.
    void AnswerAndExpectTheRun(const QString& questionName, const QString& button) {
        const QuestionAnswer answer(window.get(), questionName, button);
        RunShort();
        EXPECT_FALSE(answer.Question().isEmpty());
        EXPECT_EQ(TakeMessage().toStdString(), "");
        EXPECT_NE(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
        EXPECT_TRUE(Read(services.logPath).endsWith("AB   2\r\n"));
        EXPECT_FALSE(LockPlaceTaken());
    }

    QByteArray Read(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void WriteLock(const QByteArray& content, qint64 secondsAgo) const {
        QFile lock(services.logPath + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(content);
        lock.flush();
        lock.setFileTime(QDateTime::currentDateTime().addSecs(-secondsAgo),
                         QFileDevice::FileModificationTime);
        lock.close();
    }
};

TEST_F(LogLockTest, ALockThatCannotBeMadeStopsTheRunAndNamesTheFolder) {
    // A full disk where a small one can be mounted; else, for a user whom permissions bind, a
    // folder that cannot be written holding a log that can.
    SmallFilesystem disk(std::size_t{64} * 1024, "lock");
    const bool readOnlyFolder = !disk.Mounted() && geteuid() != 0;
    if (!disk.Mounted() && !readOnlyFolder) {
        GTEST_SKIP() << disk.Why();
    }
    const QString dataFolder =
        disk.Mounted() ? QString::fromStdString(disk.Folder().string()) : folder.path();
    const QString logPath = dataFolder + QStringLiteral("/hold.txt");
    {
        QFile log(logPath);
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.write("EARLIER   3\r\n");
    }
    MoveLog(logPath);
    if (readOnlyFolder) {
        QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::ExeOwner);
    } else {
        disk.Fill();
    }

    RunShort();
    const QString refusal = TakeMessage();
    if (readOnlyFolder) {
        QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    EXPECT_TRUE(refusal.contains(QStringLiteral("cannot be locked"))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QDir::toNativeSeparators(dataFolder))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(readOnlyFolder ? QStringLiteral("denied")
                                                : QStringLiteral("No space left")))
        << refusal.toStdString();
    // Nothing ran: the boxes and the earlier log are as they were, and no lock is left.
    EXPECT_EQ(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
    EXPECT_EQ(Read(logPath), QByteArray("EARLIER   3\r\n"));
    EXPECT_FALSE(QFile::exists(logPath + QStringLiteral(".lock")));
}

TEST_F(LogLockTest, ALockFileThatSaysNothingIsStale) {
    for (const QByteArray& blank : {QByteArray(), QByteArray("\x01\x02 not a lock")}) {
        WriteLock(blank, 60);
        RunShort();
        EXPECT_EQ(TakeMessage().toStdString(), "") << blank.toStdString();
        EXPECT_NE(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
        EXPECT_TRUE(Read(services.logPath).endsWith("AB   2\r\n"));
        EXPECT_FALSE(QFile::exists(services.logPath + QStringLiteral(".lock")));
    }
}

TEST_F(LogLockTest, ALockFromAnotherComputerIsNamedAndRemovedOnlyWhenTheUserSaysSo) {
    const QByteArray foreign("4242\nquarrow\nclassroom-pc-7.example\n");
    WriteLock(foreign, 3600);
    {
        const QuestionAnswer answer(window.get(), QStringLiteral("foreignLockQuestion"),
                                    QStringLiteral("Don't start"));
        RunShort();
        EXPECT_TRUE(answer.Question().contains(QStringLiteral("classroom-pc-7.example")))
            << answer.Question().toStdString();
        EXPECT_TRUE(answer.Question().contains(QStringLiteral("process 4242")));
        EXPECT_TRUE(answer.Question().contains(
            QDir::toNativeSeparators(services.logPath + QStringLiteral(".lock"))));
    }
    EXPECT_EQ(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
    EXPECT_EQ(Read(services.logPath + QStringLiteral(".lock")), foreign);

    AnswerAndExpectTheRun(QStringLiteral("foreignLockQuestion"),
                          QStringLiteral("It is not running"));
}

TEST_F(LogLockTest, WhileTheLockQuestionWaitsGoStartsNoSecondRunOrQuestion) {
    const QByteArray foreign("4242\nquarrow\nclassroom-pc-7.example\n");
    WriteLock(foreign, 3600);
    Control<QTabWidget>("SSTab1")->setCurrentIndex(kStepFour);
    // Leaving the target box draws a new first string: leave it before, not at the click.
    Control<QPushButton>("Command2")->setFocus();
    Control<QLineEdit>("txtTarget")->setText(QStringLiteral("AB"));
    Control<QLineEdit>("txtInitialGuess")->setText(QStringLiteral("AB"));
    Control<QRadioButton>("Option1")->setChecked(true);
    Control<QLineEdit>("txtLength")->setText(QStringLiteral("7"));
    auto* go = Control<QPushButton>("Command2");
    go->click();
    ASSERT_NE(WaitingQuestion(), nullptr);

    // The user's clicks do not reach the window while it asks; a click that does is refused.
    QTest::mouseClick(go, Qt::LeftButton);
    EXPECT_EQ(window->findChild<QMessageBox*>(QStringLiteral("selectionMessage")), nullptr);
    go->click();
    EXPECT_TRUE(TakeMessage().startsWith(QStringLiteral("A run is going on")));
    EXPECT_EQ(window->findChildren<QMessageBox*>(QStringLiteral("foreignLockQuestion")).size(), 1);
    EXPECT_EQ(window->findChild<EvolutionView*>(), nullptr);
    EXPECT_EQ(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
    EXPECT_EQ(Read(services.logPath + QStringLiteral(".lock")), foreign);

    // Its answer starts the one run.
    for (QAbstractButton* button : WaitingQuestion()->buttons()) {
        if (button->text().startsWith(QStringLiteral("It is not running"))) {
            button->click();
        }
    }
    EXPECT_EQ(WaitingQuestion(), nullptr);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !Control<QLineEdit>("txtLength")->text().isEmpty(); }));
    EXPECT_EQ(TakeMessage().toStdString(), "");
    EXPECT_EQ(window->findChildren<EvolutionView*>().size(), 1);
    EXPECT_TRUE(Read(services.logPath).endsWith("AB   2\r\n"));
    EXPECT_FALSE(QFile::exists(services.logPath + QStringLiteral(".lock")));
}

TEST_F(LogLockTest, ALiveWindowsLockIsRespectedAndNamed) {
    {
        GenerationLogLock held(services.logPath);
        ASSERT_EQ(held.Acquire(), GenerationLogLock::Outcome::Held);
        RunShort();
        const QString refusal = TakeMessage();
        EXPECT_TRUE(refusal.startsWith(QStringLiteral("Another Quarrow window is running")))
            << refusal.toStdString();
        EXPECT_TRUE(refusal.contains(QStringLiteral("%1 (process %2 on ")
                                         .arg(QDir::toNativeSeparators(held.Path()))
                                         .arg(QCoreApplication::applicationPid())))
            << refusal.toStdString();
        EXPECT_EQ(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
    }

    // A lock file being made says nothing yet of whose it is: no process is named.
    WriteLock(QByteArray(), 0);
    RunShort();
    const QString refusal = TakeMessage();
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("Another Quarrow window is running")))
        << refusal.toStdString();
    EXPECT_FALSE(refusal.contains(QStringLiteral("process"))) << refusal.toStdString();
}

TEST_F(LogLockTest, AFolderOrLinkInTheLocksPlaceIsNamedAndRemovedOnlyWhenTheUserSaysSo) {
    const QString notes = folder.filePath(QStringLiteral("notes.txt"));
    {
        QFile file(notes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("kept");
    }
    const QString missing = folder.filePath(QStringLiteral("gone.txt"));
    struct Case {
        QString said;
        std::function<bool()> make;
    };
    const std::vector<Case> cases = {
        {QStringLiteral("there is an empty folder."), [&] { return QDir().mkdir(LockPath()); }},
        {QStringLiteral("there is a link to %1.").arg(notes),
         [&] { return QFile::link(notes, LockPath()); }},
        {QStringLiteral("there is a link to %1, which does not exist.").arg(missing),
         [&] { return QFile::link(missing, LockPath()); }},
        {QStringLiteral("there is a special file"),
         [&] { return ::mkfifo(QFile::encodeName(LockPath()).constData(), 0600) == 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.said.toStdString());
        ASSERT_TRUE(c.make());
        {
            const QuestionAnswer answer(window.get(), QStringLiteral("lockOccupantQuestion"),
                                        QStringLiteral("Don't start"));
            RunShort();
            const std::string asked = answer.Question().toStdString();
            EXPECT_TRUE(answer.Question().contains(c.said)) << asked;
            EXPECT_TRUE(answer.Question().contains(QDir::toNativeSeparators(LockPath()))) << asked;
            EXPECT_FALSE(answer.Question().contains(QStringLiteral("process"))) << asked;
        }
        EXPECT_EQ(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
        EXPECT_TRUE(LockPlaceTaken());

        AnswerAndExpectTheRun(QStringLiteral("lockOccupantQuestion"), QStringLiteral("Remove it"));
    }
    // A link goes, not what it leads to.
    EXPECT_EQ(Read(notes), QByteArray("kept"));

    // A folder with something in it is named, and neither removed nor offered to be.
    ASSERT_TRUE(QDir().mkdir(LockPath()));
    const QString inside = LockPath() + QStringLiteral("/work.txt");
    {
        QFile file(inside);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("work");
    }
    RunShort();
    const QString refusal = TakeMessage();
    EXPECT_TRUE(refusal.contains(QStringLiteral("there is a folder holding one file or folder.")))
        << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QDir::toNativeSeparators(LockPath()))) << refusal.toStdString();
    EXPECT_TRUE(refusal.contains(QStringLiteral("Move or remove it"))) << refusal.toStdString();
    EXPECT_EQ(window->findChild<QMessageBox*>(QStringLiteral("lockOccupantQuestion")), nullptr);
    EXPECT_EQ(Control<QLineEdit>("txtLength")->text(), QStringLiteral("7"));
    EXPECT_EQ(Read(inside), QByteArray("work"));
}

} // namespace
} // namespace quarrow::testing
