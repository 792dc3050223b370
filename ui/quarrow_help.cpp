#include "ui/quarrow.h"

#include "ui_quarrow.h"

#include "ui/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QScreen>
#include <QShortcut>

#include <algorithm>

namespace quarrow {

namespace {

// The dynamic property that carries a control's help topic; 0 means none.
constexpr char kHelpContext[] = "helpContext";
constexpr int kHelpWindowGap = 12;

// Opens `window` beside `beside`, on the side with room for it (or with the most room), kept
// on the screen, so the topic can be read with the page it explains still in view.
void PlaceBeside(QWidget& window, const QWidget& beside) {
    const QScreen* screen = beside.screen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect main = beside.frameGeometry();
    const int roomRight = area.right() - main.right() - kHelpWindowGap;
    const int roomLeft = main.left() - area.left() - kHelpWindowGap;
    const bool right = roomRight >= window.width() || roomRight >= roomLeft;
    QRect place(QPoint(0, main.top()), window.size());
    if (right) {
        place.moveLeft(main.right() + kHelpWindowGap);
    } else {
        place.moveRight(main.left() - kHelpWindowGap);
    }
    place.moveRight(std::min(place.right(), area.right()));
    place.moveBottom(std::min(place.bottom(), area.bottom()));
    place.moveLeft(std::max(place.left(), area.left()));
    place.moveTop(std::max(place.top(), area.top()));
    window.move(place.topLeft());
}

} // namespace

void Quarrow::InstallHelp() {
    // F1 anywhere in the window asks for the topic of the control that has the focus.
    auto* contextHelp = new QShortcut(QKeySequence::HelpContents, this);
    contextHelp->setContext(Qt::WindowShortcut);
    connect(contextHelp, &QShortcut::activated, this, [this] { ShowHelpFor(focusWidget()); });
}

void Quarrow::ShowHelpFor(const QWidget* control) {
    ShowHelp(control != nullptr ? control->property(kHelpContext).toInt() : 0);
}

void Quarrow::ShowHelp(int context) {
    auto* viewer = findChild<HelpViewer*>(QStringLiteral("helpViewer"), Qt::FindDirectChildrenOnly);
    if (viewer == nullptr) {
        viewer = new HelpViewer(this);
        viewer->setLogPath(QDir::toNativeSeparators(services_.logPath));
        PlaceBeside(*viewer, *this);
    }
    viewer->showTopic(context);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void Quarrow::Command3_Click() {
    // A run in progress stops first; it closes its log with every finished generation in it,
    // and the event loop ends as soon as the run has returned.
    if (run_.isRunning()) {
        run_.cancel(BackgroundRun::CancelReason::Closing);
    }
    QApplication::quit();
}

// Each help button opens the topic its own help context names.
void Quarrow::Command5_Click() {
    ShowHelpFor(ui->Command5);
}
void Quarrow::Command6_Click() {
    ShowHelpFor(ui->Command6);
}
void Quarrow::Command7_Click() {
    ShowHelpFor(ui->Command7);
}
void Quarrow::Command9_Click() {
    ShowHelpFor(ui->Command9);
}
void Quarrow::Command10_Click() {
    ShowHelpFor(ui->Command10);
}
void Quarrow::Command11_Click() {
    ShowHelpFor(ui->Command11);
}
void Quarrow::Command12_Click() {
    ShowHelpFor(ui->Command12);
}
void Quarrow::Command13_Click() {
    ShowHelpFor(ui->Command13);
}
void Quarrow::Command14_Click() {
    ShowHelpFor(ui->Command14);
}
void Quarrow::Command15_Click() {
    ShowHelpFor(ui->Command15);
}
void Quarrow::Command16_Click() {
    ShowHelpFor(ui->Command16);
}

} // namespace quarrow
