// Drives the real window through a lesson on a real display and grabs the whole screen at each
// scene, for the screenshots in docs/. Not a test: scripts/screenshots.sh runs it under a
// private X server with a window manager, once for each screen size and zoom.
//
//   quarrow_screen_tour FOLDER NAME PHRASE [--zoom-steps N] [--full-screen] [--scheme 1|2|3]
//                       [--zoom-after N] [--language CODE] [--pages-only]
//
// writes, in FOLDER, first the four pages as a class sees them after each one's "Go":
// step-one-NAME.png (the phrase typed in), step-two-NAME.png (the strings a second measured and
// the time a match would take), step-three-NAME.png (the best of 500 random strings),
// step-four-NAME.png (the figures of a run at full speed, its view closed; scheme 1 for
// --scheme 3) and help-window-NAME.png (the help as "Step One"'s Instructions button opens it).
// --pages-only stops there; otherwise it goes on to live-view-4-a-second-NAME.png (running at 4
// generations a second), live-view-paused-NAME.png (held after a few generations, the offspring
// shown), live-view-finished-NAME.png (the finished view) and repeat-window-NAME.png (the Repeat
// window after 100 runs of each scheme). --zoom-after zooms the main window in N steps once the
// view is open, as a teacher who finds the text too small does. --language shows the program in
// one of the shipped languages (de, fr, es, pt_BR), chosen once the window is built, as its menu
// does.

#include "platform/clock.h"
#include "platform/generator.h"
#include "plot/catalogue.h"
#include "ui/live/evolution_view.h"
#include "ui/window/quarrow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace {

constexpr int kStepTwo = 1;
constexpr int kStepThree = 2;
constexpr int kStepFour = 3;

bool WaitFor(const std::function<bool()>& done, int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired()) {
            return false;
        }
        QTest::qWait(20);
    }
    return true;
}

void Grab(const QString& path) {
    // Let the window manager and the repaint timers catch up before the picture is taken.
    QTest::qWait(800);
    const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
    if (!screen.save(path)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    } else {
        std::printf("%s\n", qPrintable(path));
    }
}

quarrow::EvolutionView* View() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* view = qobject_cast<quarrow::EvolutionView*>(widget);
            view != nullptr && view->isVisible()) {
            return view;
        }
    }
    return nullptr;
}

template <typename T> T* Find(QWidget* within, const char* name) {
    return within == nullptr ? nullptr : within->findChild<T*>(QString::fromLatin1(name));
}

void ChooseSpeed(QWidget* view, double rate) {
    auto* speed = Find<QComboBox>(view, "speedBox");
    if (speed != nullptr) {
        speed->setCurrentIndex(speed->findData(rate));
    }
}

int Generation(QWidget* view) {
    auto* figures = Find<QLabel>(view, "progressLabel");
    if (figures == nullptr) {
        return 0;
    }
    // "Generation: 12" opens the figures, in the language shown.
    const QString text = figures->text();
    const QString opening =
        QCoreApplication::translate("quarrow::EvolutionView", "Generation: %1").section('%', 0, 0);
    const qsizetype at = text.indexOf(opening);
    if (at < 0) {
        return 0;
    }
    QString digits;
    for (qsizetype i = at + opening.size(); i < text.size(); ++i) {
        if (text[i].isDigit()) {
            digits += text[i];
        } else if (!digits.isEmpty() && text[i] != QChar(',')) {
            break;
        }
    }
    return digits.toInt();
}

/// Runs a batch in the Repeat window `repeat` as a teacher would, with a guess of 40, and waits
/// for its chart; false when there is no such window.
bool RunRepeatBatch(QWidget* repeat, const QString& phrase) {
    auto* start = Find<QPushButton>(repeat, "repeatStartButton");
    if (start == nullptr) {
        std::fprintf(stderr, "no Repeat window\n");
        return false;
    }
    // Scheme 3 on a long phrase takes hours a run; the pictures show the two that finish.
    if (auto* sequential = Find<QCheckBox>(repeat, "repeatScheme3");
        sequential != nullptr && phrase.size() > 14) {
        sequential->setChecked(false);
    }
    if (auto* guess = Find<QLineEdit>(repeat, "repeatGuessBox")) {
        guess->setText(QStringLiteral("40"));
    }
    // Start waits for the window's measurement of this computer's speed.
    if (!WaitFor([start] { return start->isEnabled(); }, 60000)) {
        std::fprintf(stderr, "the Repeat window's Start was never enabled\n");
    }
    start->click();
    // Saving becomes possible once the batch has drawn its chart.
    auto* save = Find<QPushButton>(repeat, "repeatSaveButton");
    if (!WaitFor(
            [start, save] { return start->isEnabled() && save != nullptr && save->isEnabled(); },
            180000)) {
        std::fprintf(stderr, "the Repeat batch did not finish in three minutes\n");
    }
    return true;
}

template <typename T> T* Find(QWidget& within, const char* name) {
    return Find<T>(&within, name);
}

bool Filled(QWidget& window, const char* box) {
    auto* result = Find<QLineEdit>(window, box);
    return result != nullptr && !result->text().isEmpty();
}

QWidget* Help(QWidget& window) {
    auto* help = Find<QWidget>(window, "helpViewer");
    return help != nullptr && help->isVisible() ? help : nullptr;
}

/// Presses the Go button `go` on `page` of `window` and waits, up to `milliseconds`, until the
/// box `result` shows what it found; false when it never did.
bool PressGo(QWidget& window, int page, const char* go, const char* result, int milliseconds) {
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(page);
    QTest::qWait(300);
    Find<QPushButton>(window, go)->click();
    if (!WaitFor([&] { return Filled(window, result); }, milliseconds)) {
        std::fprintf(stderr, "%s never showed a result\n", go);
        return false;
    }
    return true;
}

/// Takes each page in turn after its "Go", and the help window; false when a page did not show
/// its result. The window shows `phrase` as typed on "Step One".
bool TourPages(quarrow::Quarrow& window, const QString& phrase,
               const std::function<QString(const char*)>& picture, int scheme) {
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(0);
    auto* phraseBox = Find<QLineEdit>(window, "txtPhrase");
    phraseBox->setFocus();
    phraseBox->selectAll();
    QTest::keyClicks(phraseBox, phrase);
    Grab(picture("step-one"));

    // The Instructions button of "Step One" opens the help beside the window, its first topic
    // shown.
    Find<QPushButton>(window, "Command5")->click();
    if (!WaitFor([&window] { return Help(window) != nullptr; }, 5000)) {
        std::fprintf(stderr, "the help window did not open\n");
        return false;
    }
    Grab(picture("help-window"));
    Help(window)->close();
    window.activateWindow();
    WaitFor([&window] { return QApplication::activeWindow() == &window; }, 3000);

    // "Step Two" measures for about a second; "Step Three" makes its 500 strings in a few.
    if (!PressGo(window, kStepTwo, "Command8", "txtRndString", 30000)) {
        return false;
    }
    Grab(picture("step-two"));
    if (!PressGo(window, kStepThree, "Command4", "txtBestString", 120000)) {
        return false;
    }
    Grab(picture("step-three"));

    // At full speed a run of schemes 1 and 2 is over in moments. The finished view is closed
    // before the picture, as a class closes it to read the page's figures: on a small screen or
    // at a large zoom it covers most of the page.
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(kStepFour);
    // Scheme 3 on a long phrase takes hours; its page shows scheme 1 instead.
    const int pageScheme = scheme == 3 ? 1 : scheme;
    window.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(pageScheme))->setChecked(true);
    window.LiveViewChoices().slowMotion = false;
    if (!PressGo(window, kStepFour, "Command2", "txtNumGen", 120000)) {
        return false;
    }
    WaitFor([] { return View() != nullptr; }, 5000);
    if (QWidget* view = View()) {
        view->close();
    }
    window.activateWindow();
    WaitFor([&window] { return QApplication::activeWindow() == &window; }, 3000);
    Grab(picture("step-four"));
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quarrow"));
    // The texts as the program shows them, its English plurals included.
    quarrow::plot::InstallCatalogue(app);
    // Each picture's name is printed as it is written, also into a pipe.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 4) {
        std::fprintf(stderr, "usage: quarrow_screen_tour FOLDER NAME PHRASE [--zoom-steps N] "
                             "[--full-screen] [--scheme 1|2|3] [--zoom-after N] "
                             "[--language CODE] [--pages-only]\n");
        return 2;
    }
    const QString& folderPath = arguments[1];
    const QString& name = arguments[2];
    const QString& phrase = arguments[3];
    const auto picture = [&](const char* scene) {
        return QStringLiteral("%1/%2-%3.png").arg(folderPath, QLatin1String(scene), name);
    };
    const int zoomAt = static_cast<int>(arguments.indexOf(QStringLiteral("--zoom-steps")));
    const int zoomSteps = zoomAt > 0 ? arguments.value(zoomAt + 1).toInt() : 0;
    const int zoomAfterAt = static_cast<int>(arguments.indexOf(QStringLiteral("--zoom-after")));
    const int zoomAfter = zoomAfterAt > 0 ? arguments.value(zoomAfterAt + 1).toInt() : 0;
    const bool fullScreen = arguments.contains(QStringLiteral("--full-screen"));
    const int schemeAt = static_cast<int>(arguments.indexOf(QStringLiteral("--scheme")));
    const int scheme = schemeAt > 0 ? arguments.value(schemeAt + 1).toInt() : 1;

    QTemporaryDir folder;
    quarrow::Generator generator;
    quarrow::QuarrowServices services;
    services.generator = &generator;
    services.timeOfDay = &quarrow::SystemTimeOfDay();
    services.monotonic = &quarrow::SystemMonotonic();
    services.logPath = folder.filePath(QStringLiteral("hold.txt"));
    quarrow::Quarrow window(services);
    const int languageAt = static_cast<int>(arguments.indexOf(QStringLiteral("--language")));
    if (languageAt > 0 &&
        !quarrow::plot::Catalogue::Of(app)->Use(arguments.value(languageAt + 1))) {
        std::fprintf(stderr, "no such language\n");
        return 2;
    }
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window did not show\n");
        return 1;
    }
    window.activateWindow();

    for (int i = 0; i < zoomSteps; ++i) {
        QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
    }
    if (fullScreen) {
        QTest::keyClick(&window, Qt::Key_F11);
    }
    QTest::qWait(500);

    if (!TourPages(window, phrase, picture, scheme)) {
        return 1;
    }
    if (arguments.contains(QStringLiteral("--pages-only"))) {
        return 0;
    }
    auto* phraseBox = window.findChild<QLineEdit*>(QStringLiteral("txtPhrase"));
    phraseBox->setText(phrase);
    window.findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(kStepFour);
    window.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(scheme))->setChecked(true);
    // Slow motion is a choice the view keeps between runs, as a teacher's would be.
    window.LiveViewChoices().slowMotion = true;
    window.LiveViewChoices().slowMotionRate = 4.0;
    window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();

    if (!WaitFor([] { return View() != nullptr && Generation(View()) >= 6; }, 20000)) {
        std::fprintf(stderr, "the live view did not reach generation 6\n");
        return 1;
    }
    QWidget* view = View();
    // The teacher turns back to the main window, as for its zoom keys: the view stays in front.
    window.activateWindow();
    WaitFor([&window] { return QApplication::activeWindow() == &window; }, 3000);
    for (int i = 0; i < zoomAfter; ++i) {
        // One step at a time, as a hand would: each waits for the window to take its size.
        const double before = window.ZoomFactor();
        QTest::keyClick(&window, Qt::Key_Equal, Qt::ControlModifier);
        if (!WaitFor([&] { return window.ZoomFactor() > before; }, 3000)) {
            std::fprintf(stderr, "zoom step %d did not take\n", i + 1);
        }
    }
    Grab(picture("live-view-4-a-second"));
    Find<QPushButton>(view, "pauseButton")->click();
    Grab(picture("live-view-paused"));

    ChooseSpeed(view, 0.0);
    Find<QPushButton>(view, "pauseButton")->click();
    if (!WaitFor(
            [view] {
                auto* repeat = Find<QPushButton>(view, "repeatButton");
                return repeat != nullptr && repeat->isVisible() && repeat->isEnabled();
            },
            600000)) {
        std::fprintf(stderr, "the run did not finish\n");
        return 1;
    }
    Grab(picture("live-view-finished"));

    Find<QPushButton>(view, "repeatButton")->click();
    QWidget* repeat = nullptr;
    WaitFor(
        [&repeat] {
            for (QWidget* widget : QApplication::allWidgets()) {
                if (widget->objectName() == QStringLiteral("repeatWindow") && widget->isVisible()) {
                    repeat = widget;
                    return true;
                }
            }
            return false;
        },
        5000);
    if (!RunRepeatBatch(repeat, phrase)) {
        return 1;
    }
    Grab(picture("repeat-window"));
    return 0;
}
