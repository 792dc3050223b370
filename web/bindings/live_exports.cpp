// What the page's live view of a "Step Four" run asks of the engine: the run itself, watched by
// the same feed as the window's view, and the blind search beside it. The run reports through
// the worker's live hooks: at most every `kProgressSeconds` at full speed, and after every
// generation while the view is paused or slower than full speed, when the hook holds the run
// until its turn comes. The engine computes the same run either way.

#include "analysis/evolution_feed.h"
#include "analysis/live_marks.h"
#include "engine/exact_law.h"
#include "engine/scheme.h"
#include "engine/selection.h"
#include "platform/clock.h"
#include "platform/generator.h"
#include "platform/learner_numbers.h"
#include "platform/number_text.h"
#include "search/blind_search.h"
#include "web/bindings/export_args.h"
#include "web/bindings/json_text.h"
#include "web/bindings/web_hooks.h"
#include "web/bindings/web_log_sink.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <emscripten/emscripten.h>

// clang-format off
// The view's control words, read after every generation the engine reports: bit 1 once the page
// has cancelled the run, bit 2 while the view is paused or slower than full speed.
EM_JS(int, quarrow_js_live_control, (), {
    return Module["liveControl"] ? Module["liveControl"]() : 0;
});

// A report to the view, a JSON text; `hold` asks the hook to keep the run until its turn comes.
// Answers 1 while the page still wants the run, 0 once it was cancelled.
EM_JS(int, quarrow_js_live_report, (const char* json, double size, int hold), {
    return Module["onLive"] ? Module["onLive"](HEAPU8.slice(json, json + size), hold !== 0) : 1;
});
// clang-format on

namespace quarrow::web {
namespace {

constexpr int kCancelled = 1;
constexpr int kWatched = 2;
// The generations-per-second figure averages over about this many seconds of the run.
constexpr double kRateWindowSeconds = 1.0;
// Letters of the parent or offspring the letters panel shows, as the window's does.
constexpr std::size_t kShownLetters = 200;
// The feed's reports come this often at full speed, so that its curve stays fine.
constexpr double kFeedInterval = 0.005;
// Of the feed's reports of single generations at the start of a run, one in this many reads the
// view's control words: a Pause is still seen within microseconds.
constexpr std::int64_t kEarlyReportsPerCheck = 16;

/// `value` with `decimals` decimals and its thousands grouped, as the view's figures read.
std::string FixedText(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    const std::string plain = text;
    const std::size_t point = plain.find('.');
    const std::string whole = plain.substr(0, point);
    std::string grouped = whole;
    if (!whole.empty() && whole.find_first_not_of("0123456789") == std::string::npos &&
        whole.size() <= 18) {
        grouped = GroupedText(std::stoll(whole));
    }
    return point == std::string::npos ? grouped : grouped + plain.substr(point);
}

std::string Positions(const std::vector<std::size_t>& positions) {
    std::string json = "[";
    for (std::size_t i = 0; i < positions.size(); ++i) {
        json += (i > 0 ? "," : "") + std::to_string(positions[i] + 1);
    }
    return json + "]";
}

std::string Curve(const std::vector<FitnessPoint>& points) {
    std::string json = "[";
    for (std::size_t i = 0; i < points.size(); ++i) {
        const FitnessPoint& point = points[i];
        char item[96];
        std::snprintf(item, sizeof item, "%s[%lld,%.17g,%.17g,%.17g]", i > 0 ? "," : "",
                      static_cast<long long>(point.generation), point.matched, point.lowest,
                      point.highest);
        json += item;
    }
    return json + "]";
}

const char* FateName(OffspringFate fate) {
    switch (fate) {
    case OffspringFate::NextParent:
        return "next";
    case OffspringFate::PassedOver:
        return "passed";
    case OffspringFate::Dropped:
        break;
    }
    return "dropped";
}

std::string Cut(std::string_view text, std::size_t most) {
    return std::string(text.substr(0, most));
}

/// A run watched for the page: the feed's snapshot and curves, and what the view adds to them.
class LiveRun {
public:
    LiveRun(Scheme scheme, std::string_view target, std::string_view first)
        : scheme_(scheme), prefix_(RowOf(scheme).presenter == LivePresenter::Prefix),
          target_(target), first_(first) {}

    RunResult Run(Generator& generator, LogSink& sink, WebLogSink* log) {
        RunEnvironment base{generator, SystemMonotonic(), sink, cancel_};
        base.progressInterval = kFeedInterval;
        RunEnvironment watched = feed_.Attach(base);
        // The feed's own pacing is the window's; here the worker's hook holds the run, so the
        // feed only ever sees full speed, and the view's requests are this run's own.
        watched.reportEveryGeneration = &reportEach_;
        watched.showOffspring = &showOffspring_;
        ProgressCallback feedProgress = watched.progress;
        watched.progress = [this, feedProgress, log](const RunProgress& progress) {
            feedProgress(progress);
            Receive(progress, log);
        };
        start_ = SystemMonotonic().Seconds();
        return RunScheme(scheme_, target_, first_, watched);
    }

    double HeldSeconds() const { return held_; }
    const EvolutionFeed& Feed() const { return feed_; }

private:
    void Follow(int control, std::int64_t generation) {
        if ((control & kCancelled) != 0) {
            cancel_.store(true);
        }
        const bool watched = (control & kWatched) != 0;
        showOffspring_.store(watched);
        reportEach_.store(watched || generation < EvolutionFeed::kFullDetailGenerations);
        watched_ = watched;
    }

    void Receive(const RunProgress& progress, WebLogSink* log) {
        // The start of a run is reported generation by generation, for the feed's exact curve;
        // the page's words and the clock are read only every few of those reports.
        if (!watched_ && !progress.final &&
            progress.generation < EvolutionFeed::kFullDetailGenerations &&
            ++earlyReports_ % kEarlyReportsPerCheck != 0) {
            return;
        }
        Follow(quarrow_js_live_control(), progress.generation);
        const double now = SystemMonotonic().Seconds();
        // A paused or slow run is held after a generation whose offspring it shows; the first
        // generation after the change of speed is bred with them.
        const bool hold = watched_ && !progress.final && progress.offspring != nullptr;
        if (!hold && !progress.final && now - lastReport_ < kProgressSeconds) {
            return;
        }
        // What the page has been told of is in the log, as for a run without the view.
        if (log != nullptr) {
            log->Flush();
        }
        const std::string json = Report(now, progress.final);
        const double before = SystemMonotonic().Seconds();
        if (quarrow_js_live_report(json.data(), static_cast<double>(json.size()), hold ? 1 : 0) ==
            0) {
            cancel_.store(true);
        }
        lastReport_ = SystemMonotonic().Seconds();
        if (hold) {
            held_ += lastReport_ - before;
        }
        Follow(quarrow_js_live_control(), progress.generation);
    }

    double Rate(double elapsed, std::int64_t generation) {
        rateWindow_.emplace_back(elapsed, generation);
        while (rateWindow_.size() > 2 && rateWindow_[1].first <= elapsed - kRateWindowSeconds) {
            rateWindow_.pop_front();
        }
        const auto& [firstSeconds, firstGeneration] = rateWindow_.front();
        const double seconds = elapsed - firstSeconds;
        if (seconds <= 0.0) {
            return elapsed > 0.0 ? static_cast<double>(generation) / elapsed : 0.0;
        }
        return static_cast<double>(generation - firstGeneration) / seconds;
    }

    std::string Report(double now, bool final) {
        feed_.Take(0, shown_, &points_, &bestPoints_);
        const double elapsed = std::max(0.0, now - start_);
        const double rate = Rate(elapsed, shown_.generation);
        const std::size_t matched = prefix_ ? shown_.generationReached : shown_.matchedLetters;
        JsonObject json;
        json.Number("generation", static_cast<double>(shown_.generation));
        json.Number("strings", static_cast<double>(shown_.stringsMade));
        json.Number("matched", static_cast<double>(matched));
        json.Number("best", static_cast<double>(shown_.matchedLetters));
        json.Number("length", static_cast<double>(shown_.targetLength));
        json.Number("locked", static_cast<double>(shown_.lockedLetters));
        json.Number("seconds", std::max(0.0, elapsed - held_));
        json.Boolean("final", final);
        json.Number("logBytes", static_cast<double>(shown_.logBytes));
        JsonObject figures;
        figures.Figure("generation", GroupedText(shown_.generation));
        figures.Figure("strings", GroupedText(shown_.stringsMade));
        figures.Figure("matched", GroupedText(static_cast<std::int64_t>(matched)));
        figures.Figure("best", GroupedText(static_cast<std::int64_t>(shown_.matchedLetters)));
        figures.Figure("length", GroupedText(static_cast<std::int64_t>(shown_.targetLength)));
        figures.Figure("rate", FixedText(rate, rate < 100.0 ? 1 : 0));
        figures.Figure("seconds", FixedText(elapsed, 1));
        figures.Figure("computing",
                       held_ > 0.0 ? FixedText(std::max(0.0, elapsed - held_), 1) : std::string());
        figures.Figure("log", BytesText(static_cast<double>(shown_.logBytes)));
        json.Raw("figures", figures.Text());
        json.Raw("letters", Letters());
        json.Raw("curve", Curve(points_));
        json.Raw("bestCurve", Curve(bestPoints_));
        if (shown_.offspringGeneration > 0 && shown_.offspringGeneration != sentOffspring_) {
            sentOffspring_ = shown_.offspringGeneration;
            json.Raw("offspring", Offspring());
        }
        return json.Text();
    }

    std::string Letters() const {
        JsonObject json;
        if (prefix_) {
            const std::string& shown = shown_.lastOffspring;
            json.Text("text", Cut(shown, kShownLetters));
            json.Text("marks",
                      Cut(PrefixMarks(shown, shown_.lockedLetters, first_), kShownLetters));
            json.Text("lockedText", Cut(std::string_view(shown).substr(
                                            0, std::min(shown_.lockedLetters, shown.size())),
                                        kShownLetters));
            std::vector<std::size_t> hits;
            std::size_t hitCount = 0;
            for (std::size_t i = shown_.lockedLetters; i < shown.size(); ++i) {
                if (i < first_.size() && first_[i] == shown[i]) {
                    ++hitCount;
                    if (hits.size() <= RightAndWrong::kMostPlacesNamed) {
                        hits.push_back(i);
                    }
                }
            }
            json.Number("lockedShown",
                        static_cast<double>(std::min(shown_.lockedLetters, shown.size())));
            json.Number("hits", static_cast<double>(hitCount));
            json.Raw("hitPlaces", Positions(hits));
            json.Number("marked", static_cast<double>(std::min(shown_.lockedLetters, shown.size()) +
                                                      hitCount));
            json.Number("of", static_cast<double>(std::max(shown.size(), target_.size())));
            json.Boolean("cut", shown.size() > kShownLetters);
        } else {
            const std::string& shown = shown_.currentString;
            const RightAndWrong places = PlacesOf(shown, target_);
            json.Text("text", Cut(shown, kShownLetters));
            json.Text("marks", Cut(ParentMarks(shown, target_), kShownLetters));
            json.Number("right", static_cast<double>(places.right));
            json.Number("wrong", static_cast<double>(places.wrong));
            json.Raw("fewRight", Positions(places.fewRight));
            json.Raw("fewWrong", Positions(places.fewWrong));
            json.Number("of", static_cast<double>(std::max(shown.size(), target_.size())));
            json.Boolean("cut", shown.size() > kShownLetters);
        }
        return json.Text();
    }

    std::string Offspring() const {
        JsonObject json;
        json.Number("generation", static_cast<double>(shown_.offspringGeneration));
        json.Figure("generationText", GroupedText(shown_.offspringGeneration));
        json.Text("parent", shown_.offspringParent);
        JsonArray rows;
        const std::string_view target =
            std::string_view(target_).substr(0, EvolutionFeed::kShownOffspringLetters);
        const std::string_view first =
            std::string_view(first_).substr(0, EvolutionFeed::kShownOffspringLetters);
        for (std::size_t i = 0; i < shown_.offspring.size(); ++i) {
            const OffspringRow& row = shown_.offspring[i];
            JsonObject item;
            item.Text("letters", row.letters);
            item.Text("marks", prefix_ ? PrefixMarks(row.letters, row.copied, first)
                                       : ChildMarks(row.letters, shown_.offspringParent, target));
            item.Number("matched", static_cast<double>(row.matched));
            item.Figure("matchedText", GroupedText(static_cast<std::int64_t>(row.matched)));
            item.Number("copied", static_cast<double>(row.copied));
            item.Figure("copiedText", GroupedText(static_cast<std::int64_t>(row.copied)));
            const std::size_t hits = row.matched - std::min(row.matched, row.copied);
            item.Number("hits", static_cast<double>(hits));
            item.Boolean("whole", row.matched >= target_.size());
            item.Text("fate", FateName(FateOf(scheme_, i, shown_.offspring)));
            rows.Add(item);
        }
        json.Raw("rows", rows.Text());
        json.Boolean("cut", target_.size() > EvolutionFeed::kShownOffspringLetters);
        return json.Text();
    }

    Scheme scheme_;
    bool prefix_;
    std::string target_;
    std::string first_;
    EvolutionFeed feed_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> reportEach_{true};
    std::atomic<bool> showOffspring_{false};
    bool watched_ = false;
    std::int64_t earlyReports_ = 0;
    double start_ = 0.0;
    double lastReport_ = -1.0e300;
    double held_ = 0.0;
    std::int64_t sentOffspring_ = 0;
    EvolutionSnapshot shown_;
    std::vector<FitnessPoint> points_;
    std::vector<FitnessPoint> bestPoints_;
    std::deque<std::pair<double, std::int64_t>> rateWindow_;
};

const char* PlaceKind(RunPlace::Kind kind) {
    switch (kind) {
    case RunPlace::Kind::LessThanOne:
        return "lessThanOne";
    case RunPlace::Kind::MoreThan99:
        return "moreThan99";
    case RunPlace::Kind::Percent:
        break;
    }
    return "percent";
}

BlindSearch* Search(double handle) {
    return reinterpret_cast<BlindSearch*>(static_cast<std::uintptr_t>(handle));
}

} // namespace
} // namespace quarrow::web

using namespace quarrow;
using namespace quarrow::web;

extern "C" {

/// "Step Four" with the live view: one run as `quarrow_run` makes it, the same generations from
/// the same generator, watched by the view. The answer adds what the view shows once the run is
/// over: where a run that found the target falls, the chart's summary figures, and the CSV of
/// its generations.
EMSCRIPTEN_KEEPALIVE char* quarrow_live_run(int number, const char* target, int targetSize,
                                            const char* first, int firstSize,
                                            std::uint32_t stateHigh, std::uint32_t stateLow,
                                            int logged) {
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
    LiveRun run(*scheme, Bytes(target, targetSize), Bytes(first, firstSize));
    const RunResult result = run.Run(generator, sink, logged != 0 ? &log : nullptr);
    // Held time is the view's, not the run's: the result boxes get the computing time alone.
    const auto computing = static_cast<float>(
        std::max(0.0, static_cast<double>(result.timeLength) - run.HeldSeconds()));
    json.Text("outcome", OutcomeName(result.outcome));
    json.Text("timeLength", PlainText(computing));
    json.Text("numMutations", PlainText(result.numMutations));
    json.Figure("numMutationsGrouped", GroupedText(result.numMutations));
    json.Text("numTotal", PlainText(result.numTotal));
    json.Text("logError", result.logError);
    json.Number("logBytes", static_cast<double>(sink.Size()));
    json.Number("stateHigh", static_cast<double>(generator.State() >> 32));
    json.Number("stateLow", static_cast<double>(generator.State() & 0xffffffffULL));
    if (result.outcome == RunOutcome::Matched) {
        const RunPlace place =
            PlaceOfRun(*scheme, static_cast<std::size_t>(targetSize), result.numMutations);
        JsonObject placeJson;
        placeJson.Text("kind", PlaceKind(place.kind));
        placeJson.Text("percent", place.percent);
        placeJson.Number("share", place.share);
        json.Raw("place", placeJson.Text());
    }
    json.Text("csv", GenerationRowsCsv(*scheme, run.Feed().Rows()));
    return Handed(json.Text());
}

/// What a run of scheme `number` on a target of `length` letters is expected to cost, from its
/// exact law over all first strings of that length: the figures of the view's "Expected:" line.
EMSCRIPTEN_KEEPALIVE char* quarrow_law_expectation(int number, double length) {
    JsonObject json;
    const std::optional<Scheme> scheme = SchemeNumbered(number);
    if (scheme) {
        const GenerationLaw law =
            GenerationLaw::ForScheme(*scheme, static_cast<std::size_t>(length));
        json.Figure("mean", ThreeFiguresText(law.Mean()));
        json.Figure("half", GroupedText(law.Quantile(0.5)));
        json.Figure("nine", GroupedText(law.Quantile(0.9)));
        json.Figure("strings", ThreeFiguresText(law.MeanStrings()));
    }
    return Handed(json.Text());
}

/// A blind search for `target` on a generator of its own; the answer's `handle` names it to the
/// calls below until `quarrow_blind_free`.
EMSCRIPTEN_KEEPALIVE char* quarrow_blind_new(const char* target, int targetSize,
                                             std::uint32_t seedHigh, std::uint32_t seedLow) {
    auto* search = new BlindSearch(std::string(Bytes(target, targetSize)), Join(seedHigh, seedLow));
    JsonObject json;
    json.Number("handle", static_cast<double>(reinterpret_cast<std::uintptr_t>(search)));
    return Handed(json.Text());
}

/// Catches the search up with a run's `strings`, for at most `budgetMilliseconds`; its best
/// string, marked, and its figures.
EMSCRIPTEN_KEEPALIVE char* quarrow_blind_follow(double handle, double strings,
                                                double budgetMilliseconds) {
    BlindSearch& search = *Search(handle);
    const bool there = search.CatchUp(
        static_cast<std::int64_t>(strings),
        std::chrono::nanoseconds(static_cast<std::int64_t>(budgetMilliseconds * 1.0e6)));
    JsonObject json;
    json.Boolean("there", there);
    json.Boolean("found", search.Found());
    json.Number("strings", static_cast<double>(search.Strings()));
    json.Figure("stringsText", GroupedText(search.Strings()));
    json.Text("best", Cut(search.Best(), kShownLetters));
    json.Text("marks", Cut(ParentMarks(search.Best(), search.Target()), kShownLetters));
    json.Number("bestRight", static_cast<double>(search.BestRight()));
    json.Number("length", static_cast<double>(search.Length()));
    return Handed(json.Text());
}

/// The figures of the sentence the lane ends a run with.
EMSCRIPTEN_KEEPALIVE char* quarrow_blind_ending(double handle) {
    const BlindSearch& search = *Search(handle);
    const BlindSearchEnding ending = DescribeBlindEnding(search.Length(), search.Rate());
    JsonObject json;
    json.Boolean("found", search.Found());
    json.Figure("strings", GroupedText(search.Strings()));
    json.Number("bestRight", static_cast<double>(search.BestRight()));
    json.Number("length", static_cast<double>(search.Length()));
    json.Figure("power", ending.power);
    json.Figure("all", ending.strings);
    json.Boolean("timed", ending.timed);
    json.Boolean("inYears", ending.inYears);
    json.Figure("years", ending.years);
    json.Text("phrase", ending.phrase);
    json.Figure("figure", ending.figure);
    return Handed(json.Text());
}

/// Ends the search `handle` names.
EMSCRIPTEN_KEEPALIVE char* quarrow_blind_free(double handle) {
    delete Search(handle);
    return Handed("{}");
}

} // extern "C"
