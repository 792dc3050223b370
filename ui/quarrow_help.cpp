#include "ui/quarrow.h"

#include "ui_quarrow.h"

namespace quarrow {

} // namespace quarrow
