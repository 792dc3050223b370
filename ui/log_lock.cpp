#include "ui/log_lock.h"

namespace quarrow {

GenerationLogLock::GenerationLogLock(const QString& logPath)
    : path_(logPath + QStringLiteral(".lock")), lock_(path_) {
    // Not stale by age: a run of a long phrase may write its log for hours. Only a lock whose
    // owner is no longer running counts as stale.
    lock_.setStaleLockTime(0);
}

bool GenerationLogLock::acquire() {
    return lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
}

} // namespace quarrow
