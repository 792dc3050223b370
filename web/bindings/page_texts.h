#pragma once

#include "platform/translatable.h"

namespace quarrow::web {

// The texts only the browser's page shows, marked here so that the one catalogue of texts
// (i18n/quarrow_en.ts) holds them beside the window's; the page looks them up under "WebPage".
inline constexpr const char* kPageTexts[] = {
    QUARROW_TRANSLATABLE("WebPage", "Copy link"),
    QUARROW_TRANSLATABLE("WebPage", "Copy a link to this phrase, step and scheme"),
    QUARROW_TRANSLATABLE("WebPage", "The link to this set-up is on the clipboard:\n%1"),
    QUARROW_TRANSLATABLE("WebPage", "The link could not be put on the clipboard. Copy it from "
                                    "here:\n%1"),
    QUARROW_TRANSLATABLE("WebPage", "The link's seed \"%1\" was ignored: a seed is a whole number "
                                    "from 0 to %2."),
    QUARROW_TRANSLATABLE("WebPage", "The link's step \"%1\" was ignored: the steps are 1 to 4."),
    QUARROW_TRANSLATABLE("WebPage", "The link's scheme \"%1\" was ignored: the schemes are %2."),
    QUARROW_TRANSLATABLE("WebPage", "The link's phrase was ignored: it is longer than %1 "
                                    "characters."),
    QUARROW_TRANSLATABLE("WebPage", "and"),
    QUARROW_TRANSLATABLE("WebPage", "The link's setting \"%1\" is not one this page knows, and "
                                    "was ignored."),
    QUARROW_TRANSLATABLE("WebPage", "Language"),
    QUARROW_TRANSLATABLE("WebPage", "The link's language \"%1\" was ignored: the languages are "
                                    "%2."),
    QUARROW_TRANSLATABLE("WebPage", "Seeded with %1: every result repeats exactly, as "
                                    "quarrow-lab's with --seed %1."),
    QUARROW_TRANSLATABLE("WebPage", "Evolving the target"),
    QUARROW_TRANSLATABLE("WebPage", "Generation %1: %2 of %3 letters right, %4 strings made"),
    QUARROW_TRANSLATABLE("WebPage", "Measuring how many strings this computer makes in a "
                                    "second…"),
    QUARROW_TRANSLATABLE("WebPage", "Generation log"),
    QUARROW_TRANSLATABLE("WebPage", "Download"),
    QUARROW_TRANSLATABLE("WebPage", "Close"),
    QUARROW_TRANSLATABLE("WebPage", "The log is %1; this shows its first %2. Download it to "
                                    "read it whole."),
    QUARROW_TRANSLATABLE("WebPage", "generation.log, in this browser's storage for the page"),
    QUARROW_TRANSLATABLE("WebPage", "The generation log could not be read: %1"),
    QUARROW_TRANSLATABLE("WebPage", "Another tab or window of this browser is running a "
                                    "selection with Quarrow and writing the generation log.\n\n"
                                    "The run was not started. Try again once that run has "
                                    "ended."),
    QUARROW_TRANSLATABLE("WebPage", "This browser cannot keep a generation log for the page "
                                    "(%1), so the run was not started."),
    QUARROW_TRANSLATABLE("WebPage", "Quarrow has ended. Reload the page to start it again."),
    QUARROW_TRANSLATABLE("WebPage", "Quarrow could not start in this browser: %1"),
    // The live view of a "Step Four" run.
    QUARROW_TRANSLATABLE("WebPage", "This browser does not let the page hold a run in its "
                                    "worker, so the run goes at full speed: Pause, Step and the "
                                    "slower speeds need the page served with cross-origin "
                                    "isolation."),

    // Offline use: a new version of the site, ready in the service worker's cache.
    QUARROW_TRANSLATABLE("WebPage", "A new version of Quarrow is ready."),
    QUARROW_TRANSLATABLE("WebPage", "A new version of Quarrow is in use in another tab or "
                                    "window."),
    QUARROW_TRANSLATABLE("WebPage", "Use it now"),
    QUARROW_TRANSLATABLE("WebPage", "Reload the page with the new version, keeping the phrase, "
                                    "step and scheme"),
    QUARROW_TRANSLATABLE("WebPage", "It can be used once the task under way has finished or "
                                    "been cancelled."),

    // The Repeat view.
    QUARROW_TRANSLATABLE("WebPage", "%1: mean %2 generations, median %3, 10% of runs at most "
                                    "%4, 90% at most %5; the exact law's mean is %6."),
    QUARROW_TRANSLATABLE("WebPage", "Runs done: %1 of %2"),
    QUARROW_TRANSLATABLE("WebPage", "Save chart as PNG"),
    QUARROW_TRANSLATABLE("WebPage", "Save chart as SVG"),
};

} // namespace quarrow::web
