// Every shipped language against English: its catalogue holds every message of the English one,
// each finished, with the same placeholders; its help has every topic; and every figure a
// translated topic states is the English topic's, in the same order, which the help's own tests
// hold against the mathematics.

#include "plot/catalogue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QXmlStreamReader>

#include <string>

namespace {

// The catalogues and help folders the build uses, in the order of the shipped languages.
const QStringList kCatalogues = QStringLiteral(QUARROW_BUILT_CATALOGUES).split(QLatin1Char('|'));
const QStringList kHelpFolders = QStringLiteral(QUARROW_BUILT_HELP).split(QLatin1Char('|'));

struct Message {
    bool numerus = false;
    bool finished = false;
    QString translation;
    QStringList forms;
};

// A <translation>: its text, or its plural forms.
void ReadTranslation(QXmlStreamReader& xml, Message& message) {
    message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
    while (!(xml.readNext() == QXmlStreamReader::EndElement &&
             xml.name() == QLatin1String("translation"))) {
        if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
            message.forms << xml.readElementText();
        } else if (xml.isCharacters()) {
            message.translation += xml.text();
        }
    }
}

void ReadMessage(QXmlStreamReader& xml, const QString& context, QMap<QString, Message>& messages) {
    Message message;
    message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    QString source;
    QString comment;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("comment")) {
            comment = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            ReadTranslation(xml, message);
        } else {
            xml.skipCurrentElement();
        }
    }
    QString key = context + QStringLiteral(" | ") + source;
    if (!comment.isEmpty()) {
        key += QStringLiteral(" | ") + comment;
    }
    messages.insert(key, message);
}

// The messages of a catalogue by context, source and comment, in the catalogue test's way.
QMap<QString, Message> ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    QMap<QString, Message> messages;
    QString context;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            ReadMessage(xml, context, messages);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The placeholders of a text, sorted: %1 to %99, %L1, %n and %Ln.
QStringList Placeholders(const QString& text, bool countOptional) {
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d{1,2}|n)"));
    QStringList found;
    for (const QRegularExpressionMatch& m : placeholder.globalMatch(text)) {
        // A plural form may say the count in words ("ein Treffer") rather than show %n.
        if (countOptional && m.captured(1) == QLatin1String("n")) {
            continue;
        }
        found << m.captured();
    }
    found.sort();
    found.removeDuplicates();
    return found;
}

QString Source(const QString& key) {
    return key.section(QStringLiteral(" | "), 1, 1);
}

std::string Listed(const QStringList& keys) {
    return QStringLiteral("\n  ").append(keys.join(QStringLiteral("\n  "))).toStdString();
}

QString LanguageOf(qsizetype index) {
    return quarrow::plot::ShippedLanguages().at(index).code;
}

TEST(TranslationsTest, TheBuildHasACatalogueAndHelpForEveryShippedLanguage) {
    const auto languages = quarrow::plot::ShippedLanguages();
    ASSERT_EQ(kCatalogues.size(), languages.size());
    ASSERT_EQ(kHelpFolders.size(), languages.size());
    EXPECT_EQ(languages.front().code, QStringLiteral("en"));
    for (qsizetype l = 0; l < languages.size(); ++l) {
        EXPECT_TRUE(kCatalogues[l].endsWith(QStringLiteral("quarrow_%1.ts").arg(languages[l].code)))
            << kCatalogues[l].toStdString();
    }
}

// What a language's catalogue lacks or gets wrong against the English one.
struct Differences {
    QStringList missing;
    QStringList unfinished;
    QStringList placeholders;
    QStringList extra;
};

Differences Compare(const QMap<QString, Message>& english,
                    const QMap<QString, Message>& translated) {
    Differences found;
    for (auto m = english.cbegin(); m != english.cend(); ++m) {
        const auto message = translated.constFind(m.key());
        if (message == translated.cend()) {
            found.missing << m.key();
            continue;
        }
        const QStringList texts = m->numerus ? message->forms : QStringList{message->translation};
        if (!message->finished || texts.isEmpty() || texts.contains(QString()) ||
            message->numerus != m->numerus) {
            found.unfinished << m.key();
            continue;
        }
        const QStringList wanted = Placeholders(Source(m.key()), m->numerus);
        for (const QString& text : texts) {
            if (Placeholders(text, m->numerus) != wanted) {
                found.placeholders << m.key() + QStringLiteral(" -> ") + text;
            }
        }
    }
    for (auto m = translated.cbegin(); m != translated.cend(); ++m) {
        if (!english.contains(m.key())) {
            found.extra << m.key();
        }
    }
    return found;
}

TEST(TranslationsTest, EveryLanguageTranslatesEveryMessageWithTheSamePlaceholders) {
    const QMap<QString, Message> english = ReadCatalogue(kCatalogues.front());
    ASSERT_GT(english.size(), 100);
    for (qsizetype l = 1; l < kCatalogues.size(); ++l) {
        SCOPED_TRACE(kCatalogues[l].toStdString());
        const Differences found = Compare(english, ReadCatalogue(kCatalogues[l]));
        EXPECT_TRUE(found.missing.isEmpty())
            << "messages missing (bash scripts/catalogue.sh --all adds them, unfinished):"
            << Listed(found.missing);
        EXPECT_TRUE(found.unfinished.isEmpty())
            << "messages not translated yet:" << Listed(found.unfinished);
        EXPECT_TRUE(found.placeholders.isEmpty())
            << "translations whose placeholders differ from their source's:"
            << Listed(found.placeholders);
        EXPECT_TRUE(found.extra.isEmpty())
            << "messages the English catalogue no longer has:" << Listed(found.extra);
    }
}

QStringList Pages(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
}

TEST(TranslationsTest, EveryLanguageHasEveryHelpTopic) {
    const QStringList english = Pages(kHelpFolders.front());
    ASSERT_EQ(english.size(), 12);
    for (qsizetype l = 1; l < kHelpFolders.size(); ++l) {
        const QStringList pages = Pages(kHelpFolders[l]);
        for (const QString& page : english) {
            EXPECT_TRUE(pages.contains(page))
                << LanguageOf(l).toStdString() << " has no " << page.toStdString();
        }
    }
}

QString ReadPage(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QString::fromUtf8(file.readAll());
}

// What the reader sees of a piece of a page: no tags, and the spaces entities stand for.
QString Visible(QString text) {
    static const QRegularExpression tag(QStringLiteral("<[^>]*>"));
    text.replace(tag, QStringLiteral(" "));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral("\u00a0"));
    text.replace(QStringLiteral("&#160;"), QStringLiteral("\u00a0"));
    text.replace(QStringLiteral("&#8239;"), QStringLiteral("\u202f"));
    return text;
}

// The numerals of a page in the order it states them, each as a plain figure ("1490.5"): the
// language writes its decimals with a comma and groups thousands with a point or, in French,
// a no-break space; English with a point and commas.
QStringList Figures(const QString& text, const QString& language) {
    const bool english = language == QLatin1String("en");
    const QString group = english                           ? QStringLiteral(",")
                          : language == QLatin1String("fr") ? QStringLiteral("[\u00a0\u202f]")
                                                            : QStringLiteral("\\.");
    const QString point = english ? QStringLiteral("\\.") : QStringLiteral(",");
    // Kept in the program's own forms in every language: a power of ten as the boxes write it
    // (1.9E+25), and a decimal with a point that cannot be a group of thousands (what the user
    // types, 2.5); then the language's grouped and plain figures.
    const QRegularExpression figure(
        QStringLiteral("(?<power>\\d+(?:\\.\\d+)?)E[-+]?(?<exponent>\\d+)|"
                       "(?<typed>\\d+\\.(?!\\d{3}(?!\\d))\\d+)|"
                       "\\d{1,3}(?:%1\\d{3})+(?:%2\\d+)?|\\d+(?:%2\\d+)?")
            .arg(group, point));
    QStringList figures;
    for (const QRegularExpressionMatch& m : figure.globalMatch(text)) {
        if (m.hasCaptured(u"power")) {
            figures << m.captured(u"power") << m.captured(u"exponent");
            continue;
        }
        if (m.hasCaptured(u"typed")) {
            figures << m.captured(u"typed");
            continue;
        }
        QString plain = m.captured();
        plain.remove(QRegularExpression(group));
        plain.replace(QRegularExpression(point), QStringLiteral("."));
        figures << plain;
    }
    return figures;
}

// The figures of a page in `language`: what <code> shows is the program's own text, which stays
// in English forms (box texts such as 1.1972515182562E+40) in every language.
QStringList PageFigures(const QString& path, const QString& language) {
    const QString page = ReadPage(path);
    static const QRegularExpression code(QStringLiteral("<code>(.*?)</code>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList figures;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : code.globalMatch(page)) {
        figures << Figures(Visible(page.mid(done, m.capturedStart() - done)), language)
                << Figures(Visible(m.captured(1)), QStringLiteral("en"));
        done = m.capturedEnd();
    }
    return figures << Figures(Visible(page.mid(done)), language);
}

TEST(TranslationsTest, EveryTranslatedTopicStatesTheEnglishTopicsFiguresInOrder) {
    EXPECT_EQ(Figures(QStringLiteral("1,490.5 and 86,400 in 3.25 of 27^28"), QStringLiteral("en")),
              QStringList({"1490.5", "86400", "3.25", "27", "28"}));
    EXPECT_EQ(Figures(QStringLiteral("1.490,5 und 86.400 in 3,25"), QStringLiteral("de")),
              QStringList({"1490.5", "86400", "3.25"}));
    EXPECT_EQ(Figures(QStringLiteral("1\u00a0490,5 et 86\u00a0400"), QStringLiteral("fr")),
              QStringList({"1490.5", "86400"}));
    // The program's own forms read alike in every language.
    EXPECT_EQ(
        Figures(QStringLiteral("etwa 1.9E+25 Jahre, 2.5E-07, getippt 2.5"), QStringLiteral("de")),
        QStringList({"1.9", "25", "2.5", "07", "2.5"}));
    EXPECT_EQ(Figures(QStringLiteral("1.9E+25 years, 2.5E-07, typed 2.5"), QStringLiteral("en")),
              QStringList({"1.9", "25", "2.5", "07", "2.5"}));
    const QString& englishFolder = kHelpFolders.front();
    for (qsizetype l = 1; l < kHelpFolders.size(); ++l) {
        const QString language = LanguageOf(l);
        for (const QString& page : Pages(englishFolder)) {
            const QString translated = kHelpFolders[l] + QLatin1Char('/') + page;
            if (!QFile::exists(translated)) {
                continue; // named by the test of the topics
            }
            const QStringList wanted =
                PageFigures(englishFolder + QLatin1Char('/') + page, QStringLiteral("en"));
            const QStringList stated = PageFigures(translated, language);
            EXPECT_EQ(stated.join(QLatin1Char(' ')).toStdString(),
                      wanted.join(QLatin1Char(' ')).toStdString())
                << language.toStdString() << " " << page.toStdString();
        }
    }
}

TEST(TranslationsTest, TheSystemsLanguageChoosesTheNearestShippedOne) {
    using quarrow::plot::MatchedLanguage;
    EXPECT_EQ(MatchedLanguage({"de-DE", "en-US"}), QStringLiteral("de"));
    EXPECT_EQ(MatchedLanguage({"pt-BR"}), QStringLiteral("pt_BR"));
    EXPECT_EQ(MatchedLanguage({"pt"}), QStringLiteral("pt_BR")) << "the one Portuguese shipped";
    EXPECT_EQ(MatchedLanguage({"pt-PT", "pt"}), QStringLiteral("pt_BR"));
    EXPECT_EQ(MatchedLanguage({"fr-CA"}), QStringLiteral("fr"));
    EXPECT_EQ(MatchedLanguage({"ja-JP", "es-MX"}), QStringLiteral("es"))
        << "the first wanted language that is shipped";
    EXPECT_EQ(MatchedLanguage({"ja-JP"}), QStringLiteral("en"));
    EXPECT_EQ(MatchedLanguage({}), QStringLiteral("en"));
}

} // namespace
