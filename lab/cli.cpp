#include "lab/cli.h"

#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <limits>
#include <new>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "engine/selection.h"
#include "lab/experiments.h"
#include "lab/interrupt.h"
#include "lab/progress_bar.h"
#include "lab/report.h"
#include "lab/staged_log.h"
#include "search/estimate.h"
#include "search/string_rate.h"
#include "search/trial.h"

namespace quarrow::lab {
namespace {

constexpr char kProgramName[] = "quarrow-lab";
constexpr int kMostThreads = 256;
constexpr std::int64_t kDefaultRuns = 100;
constexpr std::int64_t kDefaultTrialStrings = 500;

/// `text` with its control characters shown as \xHH, so echoed input cannot drive the
/// terminal; C1 controls written in UTF-8 (U+0080 to U+009F) count too.
std::string Escaped(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto following = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        char escape[8];
        if (byte < 0x20 || byte == 0x7f) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(byte));
            shown += escape;
        } else if (byte == 0xc2 && following >= 0x80 && following <= 0x9f) {
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(following));
            shown += escape;
            ++i;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

void Complain(const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", kProgramName, Escaped(message).c_str());
}

/// Why standard output could not take the report, once it could not.
int stdoutError = 0;

void Print(const std::string& text) {
    if (std::fputs(text.c_str(), stdout) == EOF || std::fflush(stdout) != 0) {
        if (stdoutError == 0) {
            stdoutError = errno != 0 ? errno : EIO;
        }
    }
}

/// A standard descriptor the caller closed is held open on /dev/null for reading: otherwise the
/// next file the lab opens, its log, would take its number and receive the report. Writes to it
/// then fail, and a lost report is noticed.
void HoldClosedStandardDescriptors() {
    for (const int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(descriptor, F_GETFD) < 0 && errno == EBADF) {
            const int held = open("/dev/null", O_RDONLY);
            if (held >= 0 && held != descriptor) {
                dup2(held, descriptor);
                close(held);
            }
        }
    }
}

/// The end of every run: a report that did not reach standard output is a failure.
int Finish(int status) {
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        if (stdoutError == 0) {
            stdoutError = errno != 0 ? errno : EIO;
        }
    }
    if (stdoutError != 0) {
        Complain(std::string("cannot write the report to standard output: ") +
                 std::strerror(stdoutError));
        return status == kExitOk ? kExitOutputLost : status;
    }
    return status;
}

/// A validator for a whole-number option from `least` to `most`, which says what is wrong with
/// the text given.
CLI::Validator WholeNumber(std::int64_t least, std::int64_t most) {
    const std::string range = std::to_string(least) + " to " + std::to_string(most);
    return CLI::Validator(
        [=](std::string& text) -> std::string {
            std::int64_t value = 0;
            const char* end = text.data() + text.size();
            const auto [stop, error] = std::from_chars(text.data(), end, value);
            if (text.empty()) {
                return "needs a whole number from " + range;
            }
            if (stop != end || (error != std::errc() && error != std::errc::result_out_of_range)) {
                return "\"" + text + "\" is not a whole number; give one from " + range;
            }
            if (error == std::errc::result_out_of_range || value < least || value > most) {
                return text + " is out of range; give a whole number from " + range;
            }
            return {};
        },
        "N");
}

/// Reads a seed: a whole number from 0 to 2^64 - 1, all of whose bits count.
std::optional<std::uint64_t> ReadSeed(const std::string& text) {
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || stop != end || error != std::errc()) {
        return std::nullopt;
    }
    return value;
}

const std::string kSeedRange = "0 to " + std::to_string(std::numeric_limits<std::uint64_t>::max());

/// Options every command takes.
struct CommonOptions {
    std::string phrase;
    std::string seed;
    CLI::Option* seedOption = nullptr;
    int threads = 1;
    bool json = false;
    bool csv = false;
    /// `evolve` and `compare` only.
    bool perRun = false;
    std::string plotPath;
    CLI::Option* plotOption = nullptr;
};

void AddCommonOptions(CLI::App& command, CommonOptions& options) {
    command
        .add_option("phrase", options.phrase,
                    "The target phrase: letters A to Z and spaces (small letters count as "
                    "capitals, as in the window)")
        ->required();
    const CLI::Validator seedCheck(
        [](std::string& text) -> std::string {
            if (ReadSeed(text)) {
                return {};
            }
            if (text.empty()) {
                return "needs a whole number from " + kSeedRange;
            }
            const bool digits = text.find_first_not_of("0123456789") == std::string::npos;
            return digits ? text + " is out of range; give a whole number from " + kSeedRange
                          : "\"" + text + "\" is not a whole number; give one from " + kSeedRange;
        },
        "N");
    options.seedOption =
        command.add_option("--seed", options.seed,
                           "Seed the generators from N, so every figure but the measured "
                           "seconds repeats exactly; without it the clock seeds them, as in "
                           "the window");
    options.seedOption->type_name("N")->check(seedCheck);
    options.threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    command.add_option("--threads", options.threads, "Worker threads (figures never depend on it)")
        ->type_name("N")
        ->check(WholeNumber(1, kMostThreads))
        ->capture_default_str();
    CLI::Option* json = command.add_flag("--json", options.json, "Print the figures as JSON");
    CLI::Option* csv = command.add_flag("--csv", options.csv, "Print the figures as CSV");
    json->excludes(csv);
}

/// The options of the commands that evolve: a row per run instead of the summary, a chart.
void AddRunOutputOptions(CLI::App& command, CommonOptions& options) {
    command.add_flag("--per-run", options.perRun,
                     "Print one row per run (run, scheme, first string, generations, strings, "
                     "seconds) instead of the summary: CSV, or JSON lines with --json");
    options.plotOption = command.add_option(
        "--plot", options.plotPath,
        "Draw the histogram of the generations per run with the exact law into FILE (.png or "
        ".svg)");
    options.plotOption->type_name("FILE");
}

bool EndsWith(std::string text, const std::string& ending) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text.size() >= ending.size() &&
           text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

std::string SeedText(const SeedInfo& seed) {
    if (seed.seed) {
        return "seed " + std::to_string(*seed.seed);
    }
    char text[64];
    std::snprintf(text, sizeof text, "seeded from the clock (%.2f s after midnight)",
                  static_cast<double>(seed.clockReading));
    return text;
}

/// Puts small letters into capitals, as the window does with a typed phrase, and refuses what
/// no drawn string could match.
std::optional<std::string> CheckPhrase(std::string& phrase) {
    for (char& c : phrase) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (phrase.empty()) {
        return "the phrase is empty; give one of letters A to Z and spaces";
    }
    const std::optional<InputProblem> problem =
        CheckInput(Scheme::Attenuating, phrase, std::string_view());
    if (!problem) {
        return std::nullopt;
    }
    const auto byte = static_cast<unsigned char>(problem->character);
    char shown[16];
    if (byte >= 0x20 && byte < 0x7f) {
        std::snprintf(shown, sizeof shown, "\"%c\"", problem->character);
    } else {
        std::snprintf(shown, sizeof shown, "byte 0x%02X", static_cast<unsigned>(byte));
    }
    return "the phrase holds " + std::string(shown) + " at position " +
           std::to_string(problem->position + 1) + ", which is not a letter A to Z or a space";
}

/// The scheme a user names, by its word or its number on the page, in any case.
std::optional<Scheme> SchemeNamed(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    if (name == "attenuating" || name == "1") {
        return Scheme::Attenuating;
    }
    if (name == "serial" || name == "2") {
        return Scheme::Serial;
    }
    if (name == "sequential" || name == "3") {
        return Scheme::Sequential;
    }
    return std::nullopt;
}

SeedInfo MakeSeed(const CommonOptions& options) {
    SeedInfo seed;
    if (options.seedOption->count() > 0) {
        seed.seed = ReadSeed(options.seed);
    } else {
        seed.clockReading = SystemTimeOfDay().SecondsSinceMidnight();
    }
    return seed;
}

template <typename Report> void PrintReport(const CommonOptions& options, const Report& report) {
    if (options.json) {
        Print(ToJson(report).dump(2) + "\n");
    } else if (options.csv) {
        Print(ToCsv(report));
    } else {
        Print(ToText(report));
    }
}

/// The option among `args` that `command` does not take but another command does, if any.
std::optional<std::string> ForeignOption(const CLI::App& app, const CLI::App& command, int argc,
                                         char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (!arg.starts_with("--")) {
            continue;
        }
        const std::string name = arg.substr(0, arg.find('='));
        if (command.get_option_no_throw(name) != nullptr) {
            continue;
        }
        std::vector<std::string> owners;
        for (const CLI::App* other : app.get_subcommands({})) {
            if (other->get_option_no_throw(name) != nullptr) {
                owners.push_back(other->get_name());
            }
        }
        if (owners.empty()) {
            return "unknown option " + name + " for " + command.get_name();
        }
        std::string list;
        for (std::size_t o = 0; o < owners.size(); ++o) {
            list += (o == 0 ? "" : o + 1 == owners.size() ? " and " : ", ") + owners[o];
        }
        return name + " does not apply to " + command.get_name() + "; it is an option of " + list;
    }
    return std::nullopt;
}

int RunSelection(const std::string& command, const std::vector<Scheme>& schemes,
                 const CommonOptions& options, std::int64_t runs, const std::string* logPath,
                 const PlotWriter& plotWriter) {
    const bool plotting = options.plotOption != nullptr && options.plotOption->count() > 0;
    if (plotting) {
        if (!EndsWith(options.plotPath, ".png") && !EndsWith(options.plotPath, ".svg")) {
            Complain("cannot tell the kind of plot \"" + options.plotPath +
                     "\": give a file name ending in .png or .svg");
            return kExitBadInput;
        }
        if (!plotWriter) {
            Complain("this build of the lab cannot draw plots");
            return kExitBadInput;
        }
    }
    std::optional<StagedLog> log;
    if (logPath != nullptr) {
        log.emplace(*logPath);
        if (!log->Prepare()) {
            Complain(log->Error());
            return kExitBadInput;
        }
    }
    CatchInterrupt();
    const SeedInfo seed = MakeSeed(options);

    EvolveBatch batch;
    batch.phrase = options.phrase;
    batch.schemes = schemes;
    batch.runs = runs;
    batch.seed = seed.BatchSeed();
    batch.firstRunLog = log ? &log->Sink() : nullptr;
    batch.keepFirstStrings = options.perRun;

    std::atomic<std::int64_t> runsDone{0};
    ProgressBar bar(stderr, runs * static_cast<std::int64_t>(schemes.size()), "runs",
                    SystemMonotonic());
    const BatchControl control{InterruptRequested(), options.threads,
                               [&] { bar.Update(runsDone.load()); }};
    const EvolveBatchResult result = RunEvolveBatch(batch, control, &runsDone);
    bar.Clear();
    const bool interrupted = InterruptRequested().load();

    int status = interrupted ? kExitInterrupted : kExitOk;
    if (log) {
        if (result.firstRunOutcome == RunOutcome::Matched) {
            if (!log->Commit()) {
                Complain(log->Error());
                status = kExitBadInput;
            }
        } else if (result.firstRunOutcome == RunOutcome::LogFailed) {
            log->Discard();
            Complain("cannot write the log \"" + log->Path() + "\": " + result.firstRunLogError);
            status = kExitBadInput;
        } else {
            log->Discard();
            Complain("the log \"" + log->Path() + "\" was not written: its run was interrupted");
        }
    }
    if (options.perRun) {
        Print(options.json ? PerRunJsonLines(schemes, result.records)
                           : PerRunCsv(schemes, result.records));
    } else {
        PrintReport(options, SummariseEvolve(command, options.phrase, seed, runs, interrupted,
                                             schemes, result.records));
    }
    if (plotting) {
        plot::DistributionData data;
        data.phrase = options.phrase;
        data.runsRequested = runs;
        data.seedText = SeedText(seed);
        for (std::size_t s = 0; s < schemes.size(); ++s) {
            plot::SchemeRuns& runsOfScheme = data.schemes.emplace_back();
            runsOfScheme.scheme = schemes[s];
            for (const EvolveRecord& record : result.records[s]) {
                if (record.finished) {
                    runsOfScheme.generations.push_back(record.generations);
                    runsOfScheme.strings.push_back(record.strings);
                }
            }
        }
        if (const std::string problem = plotWriter(data, options.plotPath); !problem.empty()) {
            Complain("cannot write the plot \"" + options.plotPath + "\": " + problem);
            status = kExitBadInput;
        }
    }
    return status;
}

int RunTrial(const CommonOptions& options, std::int64_t strings, std::int64_t runs) {
    CatchInterrupt();
    const SeedInfo seed = MakeSeed(options);
    // A seeded trial reseeds from a stopped clock, so its strings follow from the seed alone.
    const StoppedTimeOfDayClock stoppedClock;

    TrialBatch batch;
    batch.phrase = options.phrase;
    batch.stringsPerTrial = strings;
    batch.runs = runs;
    batch.seed = seed.BatchSeed();
    batch.seedClock =
        seed.seed ? static_cast<const TimeOfDayClock*>(&stoppedClock) : &SystemTimeOfDay();

    std::atomic<std::int64_t> stringsDone{0};
    ProgressBar bar(stderr, strings * runs, "strings", SystemMonotonic());
    const BatchControl control{InterruptRequested(), options.threads,
                               [&] { bar.Update(stringsDone.load()); }};
    const std::vector<TrialRecord> records = RunTrialBatch(batch, control, &stringsDone);
    bar.Clear();
    const bool interrupted = InterruptRequested().load();
    PrintReport(options, SummariseTrials(options.phrase, seed, strings, interrupted, records));
    return interrupted ? kExitInterrupted : kExitOk;
}

int RunEstimate(const CommonOptions& options) {
    CatchInterrupt();
    const SeedInfo seed = MakeSeed(options);
    Generator generator = RunGenerator(seed.BatchSeed(), 0);
    const std::int64_t count = CountStringsPerSecond(generator, SystemMonotonic(),
                                                     options.phrase.size(), InterruptRequested());
    if (InterruptRequested().load()) {
        Complain("interrupted before the second was up, so there is no rate to report");
        return kExitInterrupted;
    }
    EstimateReport report;
    report.phrase = options.phrase;
    report.seed = seed;
    report.estimate = EstimateSearchSpace(static_cast<std::int64_t>(options.phrase.size()), count);
    report.texts = DescribeSearchSpace(report.estimate);
    PrintReport(options, report);
    return kExitOk;
}

int RunLabCommand(int argc, char** argv, const PlotWriter& plotWriter) {
    CLI::App app{"Runs the window's selection schemes and random searches many times over and "
                 "reports their statistics.",
                 kProgramName};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string(kProgramName) + " " + QUARROW_VERSION);

    CommonOptions evolveOptions;
    CommonOptions compareOptions;
    CommonOptions trialOptions;
    CommonOptions estimateOptions;
    std::int64_t evolveRuns = kDefaultRuns;
    std::int64_t compareRuns = kDefaultRuns;
    std::int64_t trialRuns = 1;
    std::int64_t trialStrings = kDefaultTrialStrings;
    std::string logPath;
    std::string schemeText = "attenuating";

    CLI::App* evolve = app.add_subcommand(
        "evolve", "Evolve the phrase with one scheme, many times, as the \"Step Four\" page does");
    AddCommonOptions(*evolve, evolveOptions);
    AddRunOutputOptions(*evolve, evolveOptions);
    const CLI::Validator schemeName(
        [](std::string& name) -> std::string {
            return SchemeNamed(name)
                       ? std::string()
                       : "unknown scheme \"" + name +
                             "\"; the schemes are attenuating (1), serial (2) and sequential (3)";
        },
        "SCHEME");
    evolve
        ->add_option("--scheme", schemeText,
                     "attenuating (1), serial (2) or sequential (3); attenuating is the "
                     "window's choice at start")
        ->check(schemeName)
        ->capture_default_str();
    evolve->add_option("--runs", evolveRuns, "Runs in the batch")
        ->type_name("N")
        ->check(WholeNumber(1, kMostRuns))
        ->capture_default_str();
    CLI::Option* logOption = evolve->add_option(
        "--log", logPath, "Write the first run's generation log to FILE, in the window's format");
    logOption->type_name("FILE");

    CLI::App* compare =
        app.add_subcommand("compare", "Evolve the phrase with all three schemes side by side");
    AddCommonOptions(*compare, compareOptions);
    AddRunOutputOptions(*compare, compareOptions);
    compare->add_option("--runs", compareRuns, "Runs of each scheme")
        ->type_name("N")
        ->check(WholeNumber(1, kMostRuns))
        ->capture_default_str();

    CLI::App* trial = app.add_subcommand(
        "trial", "Match the phrase with random strings, as the \"Step Three\" page does");
    AddCommonOptions(*trial, trialOptions);
    trial->add_option("--strings", trialStrings, "Random strings in each trial")
        ->type_name("N")
        ->check(WholeNumber(1, kMostTrialStrings))
        ->capture_default_str();
    trial->add_option("--runs", trialRuns, "Trials in the batch")
        ->type_name("N")
        ->check(WholeNumber(1, kMostRuns))
        ->capture_default_str();

    CLI::App* estimate = app.add_subcommand(
        "estimate", "Measure the string rate and estimate a blind search, as the \"Step Two\" "
                    "page does");
    AddCommonOptions(*estimate, estimateOptions);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForAllHelp& help) {
        return app.exit(help);
    } catch (const CLI::CallForVersion& version) {
        return app.exit(version);
    } catch (const CLI::ParseError& error) {
        for (const CLI::App* command : {evolve, compare, trial, estimate}) {
            if (command->parsed()) {
                if (const auto foreign = ForeignOption(app, *command, argc, argv)) {
                    Complain(*foreign);
                    return kExitBadInput;
                }
            }
        }
        if (app.get_subcommands().empty()) {
            const bool named = argc > 1 && argv[1][0] != '-';
            Complain(
                (named ? "unknown command \"" + std::string(argv[1]) + "\"; " : std::string()) +
                "the commands are evolve, compare, trial and estimate (--help explains "
                "them)");
        } else {
            Complain(error.what());
        }
        return kExitBadInput;
    }

    CommonOptions* options = nullptr;
    if (evolve->parsed()) {
        options = &evolveOptions;
    } else if (compare->parsed()) {
        options = &compareOptions;
    } else if (trial->parsed()) {
        options = &trialOptions;
    } else {
        options = &estimateOptions;
    }
    if (const std::optional<std::string> problem = CheckPhrase(options->phrase)) {
        Complain(*problem);
        return kExitBadInput;
    }

    if (evolve->parsed()) {
        return RunSelection("evolve", {*SchemeNamed(schemeText)}, evolveOptions, evolveRuns,
                            logOption->count() > 0 ? &logPath : nullptr, plotWriter);
    }
    if (compare->parsed()) {
        return RunSelection("compare", {Scheme::Attenuating, Scheme::Serial, Scheme::Sequential},
                            compareOptions, compareRuns, nullptr, plotWriter);
    }
    if (trial->parsed()) {
        return RunTrial(trialOptions, trialStrings, trialRuns);
    }
    return RunEstimate(estimateOptions);
}

} // namespace

int RunLab(int argc, char** argv, const PlotWriter& plotWriter) {
    HoldClosedStandardDescriptors();
    // Whatever escapes every handler still takes the hidden log file with it and says why.
    std::set_terminate([] {
        RemoveNamedFile();
        std::fprintf(stderr, "%s: stopped by an internal error\n", kProgramName);
        std::abort();
    });
    int status = kExitOk;
    try {
        status = RunLabCommand(argc, argv, plotWriter);
    } catch (const std::bad_alloc&) {
        Complain("not enough memory for this batch; try fewer runs or a shorter phrase");
        status = kExitOutputLost;
    } catch (const std::exception& error) {
        Complain(std::string("stopped by an error: ") + error.what());
        status = kExitOutputLost;
    }
    return Finish(status);
}

} // namespace quarrow::lab
