#pragma once

#include "engine/run_cost.h"
#include "platform/clock.h"
#include "platform/generator.h"
#include "ui/common/task_runner.h"
#include "ui/common/zoom.h"
#include "ui/live/view_choices.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace Ui {
class Quarrow;
}

class QContextMenuEvent;
class QMenu;
class QTimer;

namespace quarrow {

class SearchPages;
class SelectionPage;

/// What the window needs from outside: the shared generator, the two clocks, where the
/// generation log lives and what opens it. Tests pass fakes and a temporary folder.
struct QuarrowServices {
    Generator* generator = nullptr;
    const TimeOfDayClock* timeOfDay = nullptr;
    const MonotonicClock* monotonic = nullptr;
    QString logPath;
    /// The program that shows a file or folder given as its one argument, and exits with a
    /// status other than 0 when it cannot (xdg-open). Empty: the desktop services, which only
    /// know whether an opener started.
    QString fileOpener;
};

/// The program's one window: four pages of the tutorial and the "&Quit" button.
///
/// All long-lived state lives in the controls (box texts, the selected option, the current
/// page). The handlers are thin: each page's controller (`SearchPages`, `SelectionPage`) reads
/// its boxes, runs the Qt-free libraries on the window's one task runner and writes its boxes.
class Quarrow : public QWidget {
    Q_OBJECT

public:
    explicit Quarrow(const QuarrowServices& services, QWidget* parent = nullptr);
    ~Quarrow() override;

    /// The live view's choices as the user last left them.
    ViewChoices& LiveViewChoices() { return viewChoices_; }

    /// The factor at which the layout is shown: 1 at its own size, more when zoomed, resized,
    /// maximised or full screen.
    double ZoomFactor() const { return shownFactor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    // --- Start-up, page changes, capitalisation (quarrow.cpp)
    void SetUpControls();
    void WireHandlers();
    void Form_Load();
    void SSTab1_Click(int previousTab);
    void txtPhrase_LostFocus();
    void txtTarget_LostFocus();
    // Passes the page that was left to SSTab1_Click.
    void TrackPageChange(int currentTab);
    // Keeps every page's controls where the layout puts them relative to SSTab1.
    void PlacePageControls();
    // Routes the focus-outs and page moves that eventFilter receives.
    bool FilterFoundationEvent(QObject* watched, QEvent* event);
    // How far a page's controls have been shifted to sit below its strip of tabs.
    static QPoint PlacedOffset(const QWidget* page);
    int shownTab_ = 0;

    // --- Zoom and full screen (quarrow_zoom.cpp)
    /// Records the layout as built, at 1x, and installs the zoom and full-screen keys.
    void InstallZoom();
    void ZoomIn();
    void ZoomOut();
    void ZoomReset();
    /// Sizes the window for the layout at this factor, as far as the screen allows.
    void ZoomTo(double factor);
    void ToggleFullScreen();
    /// Shows the layout as large as the window holds it, centred, in proportion.
    void FitLayoutToWindow();
    void ShowLayoutAt(double factor, QPoint offset);
    /// Sizes the strip's tabs for the layout at this factor.
    void SizeTabs(double factor);
    /// Sizes the option buttons' indicators for the layout at this factor.
    void SizeOptionIndicators(double factor);
    // A control as the layout places it: relative to its container, for a page's controls
    // relative to SSTab1 as the layout gives them.
    struct LaidOutControl {
        QPointer<QWidget> control;
        QRect place;
        bool onPage = false;
        bool topLevel = false;
        std::optional<QFont> font;
        int lineWidth = 0;
    };
    /// Puts one control where the layout at this factor places it, the window's own controls
    /// shifted by `offset`, and sizes its line and arrow to match; its face too when `rescaled`.
    void PlaceLaidOut(const LaidOutControl& laidOut, double factor, QPoint offset, bool rescaled,
                      qreal pixelRatio);
    std::vector<LaidOutControl> laidOut_;
    QSize layoutSize_;
    QFont layoutFont_;
    double shownFactor_ = 1.0;
    ProgramZoom* programZoom_ = nullptr;
    // The control the help window was last opened from, for placing it again.
    QPointer<const QWidget> helpOpener_;
    // Places the help again once the window has settled after a zoom; null until first needed.
    QTimer* helpPlacer_ = nullptr;

    // --- The language (quarrow_language.cpp)
    /// Installs Ctrl+Shift+L, which opens the menu of languages as the context menu does.
    void InstallLanguageChoice();
    /// A menu of the shipped languages, the one shown checked; choosing one shows the program in
    /// it.
    QMenu* LanguageMenu();
    void ShowLanguageMenu(QPoint at);
    /// Shows every text of the window in the program's language, keeping what the boxes hold.
    void ShowTexts();
    /// The texts the window's code sets over the form's (quarrow.cpp).
    void ShowCodeTexts();

    // --- The pages' runs (quarrow.cpp; the work is in search_pages.cpp, selection_page.cpp)
    void Command8_Click();
    void Command4_Click();
    void Command2_Click();
    void Command1_Click();
    void txtTarget_Change();
    void txtInitialGuess_Change();
    /// While a run goes on, says so and returns true: a second run waits for the first.
    bool RefuseWhileRunning();

    // --- Help and quit (quarrow_help.cpp)
    void InstallHelp();
    /// Says on each Explanation button which topic it opens, in the program's language.
    void DescribeHelpButtons();
    /// Opens the help window at this topic; 0 opens the contents. `opener` is the control it
    /// was asked from, if any.
    void ShowHelp(int context, const QWidget* opener);
    /// Puts the help window beside the window, or over it away from `opener` and the results.
    void PlaceHelp(QWidget& viewer, const QWidget* opener) const;
    /// Places an open help window again, by the same rule, once the window's zoom has changed.
    void PlaceHelpAgain();
    /// The result boxes of the page on show, in screen coordinates; empty if it has none.
    QRect ShownResults() const;
    /// Opens the topic of the control's help context.
    void ShowHelpFor(const QWidget* control);
    void Command3_Click();

    std::unique_ptr<Ui::Quarrow> ui_;
    QuarrowServices services_;
    // The live view's choices, kept while the program runs.
    ViewChoices viewChoices_;
    std::unique_ptr<SearchPages> searchPages_;
    std::unique_ptr<SelectionPage> selectionPage_;
    // The one runner of long work; IsRunning() keeps a queued click from nesting runs. Declared
    // last, so that a run still going stops before anything it uses goes.
    TaskRunner run_;
};

} // namespace quarrow
