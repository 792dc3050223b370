#include "platform/clock.h"
#include "platform/generator.h"
#include "plot/catalogue.h"
#include "ui/window/quarrow.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrow"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setDesktopFileName(QStringLiteral("quarrow"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quarrow.png")));
    // In the system's language where the program speaks it; the window's menu changes it.
    quarrow::plot::InstallCatalogue(
        app, quarrow::plot::MatchedLanguage(QLocale::system().uiLanguages()));

    const QString dataFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);

    quarrow::Generator generator;
    quarrow::QuarrowServices services;
    services.generator = &generator;
    services.timeOfDay = &quarrow::SystemTimeOfDay();
    services.monotonic = &quarrow::SystemMonotonic();
    services.logPath = QDir(dataFolder).filePath(QStringLiteral("hold.txt"));
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Its exit says whether anything was shown: installed with no program for text files, it
    // starts and fails.
    services.fileOpener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
#endif

    quarrow::Quarrow window(services);
    window.show();
    return QApplication::exec();
}
