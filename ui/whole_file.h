#pragma once

#include <QByteArray>
#include <QString>

namespace quarrow {

/// Writes `bytes` to the file at `path`. The bytes go to a file beside it that is renamed over it
/// only once every byte is written, so that a failure (a full disk, a folder that cannot be
/// written) leaves an earlier file as it was. Returns why it could not, or an empty text.
QString SaveWholeFile(const QString& path, const QByteArray& bytes);

} // namespace quarrow
