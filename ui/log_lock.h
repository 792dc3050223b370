#pragma once

#include <QLockFile>
#include <QString>

namespace quarrow {

/// The lock beside the generation log ("hold.txt.lock") that a run holds from before it opens
/// the log until after it has closed it, so that two windows never write the same log at once.
///
/// A lock left behind by a program that ended without releasing it (a crash, a kill) is taken
/// over; a lock held by a live program is respected however long its run lasts.
class GenerationLogLock {
public:
    explicit GenerationLogLock(const QString& logPath);

    /// Takes the lock; false only when another program's run holds it. Where no lock can be
    /// made at all (a folder that cannot be written), the run goes ahead and its log reports
    /// whatever stops it.
    bool acquire();

    /// The lock file's path.
    QString path() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

} // namespace quarrow
