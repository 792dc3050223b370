#pragma once

#include <QWidget>

class QCheckBox;
class QPushButton;

namespace quarrow {

/// The live view's controls, in one row: "Slow motion" and "Keep this window open after the
/// run", then "Save chart...", "Repeat..." (offered once a run has found the target) and Cancel,
/// which says Close once the run is over.
class ViewControls : public QWidget {
    Q_OBJECT

public:
    ViewControls(bool slowMotion, bool keepOpen, QWidget* parent = nullptr);

    /// The run has ended; `found` offers "Repeat...".
    void showRunEnded(bool found);

signals:
    void slowMotionToggled(bool on);
    void keepOpenToggled(bool on);
    void saveChartClicked();
    void repeatClicked();
    void cancelClicked();

private:
    QCheckBox* slowMotionCheck_;
    QCheckBox* keepOpenCheck_;
    QPushButton* saveButton_;
    QPushButton* repeatButton_;
    QPushButton* cancelButton_;
};

} // namespace quarrow
