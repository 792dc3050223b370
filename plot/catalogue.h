#pragma once

#include <QString>

class QCoreApplication;

namespace quarrow::plot {

/// Where the compiled catalogue is embedded: the English plural forms ("1 hit", "2 hits"); a
/// text with no translation there shows its source.
inline QString CatalogueResource() {
    return QStringLiteral(":/i18n/quarrow_en.qm");
}

/// Installs the compiled catalogue on `app`, before any window is made; false when it cannot
/// be read. The window, the lab (before it draws a chart) and the GUI tests start with it.
bool InstallCatalogue(QCoreApplication& app);

} // namespace quarrow::plot
