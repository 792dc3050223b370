#include "plot/learner_numbers.h"

#include "platform/learner_numbers.h"

#include <QLocale>

#include <string>

namespace quarrow::plot {

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QString Superscript(const QString& digits) {
    return FromUtf8(SuperscriptText(digits.toStdString()));
}

QString PowerOfTenText(double log10Value, int figures) {
    return FromUtf8(quarrow::PowerOfTenText(log10Value, figures));
}

QString NumberText(double value, int figures) {
    return FromUtf8(quarrow::NumberText(value, figures));
}

QLocale FiguresLocale() {
    return QLocale(QLocale::English);
}

QString Grouped(std::int64_t count) {
    return FromUtf8(GroupedText(count));
}

QString ThreeFigures(double value) {
    return FromUtf8(ThreeFiguresText(value));
}

QString BytesText(double bytes) {
    return FromUtf8(quarrow::BytesText(bytes));
}

} // namespace quarrow::plot
