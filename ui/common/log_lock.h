#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>

#include <functional>

class QMessageBox;
class QWidget;

namespace quarrow {

/// The lock beside the generation log ("hold.txt.lock") that a run holds from before it opens
/// the log until after it has closed it, so that two windows never write the same log at once.
///
/// A lock is never stale by age: a run of a long phrase may write its log for hours. A lock
/// whose owner on this machine is no longer running is taken over, and so is a lock file that
/// says nothing (empty, or not a lock at all: a crash between making and writing it). A lock
/// from another machine sharing the folder cannot be checked from here: only the user can say
/// that its window has gone, and then `RemoveForeign` clears it. Something that is no lock file
/// at all in its place (a folder, a link) is no window's lock: only the user can say whether it
/// may go, and then `RemoveOccupant` clears it.
class GenerationLogLock {
public:
    enum class Outcome {
        /// The lock is this run's until the object goes.
        Held,
        /// Another window holds it: `CurrentHolder()` says whose.
        HeldByAnother,
        /// No lock could be made (a folder that cannot be written, a full disk): `Problem()`
        /// says why. The run must not start, or two runs could write one log.
        CannotLock,
        /// Something other than a file stands where the lock file goes: `CurrentOccupant()`
        /// says what.
        Occupied,
    };

    /// What stands in the lock file's place when it is not a file.
    struct Occupant {
        enum class Kind { Folder, Link, Special };
        Kind kind = Kind::Special;
        /// Files and folders inside a folder; only an empty one is ever removed.
        qint64 entries = 0;
        /// Where a link points, and whether anything is there.
        QString linkTarget;
        bool linkLeadsNowhere = false;
    };

    /// Who holds a lock, as its file says.
    struct Holder {
        qint64 process = 0;
        QString host;
        QString application;
        /// When the lock file was last written.
        QDateTime since;
        /// Whether the holder runs on another machine, where this one cannot tell if it lives.
        bool otherHost = false;
    };

    explicit GenerationLogLock(const QString& logPath);

    /// Tries to take the lock without waiting.
    Outcome Acquire();

    /// The holder found by the last `Acquire` that returned `HeldByAnother`.
    const Holder& CurrentHolder() const { return holder_; }
    /// Why the last `Acquire` returned `CannotLock`, or why `RemoveOccupant` failed.
    const QString& Problem() const { return problem_; }
    /// What the last `Acquire` that returned `Occupied` found.
    const Occupant& CurrentOccupant() const { return occupant_; }
    /// Whether the occupant may be removed on the user's word: anything but a folder holding
    /// files.
    bool OccupantRemovable() const {
        return occupant_.kind != Occupant::Kind::Folder || occupant_.entries == 0;
    }

    /// Removes a lock held from another machine, once the user has said that its window is no
    /// longer running; false if the lock is not that one any more or cannot be removed.
    bool RemoveForeign();
    /// Removes what stands in the lock file's place (a link, not what it points to), once the
    /// user has said it may go; false, with `Problem()` saying why, if it cannot be removed.
    /// A folder is removed only while it is empty.
    bool RemoveOccupant();

    /// The lock file's path.
    QString Path() const { return path_; }
    /// The path of the log it guards.
    const QString& LogPath() const { return logPath_; }

private:
    void ClearIfBlank();
    /// Whether something other than a file stands in the lock file's place; fills `occupant_`.
    bool FindOccupant();
    QString WriteProblem() const;

    QString logPath_;
    QString path_;
    QLockFile lock_;
    Holder holder_;
    Occupant occupant_;
    QString problem_;
};

/// Takes `logLock` for a run of `window` and then calls `taken`, or says why the run does not
/// start: another window runs (a message naming the lock file and its holder), or no lock can be
/// made (a message naming the folder and why). A lock from another computer is asked about first
/// (a question naming the computer, the process and since when, which offers to remove it), and
/// so is something other than a file in the lock file's place (a question saying what and where
/// it is): the question is returned open, and `taken` follows its answer once the lock is removed
/// and taken. Returns null when nothing is asked. `logLock` must live until the question has gone;
/// `taken` may hold it.
QMessageBox* TakeGenerationLogLock(QWidget* window, GenerationLogLock& logLock,
                                   std::function<void()> taken);

} // namespace quarrow
