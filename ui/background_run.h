#pragma once

#include <atomic>
#include <chrono>
#include <functional>

#include <QObject>
#include <QPointer>

class QWidget;

namespace quarrow {

/// Runs one piece of long work on a worker thread while the window keeps painting.
///
/// `exec` blocks its caller (so a handler can be written straight through, as if the work ran
/// in place) but keeps the UI thread's events flowing. A dialog, if one is given, opens after a
/// short delay, so quick work never flashes a dialog; its Cancel sets the cancel flag that the
/// work polls. Only one piece of work runs at a time: `isRunning` lets handlers ignore a queued
/// second click instead of nesting a run inside a run.
///
/// A dialog given a modality blocks the user's input to the window it belongs to while it is
/// open, as a window-modal dialog would, but it is not modal to the toolkit: a modal dialog would
/// also swallow the window manager's request to close that window, and closing the window must
/// end the program even in the middle of a run. A non-modal dialog (the live view) leaves the
/// window free.
class BackgroundRun : public QObject {
    Q_OBJECT

public:
    /// Why a run was cancelled.
    enum class CancelReason { None, User, Closing };

    /// The work: it must return soon after `cancel` becomes true.
    using Work = std::function<void(const std::atomic<bool>& cancel)>;

    explicit BackgroundRun(QObject* parent = nullptr);
    ~BackgroundRun() override;

    /// Delay before the dialog opens (about half a second by default).
    void setDialogDelay(std::chrono::milliseconds delay) { dialogDelay_ = delay; }
    /// How often `refresh` is called on the UI thread while the work runs.
    void setRefreshInterval(std::chrono::milliseconds interval) { refreshInterval_ = interval; }
    /// Whether an open dialog blocks input to its window (yes by default); a dialog that is
    /// meant to be used beside the window turns this off for its runs.
    void setDialogBlocksWindow(bool blocks) { dialogBlocksWindow_ = blocks; }

    /// Runs `work` on a worker thread and returns when it has returned. `refresh` (may be empty)
    /// is called on the UI thread every refresh interval and once more at the end; `dialog` (may
    /// be null) is opened after the delay, blocking its window unless it is non-modal, and closed
    /// at the end. Returns
    /// false without running anything if a run is already in progress.
    ///
    /// The dialog may be any window: a QDialog cancels the run when it is rejected, and any
    /// window with a `cancelRequested()` signal when it emits it.
    bool exec(const Work& work, const std::function<void()>& refresh = {},
              QWidget* dialog = nullptr);

    /// Whether a run is in progress.
    bool isRunning() const { return running_; }
    /// Asks the running work to stop; a no-op when nothing runs.
    void cancel(CancelReason reason = CancelReason::User);
    /// Cancels the run for the user; what a dialog's cancel is connected to.
    Q_SLOT void requestCancel() { cancel(CancelReason::User); }
    /// Why the last run was cancelled, or None if it ran to its end.
    CancelReason cancelReason() const { return reason_; }
    /// Whether the last run was cancelled.
    bool wasCancelled() const { return reason_ != CancelReason::None; }

signals:
    /// The dialog has just opened (tests wait for it).
    void dialogOpened();

private:
    std::chrono::milliseconds dialogDelay_{500};
    std::chrono::milliseconds refreshInterval_{50};
    bool dialogBlocksWindow_ = true;
    std::atomic<bool> cancel_{false};
    bool running_ = false;
    CancelReason reason_ = CancelReason::None;
    QPointer<QWidget> dialog_;
};

} // namespace quarrow
