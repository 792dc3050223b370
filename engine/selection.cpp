#include "engine/selection.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "search/alphabet.h"

namespace quarrow {

namespace {

constexpr char kGenerationSeparator[] = "  ";

// The clock is read only after this many drawn symbols (tens of microseconds of work), so
// progress reports cost nothing measurable even when generations take a few nanoseconds.
constexpr std::uint64_t kDrawsPerClockReading = 4096;

/// Appends a count in sign-position form: a space (a "-" when negative), then the digits.
void AppendSignPosition(std::string& line, std::int64_t value) {
    line.push_back(value < 0 ? '-' : ' ');
    const std::uint64_t magnitude = value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                              : static_cast<std::uint64_t>(value);
    char digits[24];
    const auto converted = std::to_chars(digits, digits + sizeof digits, magnitude);
    line.append(digits, converted.ptr);
}

/// Appends a count in print form: the sign-position form and a trailing space.
void AppendPrintForm(std::string& line, std::int64_t value) {
    AppendSignPosition(line, value);
    line.push_back(' ');
}

std::optional<InputProblem> FirstForeign(std::string_view text, InputProblem::Text which) {
    const std::optional<std::size_t> position = FirstForeignSymbol(text);
    if (!position) {
        return std::nullopt;
    }
    InputProblem problem;
    problem.kind = InputProblem::Kind::ForeignSymbol;
    problem.text = which;
    problem.position = *position;
    problem.character = text[*position];
    return problem;
}

/// The bookkeeping every scheme shares: the clock, progress reports, the cancel flag, the log
/// and the results. The scheme loops own the generator and the strings.
class RunRecorder {
public:
    RunRecorder(Scheme scheme, const RunEnvironment& environment, std::size_t targetLength)
        : environment_(environment), start_(environment.clock.Seconds()) {
        snapshot_.scheme = scheme;
        snapshot_.targetLength = targetLength;
        nextReport_ = start_ + environment.progressInterval;
    }

    bool OpenLog() { return environment_.log.Open() || LogFailed(); }

    /// Writes one line; false (and the log closed) when it could not be written.
    bool WriteLine(std::string_view line) {
        return environment_.log.WriteLine(line) || LogFailed();
    }

    /// Closes the log once; a failure to write out its last lines fails the run.
    void CloseLog() {
        if (logClosed_) {
            return;
        }
        logClosed_ = true;
        if (!environment_.log.Close() && outcome_ != RunOutcome::LogFailed) {
            outcome_ = RunOutcome::LogFailed;
            logError_ = environment_.log.Error();
        }
    }

    bool CancelRequested() {
        if (environment_.cancel.load(std::memory_order_relaxed)) {
            outcome_ = RunOutcome::Cancelled;
            return true;
        }
        return false;
    }

    /// Called after each generation with the draws it made; true when a report is due.
    bool ReportDue(std::uint64_t draws) {
        if (!environment_.progress) {
            return false;
        }
        const bool everyGeneration =
            environment_.reportEveryGeneration != nullptr &&
            environment_.reportEveryGeneration->load(std::memory_order_relaxed);
        drawsSinceReading_ += draws;
        if (drawsSinceReading_ < kDrawsPerClockReading) {
            // Reported every generation, the elapsed time is that of the last clock reading.
            return everyGeneration;
        }
        drawsSinceReading_ = 0;
        const double now = environment_.clock.Seconds();
        snapshot_.elapsedSeconds = now - start_;
        if (now < nextReport_ && !everyGeneration) {
            return false;
        }
        nextReport_ = now + environment_.progressInterval;
        return true;
    }

    /// What the sequential scheme shows of the generation it reports next.
    void SetGeneration(std::string_view lastOffspring, std::size_t locked, std::size_t reached) {
        snapshot_.lastOffspring = lastOffspring;
        snapshot_.lockedLetters = locked;
        snapshot_.generationReached = reached;
    }

    void Report(std::int64_t generation, std::int64_t stringsMade, std::string_view current,
                std::size_t matched) {
        snapshot_.generation = generation;
        snapshot_.stringsMade = stringsMade;
        snapshot_.currentString = current;
        snapshot_.matchedLetters = matched;
        environment_.progress(snapshot_);
    }

    /// Reads the clock for the elapsed time and fills the counts; the outcome is filled in by
    /// `Seal`, once the log is closed.
    RunResult Finish(std::int64_t generations, std::int64_t strings, std::uint64_t draws,
                     std::string_view current, std::size_t matched) {
        RunResult result;
        result.numMutations = generations;
        result.numTotal = strings;
        result.symbolsDrawn = static_cast<std::int64_t>(draws);
        const double end = environment_.clock.Seconds();
        result.timeLength = static_cast<float>(end - start_);
        if (environment_.progress) {
            snapshot_.elapsedSeconds = end - start_;
            snapshot_.final = true;
            Report(generations, strings, current, matched);
        }
        return result;
    }

    /// Fills in how the run ended; call after `CloseLog`.
    RunResult Seal(RunResult result) const {
        result.outcome = outcome_;
        result.logError = logError_;
        return result;
    }

private:
    /// Records why the log failed and closes it; always false.
    bool LogFailed() {
        outcome_ = RunOutcome::LogFailed;
        logError_ = environment_.log.Error();
        environment_.log.Close();
        logClosed_ = true;
        return false;
    }

    const RunEnvironment& environment_;
    double start_;
    double nextReport_;
    std::uint64_t drawsSinceReading_ = 0;
    RunProgress snapshot_;
    RunOutcome outcome_ = RunOutcome::Matched;
    std::string logError_;
    bool logClosed_ = false;
};

RunResult Refused(const InputProblem& problem) {
    RunResult result;
    result.outcome = RunOutcome::InvalidInput;
    result.problem = problem;
    return result;
}

/// Schemes 1 and 2: right letters are locked, every wrong letter gets one drawn symbol per
/// offspring. The attenuating scheme takes it only when strictly nearer the target letter.
template <Scheme kScheme>
RunResult LockedLetterSelection(std::string_view MatchWord, std::string_view FirstWord,
                                const RunEnvironment& environment) {
    if (const auto problem = CheckInput(kScheme, MatchWord, FirstWord)) {
        return Refused(*problem);
    }
    const std::size_t n = MatchWord.size();
    RunRecorder recorder(kScheme, environment, n);

    // Positions past the end of a short first string have no letter: they count as wrong and
    // take any drawn symbol. Only the first parent can have them; its offspring have n letters.
    constexpr int kNoLetter = std::numeric_limits<int>::max();
    std::string parent(FirstWord.substr(0, n));
    const std::size_t firstLetters = parent.size();
    parent.resize(n, ' ');
    std::string child = parent;

    // The wrong positions of the current parent, in increasing order. Right positions draw
    // nothing and never change, so the offspring loop visits only these.
    struct WrongLetter {
        double seedFactor; // the 1-based position, which times the serial gives the seed
        std::size_t position;
        int target;   // the target's code
        int distance; // the parent letter's distance from it
    };
    std::vector<WrongLetter> wrong;
    wrong.reserve(n);
    std::size_t matched = 0;
    const auto scoreParent = [&](bool firstParent) {
        wrong.clear();
        matched = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const auto target = static_cast<unsigned char>(MatchWord[j]);
            const auto letter = static_cast<unsigned char>(parent[j]);
            const auto seedFactor = static_cast<double>(j + 1);
            if (firstParent && j >= firstLetters) {
                wrong.push_back({seedFactor, j, target, kNoLetter});
            } else if (letter == target) {
                ++matched;
            } else {
                wrong.push_back({seedFactor, j, target, std::abs(int{letter} - int{target})});
            }
        }
    };
    std::string line;
    line.reserve(n + 32);

    std::int64_t generation = 0;
    std::int64_t offspring = 0;
    if (!recorder.OpenLog()) {
        return recorder.Seal(recorder.Finish(generation, offspring, 0, {}, 0));
    }

    // The generator runs in a local copy so its state stays in registers in the loops below.
    Generator generator = environment.generator;
    if constexpr (kScheme == Scheme::Serial) {
        generator.Reseed(static_cast<double>(generator.Next()));
    }

    bool found = n == 0;
    std::uint64_t draws = 0;
    scoreParent(true);
    while (!found) {
        generator.Reseed(static_cast<double>(offspring));
        ++generation;
        const std::size_t wrongCount = wrong.size();
        const std::uint64_t drawsBefore = draws;
        const WrongLetter* const letters = wrong.data();
        char* const childLetters = child.data();
        const char* const parentLetters = parent.data();
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            generator.Reseed(static_cast<double>(offspring));
            ++offspring;
            const auto serial = static_cast<double>(offspring);
            // Only the last offspring is kept, so only its letters need to start from the
            // parent; the others are written over and then discarded.
            if (i == kOffspringPerGeneration - 1) {
                std::memcpy(childLetters, parentLetters, n);
            }
            draws += wrongCount;
            std::size_t hits = 0;
            for (std::size_t m = 0; m < wrongCount; ++m) {
                const WrongLetter& letter = letters[m];
                const std::size_t j = letter.position;
                generator.Reseed(letter.seedFactor * serial);
                const char drawn = RandomSymbol(generator);
                const int code = static_cast<unsigned char>(drawn);
                hits += code == letter.target ? 1U : 0U;
                if constexpr (kScheme == Scheme::Attenuating) {
                    // Taken about half the time at random: a mask, not a branch, or every
                    // other draw would pay for a mispredicted jump.
                    const int taken =
                        -static_cast<int>(std::abs(code - letter.target) < letter.distance);
                    const int kept = static_cast<unsigned char>(parentLetters[j]);
                    childLetters[j] = static_cast<char>((code & taken) | (kept & ~taken));
                } else {
                    childLetters[j] = drawn;
                }
            }
            // A drawn target letter is always taken, so the offspring equals the target
            // exactly when every wrong position drew its target letter.
            if (hits == wrongCount) {
                found = true;
                break;
            }
        }
        if (found) {
            break;
        }
        const std::size_t parentMatched = matched;
        parent.swap(child);
        scoreParent(false);

        line.assign(parent);
        line.append(kGenerationSeparator);
        AppendSignPosition(line, static_cast<std::int64_t>(parentMatched));
        if (!recorder.WriteLine(line)) {
            break;
        }
        if (recorder.ReportDue(draws - drawsBefore)) {
            recorder.Report(generation, offspring, parent, matched);
        }
        if (recorder.CancelRequested()) {
            break;
        }
    }
    environment.generator = generator;

    if (found) {
        line.assign(MatchWord);
        line.append(kGenerationSeparator);
        AppendSignPosition(line, static_cast<std::int64_t>(n));
        if (recorder.WriteLine(line)) {
            parent.assign(MatchWord);
            matched = n;
        }
    }
    // These schemes read the time before closing the log.
    RunResult result = recorder.Finish(generation, offspring, draws, parent, matched);
    recorder.CloseLog();
    return recorder.Seal(std::move(result));
}

} // namespace

std::string_view SchemeCaption(Scheme scheme) {
    switch (scheme) {
    case Scheme::Attenuating:
        return "1: Attenuating Selection";
    case Scheme::Serial:
        return "2: Serial Selection";
    case Scheme::Sequential:
        return "3: Sequential Selection";
    }
    return {};
}

std::optional<InputProblem> CheckInput(Scheme scheme, std::string_view target,
                                       std::string_view firstString) {
    if (auto problem = FirstForeign(target, InputProblem::Text::Target)) {
        return problem;
    }
    if (scheme != Scheme::Sequential) {
        return std::nullopt;
    }
    if (auto problem = FirstForeign(firstString, InputProblem::Text::FirstString)) {
        return problem;
    }
    if (firstString.size() > target.size()) {
        InputProblem problem;
        problem.kind = InputProblem::Kind::FirstStringTooLong;
        problem.text = InputProblem::Text::FirstString;
        problem.position = target.size();
        problem.character = firstString[target.size()];
        return problem;
    }
    return std::nullopt;
}

RunResult AttenuatingSelection(std::string_view MatchWord, std::string_view FirstWord,
                               const RunEnvironment& environment) {
    return LockedLetterSelection<Scheme::Attenuating>(MatchWord, FirstWord, environment);
}

RunResult SerialSelection(std::string_view MatchWord, std::string_view FirstWord,
                          const RunEnvironment& environment) {
    return LockedLetterSelection<Scheme::Serial>(MatchWord, FirstWord, environment);
}

RunResult SequentialSelection(std::string_view FirstWord, std::string_view MatchWord,
                              const RunEnvironment& environment) {
    if (const auto problem = CheckInput(Scheme::Sequential, FirstWord, MatchWord)) {
        return Refused(*problem);
    }
    const std::size_t n = MatchWord.size();
    RunRecorder recorder(Scheme::Sequential, environment, n);

    // Offspring are k letters of FirstWord and a tail drawn into `tail[k..n)`; only an
    // offspring that beats the best so far is put together, into `best`.
    std::string tail(n, ' ');
    std::string best(n, ' ');
    std::size_t bestCount = 0; // 0 is the empty count: no offspring has matched yet
    const bool firstEqualsMatch = FirstWord == MatchWord;
    std::string line;
    line.reserve(std::max(n, FirstWord.size()) + 32);
    const auto bestSoFar = [&] { return std::string_view(best).substr(0, bestCount ? n : 0); };
    // A report shows the generation's last offspring, put together only when it is reported.
    std::string shownOffspring(n, ' ');
    std::size_t lastPrefix = 0;
    const auto showGeneration = [&](std::size_t reached) {
        std::memcpy(shownOffspring.data(), FirstWord.data(), lastPrefix);
        std::memcpy(shownOffspring.data() + lastPrefix, tail.data() + lastPrefix, n - lastPrefix);
        recorder.SetGeneration(shownOffspring, lastPrefix, reached);
    };

    std::int64_t generation = 0;
    std::int64_t offspring = 1;
    if (!recorder.OpenLog()) {
        return recorder.Seal(recorder.Finish(generation, offspring, 0, {}, 0));
    }

    Generator generator = environment.generator;
    generator.Reseed(static_cast<double>(generator.Next()));

    bool complete = n == 0;
    std::size_t matched = 0;
    std::uint64_t totalDraws = 0;
    while (!complete) {
        generator.Reseed(static_cast<double>(offspring));
        ++generation;
        matched = 0;
        const char* const match = MatchWord.data();
        char* const tailLetters = tail.data();
        std::uint64_t draws = 0;
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            const std::size_t prefix = matched;
            lastPrefix = prefix;
            generator.Reseed(static_cast<double>(generator.Next()));
            std::size_t gained = 0;
            for (std::size_t j = prefix; j < n; ++j) {
                generator.Reseed(static_cast<double>(generator.Next()));
                const char drawn = RandomSymbol(generator);
                tailLetters[j] = drawn;
                gained += drawn == match[j] ? 1U : 0U;
            }
            draws += n - prefix;
            totalDraws += n - prefix;
            matched += gained;
            if (matched > bestCount) {
                bestCount = matched;
                std::memcpy(best.data(), FirstWord.data(), prefix);
                std::memcpy(best.data() + prefix, tailLetters + prefix, n - prefix);
            }
            ++offspring;
            if (firstEqualsMatch) {
                complete = true;
                break;
            }
        }
        if (complete) {
            break;
        }
        if (bestCount > 0) {
            line.assign(best);
            AppendPrintForm(line, static_cast<std::int64_t>(bestCount) - 1);
            if (!recorder.WriteLine(line)) {
                break;
            }
        }
        if (recorder.ReportDue(draws)) {
            showGeneration(matched);
            recorder.Report(generation, offspring, bestSoFar(), bestCount);
        }
        complete = matched >= n;
        if (!complete && recorder.CancelRequested()) {
            break;
        }
    }
    environment.generator = generator;

    if (complete) {
        line.assign(FirstWord);
        if (bestCount > 0) {
            AppendPrintForm(line, static_cast<std::int64_t>(bestCount));
        }
        recorder.WriteLine(line);
    }
    // This scheme closes the log before it reads the time.
    recorder.CloseLog();
    if (environment.progress && generation > 0) {
        showGeneration(matched);
    }
    return recorder.Seal(
        recorder.Finish(generation, offspring, totalDraws, bestSoFar(), bestCount));
}

RunResult RunScheme(Scheme scheme, std::string_view target, std::string_view firstString,
                    const RunEnvironment& environment) {
    switch (scheme) {
    case Scheme::Attenuating:
        return AttenuatingSelection(target, firstString, environment);
    case Scheme::Serial:
        return SerialSelection(target, firstString, environment);
    case Scheme::Sequential:
        return SequentialSelection(target, firstString, environment);
    }
    return {};
}

} // namespace quarrow
