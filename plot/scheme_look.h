#pragma once

#include "engine/scheme.h"

#include <QColor>
#include <QString>

namespace quarrow::plot {

// What the scheme table holds, in the form the window and the charts show it.

/// The scheme's caption, translated: "1: Attenuating Selection".
QString SchemeCaptionText(Scheme scheme);

/// How the scheme breeds, in plain words, translated.
QString SchemeRuleText(Scheme scheme);

/// The scheme's colour on the charts.
QColor SchemeColour(Scheme scheme);

} // namespace quarrow::plot
