#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace quarrow::plot {

/// Where the compiled catalogue of `language` is embedded. English's gives the plural forms
/// ("1 hit", "2 hits"); a text with no translation in the language's shows its source.
inline QString CatalogueResource(const QString& language = QStringLiteral("en")) {
    return QStringLiteral(":/i18n/quarrow_%1.qm").arg(language);
}

/// A language the program ships: its code ("pt_BR") and its name as it calls itself
/// ("Português (Brasil)"), which every language's menu shows alike.
struct ShippedLanguage {
    QString code;
    QString name;
};

/// The shipped languages, English first, in the order of the build's list.
QList<ShippedLanguage> ShippedLanguages();

/// The shipped language that best matches `uiLanguages`, most wanted first, in the forms
/// QLocale::uiLanguages() gives ("de-DE", "pt-BR", "pt"); English when none matches.
QString MatchedLanguage(const QStringList& uiLanguages);

/// The program's texts in one language at a time: the chosen language's catalogue over the
/// English plural forms, and the toolkit's own texts (message-box buttons, file dialogs) in that
/// language when the system has them. Owned by the application; a change of language reaches
/// every widget as a LanguageChange event, on which each window shows its texts anew.
class Catalogue final : public QObject {
public:
    explicit Catalogue(QCoreApplication& app);

    /// Shows the program in `language`; false, keeping the language shown, when it is not
    /// shipped or its catalogue cannot be read.
    bool Use(const QString& language);
    QString Language() const { return language_; }

    /// The application's catalogue; null before InstallCatalogue.
    static Catalogue* Of(const QCoreApplication& app);

private:
    QTranslator* english_;
    QTranslator* texts_ = nullptr;
    QTranslator* toolkit_ = nullptr;
    QString language_;
};

/// Installs the catalogue on `app` in `language`, before any window is made; false when it
/// cannot be read. The window (in the system's language), the lab and the GUI tests (English)
/// start with it.
bool InstallCatalogue(QCoreApplication& app, const QString& language = QStringLiteral("en"));

} // namespace quarrow::plot
