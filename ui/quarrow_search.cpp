#include "ui/quarrow.h"

#include "ui_quarrow.h"

namespace quarrow {

void Quarrow::Command8_Click() {}

void Quarrow::Command4_Click() {}

} // namespace quarrow
