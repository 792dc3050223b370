#pragma once

#include "platform/clock.h"

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace quarrow::testing {

/// A stand-in for the generator that hands out scripted values in turn, from the start again
/// after the last, and counts its reseeds (which change nothing).
class ScriptedGenerator {
public:
    explicit ScriptedGenerator(std::vector<float> values) : values_(std::move(values)) {}

    /// Values that draw exactly these symbols, one value per character.
    static ScriptedGenerator Drawing(std::string_view symbols) {
        std::vector<float> values;
        for (const char c : symbols) {
            const int index = c == ' ' ? 26 : c - 'A';
            values.push_back((static_cast<float>(index) + 0.5f) / 27.0f);
        }
        return ScriptedGenerator(std::move(values));
    }

    float Next() {
        const float value = values_[next_];
        next_ = (next_ + 1) % values_.size();
        ++draws_;
        return value;
    }
    void Reseed(double) { ++reseeds_; }
    void Reseed(const TimeOfDayClock&) { ++reseeds_; }

    std::size_t Draws() const { return draws_; }
    std::size_t Reseeds() const { return reseeds_; }

private:
    std::vector<float> values_;
    std::size_t next_ = 0;
    std::size_t draws_ = 0;
    std::size_t reseeds_ = 0;
};

} // namespace quarrow::testing
