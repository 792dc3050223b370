#include "plot/learner_numbers.h"

#include "platform/learner_numbers.h"

#include <QCoreApplication>
#include <QLocale>

#include <string>

namespace quarrow::plot {

// A figure in the forms of the language shown: each catalogue states its own thousands
// separator and decimal point, so that a German sentence reads "1.490 Zeichenketten" and a
// French one "3,25". The texts below Qt write them as English does; every ',' and '.' of such a
// text is one of the two.
QString InShownForms(const QString& english) {
    const QString thousands = QCoreApplication::translate("NumberThousands", ",");
    const QString decimal = QCoreApplication::translate("NumberDecimal", ".");
    if (thousands == QStringLiteral(",") && decimal == QStringLiteral(".")) {
        return english;
    }
    QString shown;
    shown.reserve(english.size());
    for (const QChar c : english) {
        if (c == QLatin1Char(',')) {
            shown += thousands;
        } else if (c == QLatin1Char('.')) {
            shown += decimal;
        } else {
            shown += c;
        }
    }
    return shown;
}

namespace {

QString FromUtf8(const std::string& text) {
    return InShownForms(QString::fromStdString(text));
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

QString FixedText(double value, int decimals) {
    return InShownForms(FiguresLocale().toString(value, 'f', decimals));
}

QString Grouped(std::int64_t count) {
    return FromUtf8(GroupedText(count));
}

QString ThreeFigures(double value) {
    return FromUtf8(ThreeFiguresText(value));
}

QString BytesText(double bytes) {
    // "1.8 MB": the figure in the language's forms, then its unit's own name.
    const QString english = QString::fromStdString(quarrow::BytesText(bytes));
    const qsizetype space = english.lastIndexOf(QLatin1Char(' '));
    const QByteArray unit = english.mid(space + 1).toLatin1();
    return InShownForms(english.left(space)) + QLatin1Char(' ') +
           QCoreApplication::translate("BytesText", unit.constData());
}

} // namespace quarrow::plot
