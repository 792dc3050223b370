#pragma once

#include "engine/generation_log.h"
#include "engine/scheme.h"
#include "platform/clock.h"
#include "platform/generator.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarrow {

// The three natural-selection schemes. Each run evolves a first string towards a target, one
// generation of 20 offspring at a time, writes every generation to a log and hands back the
// generation count, the string count and the elapsed seconds.
//
// Strings hold one byte per position (Latin-1); a target may use only the 27 symbols "A" to "Z"
// and the space, since no drawn symbol could ever match anything else (see `CheckInput`).
//
// Threading: a run touches only what its `RunEnvironment` hands it, so independent runs may
// execute in parallel, each with its own generator and log sink. The time of day plays no part
// in a run: the schemes reseed only from numbers of their own.

/// Offspring bred in every generation.
inline constexpr int kOffspringPerGeneration = 20;

/// How a run ended.
enum class RunOutcome {
    Matched,      ///< the run reached its end; the final log line is written
    Cancelled,    ///< the cancel flag stopped it; the log holds every completed generation
    LogFailed,    ///< the log could not be created or written; `RunResult::logError` says why
    InvalidInput, ///< refused before it began; `RunResult::problem` says why; no log touched
};

/// Why a pair of strings cannot be run. Positions are 0-based.
struct InputProblem {
    enum class Kind {
        ForeignSymbol,      ///< `text` holds a character outside the 27 symbols at `position`
        FirstStringTooLong, ///< sequential only: the first string is longer than the target
    };
    /// Which of the two texts of the page the problem is in.
    enum class Text { Target, FirstString };

    Kind kind = Kind::ForeignSymbol;
    Text text = Text::Target;
    std::size_t position = 0;
    char character = '\0';
};

/// Checks the two texts of the page before a run of `scheme`, as the page hands them over: the
/// target (the attenuating and serial `MatchWord`, the sequential `FirstWord`) and the first
/// string (the attenuating and serial `FirstWord`, the sequential `MatchWord`).
///
/// Refused: a target with a character outside the 27 symbols; for the sequential scheme also
/// such a first string, and a first string longer than the target (its offspring copy the
/// target's leading letters, which must exist). A first string shorter than the target is fine
/// for the other two schemes: each missing letter counts as wrong.
std::optional<InputProblem> CheckInput(Scheme scheme, std::string_view target,
                                       std::string_view firstString);

/// The offspring of one generation as the engine bred them, for a watcher that shows them.
struct GenerationOffspring {
    /// Schemes 1 and 2: the parent they were bred from. Scheme 3: empty, as every offspring
    /// starts again from the leading letters of its `FirstWord`.
    std::string parent;
    /// The offspring in the order bred, each as long as the target; fewer than
    /// `kOffspringPerGeneration` when one of them ended the run.
    std::vector<std::string> strings;
    /// For each offspring, schemes 1 and 2: its letters equal to the target's. Scheme 3: the
    /// generation's `NumMatched` once it was scored (its copied letters plus every hit so far).
    std::vector<std::size_t> matched;
    /// Scheme 3: the leading letters each offspring copied; empty for the other schemes.
    std::vector<std::size_t> copied;
};

/// The figures of how far a run has come that are numbers, copied whole.
struct RunNumbers {
    Scheme scheme = Scheme::Attenuating;
    /// Generations completed.
    std::int64_t generation = 0;
    /// Strings made so far, counted as the scheme's `NumTotal` counts them.
    std::int64_t stringsMade = 0;
    /// Letters of `currentString` that match: the parent's right letters, or the best count.
    std::size_t matchedLetters = 0;
    /// The length the run must match (the `MatchWord` length).
    std::size_t targetLength = 0;
    /// Seconds since the run began, from the monotonic clock.
    double elapsedSeconds = 0.0;
    /// Sequential only: how many leading letters of `lastOffspring` were copied.
    std::size_t lockedLetters = 0;
    /// Sequential only: the prefix the reported generation reached (its `NumMatched` at the end),
    /// `lockedLetters` plus the tail letters of `lastOffspring` that equal `MatchWord`'s there.
    std::size_t generationReached = 0;
};

/// The figures of how far a run has come that are texts.
template <typename Text> struct RunTexts {
    /// The current parent (attenuating, serial) or the best offspring so far (sequential, empty
    /// until there is one).
    Text currentString;
    /// Sequential only (empty otherwise): the reported generation's last offspring, its copied
    /// prefix followed by its drawn tail.
    Text lastOffspring;

    /// Takes the texts of `other` into this one's strings, reusing their room. The texts are
    /// bound by position, so that a text added above and not here does not compile.
    template <typename OtherText> void AssignTexts(const RunTexts<OtherText>& other) {
        auto& [current, last] = *this;
        const auto& [otherCurrent, otherLast] = other;
        current.assign(otherCurrent);
        last.assign(otherLast);
    }
};

/// How far a run has come. In the reports the progress callback gets, `Text` is a
/// `std::string_view` valid only during the call; a copy kept to show later holds
/// `std::string`s.
template <typename Text> struct RunFigures : RunNumbers, RunTexts<Text> {
    /// Takes every figure of `report`, copying its strings into this one's.
    template <typename ReportText> void CopyFigures(const RunFigures<ReportText>& report) {
        static_cast<RunNumbers&>(*this) = report;
        this->AssignTexts(report);
    }
};

/// A snapshot of a running run, handed to the progress callback. Its strings are valid only
/// during the callback: copy them to keep them.
struct RunProgress : RunFigures<std::string_view> {
    /// True for the one report made after the run has stopped and read its time.
    bool final = false;
    /// The reported generation's offspring while `RunEnvironment::showOffspring` asks for them,
    /// else null. Valid only during the callback.
    const GenerationOffspring* offspring = nullptr;
};

/// Called on the run's own thread; keep it short.
using ProgressCallback = std::function<void(const RunProgress&)>;

/// Everything a run uses besides its two strings.
struct RunEnvironment {
    /// Drawn from and reseeded as the scheme prescribes; left where the run stopped.
    Generator& generator;
    /// Times the run; `TimeLength` is the difference of two of its readings.
    const MonotonicClock& clock;
    /// The generation log; a `NullLogSink` writes nothing.
    LogSink& log;
    /// Polled at least once a generation; when it becomes true the run stops after the
    /// generation it is in, keeps the completed lines and closes the log.
    const std::atomic<bool>& cancel;
    /// Optional; called at most once every `progressInterval` seconds, and once at the end.
    ProgressCallback progress = {};
    double progressInterval = 0.005;
    /// Optional; while it reads true, `progress` is called after every generation whatever
    /// `progressInterval` says, so a watcher can pace the run from inside the callback. Such
    /// reports carry the elapsed time of the run's last clock reading, which it takes only every
    /// few thousand drawn symbols.
    const std::atomic<bool>* reportEveryGeneration = nullptr;
    /// Optional; while it reads true, every offspring of a generation is made into a string and
    /// `progress` is called after the generation with them. The run draws exactly what it draws
    /// without them; when it reads false (or is null) the offspring loops are the usual ones.
    const std::atomic<bool>* showOffspring = nullptr;
};

/// What a run hands back. The counts are those reached when it stopped; on `InvalidInput` they
/// are 0 and `timeLength` is 0.
struct RunResult {
    RunOutcome outcome = RunOutcome::Matched;
    /// Elapsed seconds, a 32-bit float as the window shows it.
    float timeLength = 0.0f;
    /// Generations begun (`NumMutations`).
    std::int64_t numMutations = 0;
    /// Strings made (`NumTotal`); for the sequential scheme 1 plus the offspring completed.
    std::int64_t numTotal = 0;
    /// Random symbols drawn for offspring letters (the sequential scheme's extra value per
    /// offspring not counted); the work a run did, for benchmarks and statistics.
    std::int64_t symbolsDrawn = 0;
    /// Set on `LogFailed`.
    std::string logError;
    /// Set on `InvalidInput`.
    std::optional<InputProblem> problem;
};

/// Scheme 1: every wrong letter of the parent gets one drawn symbol per offspring, taken only
/// if its code is strictly nearer the target letter's code.
RunResult AttenuatingSelection(std::string_view MatchWord, std::string_view FirstWord,
                               const RunEnvironment& environment);

/// Scheme 2: every wrong letter of the parent gets one drawn symbol per offspring, always
/// taken; right letters are locked.
RunResult SerialSelection(std::string_view MatchWord, std::string_view FirstWord,
                          const RunEnvironment& environment);

/// Scheme 3: offspring copy the first k letters of `FirstWord` and draw the rest; each drawn
/// symbol equal to `MatchWord`'s letter there lengthens the next offspring's prefix. Note the
/// parameter order, the reverse of the other two.
RunResult SequentialSelection(std::string_view FirstWord, std::string_view MatchWord,
                              const RunEnvironment& environment);

/// Runs `scheme` on the page's two texts, passing them as the window does: the target as the
/// attenuating and serial `MatchWord` and as the sequential `FirstWord`.
RunResult RunScheme(Scheme scheme, std::string_view target, std::string_view firstString,
                    const RunEnvironment& environment);

} // namespace quarrow
