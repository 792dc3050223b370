#include "ui/quarrow.h"

#include "ui_quarrow.h"

#include <QApplication>

namespace quarrow {

void Quarrow::Command3_Click() {
    QApplication::quit();
}

void Quarrow::Command5_Click() {}
void Quarrow::Command6_Click() {}
void Quarrow::Command7_Click() {}
void Quarrow::Command9_Click() {}
void Quarrow::Command10_Click() {}
void Quarrow::Command11_Click() {}
void Quarrow::Command12_Click() {}
void Quarrow::Command13_Click() {}
void Quarrow::Command14_Click() {}
void Quarrow::Command15_Click() {}
void Quarrow::Command16_Click() {}

} // namespace quarrow
