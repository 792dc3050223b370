#pragma once

#include "analysis/evolution_feed.h"

#include <QPointer>

namespace quarrow {

class EvolutionView;

/// The view's choices that outlive one run: "Keep this window open after the run" and the Speed
/// (slow motion and its rate) as the user last left them, and the finished view still open. The
/// window holds one for as long as the program runs. The view starts out kept open: a short run
/// ends long before any view would show, and the finished view is where a learner first meets the
/// curve.
struct ViewChoices {
    bool keepOpen = true;
    bool slowMotion = false;
    QPointer<EvolutionView> keptView;
    /// Generations a second in slow motion.
    double slowMotionRate = EvolutionFeed::kDefaultSlowMotionRate;
};

} // namespace quarrow
