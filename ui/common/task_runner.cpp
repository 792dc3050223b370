#include "ui/common/task_runner.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QException>
#include <QWidget>

#include <algorithm>
#include <array>
#include <exception>

namespace quarrow {

namespace {

// How often a running task's progress is shown.
constexpr std::chrono::milliseconds kProgressInterval{50};

// The events by which the user acts on a window.
constexpr std::array kUserInput{
    QEvent::MouseButtonPress,
    QEvent::MouseButtonRelease,
    QEvent::MouseButtonDblClick,
    QEvent::MouseMove,
    QEvent::Wheel,
    QEvent::KeyPress,
    QEvent::KeyRelease,
    QEvent::Shortcut,
    QEvent::ShortcutOverride,
    QEvent::ContextMenu,
    QEvent::TouchBegin,
    QEvent::TouchUpdate,
    QEvent::TouchEnd,
    QEvent::TabletPress,
    QEvent::TabletRelease,
    QEvent::TabletMove,
    QEvent::DragEnter,
    QEvent::Drop,
};

bool IsUserInput(QEvent::Type type) {
    return std::find(kUserInput.begin(), kUserInput.end(), type) != kUserInput.end();
}

// Keeps the user's input away from one window while a dialog of it is open, and brings the
// dialog forward when the user reaches for the window. Everything else, the window manager's
// close request included, still reaches the window.
class InputGuard final : public QObject {
public:
    InputGuard(QWidget* window, QWidget* dialog) : window_(window), dialog_(dialog) {
        qApp->installEventFilter(this);
    }
    ~InputGuard() override { qApp->removeEventFilter(this); }
    InputGuard(const InputGuard&) = delete;
    InputGuard& operator=(const InputGuard&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWidgetType() || !IsUserInput(event->type()) || window_.isNull() ||
            dialog_.isNull() || !dialog_->isVisible()) {
            return false;
        }
        if (static_cast<QWidget*>(watched)->window() != window_) {
            return false;
        }
        if (event->type() == QEvent::MouseButtonPress) {
            dialog_->raise();
            dialog_->activateWindow();
        }
        return true;
    }

private:
    QPointer<QWidget> window_;
    QPointer<QWidget> dialog_;
};

} // namespace

void OpenOverWindow(QDialog& dialog) {
    if (QWidget* owner = dialog.parentWidget()) {
        // Goes with the dialog; while the dialog is hidden it lets everything through.
        (new InputGuard(owner->window(), &dialog))->setParent(&dialog);
    }
    dialog.setWindowModality(Qt::NonModal);
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

TaskRunner::TaskRunner(QObject* parent) : QObject(parent) {
    progressTimer_.setInterval(kProgressInterval);
    connect(&progressTimer_, &QTimer::timeout, this, [this] {
        if (watch_.progress) {
            watch_.progress();
        }
    });
    dialogTimer_.setSingleShot(true);
    connect(&dialogTimer_, &QTimer::timeout, this, &TaskRunner::ShowDialog);
}

TaskRunner::~TaskRunner() {
    if (!running_) {
        return;
    }
    cancel_.store(true);
    pending_.wait();
    EndWatch();
    running_ = false;
}

QString TaskRunner::Describe(const std::exception_ptr& thrown) {
    try {
        std::rethrow_exception(thrown);
    } catch (const QUnhandledException& wrapped) {
        // What the work threw, carried across the threads.
        return wrapped.exception() ? Describe(wrapped.exception()) : tr("an unknown error");
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return tr("an unknown error");
    }
}

void TaskRunner::Stop(StopReason reason) {
    if (!running_) {
        return;
    }
    if (reason_ == StopReason::None || reason == StopReason::Closing) {
        reason_ = reason;
    }
    cancel_.store(true);
}

void TaskRunner::StopAndWait(StopReason reason) {
    if (!running_) {
        return;
    }
    Stop(reason);
    pending_.wait();
    Finish(task_);
}

void TaskRunner::Begin(TaskWatch watch, Pending pending) {
    running_ = true;
    ++task_;
    reason_ = StopReason::None;
    cancel_.store(false);
    pending_ = std::move(pending);
    watch_ = std::move(watch);
    if (watch_.progress) {
        progressTimer_.start();
    }
    dialog_ = watch_.dialog;
    if (dialog_ != nullptr) {
        dialogTimer_.start(dialogDelay_);
        if (watch_.dialogBlocksWindow && dialog_->parentWidget() != nullptr) {
            inputGuard_ = std::make_unique<InputGuard>(dialog_->parentWidget()->window(), dialog_);
        }
    }
    if (watch_.busyCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void TaskRunner::ShowDialog() {
    // A task that has ended, or is stopping, never opens its dialog.
    if (!running_ || cancel_.load() || dialog_.isNull()) {
        return;
    }
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
}

void TaskRunner::EndWatch() {
    progressTimer_.stop();
    dialogTimer_.stop();
    inputGuard_.reset();
    if (watch_.busyCursor) {
        QApplication::restoreOverrideCursor();
    }
    if (!dialog_.isNull()) {
        dialog_->hide();
    }
    dialog_ = nullptr;
}

void TaskRunner::Finish(std::uint64_t task) {
    // The end of a task already handed over (after StopAndWait) arrives once more; it is dropped.
    if (!running_ || task != task_) {
        return;
    }
    EndWatch();
    if (watch_.progress) {
        watch_.progress();
    }
    // The runner is free before `done` runs, so that it may start the next task.
    running_ = false;
    const Pending ended = std::exchange(pending_, {});
    watch_ = {};
    ended.finish();
}

} // namespace quarrow
