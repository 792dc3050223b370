#include "ui/live/view_controls.h"

#include "ui/common/box_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <iterator>

namespace quarrow {

ViewControls::ViewControls(double speed, bool keepOpen, QWidget* parent)
    : QWidget(parent), pace_(new QWidget(this)), pauseButton_(new QPushButton(tr("Pause"), pace_)),
      stepButton_(new QPushButton(tr("Step"), pace_)), speedBox_(new QComboBox(pace_)),
      keepOpenCheck_(new QCheckBox(tr("Keep this window open after the run"), this)),
      saveButton_(new QPushButton(tr("Save chart..."), this)),
      saveDataButton_(new QPushButton(tr("Save data..."), this)),
      repeatButton_(new QPushButton(tr("Repeat..."), this)),
      cancelButton_(new QPushButton(tr("Cancel"), this)) {
    pauseButton_->setObjectName(QStringLiteral("pauseButton"));
    pauseButton_->setToolTip(tr("Holds the run after the generation it is in (Space)"));
    pauseButton_->setAccessibleDescription(pauseButton_->toolTip());
    stepButton_->setObjectName(QStringLiteral("stepButton"));
    stepButton_->setToolTip(tr("Runs exactly one more generation while paused (Right arrow)"));
    stepButton_->setAccessibleDescription(stepButton_->toolTip());
    stepButton_->setEnabled(false);

    speedBox_->setObjectName(QStringLiteral("speedBox"));
    speedBox_->setAccessibleName(tr("Speed"));
    speedBox_->setToolTip(tr("Generations a second; slower than full speed, the view shows each "
                             "generation's offspring. The choice holds for the next runs too."));
    int chosen = 0;
    for (const double rate : kSpeeds) {
        // Short, to keep the column beside the chart narrow.
        const QString caption =
            rate == 0.0 ? tr("Full speed") : tr("%1 a second").arg(static_cast<int>(rate));
        if (std::abs(rate - speed) < std::abs(kSpeeds[chosen] - speed)) {
            chosen = speedBox_->count();
        }
        speedBox_->addItem(caption, rate);
        // Read out in full.
        speedBox_->setItemData(
            speedBox_->count() - 1,
            rate == 0.0 ? caption
                        : tr("%Ln generation(s) a second", nullptr, static_cast<int>(rate)),
            Qt::AccessibleTextRole);
    }
    speedBox_->setCurrentIndex(chosen);
    auto* speedLabel = new QLabel(tr("Speed:"), pace_);
    speedLabel->setBuddy(speedBox_);

    keepOpenCheck_->setObjectName(QStringLiteral("keepOpenCheck"));
    keepOpenCheck_->setToolTip(tr("Leave the finished chart on the screen when the run ends"));
    keepOpenCheck_->setChecked(keepOpen);

    saveButton_->setObjectName(QStringLiteral("saveChartButton"));
    saveButton_->setAccessibleDescription(
        tr("Saves the chart with its title as a PNG picture or an SVG drawing"));
    saveDataButton_->setObjectName(QStringLiteral("saveDataButton"));
    saveDataButton_->setAccessibleDescription(
        tr("Saves a row for each generation (letters right, strings made) as a CSV file"));
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
    for (QPushButton* button :
         {pauseButton_, stepButton_, saveDataButton_, saveButton_, repeatButton_, cancelButton_}) {
        button->setAutoDefault(false);
    }

    auto* pace = new QGridLayout(pace_);
    pace->setContentsMargins(0, 0, 0, 0);
    pace->addWidget(pauseButton_, 0, 0);
    pace->addWidget(stepButton_, 0, 1);
    pace->addWidget(speedLabel, 1, 0);
    pace->addWidget(speedBox_, 1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(keepOpenCheck_);
    layout->addStretch(1);
    layout->addWidget(saveDataButton_);
    layout->addWidget(saveButton_);
    layout->addWidget(repeatButton_);
    layout->addWidget(cancelButton_);

    connect(pauseButton_, &QPushButton::clicked, this, &ViewControls::PauseClicked);
    connect(stepButton_, &QPushButton::clicked, this, &ViewControls::StepClicked);
    connect(speedBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { emit SpeedChosen(speedBox_->itemData(index).toDouble()); });
    connect(keepOpenCheck_, &QCheckBox::toggled, this, &ViewControls::KeepOpenToggled);
    connect(saveButton_, &QPushButton::clicked, this, &ViewControls::SaveChartClicked);
    connect(saveDataButton_, &QPushButton::clicked, this, &ViewControls::SaveDataClicked);
    connect(repeatButton_, &QPushButton::clicked, this, &ViewControls::RepeatClicked);
    connect(cancelButton_, &QPushButton::clicked, this, &ViewControls::CancelClicked);
}

void ViewControls::ShowPaused(bool paused) {
    paused_ = paused;
    pauseButton_->setText(paused ? tr("Resume") : tr("Pause"));
    pauseButton_->setToolTip(paused ? tr("Lets the run go on at the chosen speed (Space)")
                                    : tr("Holds the run after the generation it is in (Space)"));
    pauseButton_->setAccessibleDescription(pauseButton_->toolTip());
    stepButton_->setEnabled(paused);
}

void ViewControls::ShowRunEnded(bool found) {
    pauseButton_->setEnabled(false);
    stepButton_->setEnabled(false);
    cancelButton_->setText(tr("Close"));
    cancelButton_->setAccessibleDescription(tr("Closes this window"));
    repeatButton_->setVisible(found);
}

} // namespace quarrow
