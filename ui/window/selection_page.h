#pragma once

#include "engine/run_cost.h"
#include "engine/selection.h"
#include "ui/common/task_runner.h"
#include "ui/window/window_page.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QRadioButton;

namespace quarrow {

struct SelectionRun;
struct ViewChoices;

/// The option buttons of `window`'s "Step Four" page, in the order of the scheme table.
std::vector<QRadioButton*> SchemeOptions(const QWidget& window);

/// The "Step Four" page: reads its texts and option, runs the chosen scheme on the task runner
/// with the live view beside the window, and writes the three result boxes and the log.
class SelectionPage {
    Q_DECLARE_TR_FUNCTIONS(SelectionPage)

public:
    SelectionPage(const WindowPage& page, ViewChoices& choices);
    ~SelectionPage();

    /// Writes the scheme captions on the option buttons, in the program's language.
    void ShowSchemeCaptions();
    SelectionPage(const SelectionPage&) = delete;
    SelectionPage& operator=(const SelectionPage&) = delete;

    /// The scheme the option buttons choose; none when no button is set.
    std::optional<Scheme> ChosenScheme() const;
    /// Runs `scheme` on the page's two texts; with no scheme, empties the result boxes.
    void Go(std::optional<Scheme> scheme);
    /// Empties the result boxes: the target or the first string changed, and the figures were
    /// found for the texts before. A run going on leaves them empty when it ends.
    void ForgetFigures();
    /// Hands the log to the desktop's editor, asking first about a large one.
    void ViewLog();
    /// Whether a question before a run (its cost, a lock from another computer) is waiting for
    /// its answer.
    bool Asking() const { return !question_.isNull() && question_->isVisible(); }

private:
    struct Request {
        Scheme scheme = Scheme::Attenuating;
        QString target;
        QString firstString;
        std::string targetBytes;
        std::string firstBytes;
        std::optional<double> generationRate;
    };

    /// Says why input the run could not handle truthfully is refused; true when it is.
    bool Refuse(const Request& request);
    /// Before a long scheme-3 run: measures the generation rate, then asks.
    void MeasureThenAsk(Request request, const SequentialExpectation& expected);
    /// Asks with the run's expected cost whether to start it (also when it is not long and the
    /// log's drive has room, it starts at once).
    void Ask(Request request, const SequentialExpectation& expected);
    /// Takes the log's lock, asking first about one from another computer, then starts the run.
    void Launch(const Request& request);
    /// Opens the log, shows the live view and starts the run, with the lock held.
    void StartRun(const Request& request, const std::shared_ptr<SelectionRun>& state);
    /// Hands the generator back, ends the view and writes the boxes.
    void FinishRun(SelectionRun& state, const TaskEnd<RunResult>& end);
    /// Says why a run stopped before its match, if it did.
    void SayHowItStopped(const RunResult& result);
    /// Opens the log or its folder.
    void OpenLog(bool folderOnly);
    void Say(QMessageBox::Icon icon, const QString& text);

    QWidget& window_;
    Ui::Quarrow& ui_;
    const QuarrowServices& services_;
    TaskRunner& run_;
    ViewChoices& choices_;
    QPointer<QMessageBox> question_;
    // Changes of the target or the first string so far; a run's figures are written only under
    // the texts it ran on.
    std::uint64_t textChanges_ = 0;
};

} // namespace quarrow
