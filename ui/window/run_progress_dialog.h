#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QShowEvent;

namespace quarrow {

/// The progress dialog of the short runs of the window ("Step Two", "Step Three").
///
/// It shows a few lines of figures, a bar and the string the run is working on, in a
/// fixed-pitch font, and a "Cancel" button. Cancel, Escape and closing it reject the dialog,
/// which its owner connects to the run's stop; the window's own "&Quit" and close button stop
/// the run as well. Hand it to ui/task_runner.h, which opens it after a short delay, keeps the
/// user's input away from the window while it shows and hides it at the end:
///
///     auto* dialog = new RunProgressDialog(this);
///     connect(dialog, &QDialog::rejected, &run_, [this] { run_.Stop(); });
///     run_.Start<Result>(work, done,
///                        TaskWatch{.progress = [=] { /* copy the worker's latest snapshot */
///                                                    dialog->SetValue(...); },
///                                  .dialog = dialog});
///
/// The progress callback runs on the UI thread, so the setters are called there only. The
/// worker hands its figures over through something thread-safe (a mutex-guarded snapshot).
class RunProgressDialog : public QDialog {
    Q_OBJECT

public:
    explicit RunProgressDialog(QWidget* parent = nullptr);
    ~RunProgressDialog() override;

    /// The lines of figures above the bar.
    void SetLabelText(const QString& text);
    /// The window's title, asked again whenever the program's language changes.
    void SetTitle(std::function<QString()> title);
    QString LabelText() const;

    /// The bar's range and value.
    void SetRange(int minimum, int maximum);
    void SetValue(int value);
    int Value() const;

    /// The string the run is working on; shown whole when it fits, cut with "..." otherwise.
    void SetCurrentString(const QString& text);
    QString CurrentString() const { return currentString_; }

    /// Opens where it covers none of `control` (of the window it belongs to), which the user
    /// keeps reading while the run goes on.
    void KeepClearOf(const QWidget* control) { keepClear_ = control; }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowCurrentString();
    void PlaceClear();

    QLabel* label_;
    QLabel* stringLabel_;
    QProgressBar* bar_;
    QPushButton* cancelButton_;
    QString currentString_;
    std::function<QString()> title_;
    QPointer<const QWidget> keepClear_;
};

} // namespace quarrow
