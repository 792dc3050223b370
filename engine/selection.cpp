#include "engine/selection.h"

#include "search/alphabet.h"

#include <algorithm>
#include <charconv>
#include <concepts>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

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
/// and the results. `RunGenerations` drives it; the breeding classes own the strings.
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

    /// Whether anyone listens to the reports.
    bool Reporting() const { return static_cast<bool>(environment_.progress); }

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

    /// Where the coming generation's offspring are to be bred when a watcher asks for them,
    /// emptied; null otherwise. The generation's report carries them.
    GenerationOffspring* OffspringWanted() {
        const std::atomic<bool>* const wanted = environment_.showOffspring;
        if (wanted == nullptr || !wanted->load(std::memory_order_relaxed) ||
            !environment_.progress) {
            snapshot_.offspring = nullptr;
            return nullptr;
        }
        offspring_.parent.clear();
        offspring_.strings.clear();
        offspring_.matched.clear();
        offspring_.copied.clear();
        snapshot_.offspring = &offspring_;
        return &offspring_;
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
    GenerationOffspring offspring_;
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

/// What breeding one generation did.
struct BredGeneration {
    /// Random symbols drawn for the generation's offspring.
    std::uint64_t draws = 0;
    /// The run ended inside the generation, which then writes no line of its own.
    bool endedInside = false;
};

/// One scheme's breeding, which `RunGenerations` drives: built from the run's `MatchWord` (whose
/// length the run must match) and `FirstWord`, it breeds and scores a generation from the
/// generator reseeded for it, writes its lines and gives the figures a report shows.
template <typename B>
concept SchemeBreeding = std::constructible_from<B, std::string_view, std::string_view> &&
    requires(B breeding, const B& held, const Generator& start, Generator& generator,
             GenerationOffspring& shown, RunRecorder& recorder) {
    // The scheme it runs, and whether closing the log falls within the measured time.
    { B::kRunScheme } -> std::convertible_to<Scheme>;
    { B::kCloseLogBeforeTiming } -> std::convertible_to<bool>;
    // The generator a run starts from.
    { held.StartGenerator(start) } -> std::same_as<Generator>;
    // One generation, and the same with every offspring put into `shown`.
    { breeding.Breed(generator) } -> std::same_as<BredGeneration>;
    { breeding.BreedShown(generator, shown) } -> std::same_as<BredGeneration>;
    // Whether the run is complete once a generation's line is written.
    { held.Reached() } -> std::same_as<bool>;
    { breeding.WriteGenerationLine(recorder) } -> std::same_as<bool>;
    breeding.WriteFinalLine(recorder);
    // The figures a report shows, and what a scheme adds of its own.
    { held.Strings() } -> std::convertible_to<std::int64_t>;
    { held.Draws() } -> std::convertible_to<std::uint64_t>;
    { held.Current() } -> std::convertible_to<std::string_view>;
    { held.Matched() } -> std::convertible_to<std::size_t>;
    breeding.ShowGeneration(recorder);
};

/// Runs one scheme's generations until it completes, its log fails or it is cancelled; the
/// scheme only breeds and scores a generation and writes its lines.
template <SchemeBreeding Breeding>
RunResult RunGenerations(std::string_view matchWord, std::string_view firstWord,
                         const RunEnvironment& environment) {
    RunRecorder recorder(Breeding::kRunScheme, environment, matchWord.size());
    Breeding breeding(matchWord, firstWord);
    std::int64_t generation = 0;
    if (!recorder.OpenLog()) {
        return recorder.Seal(recorder.Finish(generation, breeding.Strings(), 0, {}, 0));
    }

    // The generator runs in a local copy so its state stays in registers while breeding.
    Generator generator = breeding.StartGenerator(environment.generator);
    bool complete = breeding.Reached();
    while (!complete) {
        generator.ReseedWhole(breeding.Strings());
        ++generation;
        GenerationOffspring* const shown = recorder.OffspringWanted();
        const BredGeneration bred =
            shown != nullptr ? breeding.BreedShown(generator, *shown) : breeding.Breed(generator);
        if (bred.endedInside) {
            complete = true;
            break;
        }
        if (!breeding.WriteGenerationLine(recorder)) {
            break;
        }
        if (recorder.ReportDue(bred.draws) || shown != nullptr) {
            breeding.ShowGeneration(recorder);
            recorder.Report(generation, breeding.Strings(), breeding.Current(), breeding.Matched());
        }
        complete = breeding.Reached();
        if (!complete && recorder.CancelRequested()) {
            break;
        }
    }
    environment.generator = generator;
    if (complete) {
        breeding.WriteFinalLine(recorder);
    }

    // The final report and the elapsed time come together; whether the log is closed before
    // them is the scheme's own order. The outcome is sealed last, as closing can still fail.
    if constexpr (Breeding::kCloseLogBeforeTiming) {
        recorder.CloseLog();
    }
    if (generation > 0 && recorder.Reporting()) {
        breeding.ShowGeneration(recorder);
    }
    RunResult result = recorder.Finish(generation, breeding.Strings(), breeding.Draws(),
                                       breeding.Current(), breeding.Matched());
    recorder.CloseLog();
    return recorder.Seal(std::move(result));
}

/// Schemes 1 and 2: right letters are locked, every wrong letter gets one drawn symbol per
/// offspring. The attenuating scheme takes it only when strictly nearer the target letter.
template <Scheme kScheme> class LockedLetterBreeding {
public:
    static constexpr Scheme kRunScheme = kScheme;
    // These schemes read the time before closing the log.
    static constexpr bool kCloseLogBeforeTiming = false;

    LockedLetterBreeding(std::string_view MatchWord, std::string_view FirstWord)
        : matchWord_(MatchWord), n_(MatchWord.size()), found_(n_ == 0) {
        // Positions past the end of a short first string have no letter: they count as wrong
        // and take any drawn symbol. Only the first parent can have them; its offspring have n
        // letters.
        parent_.assign(FirstWord.substr(0, n_));
        const std::size_t firstLetters = parent_.size();
        parent_.resize(n_, ' ');
        child_ = parent_;
        wrong_.reserve(n_);
        for (std::size_t j = 0; j < n_; ++j) {
            const auto target = static_cast<unsigned char>(MatchWord[j]);
            const auto letter = static_cast<unsigned char>(parent_[j]);
            const bool missing = j >= firstLetters;
            if (!missing && letter == target) {
                ++matched_;
                continue;
            }
            wrong_.push_back(WrongAt(j, missing ? kEverySymbol : TakenAt(target, letter)));
        }
        line_.reserve(n_ + 32);
    }

    Generator StartGenerator(const Generator& generator) const {
        if constexpr (kScheme == Scheme::Serial) {
            return Generator(Generator::NextThenReseedWithIt(generator.State()));
        } else {
            return generator;
        }
    }

    BredGeneration Breed(Generator& generator) {
        return BreedGeneration<false>(generator, nullptr);
    }

    BredGeneration BreedShown(Generator& generator, GenerationOffspring& shown) {
        shown.parent.assign(parent_);
        return BreedGeneration<true>(generator, &shown);
    }

    bool Reached() const { return found_; }

    bool WriteGenerationLine(RunRecorder& recorder) {
        line_.assign(parent_);
        line_.append(kGenerationSeparator);
        AppendSignPosition(line_, static_cast<std::int64_t>(lineMatched_));
        return recorder.WriteLine(line_);
    }

    void WriteFinalLine(RunRecorder& recorder) {
        line_.assign(matchWord_);
        line_.append(kGenerationSeparator);
        AppendSignPosition(line_, static_cast<std::int64_t>(n_));
        if (recorder.WriteLine(line_)) {
            parent_.assign(matchWord_);
            matched_ = n_;
        }
    }

    std::int64_t Strings() const { return offspring_; }
    std::uint64_t Draws() const { return draws_; }
    /// The current parent and its right letters.
    std::string_view Current() const { return parent_; }
    std::size_t Matched() const { return matched_; }
    void ShowGeneration(RunRecorder& /*recorder*/) const {}

private:
    template <bool kShown>
    BredGeneration BreedGeneration(Generator& generator, GenerationOffspring* shown) {
        const std::uint64_t drawsBefore = draws_;
        std::uint64_t state = generator.State();
        for (int i = 0; i < kOffspringPerGeneration && !found_; ++i) {
            state = Generator::ReseedKeyed(state, Generator::WholeKey(offspring_));
            ++offspring_;
            const auto serial = static_cast<std::uint64_t>(offspring_);
            draws_ += wrong_.size();
            if constexpr (kShown) {
                // Each offspring is bred into the child in turn, so the last one stays there.
                const std::size_t hits = BreedOffspring(state, serial);
                found_ = hits == wrong_.size();
                shown->strings.push_back(child_);
                shown->matched.push_back(matched_ + hits);
            } else {
                // Only the last offspring is kept, so the others matter only if they equal the
                // target.
                found_ = i < kOffspringPerGeneration - 1
                             ? DiscardedOffspringMatches(state, serial)
                             : BreedOffspring(state, serial) == wrong_.size();
            }
        }
        generator = Generator(state);
        if (found_) {
            return {draws_ - drawsBefore, true};
        }
        lineMatched_ = matched_;
        parent_.swap(child_);
        RescoreParent();
        return {draws_ - drawsBefore, false};
    }

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
    static constexpr std::uint32_t kEverySymbol = (std::uint32_t{1} << kAlphabetSize) - 1;

    /// The draw indices a wrong position takes, given its parent letter.
    static std::uint32_t TakenAt(unsigned char target, unsigned char letter) {
        if constexpr (kScheme == Scheme::Attenuating) {
            return NearerSymbols(target, std::abs(int{letter} - int{target}));
        } else {
            return kEverySymbol;
        }
    }

    WrongLetter WrongAt(std::size_t position, std::uint32_t taken) const {
        const std::uint64_t keyFactor =
            static_cast<std::uint64_t>(position + 1) * Generator::ScaledWholeKey(1);
        const int index = IndexOfSymbol(matchWord_[position]);
        const std::uint32_t low = FirstValueOf(index);
        return {keyFactor, position, index, low, FirstValueOf(index + 1) - low, taken};
    }

    /// Whether one of the discarded offspring equals the target. Every wrong position draws
    /// (reseed with position x serial, then a value), and a drawn target letter is always
    /// taken, so the offspring equals the target exactly when every wrong position drew its
    /// target letter.
    bool DiscardedOffspringMatches(std::uint64_t& state, std::uint64_t serial) const {
        // The draws are counted as hits or misses, never made into symbols. The loop runs to
        // the end without a branch on the draws, so its trip count, the same for all 20
        // offspring, is all the branch predictor has to learn.
        const WrongLetter* const letters = wrong_.data();
        const std::size_t wrongCount = wrong_.size();
        std::uint64_t reseeded = state;
        std::size_t hits = 0;
        for (std::size_t m = 0; m < wrongCount; ++m) {
            const WrongLetter& letter = letters[m];
            reseeded = Generator::ReseedThenStep(reseeded, letter.keyFactor * serial);
            hits += Generator::ValueOf(reseeded) - letter.targetLow < letter.targetWidth;
        }
        state = reseeded;
        return hits == wrongCount;
    }

    /// Breeds an offspring into the child (the last of a generation is the next parent); how
    /// many of its drawn symbols are the target's letter, all of them when it equals the target.
    std::size_t BreedOffspring(std::uint64_t& state, std::uint64_t serial) {
        const WrongLetter* const letters = wrong_.data();
        const std::size_t wrongCount = wrong_.size();
        char* const childLetters = child_.data();
        const char* const parentLetters = parent_.data();
        std::memcpy(childLetters, parentLetters, n_);
        std::uint64_t reseeded = state;
        std::size_t hits = 0;
        for (std::size_t m = 0; m < wrongCount; ++m) {
            const WrongLetter& letter = letters[m];
            reseeded = Generator::ReseedThenStep(reseeded, letter.keyFactor * serial);
            const int index = SymbolIndex(Generator::ValueOf(reseeded));
            hits += index == letter.targetIndex ? 1U : 0U;
            // Scheme 1 takes about half its draws at random: a mask, not a branch.
            const auto take = static_cast<unsigned char>(
                0U - ((letter.taken >> static_cast<unsigned>(index)) & 1U));
            const auto kept = static_cast<unsigned char>(parentLetters[letter.position]);
            const auto drawn = static_cast<unsigned char>(kSymbols[index]);
            childLetters[letter.position] =
                static_cast<char>((drawn & take) | (kept & static_cast<unsigned char>(~take)));
        }
        state = reseeded;
        return hits;
    }

    /// A new parent differs from the last only at its wrong positions, so only those are
    /// scored again: the ones now right leave the list, the others take from their new letter.
    void RescoreParent() {
        std::size_t kept = 0;
        for (const WrongLetter& letter : wrong_) {
            const auto target = static_cast<unsigned char>(matchWord_[letter.position]);
            const auto now = static_cast<unsigned char>(parent_[letter.position]);
            if (now == target) {
                ++matched_;
                continue;
            }
            WrongLetter& slot = wrong_[kept++];
            slot = letter;
            slot.taken = TakenAt(target, now);
        }
        wrong_.resize(kept);
    }

    std::string_view matchWord_;
    std::size_t n_;
    std::string parent_;
    std::string child_;
    std::vector<WrongLetter> wrong_;
    std::size_t matched_ = 0;
    // The parent's right letters as its generation began, the count its line shows.
    std::size_t lineMatched_ = 0;
    std::int64_t offspring_ = 0;
    std::uint64_t draws_ = 0;
    bool found_;
    std::string line_;
};

/// Scheme 3: offspring copy the first k letters of `FirstWord` and draw the rest; each drawn
/// symbol equal to `MatchWord`'s letter there lengthens the next offspring's prefix.
class SequentialBreeding {
public:
    static constexpr Scheme kRunScheme = Scheme::Sequential;
    // This scheme closes the log before it reads the time.
    static constexpr bool kCloseLogBeforeTiming = true;

    SequentialBreeding(std::string_view MatchWord, std::string_view FirstWord)
        : firstWord_(FirstWord), n_(MatchWord.size()), tail_(n_), matchIndex_(n_), best_(n_, ' '),
          firstEqualsMatch_(FirstWord == MatchWord), shownOffspring_(n_, ' ') {
        for (std::size_t j = 0; j < n_; ++j) {
            matchIndex_[j] = IndexOfSymbol(MatchWord[j]);
        }
        line_.reserve(std::max(n_, FirstWord.size()) + 32);
    }

    static Generator StartGenerator(const Generator& generator) {
        return Generator(Generator::NextThenReseedWithIt(generator.State()));
    }

    BredGeneration Breed(Generator& generator) {
        return BreedGeneration<false>(generator, nullptr);
    }

    BredGeneration BreedShown(Generator& generator, GenerationOffspring& shown) {
        return BreedGeneration<true>(generator, &shown);
    }

    template <bool kShown>
    BredGeneration BreedGeneration(Generator& generator, GenerationOffspring* shown) {
        // Offspring are k letters of FirstWord and a tail of values drawn into `tail_[k..n)`;
        // only an offspring that beats the best so far is put together, into `best_`.
        std::size_t matched = 0;
        std::uint64_t draws = 0;
        bool ended = false;
        ValueChain chain(generator);
        for (int i = 0; i < kOffspringPerGeneration; ++i) {
            const std::size_t prefix = matched;
            lastPrefix_ = prefix;
            chain.Churn();
            matched += DrawTail(chain, prefix);
            draws += n_ - prefix;
            if (matched > bestCount_) {
                KeepBest(matched, prefix);
            }
            if constexpr (kShown) {
                Assemble(shown->strings.emplace_back(n_, ' '), prefix);
                shown->matched.push_back(matched);
                shown->copied.push_back(prefix);
            }
            ++offspring_;
            if (firstEqualsMatch_) {
                ended = true;
                break;
            }
        }
        chain.Store(generator);
        matched_ = matched;
        totalDraws_ += draws;
        return {draws, ended};
    }

    /// A generation completes the run once its offspring matched every letter.
    bool Reached() const { return matched_ >= n_; }

    bool WriteGenerationLine(RunRecorder& recorder) {
        if (bestCount_ == 0) {
            return true;
        }
        // The line repeats until a better offspring turns up: it is built only then.
        if (bestChanged_) {
            bestChanged_ = false;
            line_.assign(best_);
            AppendPrintForm(line_, static_cast<std::int64_t>(bestCount_) - 1);
        }
        return recorder.WriteLine(line_);
    }

    void WriteFinalLine(RunRecorder& recorder) {
        line_.assign(firstWord_);
        if (bestCount_ > 0) {
            AppendPrintForm(line_, static_cast<std::int64_t>(bestCount_));
        }
        recorder.WriteLine(line_);
    }

    std::int64_t Strings() const { return offspring_; }
    std::uint64_t Draws() const { return totalDraws_; }
    /// The best offspring so far and its count; empty until there is one.
    std::string_view Current() const {
        return std::string_view(best_).substr(0, bestCount_ ? n_ : 0);
    }
    std::size_t Matched() const { return bestCount_; }

    /// A report shows the generation's last offspring, put together only when it is reported.
    void ShowGeneration(RunRecorder& recorder) {
        Assemble(shownOffspring_, lastPrefix_);
        recorder.SetGeneration(shownOffspring_, lastPrefix_, matched_);
    }

private:
    /// Draws an offspring's tail from position `prefix` on; how many of its symbols match.
    std::size_t DrawTail(ValueChain& chain, std::size_t prefix) {
        const int* const match = matchIndex_.data();
        std::uint32_t* const tailValues = tail_.data();
        const std::size_t n = n_;
        std::size_t gained = 0;
        for (std::size_t j = prefix; j < n; ++j) {
            const std::uint32_t value = chain.ChurnAndDraw();
            tailValues[j] = value;
            gained += SymbolIndex(value) == match[j] ? 1U : 0U;
        }
        return gained;
    }

    void KeepBest(std::size_t matched, std::size_t prefix) {
        bestCount_ = matched;
        bestChanged_ = true;
        Assemble(best_, prefix);
    }

    /// Puts the last drawn offspring together into `out` (n letters long): `prefix` letters of
    /// `FirstWord`, then its tail.
    void Assemble(std::string& out, std::size_t prefix) const {
        std::memcpy(out.data(), firstWord_.data(), prefix);
        for (std::size_t j = prefix; j < n_; ++j) {
            out[j] = SymbolForValue(tail_[j]);
        }
    }

    std::string_view firstWord_;
    std::size_t n_;
    std::vector<std::uint32_t> tail_;
    std::vector<int> matchIndex_;
    std::string best_;
    std::size_t bestCount_ = 0; // 0 is the empty count: no offspring has matched yet
    bool bestChanged_ = false;
    const bool firstEqualsMatch_;
    // The prefix the last generation reached and its last offspring's copied prefix.
    std::size_t matched_ = 0;
    std::size_t lastPrefix_ = 0;
    std::string shownOffspring_;
    std::int64_t offspring_ = 1;
    std::uint64_t totalDraws_ = 0;
    std::string line_;
};

static_assert(SchemeBreeding<LockedLetterBreeding<Scheme::Attenuating>>);
static_assert(SchemeBreeding<LockedLetterBreeding<Scheme::Serial>>);
static_assert(SchemeBreeding<SequentialBreeding>);

} // namespace

std::optional<InputProblem> CheckInput(Scheme scheme, std::string_view target,
                                       std::string_view firstString) {
    if (auto problem = FirstForeign(target, InputProblem::Text::Target)) {
        return problem;
    }
    if (RowOf(scheme).firstString != FirstStringRule::TargetLength) {
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
    if (const auto problem = CheckInput(Scheme::Attenuating, MatchWord, FirstWord)) {
        return Refused(*problem);
    }
    return RunGenerations<LockedLetterBreeding<Scheme::Attenuating>>(MatchWord, FirstWord,
                                                                     environment);
}

RunResult SerialSelection(std::string_view MatchWord, std::string_view FirstWord,
                          const RunEnvironment& environment) {
    if (const auto problem = CheckInput(Scheme::Serial, MatchWord, FirstWord)) {
        return Refused(*problem);
    }
    return RunGenerations<LockedLetterBreeding<Scheme::Serial>>(MatchWord, FirstWord, environment);
}

RunResult SequentialSelection(std::string_view FirstWord, std::string_view MatchWord,
                              const RunEnvironment& environment) {
    if (const auto problem = CheckInput(Scheme::Sequential, FirstWord, MatchWord)) {
        return Refused(*problem);
    }
    return RunGenerations<SequentialBreeding>(MatchWord, FirstWord, environment);
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
