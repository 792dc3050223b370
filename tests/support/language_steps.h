#pragma once

#include "plot/catalogue.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QString>

namespace quarrow::testing {

/// Shows the program in `language` as the window's menu does, and hands every window the
/// change at once: the application's notice, then each window's.
inline void UseLanguage(const QString& language) {
    plot::Catalogue* catalogue = plot::Catalogue::Of(*QCoreApplication::instance());
    ASSERT_NE(catalogue, nullptr);
    ASSERT_TRUE(catalogue->Use(language)) << language.toStdString();
    for (int round = 0; round < 2; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
}

/// Back to English when it goes, for the tests that come after.
class InLanguage {
public:
    explicit InLanguage(const QString& language) { UseLanguage(language); }
    ~InLanguage() { UseLanguage(QStringLiteral("en")); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;
};

} // namespace quarrow::testing
