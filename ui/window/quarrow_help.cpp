#include "ui/common/zoom.h"
#include "ui/help/help_viewer.h"
#include "ui/window/quarrow.h"
#include "ui_quarrow.h"

#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include <algorithm>
#include <array>

namespace quarrow {

namespace {

// The dynamic property that carries a control's help topic; 0 means none.
constexpr char kHelpContext[] = "helpContext";
// The help window keeps at least this width at 1x when it opens beside the main window.
constexpr int kHelpMinimumWidth = 420;
// Each page's own Instructions button; every other help button explains a box beside it.
constexpr std::array<const char*, 4> kInstructionsButtons = {"Command5", "Command7", "Command10",
                                                             "Command12"};

bool ExplainsABox(const QPushButton& button) {
    const QString name = button.objectName();
    return std::none_of(
        kInstructionsButtons.begin(), kInstructionsButtons.end(),
        [&](const char* instructions) { return name == QLatin1String(instructions); });
}

} // namespace

void Quarrow::InstallHelp() {
    // Each button that opens a help topic carries it in its property, as every control does for
    // F1. An Explanation button says which topic it opens, rather than repeating what a box
    // beside it is for.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        const int context = button->property(kHelpContext).toInt();
        if (context <= 0) {
            continue;
        }
        connect(button, &QPushButton::clicked, this,
                [this, button, context] { ShowHelp(context, button); });
    }
    DescribeHelpButtons();
    // F1 anywhere in the window asks for the topic of the control that has the focus.
    auto* contextHelp = new QShortcut(QKeySequence::HelpContents, this);
    contextHelp->setContext(Qt::WindowShortcut);
    connect(contextHelp, &QShortcut::activated, this, [this] { ShowHelpFor(focusWidget()); });
}

void Quarrow::DescribeHelpButtons() {
    for (QPushButton* button : findChildren<QPushButton*>()) {
        const int context = button->property(kHelpContext).toInt();
        if (context <= 0 || !ExplainsABox(*button)) {
            continue;
        }
        const QString title = HelpViewer::TopicTitle(context);
        if (!title.isEmpty()) {
            button->setAccessibleDescription(tr("Opens the help topic \"%1\"").arg(title));
        }
    }
}

void Quarrow::ShowHelpFor(const QWidget* control) {
    ShowHelp(control != nullptr ? control->property(kHelpContext).toInt() : 0, control);
}

QRect Quarrow::ShownResults() const {
    QRect results;
    for (const QLineEdit* box :
         {ui_->txtRndString, ui_->txtNumString, ui_->txtTime, ui_->txtTimeDay, ui_->txtTimeYear,
          ui_->txtBestString, ui_->txtNumCorrect, ui_->txtTimeGen, ui_->txtNumGen, ui_->txtTotal,
          ui_->txtLength}) {
        if (box->isVisible()) {
            results |= QRect(box->mapToGlobal(QPoint(0, 0)), box->size());
        }
    }
    return results;
}

void Quarrow::PlaceHelp(QWidget& viewer, const QWidget* opener) const {
    const QScreen* shownOn = screen();
    if (shownOn == nullptr) {
        return;
    }
    const QSize frame = viewer.isVisible()
                            ? viewer.frameGeometry().size() - viewer.size()
                            : ExpectedFrameSize(viewer, isFullScreen() ? nullptr : this);
    // The help wants its whole size at the zoom asked for, whatever room it had before.
    WindowZoom* zoom = WindowZoom::Of(&viewer);
    const QSize wanted =
        zoom != nullptr ? ScaledSize(HelpViewer::kBaseSize, zoom->AskedFactor()) : viewer.size();
    const QRect button = opener != nullptr && opener->window() == this
                             ? QRect(opener->mapToGlobal(QPoint(0, 0)), opener->size())
                             : QRect(frameGeometry().center(), QSize(1, 1));
    const QRect place =
        HelpWindowPlace(wanted + frame, shownOn->availableGeometry(), frameGeometry(), button,
                        ShownResults(), static_cast<int>(kHelpMinimumWidth * shownFactor_));
    viewer.resize(place.size() - frame);
    viewer.move(place.topLeft());
}

void Quarrow::PlaceHelpAgain() {
    // The window system reports the window's new size before its new place (full screen, say):
    // the help waits until the window has stopped moving.
    constexpr int kSettleMs = 100;
    if (helpPlacer_ == nullptr) {
        helpPlacer_ = new QTimer(this);
        helpPlacer_->setSingleShot(true);
        helpPlacer_->setInterval(kSettleMs);
        connect(helpPlacer_, &QTimer::timeout, this, [this] {
            auto* viewer =
                findChild<HelpViewer*>(QStringLiteral("helpViewer"), Qt::FindDirectChildrenOnly);
            if (viewer != nullptr && viewer->isVisible()) {
                PlaceHelp(*viewer, helpOpener_);
                FitFrameOnScreenSoon(*viewer);
            }
        });
    }
    helpPlacer_->start();
}

void Quarrow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (helpPlacer_ != nullptr && helpPlacer_->isActive()) {
        helpPlacer_->start();
    }
}

void Quarrow::ShowHelp(int context, const QWidget* opener) {
    auto* viewer = findChild<HelpViewer*>(QStringLiteral("helpViewer"), Qt::FindDirectChildrenOnly);
    if (viewer == nullptr) {
        viewer = new HelpViewer(this);
        viewer->SetLogPath(QDir::toNativeSeparators(services_.logPath));
    }
    helpOpener_ = opener;
    if (!viewer->isVisible()) {
        // Opened afresh, it goes where it leaves this page's results in view, at the zoom's
        // size as far as the screen allows.
        if (WindowZoom* zoom = WindowZoom::Of(viewer)) {
            viewer->resize(ScaledSize(HelpViewer::kBaseSize, zoom->Factor()));
        }
        PlaceHelp(*viewer, opener);
        viewer->show();
        // Only a window on show knows its frame for sure; one that came out larger is placed
        // again.
        const QScreen* shownOn = viewer->screen();
        if (shownOn != nullptr && !shownOn->availableGeometry().contains(viewer->frameGeometry())) {
            PlaceHelp(*viewer, opener);
        }
        FitFrameOnScreenSoon(*viewer);
    }
    viewer->ShowTopic(context);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void Quarrow::Command3_Click() {
    // A run in progress stops first and closes its log with every finished generation in it;
    // the wait is for the worker to return, moments after it is told.
    run_.StopAndWait(StopReason::Closing);
    QApplication::quit();
}

} // namespace quarrow
