#pragma once

#include "plot/learner_numbers.h"

#include <QMessageBox>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

class QWidget;

namespace quarrow {

// What the window's handlers share when they hand box texts to the Qt-free libraries and
// report back to the user.

/// A box's text for the libraries: one byte per character, so lengths and positions stay those
/// of the box; a character outside Latin-1 becomes "?", which no made string holds either.
std::string ToLatin1(const QString& text);

/// A library string (made symbols or number texts) for a box.
QString FromLatin1(std::string_view text);

/// The start of a text that is to be shown cut to a width: at most `characters` characters, so
/// that measuring it never lays out a million-letter phrase whole. Pass more characters than
/// the width can hold, so that the cut still shows.
QString LeadingPart(const QString& text, qsizetype characters);

/// A count in a message or dialog, thousands grouped the same way whatever the user's locale.
using plot::Grouped;

/// `count` as tr()'s plural argument, which chooses the catalogue's form ("1 hit", "3 hits"), for
/// counts past an int's reach too.
int PluralOf(std::int64_t count);

/// A count in a sentence, grouped as in the user's locale, as `%Ln` groups it.

/// Shows a window-modal message without blocking the handler; it deletes itself when closed.
/// Tests find it as a child of `window` by `objectName`.
void ShowWindowMessage(QWidget* window, QMessageBox::Icon icon, const QString& text,
                       const char* objectName);

/// The name the "Step Four" page's messages share (a refused run, a lock problem), by which
/// tests find them.
inline constexpr char kSelectionMessageName[] = "selectionMessage";

} // namespace quarrow
