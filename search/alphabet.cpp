#include "search/alphabet.h"

#include <algorithm>

namespace quarrow {

std::string RandomString(Generator& generator, std::ptrdiff_t length) {
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length), kSpace);
    FillRandom(generator, text.data(), text.size());
    return text;
}

std::size_t MatchCount(std::string_view candidate, std::string_view target) {
    const std::size_t overlap = std::min(candidate.size(), target.size());
    std::size_t matched = 0;
    for (std::size_t i = 0; i < overlap; ++i) {
        matched += candidate[i] == target[i] ? 1U : 0U;
    }
    return matched;
}

std::optional<std::size_t> FirstForeignSymbol(std::string_view text) {
    const auto found =
        std::find_if(text.begin(), text.end(), [](char c) { return !IsAlphabetSymbol(c); });
    if (found == text.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - text.begin());
}

} // namespace quarrow
