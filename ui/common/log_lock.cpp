#include "ui/common/log_lock.h"

#include "ui/common/box_text.h"
#include "ui/common/task_runner.h"
#include "ui/common/zoom.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QObject>
#include <QSysInfo>
#include <QTemporaryFile>

#include <utility>

namespace quarrow {

namespace {

// A lock file is written in the same breath as it is made; one still blank after this long
// was left by a program that never wrote it.
constexpr qint64 kBlankLockGraceSeconds = 2;

} // namespace

GenerationLogLock::GenerationLogLock(const QString& logPath)
    : logPath_(logPath), path_(logPath + QStringLiteral(".lock")), lock_(path_) {
    // Not stale by age: a run of a long phrase may write its log for hours. Only a lock whose
    // owner is no longer running counts as stale.
    lock_.setStaleLockTime(0);
}

void GenerationLogLock::ClearIfBlank() {
    const QFileInfo file(path_);
    if (!file.exists() || file.isSymLink() || !file.isFile()) {
        return;
    }
    qint64 process = 0;
    QString host;
    QString application;
    if (lock_.getLockInfo(&process, &host, &application) && process > 0) {
        return;
    }
    const QDateTime written = file.lastModified();
    if (written.isValid() &&
        written.secsTo(QDateTime::currentDateTime()) < kBlankLockGraceSeconds &&
        written <= QDateTime::currentDateTime()) {
        return;
    }
    QFile::remove(path_);
}

QString GenerationLogLock::WriteProblem() const {
    // The lock file says nothing of why it failed; a file of the same kind in the same folder
    // does.
    QTemporaryFile probe(QFileInfo(path_).absolutePath() + QStringLiteral("/.hold-XXXXXX"));
    if (!probe.open()) {
        return probe.errorString();
    }
    const QByteArray line(256, ' ');
    if (probe.write(line) != line.size() || !probe.flush()) {
        return probe.errorString();
    }
    return QString();
}

bool GenerationLogLock::FindOccupant() {
    const QFileInfo found(path_);
    occupant_ = Occupant{};
    if (found.isSymLink()) {
        occupant_.kind = Occupant::Kind::Link;
        occupant_.linkTarget = found.symLinkTarget();
        occupant_.linkLeadsNowhere = !found.exists();
        return true;
    }
    if (!found.exists() || found.isFile()) {
        return false;
    }
    if (found.isDir()) {
        occupant_.kind = Occupant::Kind::Folder;
        occupant_.entries = static_cast<qint64>(
            QDir(path_)
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                .size());
    }
    return true;
}

GenerationLogLock::Outcome GenerationLogLock::Acquire() {
    holder_ = Holder{};
    problem_.clear();
    // A folder or a link there would pass for a lock held by nobody, forever.
    if (FindOccupant()) {
        return Outcome::Occupied;
    }
    ClearIfBlank();
    if (lock_.tryLock(0)) {
        return Outcome::Held;
    }
    if (lock_.error() == QLockFile::LockFailedError) {
        lock_.getLockInfo(&holder_.process, &holder_.host, &holder_.application);
        holder_.since = QFileInfo(path_).lastModified();
        holder_.otherHost = !holder_.host.isEmpty() && holder_.host != QSysInfo::machineHostName();
        return Outcome::HeldByAnother;
    }
    problem_ = WriteProblem();
    if (problem_.isEmpty()) {
        problem_ = lock_.error() == QLockFile::PermissionError
                       ? QObject::tr("The folder cannot be written.")
                       : QObject::tr("The lock file could not be written.");
    }
    return Outcome::CannotLock;
}

bool GenerationLogLock::RemoveForeign() {
    qint64 process = 0;
    QString host;
    QString application;
    if (!lock_.getLockInfo(&process, &host, &application) || process != holder_.process ||
        host != holder_.host) {
        // Gone or changed meanwhile: the next `Acquire` looks again.
        return !QFileInfo::exists(path_);
    }
    return QFile::remove(path_);
}

bool GenerationLogLock::RemoveOccupant() {
    problem_.clear();
    const QFileInfo found(path_);
    if (found.isDir() && !found.isSymLink()) {
        if (QDir().rmdir(path_)) {
            return true;
        }
        problem_ = QDir(path_).isEmpty()
                       ? QObject::tr("The folder could not be removed.")
                       : QObject::tr("The folder is no longer empty, so it was not removed.");
        return false;
    }
    if (!found.isSymLink() && (!found.exists() || found.isFile())) {
        // Gone, or a lock file by now: the next `Acquire` looks at it.
        return true;
    }
    QFile occupant(path_);
    if (!occupant.remove()) {
        problem_ = occupant.errorString();
        return false;
    }
    return true;
}

namespace {

// What stands in the lock file's place, in words.
QString DescribeOccupant(const GenerationLogLock::Occupant& occupant) {
    using Kind = GenerationLogLock::Occupant::Kind;
    switch (occupant.kind) {
    case Kind::Folder:
        if (occupant.entries == 0) {
            return QObject::tr("an empty folder");
        }
        return occupant.entries == 1 ? QObject::tr("a folder holding one file or folder")
                                     : QObject::tr("a folder holding %1 files or folders")
                                           .arg(Grouped(occupant.entries));
    case Kind::Link:
        return occupant.linkLeadsNowhere
                   ? QObject::tr("a link to %1, which does not exist")
                         .arg(QDir::toNativeSeparators(occupant.linkTarget))
                   : QObject::tr("a link to %1").arg(QDir::toNativeSeparators(occupant.linkTarget));
    case Kind::Special:
        break;
    }
    return QObject::tr("a special file (a device, a pipe or a socket)");
}

// The first paragraph of whatever is said about something in the lock file's place.
QString OccupantParagraph(const GenerationLogLock& logLock) {
    return QObject::tr("Where the lock file of the generation log goes, there is %1. No Quarrow "
                       "window made it, and no run can lock the log while it is there.\n\n"
                       "Lock file: %2")
        .arg(DescribeOccupant(logLock.CurrentOccupant()), QDir::toNativeSeparators(logLock.Path()));
}

// Says why the run does not start when `outcome` leaves the lock to another; true when it is
// this run's.
bool SayWhyNotLocked(QWidget* window, const GenerationLogLock& logLock,
                     GenerationLogLock::Outcome outcome) {
    switch (outcome) {
    case GenerationLogLock::Outcome::Held:
        return true;
    case GenerationLogLock::Outcome::HeldByAnother: {
        const GenerationLogLock::Holder& holder = logLock.CurrentHolder();
        // A lock file being made has not said whose it is yet.
        const QString lockFile = holder.process > 0 && !holder.host.isEmpty()
                                     ? QObject::tr("%1 (process %2 on %3)")
                                           .arg(QDir::toNativeSeparators(logLock.Path()))
                                           .arg(holder.process)
                                           .arg(holder.host)
                                     : QDir::toNativeSeparators(logLock.Path());
        ShowWindowMessage(
            window, QMessageBox::Warning,
            QObject::tr("Another Quarrow window is running a selection and writing the "
                        "generation log:\n%1\n\nThe run was not started. Try again "
                        "once that run has ended.\n\nLock file: %2")
                .arg(QDir::toNativeSeparators(logLock.LogPath()), lockFile),
            kSelectionMessageName);
        return false;
    }
    case GenerationLogLock::Outcome::Occupied: {
        QString text = OccupantParagraph(logLock) + QStringLiteral("\n\n");
        if (!logLock.Problem().isEmpty()) {
            text += QObject::tr("It could not be removed: %1").arg(logLock.Problem()) +
                    QStringLiteral("\n\n");
        }
        text += QObject::tr("The run was not started. Move or remove it, then start the run "
                            "again.");
        ShowWindowMessage(window, QMessageBox::Warning, text, kSelectionMessageName);
        return false;
    }
    case GenerationLogLock::Outcome::CannotLock:
        ShowWindowMessage(
            window, QMessageBox::Critical,
            QObject::tr(
                "The generation log cannot be locked, so the run was not started: without the "
                "lock, another window could write the same log at the same time.\n\nFolder: "
                "%1\n\n%2")
                .arg(QDir::toNativeSeparators(QFileInfo(logLock.Path()).absolutePath()),
                     logLock.Problem()),
            kSelectionMessageName);
        return false;
    }
    return false;
}

// A question, not yet shown, whether to remove what keeps the run from the lock: its accepting
// button `remove` says so, and "Don't start", the default, declines.
QMessageBox* RemovalQuestion(QWidget* window, const QString& text, const char* objectName,
                             const QString& remove) {
    auto* question = new QMessageBox(QMessageBox::Question, window->windowTitle(), text,
                                     QMessageBox::NoButton, window);
    question->setObjectName(QString::fromLatin1(objectName));
    question->setAttribute(Qt::WA_DeleteOnClose);
    new WindowZoom(*question);
    question->addButton(remove, QMessageBox::AcceptRole);
    question->setDefaultButton(
        question->addButton(QObject::tr("Don't start"), QMessageBox::RejectRole));
    return question;
}

// The question about a lock held from another computer, not yet shown; the answer that removes
// the lock is its accepting button.
QMessageBox* ForeignLockQuestion(QWidget* window, const GenerationLogLock& logLock) {
    const GenerationLogLock::Holder& holder = logLock.CurrentHolder();
    return RemovalQuestion(
        window,
        QObject::tr("The generation log is locked by a Quarrow window on another computer:\n\n"
                    "computer %1, process %2, since %3\n\nLock file: %4\n\nThis computer "
                    "cannot tell whether that window is still running. If it is, wait until its "
                    "run has ended: removing the lock would let two runs write one log. If you "
                    "are sure it is no longer running, remove the lock and start the run.")
            .arg(holder.host)
            .arg(holder.process)
            .arg(QLocale().toString(holder.since, QLocale::ShortFormat),
                 QDir::toNativeSeparators(logLock.Path())),
        "foreignLockQuestion", QObject::tr("It is not running: remove the lock"));
}

// The question about something other than a file in the lock file's place, not yet shown;
// the answer that removes it is its accepting button.
QMessageBox* OccupantQuestion(QWidget* window, const GenerationLogLock& logLock) {
    return RemovalQuestion(
        window,
        OccupantParagraph(logLock) + QStringLiteral("\n\n") +
            (logLock.CurrentOccupant().kind == GenerationLogLock::Occupant::Kind::Link
                 ? QObject::tr("Remove the link and start the run? What it leads to stays.")
                 : QObject::tr("Remove it and start the run?")),
        "lockOccupantQuestion", QObject::tr("Remove it and start the run"));
}

} // namespace

QMessageBox* TakeGenerationLogLock(QWidget* window, GenerationLogLock& logLock,
                                   std::function<void()> taken) {
    const GenerationLogLock::Outcome outcome = logLock.Acquire();
    QMessageBox* question = nullptr;
    if (outcome == GenerationLogLock::Outcome::HeldByAnother && logLock.CurrentHolder().otherHost) {
        question = ForeignLockQuestion(window, logLock);
    } else if (outcome == GenerationLogLock::Outcome::Occupied && logLock.OccupantRemovable()) {
        question = OccupantQuestion(window, logLock);
    }
    if (question == nullptr) {
        if (SayWhyNotLocked(window, logLock, outcome)) {
            taken();
        }
        return nullptr;
    }
    QObject::connect(question, &QMessageBox::finished, question,
                     [window, question, &logLock, outcome, taken = std::move(taken)](int) {
                         if (question->buttonRole(question->clickedButton()) !=
                             QMessageBox::AcceptRole) {
                             return;
                         }
                         // Gone or changed meanwhile, the lock is looked at again; what cannot be
                         // removed still stands in the run's way.
                         GenerationLogLock::Outcome answered = outcome;
                         const bool removed = outcome == GenerationLogLock::Outcome::Occupied
                                                  ? logLock.RemoveOccupant()
                                                  : logLock.RemoveForeign();
                         if (removed) {
                             answered = logLock.Acquire();
                         }
                         if (SayWhyNotLocked(window, logLock, answered)) {
                             taken();
                         }
                     });
    OpenOverWindow(*question);
    return question;
}

} // namespace quarrow
