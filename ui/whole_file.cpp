#include "ui/whole_file.h"

#include <QSaveFile>

namespace quarrow {

QString SaveWholeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        // The reason first: giving up the write replaces it with one of its own.
        QString problem = file.errorString();
        file.cancelWriting();
        return problem;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

} // namespace quarrow
