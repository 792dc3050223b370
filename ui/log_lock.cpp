#include "ui/log_lock.h"

#include "ui/box_text.h"
#include "ui/task_runner.h"
#include "ui/zoom.h"

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

GenerationLogLock::Outcome GenerationLogLock::Acquire() {
    holder_ = Holder{};
    problem_.clear();
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

namespace {

// Says why the run does not start when `outcome` leaves the lock to another; true when it is
// this run's.
bool SayWhyNotLocked(QWidget* window, const GenerationLogLock& logLock,
                     GenerationLogLock::Outcome outcome) {
    switch (outcome) {
    case GenerationLogLock::Outcome::Held:
        return true;
    case GenerationLogLock::Outcome::HeldByAnother:
        ShowWindowMessage(
            window, QMessageBox::Warning,
            QObject::tr("Another Quarrow window is running a selection and writing the "
                        "generation log:\n%1\n\nThe run was not started. Try again "
                        "once that run has ended.\n\nLock file: %2 (process %3 on %4)")
                .arg(QDir::toNativeSeparators(logLock.LogPath()),
                     QDir::toNativeSeparators(logLock.Path()))
                .arg(logLock.CurrentHolder().process)
                .arg(logLock.CurrentHolder().host),
            kSelectionMessageName);
        return false;
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

// The question about a lock held from another computer, not yet shown; the answer that removes
// the lock is its accepting button.
QMessageBox* ForeignLockQuestion(QWidget* window, const GenerationLogLock& logLock) {
    const GenerationLogLock::Holder& holder = logLock.CurrentHolder();
    auto* question = new QMessageBox(
        QMessageBox::Question, window->windowTitle(),
        QObject::tr("The generation log is locked by a Quarrow window on another computer:\n\n"
                    "computer %1, process %2, since %3\n\nLock file: %4\n\nThis computer "
                    "cannot tell whether that window is still running. If it is, wait until its "
                    "run has ended: removing the lock would let two runs write one log. If you "
                    "are sure it is no longer running, remove the lock and start the run.")
            .arg(holder.host)
            .arg(holder.process)
            .arg(QLocale().toString(holder.since, QLocale::ShortFormat),
                 QDir::toNativeSeparators(logLock.Path())),
        QMessageBox::NoButton, window);
    question->setObjectName(QStringLiteral("foreignLockQuestion"));
    question->setAttribute(Qt::WA_DeleteOnClose);
    new WindowZoom(*question);
    question->addButton(QObject::tr("It is not running: remove the lock"), QMessageBox::AcceptRole);
    question->setDefaultButton(
        question->addButton(QObject::tr("Don't start"), QMessageBox::RejectRole));
    return question;
}

} // namespace

QMessageBox* TakeGenerationLogLock(QWidget* window, GenerationLogLock& logLock,
                                   std::function<void()> taken) {
    const GenerationLogLock::Outcome outcome = logLock.Acquire();
    if (outcome != GenerationLogLock::Outcome::HeldByAnother ||
        !logLock.CurrentHolder().otherHost) {
        if (SayWhyNotLocked(window, logLock, outcome)) {
            taken();
        }
        return nullptr;
    }
    QMessageBox* question = ForeignLockQuestion(window, logLock);
    QObject::connect(
        question, &QMessageBox::finished, question,
        [window, question, &logLock, taken = std::move(taken)](int) {
            if (question->buttonRole(question->clickedButton()) != QMessageBox::AcceptRole) {
                return;
            }
            // Gone or changed meanwhile, the lock is looked at again; one that cannot be
            // removed is still another's.
            GenerationLogLock::Outcome answered = GenerationLogLock::Outcome::HeldByAnother;
            if (logLock.RemoveForeign()) {
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
