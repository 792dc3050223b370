#include "ui/background_run.h"

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <limits>
#include <thread>

namespace quarrow {

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

bool BackgroundRun::exec(const Work& work, const std::function<void()>& refresh, QDialog* dialog) {
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
    if (dialog != nullptr) {
        if (auto* progress = qobject_cast<QProgressDialog*>(dialog)) {
            // The dialog's own timer would show it on its schedule; this run opens it.
            progress->setMinimumDuration(std::numeric_limits<int>::max());
            progress->setAutoClose(false);
            progress->setAutoReset(false);
            progress->setWindowModality(Qt::WindowModal);
            QObject::connect(progress, &QProgressDialog::canceled, this, [this] { cancel(); });
        }
        QObject::connect(dialog, &QDialog::rejected, this, [this] { cancel(); });
        dialogTimer.setSingleShot(true);
        QObject::connect(&dialogTimer, &QTimer::timeout, dialog, [this, dialog, &finished] {
            if (!finished.load(std::memory_order_acquire) && !cancel_.load()) {
                // A dialog keeps the modality it chose: the live view leaves the window free.
                if (dialog->windowModality() == Qt::NonModal) {
                    dialog->show();
                } else {
                    dialog->open();
                }
                emit dialogOpened();
            }
        });
        dialogTimer.start(dialogDelay_);
    }

    // A hand-turned loop rather than QEventLoop::exec: quitting the application exits every
    // exec'd loop at once, and this one must last until the worker has really returned.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    while (!finished.load(std::memory_order_acquire)) {
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    }
    worker.join();
    QApplication::restoreOverrideCursor();

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
