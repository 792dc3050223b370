#include "ui/live/view_controls.h"

#include "ui/common/box_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include <cmath>
#include <iterator>

namespace quarrow {

ViewControls::ViewControls(double speed, bool keepOpen, QWidget* parent)
    : QWidget(parent), pace_(new QWidget(this)), pauseButton_(new QPushButton(pace_)),
      stepButton_(new QPushButton(pace_)), speedBox_(new QComboBox(pace_)),
      speedLabel_(new QLabel(pace_)), keepOpenCheck_(new QCheckBox(this)),
      saveButton_(new QPushButton(this)), saveDataButton_(new QPushButton(this)),
      repeatButton_(new QPushButton(this)), cancelButton_(new QPushButton(this)) {
    pauseButton_->setObjectName(QStringLiteral("pauseButton"));
    stepButton_->setObjectName(QStringLiteral("stepButton"));
    stepButton_->setEnabled(false);

    speedBox_->setObjectName(QStringLiteral("speedBox"));
    int chosen = 0;
    for (const double rate : kSpeeds) {
        if (std::abs(rate - speed) < std::abs(kSpeeds[chosen] - speed)) {
            chosen = speedBox_->count();
        }
        speedBox_->addItem(QString(), rate);
    }
    speedBox_->setCurrentIndex(chosen);
    speedLabel_->setBuddy(speedBox_);

    keepOpenCheck_->setObjectName(QStringLiteral("keepOpenCheck"));
    keepOpenCheck_->setChecked(keepOpen);

    saveButton_->setObjectName(QStringLiteral("saveChartButton"));
    saveDataButton_->setObjectName(QStringLiteral("saveDataButton"));
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    // Offered once a run has found the target: many runs of it, as a distribution.
    repeatButton_->setObjectName(QStringLiteral("repeatButton"));
    repeatButton_->hide();
    ShowTexts();
    // No button answers Enter: a keystroke meant for the window must not end the run.
    for (QPushButton* button :
         {pauseButton_, stepButton_, saveDataButton_, saveButton_, repeatButton_, cancelButton_}) {
        button->setAutoDefault(false);
    }

    auto* pace = new QGridLayout(pace_);
    pace->setContentsMargins(0, 0, 0, 0);
    pace->addWidget(pauseButton_, 0, 0);
    pace->addWidget(stepButton_, 0, 1);
    pace->addWidget(speedLabel_, 1, 0);
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

void ViewControls::ShowTexts() {
    stepButton_->setText(tr("Step"));
    stepButton_->setToolTip(tr("Runs exactly one more generation while paused (Right arrow)"));
    stepButton_->setAccessibleDescription(stepButton_->toolTip());
    speedBox_->setAccessibleName(tr("Speed"));
    speedBox_->setToolTip(tr("Generations a second; slower than full speed, the view shows each "
                             "generation's offspring. The choice holds for the next runs too."));
    for (int item = 0; item < speedBox_->count(); ++item) {
        const double rate = speedBox_->itemData(item).toDouble();
        // Short, to keep the column beside the chart narrow.
        const QString caption =
            rate == 0.0 ? tr("Full speed") : tr("%1 a second").arg(static_cast<int>(rate));
        speedBox_->setItemText(item, caption);
        // Read out in full.
        speedBox_->setItemData(
            item,
            rate == 0.0 ? caption
                        : tr("%Ln generation(s) a second", nullptr, static_cast<int>(rate)),
            Qt::AccessibleTextRole);
    }
    speedLabel_->setText(tr("Speed:"));
    keepOpenCheck_->setText(tr("Keep this window open after the run"));
    keepOpenCheck_->setToolTip(tr("Leave the finished chart on the screen when the run ends"));
    saveButton_->setText(tr("Save chart..."));
    saveButton_->setAccessibleDescription(
        tr("Saves the chart with its title as a PNG picture or an SVG drawing"));
    saveDataButton_->setText(tr("Save data..."));
    saveDataButton_->setAccessibleDescription(
        tr("Saves a row for each generation (letters right, strings made) as a CSV file"));
    repeatButton_->setText(tr("Repeat..."));
    repeatButton_->setToolTip(tr("Run this target many times with each scheme and compare the "
                                 "distribution with the exact law and blind search"));
    repeatButton_->setAccessibleDescription(repeatButton_->toolTip());
    ShowPauseTexts();
    ShowCancelTexts();
}

void ViewControls::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        ShowTexts();
    }
}

void ViewControls::ShowPauseTexts() {
    pauseButton_->setText(paused_ ? tr("Resume") : tr("Pause"));
    pauseButton_->setToolTip(paused_ ? tr("Lets the run go on at the chosen speed (Space)")
                                     : tr("Holds the run after the generation it is in (Space)"));
    pauseButton_->setAccessibleDescription(pauseButton_->toolTip());
}

void ViewControls::ShowCancelTexts() {
    if (ended_) {
        cancelButton_->setText(tr("Close"));
        cancelButton_->setAccessibleDescription(tr("Closes this window"));
    } else {
        cancelButton_->setText(tr("Cancel"));
        cancelButton_->setAccessibleDescription(tr("Stops the run; the log keeps every generation "
                                                   "finished so far"));
    }
}

void ViewControls::ShowPaused(bool paused) {
    paused_ = paused;
    ShowPauseTexts();
    stepButton_->setEnabled(paused);
}

void ViewControls::ShowRunEnded(bool found) {
    ended_ = true;
    pauseButton_->setEnabled(false);
    stepButton_->setEnabled(false);
    ShowCancelTexts();
    repeatButton_->setVisible(found);
}

} // namespace quarrow
