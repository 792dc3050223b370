#include "ui/quarrow.h"

#include "ui_quarrow.h"

#include <QCloseEvent>

namespace quarrow {

Quarrow::Quarrow(const QuarrowServices& services, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::Quarrow>()), services_(services) {
    ui->setupUi(this);
    WireHandlers();
}

Quarrow::~Quarrow() = default;

void Quarrow::WireHandlers() {}

bool Quarrow::eventFilter(QObject* watched, QEvent* event) {
    return QWidget::eventFilter(watched, event);
}

void Quarrow::closeEvent(QCloseEvent* event) {
    event->accept();
}

} // namespace quarrow
