#include "ui/view_controls.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace quarrow {

ViewControls::ViewControls(bool slowMotion, bool keepOpen, QWidget* parent)
    : QWidget(parent), slowMotionCheck_(new QCheckBox(tr("Slow motion"), this)),
      keepOpenCheck_(new QCheckBox(tr("Keep this window open after the run"), this)),
      saveButton_(new QPushButton(tr("Save chart..."), this)),
      repeatButton_(new QPushButton(tr("Repeat..."), this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)) {
    slowMotionCheck_->setObjectName(QStringLiteral("slowMotionCheck"));
    slowMotionCheck_->setToolTip(tr("Run a few generations a second, so you can watch the letters "
                                    "lock in; the choice holds for the next runs too"));
    slowMotionCheck_->setChecked(slowMotion);
    keepOpenCheck_->setObjectName(QStringLiteral("keepOpenCheck"));
    keepOpenCheck_->setToolTip(tr("Leave the finished chart on the screen when the run ends"));
    keepOpenCheck_->setChecked(keepOpen);

    saveButton_->setObjectName(QStringLiteral("saveChartButton"));
    saveButton_->setAccessibleDescription(
        tr("Saves the chart with its title as a PNG picture or an SVG drawing"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    cancelButton_->setAccessibleDescription(tr("Stops the run; the log keeps every generation "
                                               "finished so far"));
    // Offered once a run has found the target: many runs of it, as a distribution.
    repeatButton_->setObjectName(QStringLiteral("repeatButton"));
    repeatButton_->setToolTip(tr("Run this target many times with each scheme and compare the "
                                 "distribution with the exact law and blind search"));
    repeatButton_->setAccessibleDescription(repeatButton_->toolTip());
    repeatButton_->hide();
    // No button answers Enter: a keystroke meant for the window must not end the run.
    for (QPushButton* button : {saveButton_, repeatButton_, cancelButton_}) {
        button->setAutoDefault(false);
    }

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(slowMotionCheck_);
    layout->addWidget(keepOpenCheck_);
    layout->addStretch(1);
    layout->addWidget(saveButton_);
    layout->addWidget(repeatButton_);
    layout->addWidget(cancelButton_);

    connect(slowMotionCheck_, &QCheckBox::toggled, this, &ViewControls::slowMotionToggled);
    connect(keepOpenCheck_, &QCheckBox::toggled, this, &ViewControls::keepOpenToggled);
    connect(saveButton_, &QPushButton::clicked, this, &ViewControls::saveChartClicked);
    connect(repeatButton_, &QPushButton::clicked, this, &ViewControls::repeatClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &ViewControls::cancelClicked);
}

void ViewControls::showRunEnded(bool found) {
    cancelButton_->setText(tr("Close"));
    cancelButton_->setAccessibleDescription(tr("Closes this window"));
    repeatButton_->setVisible(found);
}

} // namespace quarrow
