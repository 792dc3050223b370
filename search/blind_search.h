#pragma once

#include "platform/generator.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace quarrow {

/// Blind search beside a run: random strings as long as the target, from a generator of its own,
/// the best so far kept with its letters right. It is driven to the run's count of strings, a
/// slice of time at a go, so that it never holds up the window or the page.
class BlindSearch {
public:
    BlindSearch(std::string target, std::uint64_t seed);

    /// Makes strings until `strings` have been made, the target is found or `budget` has passed;
    /// whether it got there or found the target.
    bool CatchUp(std::int64_t strings, std::chrono::nanoseconds budget);

    std::int64_t Strings() const { return strings_; }
    /// The best string so far (empty before the first) and its letters equal to the target's.
    const std::string& Best() const { return best_; }
    std::size_t BestRight() const { return bestRight_; }
    std::size_t Length() const { return target_.size(); }
    const std::string& Target() const { return target_; }
    /// Whether a string matched the whole target; the search stops at it, so `Strings` counts
    /// up to and including that string.
    bool Found() const { return strings_ > 0 && bestRight_ == target_.size(); }
    /// Strings a second it has made them at; 0 before it has made any.
    double Rate() const;

private:
    std::string target_;
    Generator generator_;
    std::string candidate_;
    std::string best_;
    std::size_t bestRight_ = 0;
    std::int64_t strings_ = 0;
    std::chrono::steady_clock::duration spent_{};
};

/// The figures of the sentence a blind search ends with, as text.
struct BlindSearchEnding {
    /// 27 with the length raised: "27¹²".
    std::string power;
    /// 27^length: whole below a million ("19,683"), else as a power of ten ("7.6 × 10¹²").
    std::string strings;
    /// Whether the time at the measured rate is known, and whether it is told in years as a
    /// power of ten (`years`) or as a duration of the catalogue's units (`phrase`, `figure`).
    bool timed = false;
    bool inYears = false;
    std::string years;
    const char* phrase = "";
    std::string figure;
};

/// 27^`length` in the form the lane states it.
std::string BlindStringsText(std::size_t length);

/// What matching all `length` letters would take at `rate` strings a second (0 when unknown).
BlindSearchEnding DescribeBlindEnding(std::size_t length, double rate);

} // namespace quarrow
