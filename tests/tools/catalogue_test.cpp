// The source catalogue against the sources: every shown text is in it, nothing in it is gone
// from the sources, and every plural message has its English forms.

#include <gtest/gtest.h>

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <string>

namespace {

const QString kSourceDir = QStringLiteral(QUARROW_SOURCE_DIR);
const QString kCatalogue = kSourceDir + QStringLiteral("/i18n/quarrow_en.ts");

struct Message {
    bool numerus = false;
    bool finished = false;
    QStringList forms;
};

/// The messages of a catalogue, by context, source and comment; locations are not read, so a
/// catalogue stays up to date while lines move.
using Messages = QMap<QString, Message>;

void ReadMessage(QXmlStreamReader& xml, const QString& context, Messages& messages) {
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
            message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            while (xml.readNext() != QXmlStreamReader::EndElement ||
                   xml.name() != QLatin1String("translation")) {
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    message.forms << xml.readElementText();
                }
            }
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

Messages ReadCatalogue(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Messages messages;
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

std::string Listed(const QStringList& keys) {
    return QStringLiteral("\n  ").append(keys.join(QStringLiteral("\n  "))).toStdString();
}

TEST(CatalogueTest, HoldsEveryShownTextAndNoTextGoneFromTheSources) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString fresh = folder.filePath(QStringLiteral("quarrow_en.ts"));
    ASSERT_TRUE(QFile::copy(kCatalogue, fresh));

    QProcess update;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUPDATE"), QStringLiteral(QUARROW_LUPDATE));
    update.setProcessEnvironment(environment);
    update.setProcessChannelMode(QProcess::ForwardedChannels);
    update.start(QStringLiteral("bash"),
                 {kSourceDir + QStringLiteral("/scripts/catalogue.sh"), fresh});
    ASSERT_TRUE(update.waitForFinished(120000));
    ASSERT_EQ(update.exitCode(), 0);

    const Messages checkedIn = ReadCatalogue(kCatalogue);
    const Messages collected = ReadCatalogue(fresh);
    QStringList missing;
    for (auto m = collected.cbegin(); m != collected.cend(); ++m) {
        if (!checkedIn.contains(m.key())) {
            missing << m.key();
        }
    }
    QStringList gone;
    for (auto m = checkedIn.cbegin(); m != checkedIn.cend(); ++m) {
        if (!collected.contains(m.key())) {
            gone << m.key();
        }
    }
    EXPECT_TRUE(missing.isEmpty())
        << "shown texts missing from i18n/quarrow_en.ts (bash scripts/catalogue.sh adds them):"
        << Listed(missing);
    EXPECT_TRUE(gone.isEmpty())
        << "texts in i18n/quarrow_en.ts that the sources no longer show (bash "
           "scripts/catalogue.sh removes them):"
        << Listed(gone);
}

// Without its forms a plural message shows its source, "%n run(s)", as it is.
TEST(CatalogueTest, EveryPluralHasItsTwoEnglishForms) {
    const Messages checkedIn = ReadCatalogue(kCatalogue);
    QStringList unfilled;
    int plurals = 0;
    for (auto m = checkedIn.cbegin(); m != checkedIn.cend(); ++m) {
        if (!m->numerus) {
            continue;
        }
        ++plurals;
        const bool filled = m->finished && m->forms.size() == 2 && !m->forms.contains(QString()) &&
                            m->forms[0] != m->forms[1];
        if (!filled) {
            unfilled << m.key();
        }
    }
    EXPECT_GT(plurals, 0);
    EXPECT_TRUE(unfilled.isEmpty())
        << "plural messages of i18n/quarrow_en.ts whose singular and plural are not both given:"
        << Listed(unfilled);
}

} // namespace
