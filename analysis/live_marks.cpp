#include "analysis/live_marks.h"

#include "engine/exact_law.h"

#include <algorithm>
#include <cmath>

namespace quarrow {

namespace {

bool SameAt(std::string_view text, std::string_view other, std::size_t i) {
    return i < other.size() && other[i] == text[i];
}

void Note(std::vector<std::size_t>& few, std::size_t position) {
    if (few.size() <= RightAndWrong::kMostPlacesNamed) {
        few.push_back(position);
    }
}

} // namespace

std::string ParentMarks(std::string_view current, std::string_view target) {
    std::string marks(current.size(), static_cast<char>(LetterMark::Kept));
    for (std::size_t i = 0; i < current.size(); ++i) {
        if (SameAt(current, target, i)) {
            marks[i] = static_cast<char>(LetterMark::Right);
        }
    }
    return marks;
}

std::string ChildMarks(std::string_view child, std::string_view parent, std::string_view target) {
    std::string marks(child.size(), static_cast<char>(LetterMark::Kept));
    for (std::size_t i = 0; i < child.size(); ++i) {
        if (SameAt(child, target, i)) {
            marks[i] = static_cast<char>(LetterMark::Right);
        } else if (!SameAt(child, parent, i)) {
            marks[i] = static_cast<char>(LetterMark::Changed);
        }
    }
    return marks;
}

std::string PrefixMarks(std::string_view offspring, std::size_t locked,
                        std::string_view scoredAgainst) {
    std::string marks(offspring.size(), static_cast<char>(LetterMark::Kept));
    for (std::size_t i = 0; i < offspring.size(); ++i) {
        if (i < locked) {
            marks[i] = static_cast<char>(LetterMark::Locked);
        } else if (SameAt(offspring, scoredAgainst, i)) {
            marks[i] = static_cast<char>(LetterMark::Right);
        }
    }
    return marks;
}

OffspringFate FateOf(Scheme scheme, std::size_t index, const std::vector<OffspringRow>& rows) {
    if (index + 1 == static_cast<std::size_t>(kOffspringPerGeneration)) {
        return OffspringFate::NextParent;
    }
    // A generation cut short by a match has no next parent to be passed over for.
    if (RowOf(scheme).presenter != LivePresenter::Prefix && index < rows.size() &&
        rows.size() == static_cast<std::size_t>(kOffspringPerGeneration) &&
        rows[index].matched > rows.back().matched) {
        return OffspringFate::PassedOver;
    }
    return OffspringFate::Dropped;
}

RightAndWrong PlacesOf(std::string_view current, std::string_view target) {
    RightAndWrong places;
    const std::size_t length = std::max(current.size(), target.size());
    for (std::size_t i = 0; i < length; ++i) {
        if (i < current.size() && SameAt(current, target, i)) {
            ++places.right;
            Note(places.fewRight, i);
        } else {
            ++places.wrong;
            Note(places.fewWrong, i);
        }
    }
    return places;
}

RunPlace PlaceOfRun(Scheme scheme, std::size_t length, std::int64_t generations) {
    RunPlace place;
    place.share = GenerationLaw::ForScheme(scheme, length).AtMost(generations);
    const double percent = std::round(place.share * 100.0);
    place.percent = std::to_string(static_cast<long long>(percent)) + "%";
    if (percent < 1.0 && place.share > 0.0) {
        place.kind = RunPlace::Kind::LessThanOne;
    } else if (percent > 99.0 && place.share < 1.0) {
        place.kind = RunPlace::Kind::MoreThan99;
    }
    return place;
}

std::string GenerationRowsCsv(Scheme scheme, const std::vector<GenerationRow>& rows) {
    // Scheme 3's generations each start again from an empty string: what it reaches is a
    // prefix of the target, and its column is named for that.
    std::string text = RowOf(scheme).presenter == LivePresenter::Prefix
                           ? "generation,prefix_reached,strings\n"
                           : "generation,letters_right,strings\n";
    for (const GenerationRow& row : rows) {
        text += std::to_string(row.generation) + ',' + std::to_string(row.lettersRight) + ',' +
                std::to_string(row.strings) + '\n';
    }
    return text;
}

} // namespace quarrow
