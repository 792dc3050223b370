#include "ui/window/capitalise.h"

#include <QLineEdit>

namespace quarrow {

QString Capitalised(const QString& text) {
    QString result = text;
    for (QChar& unit : result) {
        // Surrogate halves map to themselves, and a capital outside the basic plane would
        // need two units: both leave the character alone.
        const char32_t capital = QChar::toUpper(static_cast<char32_t>(unit.unicode()));
        if (capital <= 0xFFFF) {
            unit = QChar(static_cast<char16_t>(capital));
        }
    }
    return result;
}

void CapitaliseBox(QLineEdit& box) {
    const int cursor = box.cursorPosition();
    const int selectionStart = box.selectionStart();
    const int selectionLength = box.selectionLength();
    box.setText(Capitalised(box.text()));
    if (selectionStart >= 0 && selectionLength > 0) {
        // setSelection leaves the cursor at the far end; restore the side it was on.
        if (cursor == selectionStart) {
            box.setSelection(selectionStart + selectionLength, -selectionLength);
        } else {
            box.setSelection(selectionStart, selectionLength);
        }
    } else {
        box.setCursorPosition(cursor);
    }
}

} // namespace quarrow
