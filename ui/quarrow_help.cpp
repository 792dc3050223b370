#include "ui/quarrow.h"

#include "ui_quarrow.h"

#include "ui/help_viewer.h"

#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QShortcut>

namespace quarrow {

namespace {

// The dynamic property that carries a control's help topic; 0 means none.
constexpr char kHelpContext[] = "helpContext";

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
