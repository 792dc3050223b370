#include "engine/selection.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
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

/// The smallest generator value that draws index `index` (or above).
constexpr std::uint32_t FirstValueOf(int index) {
    const auto scaled = static_cast<std::uint64_t>(index) * Generator::kValueRange;
    return static_cast<std::uint32_t>((scaled + kAlphabetSize - 1) / kAlphabetSize);
}
static_assert(SymbolIndex(FirstValueOf(26)) == 26 && SymbolIndex(FirstValueOf(26) - 1) == 25);

/// The draw indices whose symbols lie strictly nearer the code `target` than `distance`, one
/// bit each: the letters form one run of codes, the space is the last index.
std::uint32_t NearerSymbols(int target, int distance) {
    constexpr int kLastLetter = kFirstLetter + kAlphabetSize - 2;
    const int lowest = std::max(target - distance + 1, int{kFirstLetter});
    const int highest = std::min(target + distance - 1, kLastLetter);
    std::uint32_t nearer = 0;
    if (lowest <= highest) {
        const auto count = static_cast<unsigned>(highest - lowest + 1);
        nearer = ((std::uint32_t{1} << count) - 1) << static_cast<unsigned>(lowest - kFirstLetter);
    }
    if (std::abs(int{kSpace} - target) < distance) {
        nearer |= std::uint32_t{1} << (kAlphabetSize - 1);
    }
    return nearer;
}

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
    std::string parent(FirstWord.substr(0, n));
    const std::size_t firstLetters = parent.size();
    parent.resize(n, ' ');
    std::string child = parent;

    // The wrong positions of the current parent, in increasing order. Right positions draw
    // nothing and never change, so the offspring loop visits only these.
    struct WrongLetter {
        // The 1-based position times the whole-number key scale: times the serial it is the
        // scaled key of the reseed with position x serial.
        std::uint64_t keyFactor;
        std::size_t position;
        int targetIndex;
        // The values that draw the target letter: [targetLow, targetLow + targetWidth).
        std::uint32_t targetLow;
        std::uint32_t targetWidth;
        // The draw indices taken at this position, one bit each: all of them for a missing
        // letter or scheme 2, those strictly nearer the target letter for scheme 1.
        std::uint32_t taken;
    };
    constexpr std::uint32_t kEverySymbol = (std::uint32_t{1} << kAlphabetSize) - 1;
    // The draw indices a wrong position takes, given its parent letter.
    const auto takenAt = [](unsigned char target, unsigned char letter) {
        if constexpr (kScheme == Scheme::Attenuating) {
            return NearerSymbols(target, std::abs(int{letter} - int{target}));
        } else {
            return kEverySymbol;
        }
    };
    std::vector<WrongLetter> wrong;
    wrong.reserve(n);
    std::size_t matched = 0;
    for (std::size_t j = 0; j < n; ++j) {
        const auto target = static_cast<unsigned char>(MatchWord[j]);
        const auto letter = static_cast<unsigned char>(parent[j]);
        const bool missing = j >= firstLetters;
        if (!missing && letter == target) {
            ++matched;
            continue;
        }
        const std::uint64_t keyFactor =
            static_cast<std::uint64_t>(j + 1) * Generator::ScaledWholeKey(1);
        const int index = IndexOfSymbol(static_cast<char>(target));
        const std::uint32_t low = FirstValueOf(index);
        wrong.push_back({keyFactor, j, index, low, FirstValueOf(index + 1) - low,
                         missing ? kEverySymbol : takenAt(target, letter)});
    }
    // A new parent differs from the last only at its wrong positions, so only those are scored
    // again: the ones now right leave the list, the others take from their new letter.
    const auto rescoreParent = [&] {
        std::size_t kept = 0;
        for (const WrongLetter& letter : wrong) {
            const auto target = static_cast<unsigned char>(MatchWord[letter.position]);
            const auto now = static_cast<unsigned char>(parent[letter.position]);
            if (now == target) {
                ++matched;
                continue;
            }
            WrongLetter& slot = wrong[kept++];
            slot = letter;
            slot.taken = takenAt(target, now);
        }
        wrong.resize(kept);
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
        generator = Generator(Generator::NextThenReseedWithIt(generator.State()));
    }

    bool found = n == 0;
    std::uint64_t draws = 0;
    while (!found) {
        generator.ReseedWhole(offspring);
        ++generation;
        const std::size_t wrongCount = wrong.size();
        const std::uint64_t drawsBefore = draws;
        const WrongLetter* const letters = wrong.data();
        char* const childLetters = child.data();
        const char* const parentLetters = parent.data();
        std::uint64_t state = generator.State();
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            state = Generator::ReseedKeyed(state, Generator::WholeKey(offspring));
            ++offspring;
            const auto serial = static_cast<std::uint64_t>(offspring);
            draws += wrongCount;
            // Every wrong position draws (reseed with position x serial, then a value), and a
            // drawn target letter is always taken, so the offspring equals the target exactly
            // when every wrong position drew its target letter.
            if (i < kOffspringPerGeneration - 1) {
                // Only the last offspring is kept, so the others matter only if they equal the
                // target: their draws are counted as hits or misses, never made into symbols.
                // The loop runs to the end without a branch on the draws, so its trip count,
                // the same for all 20 offspring, is all the branch predictor has to learn.
                std::size_t hits = 0;
                for (std::size_t m = 0; m < wrongCount; ++m) {
                    const WrongLetter& letter = letters[m];
                    state = Generator::ReseedThenStep(state, letter.keyFactor * serial);
                    hits += Generator::ValueOf(state) - letter.targetLow < letter.targetWidth;
                }
                if (hits == wrongCount) {
                    found = true;
                    break;
                }
                continue;
            }
            std::memcpy(childLetters, parentLetters, n);
            std::size_t hits = 0;
            for (std::size_t m = 0; m < wrongCount; ++m) {
                const WrongLetter& letter = letters[m];
                state = Generator::ReseedThenStep(state, letter.keyFactor * serial);
                const int index = SymbolIndex(Generator::ValueOf(state));
                hits += index == letter.targetIndex ? 1U : 0U;
                // Scheme 1 takes about half its draws at random: a mask, not a branch.
                const auto take = static_cast<unsigned char>(
                    0U - ((letter.taken >> static_cast<unsigned>(index)) & 1U));
                const auto kept = static_cast<unsigned char>(parentLetters[letter.position]);
                const auto drawn = static_cast<unsigned char>(kSymbols[index]);
                childLetters[letter.position] =
                    static_cast<char>((drawn & take) | (kept & static_cast<unsigned char>(~take)));
            }
            if (hits == wrongCount) {
                found = true;
            }
        }
        generator = Generator(state);
        if (found) {
            break;
        }
        const std::size_t parentMatched = matched;
        parent.swap(child);
        rescoreParent();

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

    // Offspring are k letters of FirstWord and a tail of values drawn into `tail[k..n)`; only
    // an offspring that beats the best so far is put together, into `best`.
    std::vector<std::uint32_t> tail(n);
    std::vector<int> matchIndex(n);
    for (std::size_t j = 0; j < n; ++j) {
        matchIndex[j] = IndexOfSymbol(MatchWord[j]);
    }
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
        for (std::size_t j = lastPrefix; j < n; ++j) {
            shownOffspring[j] = SymbolForValue(tail[j]);
        }
        recorder.SetGeneration(shownOffspring, lastPrefix, reached);
    };

    std::int64_t generation = 0;
    std::int64_t offspring = 1;
    if (!recorder.OpenLog()) {
        return recorder.Seal(recorder.Finish(generation, offspring, 0, {}, 0));
    }

    Generator generator = environment.generator;
    generator = Generator(Generator::NextThenReseedWithIt(generator.State()));

    bool complete = n == 0;
    std::size_t matched = 0;
    std::uint64_t totalDraws = 0;
    bool bestChanged = false;
    while (!complete) {
        generator.ReseedWhole(offspring);
        ++generation;
        matched = 0;
        const int* const match = matchIndex.data();
        std::uint32_t* const tailValues = tail.data();
        std::uint64_t draws = 0;
        ValueChain chain(generator);
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            const std::size_t prefix = matched;
            lastPrefix = prefix;
            chain.Churn();
            std::size_t gained = 0;
            for (std::size_t j = prefix; j < n; ++j) {
                const std::uint32_t value = chain.ChurnAndDraw();
                tailValues[j] = value;
                gained += SymbolIndex(value) == match[j] ? 1U : 0U;
            }
            draws += n - prefix;
            totalDraws += n - prefix;
            matched += gained;
            if (matched > bestCount) {
                bestCount = matched;
                bestChanged = true;
                std::memcpy(best.data(), FirstWord.data(), prefix);
                for (std::size_t j = prefix; j < n; ++j) {
                    best[j] = SymbolForValue(tailValues[j]);
                }
            }
            ++offspring;
            if (firstEqualsMatch) {
                complete = true;
                break;
            }
        }
        chain.Store(generator);
        if (complete) {
            break;
        }
        if (bestCount > 0) {
            // The line repeats until a better offspring turns up: it is built only then.
            if (bestChanged) {
                bestChanged = false;
                line.assign(best);
                AppendPrintForm(line, static_cast<std::int64_t>(bestCount) - 1);
            }
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
