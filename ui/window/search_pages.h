#pragma once

#include "ui/common/task_runner.h"
#include "ui/window/window_page.h"

#include <QCoreApplication>

namespace quarrow {

struct Trial;
struct TrialResult;

/// The "Step Two" and "Step Three" pages: the measurement of how fast random strings are made
/// and the trial that makes strings at random against the target. Each reads its boxes, runs
/// on the task runner and writes its boxes when it ends.
class SearchPages {
    Q_DECLARE_TR_FUNCTIONS(SearchPages)

public:
    explicit SearchPages(const WindowPage& page);

    /// "Step Two": measures the strings made a second and fills the estimate.
    void Measure();
    /// "Step Two" entered: its results are emptied.
    void ClearEstimate();
    /// "Step Three": makes the asked number of strings and shows the best.
    void RunTrial();

private:
    /// Writes the trial's best string, its count and the time it took.
    void ShowTrial(Trial& trial, const TaskEnd<TrialResult>& end);

    QWidget& window_;
    Ui::Quarrow& ui_;
    const QuarrowServices& services_;
    TaskRunner& run_;
};

} // namespace quarrow
