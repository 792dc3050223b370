#include "ui/background_run.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include <limits>
#include <optional>
#include <thread>

namespace quarrow {

namespace {

bool IsUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::TabletMove:
    case QEvent::DragEnter:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// Keeps the user's input away from one window while a dialog of it is open, and brings the
// dialog forward when the user reaches for the window. Everything else, the window manager's
// close request included, still reaches the window.
class InputBlocker final : public QObject {
public:
    InputBlocker(QWidget* window, QWidget* dialog) : window_(window), dialog_(dialog) {
        qApp->installEventFilter(this);
    }
    ~InputBlocker() override { qApp->removeEventFilter(this); }
    InputBlocker(const InputBlocker&) = delete;
    InputBlocker& operator=(const InputBlocker&) = delete;

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

BackgroundRun::BackgroundRun(QObject* parent) : QObject(parent) {}

BackgroundRun::~BackgroundRun() {
    cancel(CancelReason::Closing);
}

void BackgroundRun::cancel(CancelReason reason) {
    if (!running_) {
        return;
    }
    if (reason_ == CancelReason::None || reason == CancelReason::Closing) {
        reason_ = reason;
    }
    cancel_.store(true, std::memory_order_relaxed);
}

bool BackgroundRun::exec(const Work& work, const std::function<void()>& refresh, QWidget* dialog) {
    if (running_) {
        return false;
    }
    running_ = true;
    reason_ = CancelReason::None;
    cancel_.store(false, std::memory_order_relaxed);
    dialog_ = dialog;

    std::atomic<bool> finished{false};
    QEventLoop loop;
    std::thread worker([&] {
        work(cancel_);
        finished.store(true, std::memory_order_release);
        // Wakes the loop below; queued, so it runs on the UI thread.
        QMetaObject::invokeMethod(
            &loop, [] {}, Qt::QueuedConnection);
    });

    QTimer refreshTimer;
    refreshTimer.setInterval(refreshInterval_);
    if (refresh) {
        QObject::connect(&refreshTimer, &QTimer::timeout, &loop, refresh);
        refreshTimer.start();
    }

    QTimer dialogTimer;
    bool blocksWindow = false;
    if (dialog != nullptr) {
        if (auto* progress = qobject_cast<QProgressDialog*>(dialog)) {
            // The dialog's own timer would show it on its schedule; this run opens it.
            progress->setMinimumDuration(std::numeric_limits<int>::max());
            progress->setAutoClose(false);
            progress->setAutoReset(false);
            progress->setWindowModality(Qt::WindowModal);
            QObject::connect(progress, &QProgressDialog::canceled, this, [this] { cancel(); });
        }
        if (auto* asDialog = qobject_cast<QDialog*>(dialog)) {
            QObject::connect(asDialog, &QDialog::rejected, this, [this] { cancel(); });
        }
        if (dialog->metaObject()->indexOfSignal("cancelRequested()") >= 0) {
            QObject::connect(dialog, SIGNAL(cancelRequested()), this, SLOT(requestCancel()));
        }
        // A dialog that asked for a modality blocks its window's input itself (below) instead of
        // being modal to the toolkit; the live view asks for none and leaves the window free.
        blocksWindow = dialog->windowModality() != Qt::NonModal;
        dialog->setWindowModality(Qt::NonModal);
        dialogTimer.setSingleShot(true);
        QObject::connect(&dialogTimer, &QTimer::timeout, dialog, [this, dialog, &finished] {
            if (!finished.load(std::memory_order_acquire) && !cancel_.load()) {
                // show(), not open(): open() would make it modal to the toolkit.
                dialog->show();
                dialog->raise();
                dialog->activateWindow();
                emit dialogOpened();
            }
        });
        dialogTimer.start(dialogDelay_);
    }

    std::optional<InputBlocker> blocker;
    if (blocksWindow && dialogBlocksWindow_ && dialog->parentWidget() != nullptr) {
        blocker.emplace(dialog->parentWidget()->window(), dialog);
    }

    // A hand-turned loop rather than QEventLoop::exec: quitting the application exits every
    // exec'd loop at once, and this one must last until the worker has really returned.
    // The busy cursor says the window cannot be used; a window left free keeps its own.
    const bool busyCursor = dialog == nullptr || blocksWindow;
    if (busyCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    while (!finished.load(std::memory_order_acquire)) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    worker.join();
    blocker.reset();
    if (busyCursor) {
        QApplication::restoreOverrideCursor();
    }

    refreshTimer.stop();
    dialogTimer.stop();
    if (refresh) {
        refresh();
    }
    if (dialog != nullptr) {
        QObject::disconnect(dialog, nullptr, this, nullptr);
        dialog->hide();
    }
    dialog_ = nullptr;
    running_ = false;
    return true;
}

} // namespace quarrow
