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

QString SchemeRuleText(Scheme scheme) {
    const QString rule = Translated(RowOf(scheme).rule);
    return rule.contains(QLatin1String("%1")) ? rule.arg(kOffspringPerGeneration) : rule;
}

QColor SchemeColour(Scheme scheme) {
    return QColor::fromRgb(static_cast<QRgb>(RowOf(scheme).colour));
}

} // namespace quarrow::plot
