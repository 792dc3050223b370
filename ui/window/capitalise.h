#pragma once

#include <QString>

class QLineEdit;

namespace quarrow {

/// The text with every small letter replaced by its capital, one UTF-16 unit at a time: a
/// character whose capital is not a single unit (or that has none) stays as it is, so the
/// result always has the length of the text.
QString Capitalised(const QString& text);

/// Writes the box's text back in capitals, also when nothing changes, and keeps the cursor
/// and the selection where they were.
void CapitaliseBox(QLineEdit& box);

} // namespace quarrow
