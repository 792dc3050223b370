// Makes a machine stand-in for a language whose translators have not delivered yet: a catalogue
// in which every message is "translated" (its letters given accents, so that a text left out
// of the catalogue shows plainly as English), and help pages with the same markup whose text is
// treated the same way and whose figures are written with the language's decimal comma and
// thousands separator. The build uses it only for a shipped language whose own files are not in
// the tree yet, so that the loading, the switch of language and the tests run on every language.
//
//   quarrow_stand_in ts SOURCE.ts LANGUAGE OUT.ts
//   quarrow_stand_in help LANGUAGE SOURCE_PAGE OUT_PAGE [SOURCE_PAGE OUT_PAGE...]

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QString>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

// Letters with an accent of the same width class, so that a caption keeps its length.
QChar Accented(QChar letter) {
    static const QString plain = QStringLiteral("aeiouAEIOUnc");
    static const QString accented = QStringLiteral("äéîöüÄÉÎÖÜñç");
    const qsizetype at = plain.indexOf(letter);
    return at < 0 ? letter : accented[at];
}

// Placeholders (%1, %L1, %n, %Ln), accelerators (&F) and entities (&amp;) stay as they are.
const QRegularExpression kKept(QStringLiteral(R"(%L?(\d|n)|&\w+;|&#\d+;|&.)"));

QString AccentText(const QString& text) {
    QString out;
    qsizetype done = 0;
    auto accentUpTo = [&](qsizetype end) {
        for (qsizetype i = done; i < end; ++i) {
            out += Accented(text[i]);
        }
    };
    for (const QRegularExpressionMatch& kept : kKept.globalMatch(text)) {
        accentUpTo(kept.capturedStart());
        out += kept.captured();
        done = kept.capturedEnd();
    }
    accentUpTo(text.size());
    return out;
}

// A catalogue text, which may hold rich text: tags are kept, the text between them accented.
QString StandIn(const QString& source) {
    if (!source.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2}")))) {
        return source; // a number form: it stays as it is
    }
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : tag.globalMatch(source)) {
        out += AccentText(source.mid(done, m.capturedStart() - done)) + m.captured();
        done = m.capturedEnd();
    }
    out += AccentText(source.mid(done));
    // QUARROW_STAND_IN_STRETCH=15 makes every text 15% longer, for finding the places where a
    // longer translation would not fit.
    const int stretch = qEnvironmentVariableIntValue("QUARROW_STAND_IN_STRETCH");
    const auto extra = static_cast<qsizetype>(source.size() * stretch / 100);
    return out + QString(extra, QChar(0xe4));
}

// A message's translation: the English plural forms' stand-ins, or the source's.
void WriteTranslation(QXmlStreamReader& xml, QXmlStreamWriter& writer, const QString& source) {
    writer.writeStartElement(QStringLiteral("translation"));
    bool plural = false;
    while (!(xml.readNext() == QXmlStreamReader::EndElement &&
             xml.name() == QLatin1String("translation"))) {
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            plural = true;
            writer.writeTextElement(QStringLiteral("numerusform"), StandIn(xml.readElementText()));
        }
    }
    if (!plural) {
        writer.writeCharacters(StandIn(source));
    }
    writer.writeEndElement();
}

bool WriteCatalogue(const QString& sourcePath, const QString& language, const QString& outPath) {
    QFile in(sourcePath);
    QFile out(outPath);
    QDir().mkpath(QFileInfo(outPath).absolutePath());
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        return false;
    }
    QXmlStreamReader xml(&in);
    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    QString source;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartDocument()) {
            writer.writeStartDocument();
        } else if (xml.isDTD()) {
            writer.writeDTD(xml.text().toString());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("TS")) {
            writer.writeStartElement(QStringLiteral("TS"));
            writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
            writer.writeAttribute(QStringLiteral("language"), language);
            writer.writeAttribute(QStringLiteral("sourcelanguage"), QStringLiteral("en"));
        } else if (xml.isStartElement() && xml.name() == QLatin1String("translation")) {
            WriteTranslation(xml, writer, source);
        } else if (xml.isStartElement()) {
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
                writer.writeTextElement(QStringLiteral("source"), source);
                continue;
            }
            writer.writeStartElement(xml.name().toString());
            writer.writeAttributes(xml.attributes());
        } else if (xml.isEndElement()) {
            writer.writeEndElement();
        } else if (xml.isCharacters() && !xml.isWhitespace()) {
            writer.writeCharacters(xml.text().toString());
        }
    }
    writer.writeEndDocument();
    return !xml.hasError();
}

// English figures as the language writes them: 1,490.5 becomes 1.490,5 or 1 490,5.
QString LocalFigures(const QString& text, const QString& language) {
    static const QRegularExpression figure(QStringLiteral(R"(\d{1,3}(,\d{3})+(\.\d+)?|\d+\.\d+)"));
    const QString thousands =
        language == QLatin1String("fr") ? QStringLiteral("\u00a0") : QStringLiteral(".");
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : figure.globalMatch(text)) {
        QString number = m.captured();
        number.replace(QLatin1Char('.'), QLatin1Char('#'));
        number.replace(QLatin1Char(','), thousands);
        number.replace(QLatin1Char('#'), QLatin1Char(','));
        out += text.mid(done, m.capturedStart() - done) + number;
        done = m.capturedEnd();
    }
    return out + text.mid(done);
}

bool WritePage(const QString& sourcePath, const QString& language, const QString& outPath) {
    QFile in(sourcePath);
    QFile out(outPath);
    QDir().mkpath(QFileInfo(outPath).absolutePath());
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly)) {
        return false;
    }
    const QString page = QString::fromUtf8(in.readAll());
    // Tags, entities and the text inside <code> (what the user types) stay as they are.
    static const QRegularExpression kept(QStringLiteral(R"(<code>.*?</code>|<[^>]*>|&\w+;|&#\d+;)"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QString translated;
    qsizetype done = 0;
    auto text = [&](qsizetype end) {
        QString part = page.mid(done, end - done);
        // Upper-case words are the examples the user types, in the program's alphabet.
        static const QRegularExpression word(QStringLiteral(R"(\b[a-z][A-Za-z]*\b)"));
        QString accented;
        qsizetype from = 0;
        for (const QRegularExpressionMatch& w : word.globalMatch(part)) {
            accented += part.mid(from, w.capturedStart() - from) + AccentText(w.captured());
            from = w.capturedEnd();
        }
        translated += LocalFigures(accented + part.mid(from), language);
    };
    for (const QRegularExpressionMatch& m : kept.globalMatch(page)) {
        text(m.capturedStart());
        translated += m.captured();
        done = m.capturedEnd();
    }
    text(page.size());
    return out.write(translated.toUtf8()) >= 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    bool written = false;
    if (args.size() == 5 && args[1] == QLatin1String("ts")) {
        written = WriteCatalogue(args[2], args[3], args[4]);
    } else if (args.size() >= 5 && args[1] == QLatin1String("help") && args.size() % 2 == 1) {
        written = true;
        for (qsizetype i = 3; i + 1 < args.size(); i += 2) {
            written = WritePage(args[i], args[2], args[i + 1]) && written;
        }
    } else {
        std::fputs("usage: quarrow_stand_in ts SOURCE.ts LANGUAGE OUT.ts\n"
                   "       quarrow_stand_in help LANGUAGE SOURCE_PAGE OUT_PAGE...\n",
                   stderr);
        return 2;
    }
    return written ? 0 : 1;
}
