#include "plot/catalogue.h"

#include "plot/shipped_languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The resource is compiled into this library, whose users would otherwise not link it; its
// start-up function lies outside every namespace.
static void InitCatalogueResource() {
    Q_INIT_RESOURCE(quarrow_catalogue);
}

namespace quarrow::plot {

namespace {

const QString kSourceLanguage = QStringLiteral("en");
const char* const kCatalogueName = "quarrowCatalogue";

bool IsShipped(const QString& language) {
    for (const ShippedLanguage& shipped : ShippedLanguages()) {
        if (shipped.code == language) {
            return true;
        }
    }
    return false;
}

} // namespace

QList<ShippedLanguage> ShippedLanguages() {
    QList<ShippedLanguage> languages;
    for (const ShippedLanguageRow& row : kShippedLanguageRows) {
        languages.append({QString::fromUtf8(row.code), QString::fromUtf8(row.name)});
    }
    return languages;
}

QString MatchedLanguage(const QStringList& uiLanguages) {
    for (const QString& wanted : uiLanguages) {
        // "pt-BR" is the code pt_BR; a bare "pt" or "de-AT" falls back to the language alone.
        QString code = wanted;
        code.replace(QLatin1Char('-'), QLatin1Char('_'));
        QString language = code.section(QLatin1Char('_'), 0, 0);
        const QString region = code.section(QLatin1Char('_'), 1, 1);
        if (!region.isEmpty() && IsShipped(language + QLatin1Char('_') + region.toUpper())) {
            return language + QLatin1Char('_') + region.toUpper();
        }
        if (IsShipped(language)) {
            return language;
        }
        for (const ShippedLanguage& shipped : ShippedLanguages()) {
            if (shipped.code.section(QLatin1Char('_'), 0, 0) == language) {
                return shipped.code;
            }
        }
    }
    return kSourceLanguage;
}

Catalogue::Catalogue(QCoreApplication& app)
    : QObject(&app), english_(new QTranslator(this)), language_(kSourceLanguage) {
    setObjectName(QLatin1String(kCatalogueName));
}

bool Catalogue::Use(const QString& language) {
    if (!IsShipped(language)) {
        return false;
    }
    InitCatalogueResource();
    if (english_->isEmpty()) {
        if (!english_->load(CatalogueResource(kSourceLanguage))) {
            return false;
        }
        QCoreApplication::installTranslator(english_);
    }
    if (language == language_) {
        return true;
    }
    QTranslator* texts = nullptr;
    QTranslator* toolkit = nullptr;
    if (language != kSourceLanguage) {
        texts = new QTranslator(this);
        if (!texts->load(CatalogueResource(language))) {
            delete texts;
            return false;
        }
        // The toolkit's texts where the system has them (Debian's qt6-translations-l10n);
        // without them its buttons stay English.
        toolkit = new QTranslator(this);
        if (!toolkit->load(QStringLiteral("qtbase_") + language,
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            delete toolkit;
            toolkit = nullptr;
        }
    }
    // The new translators go in before the old ones come out, so that no window is told of a
    // change to English in between.
    for (QTranslator* added : {texts, toolkit}) {
        if (added != nullptr) {
            QCoreApplication::installTranslator(added);
        }
    }
    for (QTranslator* removed : {texts_, toolkit_}) {
        if (removed != nullptr) {
            QCoreApplication::removeTranslator(removed);
            delete removed;
        }
    }
    texts_ = texts;
    toolkit_ = toolkit;
    language_ = language;
    return true;
}

Catalogue* Catalogue::Of(const QCoreApplication& app) {
    return dynamic_cast<Catalogue*>(
        app.findChild<QObject*>(QLatin1String(kCatalogueName), Qt::FindDirectChildrenOnly));
}

bool InstallCatalogue(QCoreApplication& app, const QString& language) {
    Catalogue* catalogue = Catalogue::Of(app);
    if (catalogue == nullptr) {
        // Owned by the application, which outlives every window that reads it.
        catalogue = new Catalogue(app);
    }
    return catalogue->Use(language) || catalogue->Use(kSourceLanguage);
}

} // namespace quarrow::plot
