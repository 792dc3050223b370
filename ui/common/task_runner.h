#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QPromise>
#include <QString>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

class QDialog;
class QWidget;

namespace quarrow {

/// Shows `dialog` over the window it belongs to and keeps the user's input away from that window
/// while it shows, as `QDialog::open()` would, without making it modal to the toolkit: a modal
/// dialog would swallow the window manager's request to close the window, and closing the
/// window ends the program whatever is open. The answer comes through `finished`, as after
/// `open()`.
void OpenOverWindow(QDialog& dialog);

/// Why a task was asked to stop.
enum class StopReason { None, User, Closing };

/// How a task ended, as its owner receives it on the UI thread.
template <typename T> struct TaskEnd {
    /// What the work returned; empty when it threw.
    std::optional<T> result;
    /// What the work threw, in words; empty when it returned.
    QString failure;
    /// Why it was asked to stop, if it was.
    StopReason stopped = StopReason::None;
};

/// What the window shows of a task while it runs.
struct TaskWatch {
    /// Called on the UI thread every few hundredths of a second while the task runs, and once
    /// more when it has ended, before its end is handed over; may be empty.
    std::function<void()> progress = {};
    /// Opened after a short delay, so that quick work never flashes it, and hidden at the end;
    /// may be null. Its owner connects its cancel to `Stop`.
    QWidget* dialog = nullptr;
    /// Whether the dialog keeps the user's input away from the window it belongs to.
    bool dialogBlocksWindow = true;
    /// Whether the pointer shows the window busy while the task runs.
    bool busyCursor = false;
};

/// Runs one long piece of work at a time on the thread pool while the window keeps painting.
///
/// `Start` returns at once; the work polls its cancel flag, and its end (the result, or what it
/// threw, such as running out of memory) always comes back on the UI thread through the `done`
/// callback. Only one task runs at a time: `Start` refuses a second, so that a queued click
/// never nests a run inside a run.
///
/// A dialog that blocks its window keeps the user's input away from that window while it shows,
/// as a window-modal dialog would, without being modal to the toolkit: a modal dialog would
/// also swallow the window manager's request to close the window, and closing the window must
/// end the program even in the middle of a run. Closing goes through `StopAndWait`.
class TaskRunner : public QObject {
    Q_OBJECT

public:
    using Cancel = std::atomic<bool>;

    explicit TaskRunner(QObject* parent = nullptr);
    /// Stops a task still running and waits for its worker; its end is not handed over.
    ~TaskRunner() override;
    TaskRunner(const TaskRunner&) = delete;
    TaskRunner& operator=(const TaskRunner&) = delete;

    /// Delay before a task's dialog opens (half a second by default).
    void SetDialogDelay(std::chrono::milliseconds delay) { dialogDelay_ = delay; }

    /// Runs `work` on the thread pool and hands its end to `done` on this thread. The work may
    /// use whatever `done` holds: `done` lives until the work has returned. Returns false, and
    /// runs nothing, while another task runs.
    template <typename T>
    bool Start(std::function<T(const Cancel&)> work, std::function<void(TaskEnd<T>)> done,
               TaskWatch watch = {});

    /// Whether a task runs.
    bool IsRunning() const { return running_; }
    /// Asks the running task to stop; a no-op when none runs. Closing outranks the user.
    void Stop(StopReason reason = StopReason::User);
    /// Stops the running task and blocks until its worker has returned, without turning the
    /// event loop; its end is handed to `done` before this returns. For closing the window.
    void StopAndWait(StopReason reason = StopReason::Closing);

    /// What a task threw, in words.
    static QString Describe(const std::exception_ptr& thrown);

private:
    // What the running task's type-specific half does: wait for its worker, hand its end over.
    struct Pending {
        std::function<void()> wait;
        std::function<void()> finish;
    };

    void Begin(TaskWatch watch, Pending pending);
    void Finish(std::uint64_t task);
    void ShowDialog();
    void EndWatch();

    std::chrono::milliseconds dialogDelay_{500};
    Cancel cancel_{false};
    bool running_ = false;
    StopReason reason_ = StopReason::None;
    std::uint64_t task_ = 0;
    Pending pending_;
    TaskWatch watch_;
    QPointer<QWidget> dialog_;
    QTimer progressTimer_;
    QTimer dialogTimer_;
    std::unique_ptr<QObject> inputGuard_;
};

template <typename T>
bool TaskRunner::Start(std::function<T(const Cancel&)> work, std::function<void(TaskEnd<T>)> done,
                       TaskWatch watch) {
    if (running_) {
        return false;
    }
    auto* watcher = new QFutureWatcher<T>(this);
    Pending pending;
    pending.wait = [watcher] { watcher->waitForFinished(); };
    pending.finish = [this, watcher, done = std::move(done)] {
        TaskEnd<T> end;
        end.stopped = reason_;
        try {
            end.result = watcher->result();
        } catch (...) {
            end.failure = Describe(std::current_exception());
        }
        watcher->deleteLater();
        done(std::move(end));
    };
    Begin(std::move(watch), std::move(pending));
    const std::uint64_t task = task_;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, task] { Finish(task); });
    watcher->setFuture(
        QtConcurrent::run([&cancel = cancel_, work = std::move(work)](QPromise<T>& promise) {
            promise.addResult(work(cancel));
        }));
    return true;
}

} // namespace quarrow
