#pragma once

class QLineEdit;

namespace quarrow {

/// Keeps `box` quick to paint when it holds a very long text (a phrase of a million letters).
/// A line edit lays out and draws every letter of its text on each paint, a tenth of a second
/// and more at that length, although it shows only a few dozen. While the box is not being
/// edited (no focus, nothing selected, the cursor at the start or the end of the text), it is
/// painted from the part of its text in sight instead, drawn exactly as the box draws it; the box
/// keeps its whole text, and once it is edited it paints itself again.
void PaintOnlyTheTextInSight(QLineEdit& box);

} // namespace quarrow
