#include "ui/common/box_text.h"

#include "ui/common/zoom.h"

#include <QWidget>

#include <algorithm>

namespace quarrow {

std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString FromLatin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString LeadingPart(const QString& text, qsizetype characters) {
    return text.size() <= characters ? text : text.first(characters);
}

int PluralOf(std::int64_t count) {
    constexpr std::int64_t kMany = 1000000;
    return static_cast<int>(std::clamp<std::int64_t>(count, -kMany, kMany));
}

void ShowWindowMessage(QWidget* window, QMessageBox::Icon icon, const QString& text,
                       const char* objectName) {
    auto* box = new QMessageBox(icon, window->windowTitle(), text, QMessageBox::Ok, window);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::WindowModal);
    new WindowZoom(*box); // read at the window's zoom, like everything opened from it
    box->open();
}

} // namespace quarrow
