#pragma once

// A text that a layer below the window hands up to be shown, marked where it is written. The
// catalogue collects it under `context` (scripts/catalogue.sh tells lupdate this mark's name),
// and the window translates it where it shows it, with QCoreApplication::translate(context,
// text). Here, as for the lab, it is the English text itself.
#define QUARROW_TRANSLATABLE(context, text) text

// A text with plural forms, marked as above: the shell chooses its form by the count it fills.
#define QUARROW_TRANSLATABLE_PLURAL(context, text) text
