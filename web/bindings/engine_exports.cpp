// What the page asks of the engine. Every function takes plain numbers and Latin-1 bytes and
// hands back a JSON text in memory it allocates with malloc, which the page reads and frees. A
// 64-bit generator state or seed travels as two 32-bit halves, since a script's number holds
// only 53 bits exactly.
//
// Long work (the rate, the trial, a run) reports through the functions of the worker that
// `web_hooks.h` declares; each runs to its end, and the page cancels it by ending its worker.

#include "analysis/experiments.h"
#include "engine/exact_law.h"
#include "engine/run_cost.h"
#include "engine/scheme.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "platform/generator.h"
#include "platform/learner_numbers.h"
#include "platform/number_text.h"
#include "search/alphabet.h"
#include "search/estimate.h"
#include "search/string_rate.h"
#include "search/trial.h"
#include "web/bindings/export_args.h"
#include "web/bindings/json_text.h"
#include "web/bindings/web_hooks.h"
#include "web/bindings/web_log_sink.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include <emscripten/emscripten.h>

namespace quarrow::web {
namespace {

void AddState(JsonObject& json, const Generator& generator) {
    json.Number("stateHigh", static_cast<double>(generator.State() >> 32));
    json.Number("stateLow", static_cast<double>(generator.State() & 0xffffffffULL));
}

const char* ProblemKind(InputProblem::Kind kind) {
    switch (kind) {
    case InputProblem::Kind::ForeignSymbol:
        return "foreignSymbol";
    case InputProblem::Kind::FirstStringTooLong:
        return "firstStringTooLong";
    }
    return "";
}

const char* FirstStringRuleName(FirstStringRule rule) {
    return rule == FirstStringRule::TargetLength ? "targetLength" : "anyLength";
}

/// A duration as the unit phrase of the catalogue and its figure, under `name`.
void AddDuration(JsonObject& json, std::string_view name, double seconds) {
    const DurationInUnits duration = DurationFor(seconds);
    JsonObject parts;
    parts.Text("phrase", duration.phrase);
    parts.Figure("figure", duration.figure);
    json.Raw(name, parts.Text());
}

const char* LawName(LawKind law) {
    return law == LawKind::GrowingPrefix ? "growingPrefix" : "lockedLetter";
}

} // namespace
} // namespace quarrow::web

using namespace quarrow;
using namespace quarrow::web;

extern "C" {

/// The scheme table: what the page shows of each scheme and the rules it keeps.
EMSCRIPTEN_KEEPALIVE char* quarrow_schemes() {
    JsonArray rows;
    for (const SchemeDescriptor& row : kSchemeTable) {
        JsonObject json;
        json.Number("number", row.number);
        json.Text("key", row.key);
        json.Text("caption", row.caption);
        json.Text("rule", row.rule);
        json.Number("helpTopic", row.helpTopic);
        json.Text("law", LawName(row.law));
        json.Text("firstString", FirstStringRuleName(row.firstString));
        json.Number("colour", static_cast<double>(row.colour));
        rows.Add(json);
    }
    return Handed(rows.Text());
}

/// A seed typed in a link: a whole number from 0 to 2^64 - 1, or nothing.
EMSCRIPTEN_KEEPALIVE char* quarrow_read_seed(const char* text, int size) {
    JsonObject json;
    if (const std::optional<std::uint64_t> seed =
            analysis::ReadSeed(std::string(Bytes(text, size)))) {
        json.Boolean("valid", true);
        json.Text("text", std::to_string(*seed));
        json.Number("seedHigh", static_cast<double>(*seed >> 32));
        json.Number("seedLow", static_cast<double>(*seed & 0xffffffffULL));
    } else {
        json.Boolean("valid", false);
    }
    return Handed(json.Text());
}

/// The generator of run `run` of a batch seeded with the seed's two halves, as the lab makes it.
EMSCRIPTEN_KEEPALIVE char* quarrow_run_generator(std::uint32_t seedHigh, std::uint32_t seedLow,
                                                 double run) {
    JsonObject json;
    AddState(json, analysis::RunGenerator(Join(seedHigh, seedLow), static_cast<std::int64_t>(run)));
    return Handed(json.Text());
}

/// `length` random symbols from the generator, reseeded from the time of day first when
/// `reseed` is set, as the window does before a new phrase or first string.
EMSCRIPTEN_KEEPALIVE char* quarrow_random_text(std::uint32_t stateHigh, std::uint32_t stateLow,
                                               double length, int reseed) {
    Generator generator(Join(stateHigh, stateLow));
    if (reseed != 0) {
        Reseed(generator, SystemTimeOfDay());
    }
    const std::string text = RandomString(generator, static_cast<std::ptrdiff_t>(length));
    JsonObject json;
    json.Text("text", text);
    AddState(json, generator);
    return Handed(json.Text());
}

/// The five boxes of "Step Two" for a phrase of `length` symbols at `rate` strings a second.
EMSCRIPTEN_KEEPALIVE char* quarrow_search_space(double length, double rate) {
    const SearchSpaceTexts texts = DescribeSearchSpace(
        EstimateSearchSpace(static_cast<std::int64_t>(length), static_cast<std::int64_t>(rate)));
    JsonObject json;
    json.Text("stringsPerSecond", texts.stringsPerSecond);
    json.Text("distinctStrings", texts.distinctStrings);
    json.Text("seconds", texts.seconds);
    json.Text("days", texts.days);
    json.Text("years", texts.years);
    return Handed(json.Text());
}

/// "Step Two": the strings of `length` symbols made in a second, and the boxes they give.
EMSCRIPTEN_KEEPALIVE char* quarrow_measure(std::uint32_t stateHigh, std::uint32_t stateLow,
                                           double length) {
    Generator generator(Join(stateHigh, stateLow));
    const std::atomic<bool> never{false};
    const std::int64_t rate = CountStringsPerSecond(generator, SystemMonotonic(),
                                                    static_cast<std::size_t>(length), never);
    JsonObject json;
    json.Number("rate", static_cast<double>(rate));
    AddState(json, generator);
    return Handed(json.Text());
}

/// The count box of "Step Three" read as the window reads it; `valid` is false for a count
/// too large or not finite.
EMSCRIPTEN_KEEPALIVE char* quarrow_read_trial_count(const char* text, int size) {
    JsonObject json;
    const std::optional<std::int64_t> count = ReadTrialCount(Bytes(text, size));
    json.Boolean("valid", count.has_value());
    json.Number("count", static_cast<double>(count.value_or(0)));
    json.Figure("countText", GroupedText(count.value_or(0)));
    json.Figure("most", GroupedText(kMostTrialStrings));
    return Handed(json.Text());
}

/// "Step Three": `asked` random strings as long as the target, each symbol drawn after a reseed
/// from the time of day, or, with `stoppedClock` set, from a clock stopped at midnight as a
/// seeded trial of the lab does. Progress goes to the worker's trial hook.
EMSCRIPTEN_KEEPALIVE char* quarrow_trial(std::uint32_t stateHigh, std::uint32_t stateLow,
                                         const char* target, int targetSize, double asked,
                                         int stoppedClock) {
    Generator generator(Join(stateHigh, stateLow));
    const FixedTimeOfDayClock stopped;
    const TimeOfDayClock& seedClock =
        stoppedClock != 0 ? static_cast<const TimeOfDayClock&>(stopped) : SystemTimeOfDay();
    std::atomic<bool> cancel{false};
    TrialHooks hooks;
    hooks.clock = &SystemMonotonic();
    hooks.progressInterval = kProgressSeconds;
    hooks.cancel = &cancel;
    hooks.progress = [&cancel](const TrialProgress& progress) {
        if (!ReportTrial(progress.stringsMade, progress.bestString,
                         progress.bestCount ? static_cast<double>(*progress.bestCount) : -1.0)) {
            cancel.store(true);
        }
    };
    const double start = SystemMonotonic().Seconds();
    const TrialResult result = RunMatchingTrial(generator, seedClock, Bytes(target, targetSize),
                                                static_cast<std::int64_t>(asked), hooks);
    const auto elapsed = static_cast<float>(SystemMonotonic().Seconds() - start);
    JsonObject json;
    json.Text("bestString", result.bestString);
    json.Text("bestCount", result.bestCount
                               ? PlainText(static_cast<std::int64_t>(*result.bestCount))
                               : std::string());
    json.Number("stringsMade", static_cast<double>(result.stringsMade));
    json.Figure("stringsMadeGrouped", GroupedText(result.stringsMade));
    json.Boolean("cancelled", result.cancelled);
    json.Text("seconds", PlainText(elapsed));
    AddState(json, generator);
    return Handed(json.Text());
}

/// Whether the two texts of "Step Four" can be run with scheme `number`: nothing when they can,
/// else what is wrong, as the window's refusals need it.
EMSCRIPTEN_KEEPALIVE char* quarrow_check_run(int number, const char* target, int targetSize,
                                             const char* first, int firstSize) {
    JsonObject json;
    const std::optional<Scheme> scheme = SchemeNumbered(number);
    const std::string_view targetText = Bytes(target, targetSize);
    const std::string_view firstText = Bytes(first, firstSize);
    if (!scheme) {
        json.Text("problem", "noScheme");
    } else if (const auto problem = CheckInput(*scheme, targetText, firstText)) {
        json.Text("problem", ProblemKind(problem->kind));
        json.Text("text", problem->text == InputProblem::Text::Target ? "target" : "firstString");
        json.Number("position", static_cast<double>(problem->position));
        json.Figure("positionText", GroupedText(static_cast<std::int64_t>(problem->position) + 1));
    } else if (RowOf(*scheme).firstString == FirstStringRule::TargetLength &&
               firstText.size() < targetText.size()) {
        json.Text("problem", "firstStringTooShort");
    }
    json.Figure("firstLength", GroupedText(static_cast<std::int64_t>(firstText.size())));
    json.Figure("targetLength", GroupedText(static_cast<std::int64_t>(targetText.size())));
    if (scheme && RowOf(*scheme).law == LawKind::GrowingPrefix) {
        const SequentialExpectation expected = ExpectSequential(targetText.size());
        json.Boolean("mayAsk", expected.meanGenerations >= kNeverAskBelowGenerations);
    } else {
        json.Boolean("mayAsk", false);
    }
    return Handed(json.Text());
}

/// The figures of the question before a long run of the growing-prefix scheme: `rate` is the
/// measured generations a second (0 when none was measured), `pace` the view's speed (0 at full
/// speed).
EMSCRIPTEN_KEEPALIVE char* quarrow_long_run(double letters, double rate, double pace) {
    const SequentialExpectation expected = ExpectSequential(static_cast<std::size_t>(letters));
    JsonObject json;
    const bool chanceAsShare = expected.generationChance >= 0.01;
    json.Boolean("chanceAsShare", chanceAsShare);
    json.Figure("chance", ThreeFiguresText(chanceAsShare ? expected.generationChance * 100.0
                                                         : 1.0 / expected.generationChance));
    json.Figure("mean", ThreeFiguresText(expected.meanGenerations));
    json.Figure("half", GroupedText(expected.medianGenerations));
    json.Figure("nine", GroupedText(expected.percentile90Generations));
    json.Figure("strings", ThreeFiguresText(expected.meanStrings));
    json.Figure("log", BytesText(expected.meanLogBytes));
    json.Number("logBytes", expected.meanLogBytes);
    const double seconds = rate > 0.0 ? expected.meanGenerations / rate : 0.0;
    const double paced = pace > 0.0 ? expected.meanGenerations / pace : 0.0;
    json.Boolean("hasSeconds", rate > 0.0);
    AddDuration(json, "seconds", seconds);
    AddDuration(json, "atPace", paced);
    json.Figure("pace", NumberText(pace));
    json.Boolean("long", expected.meanLogBytes > kAskAboveLogBytes ||
                             std::max(seconds, paced) > kAskAboveSeconds);
    return Handed(json.Text());
}

/// Generations a second of scheme `number` on these texts, measured without a log.
EMSCRIPTEN_KEEPALIVE char* quarrow_generation_rate(int number, const char* target, int targetSize,
                                                   const char* first, int firstSize,
                                                   std::uint32_t stateHigh,
                                                   std::uint32_t stateLow) {
    JsonObject json;
    const std::optional<Scheme> scheme = SchemeNumbered(number);
    json.Number("rate", scheme ? MeasureGenerationRate(
                                     *scheme, Bytes(target, targetSize), Bytes(first, firstSize),
                                     Generator(Join(stateHigh, stateLow)), SystemMonotonic(),
                                     kRateMeasureSeconds, kRateMeasureMaxGenerations)
                               : 0.0);
    return Handed(json.Text());
}

/// "Step Four": one run of scheme `number`, the target and first string as the page holds them,
/// writing its generation log through the worker's log hooks when `logged` is set. Progress goes
/// to the worker's run hook, the log written out before each report.
EMSCRIPTEN_KEEPALIVE char* quarrow_run(int number, const char* target, int targetSize,
                                       const char* first, int firstSize, std::uint32_t stateHigh,
                                       std::uint32_t stateLow, int logged) {
    JsonObject json;
    const std::optional<Scheme> scheme = SchemeNumbered(number);
    if (!scheme) {
        json.Text("outcome", "invalidInput");
        return Handed(json.Text());
    }
    Generator generator(Join(stateHigh, stateLow));
    WebLogSink log;
    NullLogSink noLog;
    LogSink& sink = logged != 0 ? static_cast<LogSink&>(log) : noLog;
    std::atomic<bool> cancel{false};
    RunEnvironment environment{generator, SystemMonotonic(), sink, cancel};
    environment.progressInterval = kProgressSeconds;
    environment.progress = [&log, &cancel, logged](const RunProgress& progress) {
        // What the page has been told of is in the log: should the worker have to be ended
        // rather than stop the run itself, the log holds whole lines up to the generation shown.
        if (logged != 0) {
            log.Flush();
        }
        if (!ReportRun(progress.generation, progress.stringsMade,
                       static_cast<double>(progress.matchedLetters),
                       static_cast<double>(progress.targetLength), progress.elapsedSeconds,
                       progress.currentString, progress.final, logged != 0 ? log.Size() : 0)) {
            cancel.store(true);
        }
    };
    const RunResult result =
        RunScheme(*scheme, Bytes(target, targetSize), Bytes(first, firstSize), environment);
    json.Text("outcome", OutcomeName(result.outcome));
    json.Text("timeLength", PlainText(result.timeLength));
    json.Text("numMutations", PlainText(result.numMutations));
    json.Figure("numMutationsGrouped", GroupedText(result.numMutations));
    json.Text("numTotal", PlainText(result.numTotal));
    json.Text("logError", result.logError);
    json.Number("logBytes", static_cast<double>(sink.Size()));
    AddState(json, generator);
    return Handed(json.Text());
}

/// The boxes' texts of a run its worker was ended in: the last reported figures.
EMSCRIPTEN_KEEPALIVE char* quarrow_stopped_run(double generation, double strings, double seconds) {
    JsonObject json;
    json.Text("timeLength", PlainText(static_cast<float>(seconds)));
    json.Text("numTotal", PlainText(static_cast<std::int64_t>(strings)));
    json.Figure("numMutationsGrouped", GroupedText(static_cast<std::int64_t>(generation)));
    return Handed(json.Text());
}

/// A box's texts of seconds (a 32-bit float, as the window's time boxes hold it) and of a whole
/// count, in the plain form.
EMSCRIPTEN_KEEPALIVE char* quarrow_box_texts(double seconds, double count) {
    JsonObject json;
    json.Text("seconds", PlainText(static_cast<float>(seconds)));
    json.Text("count", PlainText(static_cast<std::int64_t>(count)));
    return Handed(json.Text());
}

/// Figures for the page's sentences.
EMSCRIPTEN_KEEPALIVE char* quarrow_figures(double count, double bytes) {
    JsonObject json;
    json.Figure("grouped", GroupedText(static_cast<std::int64_t>(count)));
    json.Figure("bytes", BytesText(bytes));
    return Handed(json.Text());
}

} // extern "C"
