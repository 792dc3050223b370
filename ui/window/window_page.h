#pragma once

class QWidget;

namespace Ui {
class Quarrow;
}

namespace quarrow {

struct QuarrowServices;
class TaskRunner;

/// What a page's controller works with: the window (the parent of its messages and dialogs),
/// its controls, the window's services and the window's one task runner.
struct WindowPage {
    QWidget& window;
    Ui::Quarrow& ui;
    const QuarrowServices& services;
    TaskRunner& run;
};

} // namespace quarrow
