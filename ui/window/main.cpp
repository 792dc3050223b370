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
    quarrow::plot::InstallCatalogue(app);

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

    // The window lays itself out, face included, on the English captions, whose places the
    // layout was made for, and then speaks the system's language where the program has it; its
    // menu changes the language. The change reaches it before it is first drawn.
    quarrow::Quarrow window(services);
    quarrow::plot::Catalogue::Of(app)->Use(
        quarrow::plot::MatchedLanguage(QLocale::system().uiLanguages()));
    window.show();
    return QApplication::exec();
}
