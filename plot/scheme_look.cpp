#include "plot/scheme_look.h"

#include "engine/selection.h"

#include <QCoreApplication>

namespace quarrow::plot {

namespace {

// The table's texts are literals marked for the context "Scheme", so each view ends in a null.
QString Translated(std::string_view text) {
    return QCoreApplication::translate("Scheme", text.data());
}

} // namespace

QString SchemeCaptionText(Scheme scheme) {
    return Translated(RowOf(scheme).caption);
}

// The rules name the last offspring as a whole phrase, number and ending together.
static_assert(kOffspringPerGeneration == 20, "the scheme table's rules name the 20th offspring");

QString SchemeRuleText(Scheme scheme) {
    return Translated(RowOf(scheme).rule);
}

QColor SchemeColour(Scheme scheme) {
    return QColor::fromRgb(static_cast<QRgb>(RowOf(scheme).colour));
}

} // namespace quarrow::plot
