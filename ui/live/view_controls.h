#pragma once

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace quarrow {

/// The live view's controls: Pause (Resume while paused), Step and the Speed of the run, which the
/// view shows as `PaceControls()` beside its chart; and in one row "Keep this window open after
/// the run", "Save data...", "Save chart...", "Repeat..."
/// (offered once a run has found the target) and Cancel, which says Close once the run is over.
class ViewControls : public QWidget {
    Q_OBJECT

public:
    /// The speeds offered, in generations a second; 0 is full speed.
    static constexpr double kSpeeds[] = {1.0, 4.0, 16.0, 0.0};

    /// `speed` is one of `kSpeeds` (the nearest is chosen otherwise).
    ViewControls(double speed, bool keepOpen, QWidget* parent = nullptr);

    /// The run has ended; `found` offers "Repeat...". Pause and Step have nothing left to hold.
    void ShowRunEnded(bool found);
    /// Pause says Resume and Step is offered while `paused`.
    void ShowPaused(bool paused);
    bool Paused() const { return paused_; }
    /// Pause, Step and Speed, for the view to place; they stay this object's to drive.
    QWidget* PaceControls() const { return pace_; }

signals:
    /// A speed of `kSpeeds` was chosen; 0 is full speed.
    void SpeedChosen(double generationsPerSecond);
    void PauseClicked();
    void StepClicked();
    void KeepOpenToggled(bool on);
    void SaveChartClicked();
    void SaveDataClicked();
    void RepeatClicked();
    void CancelClicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    /// Every caption, tooltip and description in the program's language.
    void ShowTexts();
    void ShowPauseTexts();
    void ShowCancelTexts();

    QWidget* pace_;
    QPushButton* pauseButton_;
    QPushButton* stepButton_;
    QComboBox* speedBox_;
    QLabel* speedLabel_;
    QCheckBox* keepOpenCheck_;
    QPushButton* saveButton_;
    QPushButton* saveDataButton_;
    QPushButton* repeatButton_;
    QPushButton* cancelButton_;
    bool paused_ = false;
    bool ended_ = false;
};

} // namespace quarrow
