#pragma once

// Plain transcriptions of the three schemes, step by step as they are laid down: strings grown
// a character at a time, the whole offspring compared with the target after every position.
// Slow and obvious; the engine's fast loops must give the same log, counts and generator state.

#include "engine/scheme.h"
#include "platform/generator.h"
#include "platform/number_text.h"
#include "search/alphabet.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace quarrow::testing {

/// A run to try: a scheme, its target and its first string.
struct SchemeRun {
    Scheme scheme;
    std::string target;
    std::string first;
};

/// Every generation's offspring, in the order bred.
using ReferenceOffspring = std::vector<std::vector<std::string>>;

struct ReferenceRun {
    std::string log;
    std::int64_t numMutations = 0;
    std::int64_t numTotal = 0;
    std::int64_t symbolsDrawn = 0;
    std::uint64_t generatorState = 0;
};

/// One offspring of schemes 1 and 2 as it is grown: its letters so far and how many of them
/// equal the target's, and whether it became the target, which ends it there.
struct LockedChild {
    std::string word;
    std::size_t matched = 0;
    bool complete = false;
};

/// Grows offspring number `s` of `ParentWord` a letter at a time, drawing for every letter that
/// is not yet right; counts each drawn symbol in `symbolsDrawn`.
inline LockedChild ReferenceLockedChild(bool attenuating, const std::string& MatchWord,
                                        const std::string& ParentWord, std::int64_t s,
                                        Generator& generator, std::int64_t& symbolsDrawn) {
    LockedChild child;
    for (std::size_t j = 1; j <= MatchWord.size(); ++j) {
        const char t = MatchWord[j - 1];
        const bool hasLetter = j <= ParentWord.size();
        const char p = hasLetter ? ParentWord[j - 1] : '\0';
        if (hasLetter && p == t) {
            ++child.matched;
            child.word += p;
        } else {
            generator.Reseed(static_cast<double>(j) * static_cast<double>(s));
            const char r = RandomSymbol(generator);
            ++symbolsDrawn;
            const bool take =
                !attenuating || !hasLetter || std::abs(int{r} - int{t}) < std::abs(int{p} - int{t});
            child.word += take ? r : p;
        }
        if (child.word == MatchWord) {
            child.complete = true;
            break;
        }
    }
    return child;
}

/// Schemes 1 and 2. A position past the end of a short first string takes any drawn symbol.
inline ReferenceRun ReferenceLockedRun(bool attenuating, const std::string& MatchWord,
                                       const std::string& FirstWord, Generator generator,
                                       ReferenceOffspring* bred = nullptr) {
    ReferenceRun run;
    const auto writeLine = [&](const std::string& line) { run.log += line + "\r\n"; };
    const std::size_t n = MatchWord.size();
    std::string ParentWord = FirstWord;
    std::string ChildWord;
    std::size_t NumMatched = 0;
    std::int64_t offspring = 0;
    std::int64_t generation = 0;
    if (!attenuating) {
        generator.Reseed(static_cast<double>(generator.Next()));
    }
    bool complete = false;
    while (NumMatched < n && !complete) {
        generator.Reseed(static_cast<double>(offspring));
        ++generation;
        if (bred != nullptr) {
            bred->emplace_back();
        }
        for (int i = 0; i < 20 && !complete; ++i) {
            generator.Reseed(static_cast<double>(offspring));
            ++offspring;
            const LockedChild child = ReferenceLockedChild(attenuating, MatchWord, ParentWord,
                                                           offspring, generator, run.symbolsDrawn);
            ChildWord = child.word;
            NumMatched = child.matched;
            complete = child.complete;
            if (bred != nullptr) {
                bred->back().push_back(ChildWord);
            }
        }
        if (complete) {
            break;
        }
        ParentWord = ChildWord;
        writeLine(ParentWord + "  " + SignedText(static_cast<std::int64_t>(NumMatched)));
    }
    writeLine(ChildWord + "  " + SignedText(static_cast<std::int64_t>(ChildWord.size())));
    run.numMutations = generation;
    run.numTotal = offspring;
    run.generatorState = generator.State();
    return run;
}

/// One offspring of scheme 3: the first `k` letters of `ParentWord`, then a drawn symbol for
/// every letter after them, the generator reseeded from its own draw before each; counts each
/// drawn symbol in `symbolsDrawn`.
inline std::string ReferenceSequentialChild(const std::string& ParentWord, std::size_t length,
                                            std::size_t k, Generator& generator,
                                            std::int64_t& symbolsDrawn) {
    generator.Reseed(static_cast<double>(generator.Next()));
    std::string tail;
    for (std::size_t q = k; q < length; ++q) {
        generator.Reseed(static_cast<double>(generator.Next()));
        tail += RandomSymbol(generator);
        ++symbolsDrawn;
    }
    return ParentWord.substr(0, k) + tail;
}

/// The letters of `ChildWord` after its first `k` that equal `MatchWord`'s.
inline std::size_t ReferenceHitsAfter(const std::string& ChildWord, const std::string& MatchWord,
                                      std::size_t k) {
    std::size_t hits = 0;
    for (std::size_t j = k + 1; j <= MatchWord.size(); ++j) {
        if (ChildWord[j - 1] == MatchWord[j - 1]) {
            ++hits;
        }
    }
    return hits;
}

/// Scheme 3.
inline ReferenceRun ReferenceSequentialRun(const std::string& FirstWord,
                                           const std::string& MatchWord, Generator generator,
                                           ReferenceOffspring* bred = nullptr) {
    ReferenceRun run;
    const auto writeLine = [&](const std::string& line) { run.log += line + "\r\n"; };
    const std::string& ParentWord = FirstWord;
    std::size_t NumMatched = 0;
    std::string BestWord;
    std::optional<std::size_t> BestCount;
    std::int64_t generation = 0;
    std::int64_t offspring = 1;
    generator.Reseed(static_cast<double>(generator.Next()));
    bool complete = false;
    while (NumMatched < MatchWord.size() && !complete) {
        generator.Reseed(static_cast<double>(offspring));
        ++generation;
        NumMatched = 0;
        if (bred != nullptr) {
            bred->emplace_back();
        }
        for (int i = 0; i < 20 && !complete; ++i) {
            const std::size_t k = NumMatched;
            const std::string ChildWord = ReferenceSequentialChild(ParentWord, MatchWord.size(), k,
                                                                   generator, run.symbolsDrawn);
            if (bred != nullptr) {
                bred->back().push_back(ChildWord);
            }
            NumMatched += ReferenceHitsAfter(ChildWord, MatchWord, k);
            if (NumMatched > BestCount.value_or(0)) {
                BestWord = ChildWord;
                BestCount = NumMatched;
            }
            ++offspring;
            complete = ParentWord == MatchWord;
        }
        if (complete) {
            break;
        }
        if (!BestWord.empty()) {
            writeLine(BestWord + SignedText(static_cast<std::int64_t>(*BestCount) - 1) + " ");
        }
    }
    writeLine(ParentWord +
              (BestCount ? SignedText(static_cast<std::int64_t>(*BestCount)) + " " : ""));
    run.numMutations = generation;
    run.numTotal = offspring;
    run.generatorState = generator.State();
    return run;
}

} // namespace quarrow::testing
