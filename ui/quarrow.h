#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include "engine/run_cost.h"
#include "platform/clock.h"
#include "platform/generator.h"
#include "ui/background_run.h"
#include "ui/evolution_view.h"
#include "ui/zoom.h"

namespace Ui {
class Quarrow;
}

namespace quarrow {

/// What the window needs from outside: the shared generator, the two clocks and where the
/// generation log lives. Tests pass fakes and a temporary folder.
struct QuarrowServices {
    Generator* generator = nullptr;
    const TimeOfDayClock* timeOfDay = nullptr;
    const MonotonicClock* monotonic = nullptr;
    QString logPath;
};

/// The program's one window: four pages of the tutorial and the "&Quit" button.
///
/// All long-lived state lives in the controls (box texts, the selected option, the current
/// page); the handlers read boxes, call the Qt-free libraries and write boxes.
class Quarrow : public QWidget {
    Q_OBJECT

public:
    explicit Quarrow(const QuarrowServices& services, QWidget* parent = nullptr);
    ~Quarrow() override;

    // --- The three selection schemes, called by Command2_Click. Results are written once, at
    // the end of a run; an empty slot means the run did not finish.
    void AttenuatingSelection(QString& MatchWord, QString& FirstWord,
                              std::optional<float>& TimeLength,
                              std::optional<std::int64_t>& NumMutations,
                              std::optional<std::int64_t>& NumTotal);
    void SerialSelection(QString& MatchWord, QString& FirstWord, std::optional<float>& TimeLength,
                         std::optional<std::int64_t>& NumMutations,
                         std::optional<std::int64_t>& NumTotal);
    void SequentialSelection(QString& FirstWord, QString& MatchWord,
                             std::optional<float>& TimeLength,
                             std::optional<std::int64_t>& NumMutations,
                             std::optional<std::int64_t>& NumTotal);

    /// The live view's choices as the user last left them.
    ViewChoices& viewChoices() { return viewChoices_; }

    /// Where the generation log is written.
    QString logPath() const { return services_.logPath; }

    /// The factor at which the layout is shown: 1 at its own size, more when zoomed, resized,
    /// maximised or full screen.
    double zoomFactor() const { return shownFactor_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

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
    std::vector<LaidOutControl> laidOut_;
    QSize layoutSize_;
    QFont layoutFont_;
    double shownFactor_ = 1.0;
    ProgramZoom* programZoom_ = nullptr;

    // --- "Step Four" run and its log (quarrow_selection.cpp)
    void Command2_Click();
    void Command1_Click();
    /// Runs `scheme` on the page's two texts (the target, then the first string) on the worker
    /// thread with the live view beside the window; fills the slots when the run reached a
    /// result.
    void RunSelection(Scheme scheme, const QString& target, const QString& firstString,
                      std::optional<float>& TimeLength, std::optional<std::int64_t>& NumMutations,
                      std::optional<std::int64_t>& NumTotal);
    /// While a run goes on, says so and returns true: a second run waits for the first.
    bool RefuseWhileRunning();
    /// Before a long scheme-3 run: asks with its expected cost whether to start it; true to
    /// start (also when the run is not long and the log's drive has room).
    bool ConfirmLongRun(const SequentialExpectation& expected, std::optional<double> generationRate,
                        const QString& logFolder);
    /// Hands the log to the desktop's editor, or its folder to the file manager.
    void OpenLog(bool folderOnly);
    // Whether the last scheme procedure produced results; a refused or failed run leaves the
    // result boxes as they were.
    bool selectionProducedResults_ = false;

    // --- "Step Two" and "Step Three" (quarrow_search.cpp)
    void Command8_Click();
    void Command4_Click();

    // --- Help and quit (quarrow_help.cpp)
    void InstallHelp();
    /// Opens the help window at this topic; 0 opens the contents. `opener` is the control it
    /// was asked from, if any.
    void ShowHelp(int context, const QWidget* opener);
    /// Puts the help window beside the window, or over it away from `opener` and the results.
    void PlaceHelp(QWidget& viewer, const QWidget* opener) const;
    /// The result boxes of the page on show, in screen coordinates; empty if it has none.
    QRect ShownResults() const;
    /// Opens the topic of the control's help context.
    void ShowHelpFor(const QWidget* control);
    void Command3_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    void Command14_Click();
    void Command15_Click();
    void Command16_Click();

    std::unique_ptr<Ui::Quarrow> ui;
    QuarrowServices services_;
    // The live view's choices, kept while the program runs.
    ViewChoices viewChoices_;
    // The one worker for long work; its isRunning() keeps a queued click from nesting runs.
    BackgroundRun run_;
};

} // namespace quarrow
