#include "lab/cli.h"

#include "analysis/batch_time.h"
#include "analysis/distribution_data.h"
#include "analysis/experiments.h"
#include "engine/selection.h"
#include "lab/interrupt.h"
#include "lab/progress_bar.h"
#include "lab/report.h"
#include "lab/staged_log.h"
#include "search/estimate.h"
#include "search/string_rate.h"
#include "search/trial.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <limits>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    /// `evolve`, `compare` and `trial`.
    bool noTimeLimit = false;
};

void AddCommonOptions(CLI::App& command, CommonOptions& options) {
    command
        .add_option("phrase", options.phrase,
                    "The target phrase: letters A to Z and spaces (small letters count as "
                    "capitals, as in the window)")
        ->required();
    const CLI::Validator seedCheck(
        [](std::string& text) -> std::string {
            if (analysis::ReadSeed(text)) {
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
    command.add_flag("--no-time-limit", options.noTimeLimit,
                     "Run a batch expected to take more than a day");
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
    for (const SchemeDescriptor& names : kSchemeTable) {
        if (name == names.key || name == std::to_string(names.number)) {
            return names.scheme;
        }
    }
    return std::nullopt;
}

/// The schemes a user can name: "attenuating (1), serial (2) and sequential (3)", the last
/// joined by `lastJoin`.
std::string SchemeChoices(const std::string& lastJoin) {
    std::string text;
    for (std::size_t i = 0; i < kSchemeTable.size(); ++i) {
        if (i > 0) {
            text += i + 1 == kSchemeTable.size() ? " " + lastJoin + " " : std::string(", ");
        }
        text +=
            std::string(kSchemeTable[i].key) + " (" + std::to_string(kSchemeTable[i].number) + ")";
    }
    return text;
}

/// Every scheme, in the order of the window's option buttons.
std::vector<Scheme> AllSchemes() {
    std::vector<Scheme> schemes;
    schemes.reserve(std::size(kSchemeTable));
    for (const SchemeDescriptor& names : kSchemeTable) {
        schemes.push_back(names.scheme);
    }
    return schemes;
}

SeedInfo MakeSeed(const CommonOptions& options) {
    SeedInfo seed;
    if (options.seedOption->count() > 0) {
        seed.seed = analysis::ReadSeed(options.seed);
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

/// The edit distance of two words, a swap of neighbouring letters counting as one edit.
std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) {
        d[i][0] = i;
    }
    for (std::size_t j = 0; j <= b.size(); ++j) {
        d[0][j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

/// The one of `names` nearest to what was typed, when it is near enough to be a slip.
std::optional<std::string> Nearest(const std::string& typed,
                                   const std::vector<std::string>& names) {
    std::optional<std::string> best;
    std::size_t bestDistance = std::max<std::size_t>(2, typed.size() / 3) + 1;
    for (const std::string& name : names) {
        const std::size_t distance = EditDistance(typed, name);
        if (distance < bestDistance) {
            best = name;
            bestDistance = distance;
        }
    }
    return best;
}

/// The long option names `command` takes, "--help" among them.
std::vector<std::string> OptionNames(const CLI::App& command) {
    std::vector<std::string> names;
    for (const CLI::Option* option : command.get_options()) {
        for (const std::string& name : option->get_lnames()) {
            names.push_back("--" + name);
        }
    }
    return names;
}

/// Where `name` stands among the arguments, or 0.
int ArgumentIndex(int argc, char** argv, const std::string& name) {
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == name) {
            return i;
        }
    }
    return 0;
}

/// Why `command` does not take the option `name`: it is another command's, or none takes it (the
/// nearest one it does take is offered, if any).
std::string ForeignOptionProblem(const CLI::App& app, const CLI::App& command,
                                 const std::string& name) {
    std::vector<std::string> owners;
    for (const CLI::App* other : app.get_subcommands({})) {
        if (other->get_option_no_throw(name) != nullptr) {
            owners.push_back(other->get_name());
        }
    }
    if (owners.empty()) {
        const std::optional<std::string> meant = Nearest(name, OptionNames(command));
        return "unknown option " + name + " for " + command.get_name() +
               (meant ? "; did you mean " + *meant + "?" : std::string());
    }
    std::string list;
    for (std::size_t o = 0; o < owners.size(); ++o) {
        list += (o == 0 ? "" : o + 1 == owners.size() ? " and " : ", ") + owners[o];
    }
    std::string problem = name;
    problem.append(" does not apply to ").append(command.get_name());
    return problem.append("; it is an option of ").append(list);
}

/// The option among `args` that `command` does not take: said to be another command's, or
/// given with the nearest one it does take, if any.
std::optional<std::string> ForeignOption(const CLI::App& app, const CLI::App& command, int argc,
                                         char** argv) {
    for (int i = ArgumentIndex(argc, argv, command.get_name()) + 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--") {
            break;
        }
        if (!arg.starts_with("--")) {
            continue;
        }
        const std::string name = arg.substr(0, arg.find('='));
        if (command.get_option_no_throw(name) == nullptr) {
            return ForeignOptionProblem(app, command, name);
        }
    }
    return std::nullopt;
}

/// `arg` as a shell reads it back as one word.
std::string ShellWord(const std::string& arg) {
    if (!arg.empty() && arg.find_first_of(" \t'\"\\$`*?[]{}()<>|&;~#!") == std::string::npos) {
        return arg;
    }
    std::string quoted = "'";
    for (const char c : arg) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

/// When the phrase was given as several words, the message that shows the command with the
/// words in quotes as one phrase.
std::optional<std::string> UnquotedPhrase(const CLI::App& command, int argc, char** argv) {
    const int commandIndex = ArgumentIndex(argc, argv, command.get_name());
    std::vector<int> words;
    bool optionsEnded = false;
    for (int i = commandIndex + 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
            const CLI::Option* option = command.get_option_no_throw(arg.substr(0, arg.find('=')));
            if (option == nullptr) {
                return std::nullopt;
            }
            // A flag takes no value: the word after it is the phrase or another option.
            if (option->get_items_expected_max() > 0 && arg.find('=') == std::string::npos) {
                ++i;
            }
        } else {
            words.push_back(i);
        }
    }
    if (words.size() < 2) {
        return std::nullopt;
    }
    std::string phrase;
    for (const int word : words) {
        phrase += (phrase.empty() ? "" : " ") + std::string(argv[word]);
    }
    std::string shown = kProgramName;
    for (int i = commandIndex; i < argc; ++i) {
        if (i == words.front()) {
            shown += " \"" + phrase + "\"";
        } else if (std::find(words.begin(), words.end(), i) == words.end()) {
            shown += " " + ShellWord(argv[i]);
        }
    }
    return "the phrase is one argument; put it in quotes: " + shown;
}

/// A batch expected to take longer than this is refused unless the user insists.
constexpr double kLongestBatchSeconds = 86400.0;
/// A batch expected to take longer than this says so before it starts.
constexpr double kAnnouncedBatchSeconds = 60.0;

std::string Plural(std::int64_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

/// Says how long a batch is expected to take when that is long, and refuses one that would
/// take more than a day unless the user insists; the exit status when refused.
std::optional<int> CheckBatchTime(double expectedSeconds, int parallel, bool noTimeLimit,
                                  const std::string& shorter) {
    if (expectedSeconds > kLongestBatchSeconds && !noTimeLimit) {
        Complain("this batch is expected to take " + analysis::DurationText(expectedSeconds) +
                 " on " + Plural(parallel, "thread", "threads") + ", more than a day; give " +
                 shorter + ", or --no-time-limit to run it anyway");
        return kExitBadInput;
    }
    if (expectedSeconds > kAnnouncedBatchSeconds) {
        std::fprintf(stderr, "%s: this batch is expected to take %s on %s (Ctrl+C stops it)\n",
                     kProgramName, analysis::DurationText(expectedSeconds).c_str(),
                     Plural(parallel, "thread", "threads").c_str());
        std::fflush(stderr);
    }
    return std::nullopt;
}

/// The threads a batch of `tasks` runs on: those asked for, but no more than the machine's
/// cores or the tasks.
int Parallel(int threads, std::int64_t tasks) {
    return static_cast<int>(std::min<std::int64_t>(
        {threads, static_cast<std::int64_t>(std::max(1U, std::thread::hardware_concurrency())),
         std::max<std::int64_t>(tasks, 1)}));
}

/// Why a chart cannot be written at `path`, found before the batch rather than after it.
std::optional<std::string> PlotPlaceProblem(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos
                                   ? std::string(".")
                                   : path.substr(0, std::max<std::size_t>(slash, 1));
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0) {
        return "the folder \"" + folder + "\" " +
               (errno == ENOENT ? std::string("does not exist") : std::strerror(errno));
    }
    if (!S_ISDIR(status.st_mode)) {
        return "\"" + folder + "\" is not a folder";
    }
    if (access(folder.c_str(), W_OK) != 0) {
        return "the folder \"" + folder + "\" cannot be written: " + std::strerror(errno);
    }
    if (stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) {
        return std::string("it is a folder");
    }
    return std::nullopt;
}

/// The generations a second of each scheme on this phrase; measured only when the batch could
/// take long, since a short one needs no warning: empty then.
std::vector<double> MeasureRates(const std::string& phrase, const std::vector<Scheme>& schemes,
                                 std::int64_t runs) {
    // Far fewer symbols than any machine draws in a second, even counting 20 offspring of the
    // whole phrase in every generation.
    constexpr double kSurelyQuickSymbols = 2e7;
    double generations = 0.0;
    for (const Scheme scheme : schemes) {
        generations += analysis::ExpectedGenerations(scheme, phrase.size())
                           .value_or(std::numeric_limits<double>::infinity());
    }
    const double symbols = static_cast<double>(runs) * generations * 20.0 *
                           static_cast<double>(std::max<std::size_t>(phrase.size(), 1));
    if (symbols < kSurelyQuickSymbols) {
        return {};
    }
    constexpr double kMeasureSeconds = 0.05;
    std::vector<double> rates;
    rates.reserve(schemes.size());
    for (const Scheme scheme : schemes) {
        rates.push_back(analysis::MeasureSchemeRate(scheme, phrase, 0x5eed, SystemMonotonic(),
                                                    kMeasureSeconds));
    }
    return rates;
}

/// Why `--plot` cannot be honoured, said before the batch rather than after it: the exit
/// status then, or nothing.
std::optional<int> RefusePlot(const CommonOptions& options, const PlotWriter& plotWriter) {
    if (!EndsWith(options.plotPath, ".png") && !EndsWith(options.plotPath, ".svg")) {
        Complain("cannot tell the kind of plot \"" + options.plotPath +
                 "\": give a file name ending in .png or .svg");
        return kExitBadInput;
    }
    if (!plotWriter) {
        Complain("this build of the lab cannot draw plots");
        return kExitBadInput;
    }
    if (const std::optional<std::string> problem = PlotPlaceProblem(options.plotPath)) {
        Complain("cannot write the plot \"" + options.plotPath + "\": " + *problem);
        return kExitBadInput;
    }
    return std::nullopt;
}

/// Runs the batch with a progress bar on standard error, which counts down the expected time
/// when there is one.
analysis::EvolveBatchResult RunWithProgress(const analysis::EvolveBatch& batch, int threads,
                                            const std::optional<analysis::BatchTime>& time) {
    const std::size_t schemeCount = batch.schemes.size();
    std::atomic<std::int64_t> runsDone{0};
    const auto runsDoneByScheme = std::make_unique<std::atomic<std::int64_t>[]>(schemeCount);
    ProgressBar bar(stderr, batch.runs * static_cast<std::int64_t>(schemeCount), "runs",
                    SystemMonotonic());
    const auto tick = [&] {
        if (!time) {
            bar.Update(runsDone.load());
            return;
        }
        std::vector<std::int64_t> done(schemeCount);
        for (std::size_t s = 0; s < schemeCount; ++s) {
            done[s] = runsDoneByScheme[s].load();
        }
        bar.Update(runsDone.load(), time->SecondsLeft(done));
    };
    const analysis::BatchControl control{InterruptRequested(), threads, tick};
    analysis::EvolveBatchResult result =
        analysis::RunEvolveBatch(batch, control, &runsDone, runsDoneByScheme.get());
    bar.Clear();
    return result;
}

/// Cuts an interrupted batch back to the runs every output covers, 0 to n - 1 with no gap, and
/// says which those are.
void KeepAndSayFinishedPrefix(analysis::EvolveBatchResult& result, std::int64_t runs) {
    const std::int64_t covered = analysis::KeepFinishedPrefix(result.records);
    const std::string ofRuns = " of " + std::to_string(runs) +
                               (result.records.size() > 1 ? " runs of each scheme" : " runs");
    Complain(covered == 0
                 ? "interrupted before run 0 finished: the output covers none" + ofRuns
                 : "interrupted: the output covers runs 0 to " + std::to_string(covered - 1) +
                       ", the first " + std::to_string(covered) + ofRuns);
}

/// Keeps the first run's log if that run ended, and otherwise removes it saying why; the exit
/// status `status` becomes.
int SettleLog(StagedLog& log, const analysis::EvolveBatchResult& result, int status) {
    if (result.firstRunOutcome == RunOutcome::Matched) {
        if (!log.Commit()) {
            Complain(log.Error());
            return kExitBadInput;
        }
        return status;
    }
    log.Discard();
    if (result.firstRunOutcome == RunOutcome::LogFailed) {
        // The run stopped where its log failed: it did not finish, and the figures leave it out.
        Complain("the first run stopped because its log could not be written (" +
                 result.firstRunLogError + "); the log \"" + log.Path() +
                 "\" is not kept, and the report leaves that run out");
        return kExitBadInput;
    }
    Complain("the log \"" + log.Path() + "\" was not written: its run was interrupted");
    return status;
}

/// The expected time of the batch when it could be long; refuses one of more than a day
/// unless the user insists, giving the exit status then.
std::optional<int> CheckEvolveTime(const std::vector<Scheme>& schemes, const CommonOptions& options,
                                   std::int64_t runs, std::optional<analysis::BatchTime>& time) {
    const int parallel =
        Parallel(options.threads, runs * static_cast<std::int64_t>(schemes.size()));
    if (const std::vector<double> rates = MeasureRates(options.phrase, schemes, runs);
        !rates.empty()) {
        time.emplace(options.phrase, schemes, runs, rates, parallel);
    }
    const double expectedSeconds = time ? time->TotalSeconds() : 0.0;
    return CheckBatchTime(expectedSeconds, parallel, options.noTimeLimit,
                          "fewer runs or a shorter phrase");
}

/// `evolve` and `compare`: runs every scheme `runs` times and prints the report, the log of
/// the first run and the chart where they are asked for.
int RunEvolveCommand(const std::string& command, const std::vector<Scheme>& schemes,
                     const CommonOptions& options, std::int64_t runs, const std::string* logPath,
                     const PlotWriter& plotWriter) {
    const bool plotting = options.plotOption != nullptr && options.plotOption->count() > 0;
    if (const std::optional<int> refused =
            plotting ? RefusePlot(options, plotWriter) : std::nullopt) {
        return *refused;
    }
    std::optional<analysis::BatchTime> time;
    if (const std::optional<int> refused = CheckEvolveTime(schemes, options, runs, time)) {
        return *refused;
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

    analysis::EvolveBatch batch;
    batch.phrase = options.phrase;
    batch.schemes = schemes;
    batch.runs = runs;
    batch.seed = seed.BatchSeed();
    batch.firstRunLog = log ? &log->Sink() : nullptr;
    batch.keepFirstStrings = options.perRun;
    analysis::EvolveBatchResult result = RunWithProgress(batch, options.threads, time);
    const bool interrupted = InterruptRequested().load();
    if (interrupted) {
        KeepAndSayFinishedPrefix(result, runs);
    }
    int status = interrupted ? kExitInterrupted : kExitOk;
    if (log) {
        status = SettleLog(*log, result, status);
    }
    if (options.perRun) {
        Print(options.json ? PerRunJsonLines(schemes, result.records)
                           : PerRunCsv(schemes, result.records));
    } else {
        PrintReport(options, SummariseEvolve(command, options.phrase, seed, runs, interrupted,
                                             schemes, result.records));
    }
    if (plotting) {
        // Only the runs every other output covers: after an interrupt, the finished prefix.
        const analysis::DistributionData data =
            analysis::DistributionOfBatch(batch, result.records, interrupted, SeedText(seed));
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
    const FixedTimeOfDayClock stoppedClock;

    analysis::TrialBatch batch;
    batch.phrase = options.phrase;
    batch.stringsPerTrial = strings;
    batch.runs = runs;
    batch.seed = seed.BatchSeed();
    batch.seedClock =
        seed.seed ? static_cast<const TimeOfDayClock*>(&stoppedClock) : &SystemTimeOfDay();

    // Every string costs the same, so the strings a second of a short measurement give the
    // batch's time; a batch far below any machine's second is not measured.
    const double totalStrings = static_cast<double>(strings) * static_cast<double>(runs);
    const int parallel = Parallel(options.threads, runs);
    if (totalStrings * static_cast<double>(options.phrase.size()) > 2e8) {
        const MonotonicClock& clock = SystemMonotonic();
        Generator generator = analysis::RunGenerator(batch.seed, 0);
        const double start = clock.Seconds();
        std::int64_t made = 0;
        do {
            made += RunMatchingTrial(generator, *batch.seedClock, options.phrase, 20'000, {})
                        .stringsMade;
        } while (clock.Seconds() - start < 0.05);
        const double rate = static_cast<double>(made) / (clock.Seconds() - start);
        if (const std::optional<int> refused =
                CheckBatchTime(totalStrings / rate / parallel, parallel, options.noTimeLimit,
                               "fewer strings or trials")) {
            return *refused;
        }
    }

    std::atomic<std::int64_t> stringsDone{0};
    ProgressBar bar(stderr, strings * runs, "strings", SystemMonotonic());
    const analysis::BatchControl control{InterruptRequested(), options.threads,
                                         [&] { bar.Update(stringsDone.load()); }};
    const std::vector<analysis::TrialRecord> records =
        analysis::RunTrialBatch(batch, control, &stringsDone);
    bar.Clear();
    const bool interrupted = InterruptRequested().load();
    PrintReport(options, SummariseTrials(options.phrase, seed, strings, interrupted, records));
    return interrupted ? kExitInterrupted : kExitOk;
}

int RunEstimate(const CommonOptions& options) {
    CatchInterrupt();
    const SeedInfo seed = MakeSeed(options);
    Generator generator = analysis::RunGenerator(seed.BatchSeed(), 0);
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

constexpr char kExitStatusText[] =
    "Exit status:\n"
    "  0    the report is written\n"
    "  1    the report could not be written to standard output, or memory ran out\n"
    "  2    input refused, a log or plot that cannot be written, or a batch expected to take\n"
    "       more than a day without --no-time-limit\n"
    "  130  stopped by Ctrl+C; the report covers the runs finished before it\n";

/// The program's four commands, what each was given, and the options that say so.
struct LabCommandLine {
    CLI::App app{"Runs the window's selection schemes and random searches many times over and "
                 "reports their statistics.",
                 kProgramName};
    CommonOptions evolveOptions;
    CommonOptions compareOptions;
    CommonOptions trialOptions;
    CommonOptions estimateOptions;
    std::int64_t evolveRuns = kDefaultRuns;
    std::int64_t compareRuns = kDefaultRuns;
    std::int64_t trialRuns = 1;
    std::int64_t trialStrings = kDefaultTrialStrings;
    std::string logPath;
    std::string schemeText{SchemeKey(Scheme::Attenuating)};
    CLI::App* evolve = nullptr;
    CLI::App* compare = nullptr;
    CLI::App* trial = nullptr;
    CLI::App* estimate = nullptr;
    CLI::Option* logOption = nullptr;
};

void AddEvolveCommand(LabCommandLine& line) {
    line.evolve = line.app.add_subcommand(
        "evolve", "Evolve the phrase with one scheme, many times, as the \"Step Four\" page does");
    AddCommonOptions(*line.evolve, line.evolveOptions);
    AddRunOutputOptions(*line.evolve, line.evolveOptions);
    const CLI::Validator schemeName(
        [](std::string& name) -> std::string {
            return SchemeNamed(name)
                       ? std::string()
                       : "unknown scheme \"" + name + "\"; the schemes are " + SchemeChoices("and");
        },
        "SCHEME");
    line.evolve
        ->add_option("--scheme", line.schemeText,
                     SchemeChoices("or") + "; " + std::string(SchemeKey(Scheme::Attenuating)) +
                         " is the window's choice at start")
        ->check(schemeName)
        ->capture_default_str();
    line.evolve->add_option("--runs", line.evolveRuns, "Runs in the batch")
        ->type_name("N")
        ->check(WholeNumber(1, analysis::kMostRuns))
        ->capture_default_str();
    line.logOption = line.evolve->add_option(
        "--log", line.logPath,
        "Write the first run's generation log to FILE, in the window's format");
    line.logOption->type_name("FILE");
}

void AddCompareCommand(LabCommandLine& line) {
    line.compare =
        line.app.add_subcommand("compare", "Evolve the phrase with all three schemes side by side");
    AddCommonOptions(*line.compare, line.compareOptions);
    AddRunOutputOptions(*line.compare, line.compareOptions);
    line.compare->add_option("--runs", line.compareRuns, "Runs of each scheme")
        ->type_name("N")
        ->check(WholeNumber(1, analysis::kMostRuns))
        ->capture_default_str();
}

void AddTrialCommand(LabCommandLine& line) {
    line.trial = line.app.add_subcommand(
        "trial", "Match the phrase with random strings, as the \"Step Three\" page does");
    AddCommonOptions(*line.trial, line.trialOptions);
    line.trial->add_option("--strings", line.trialStrings, "Random strings in each trial")
        ->type_name("N")
        ->check(WholeNumber(1, kMostTrialStrings))
        ->capture_default_str();
    line.trial->add_option("--runs", line.trialRuns, "Trials in the batch")
        ->type_name("N")
        ->check(WholeNumber(1, analysis::kMostRuns))
        ->capture_default_str();
    line.trial->add_flag("--no-time-limit", line.trialOptions.noTimeLimit,
                         "Run a batch expected to take more than a day");
}

void AddEstimateCommand(LabCommandLine& line) {
    line.estimate = line.app.add_subcommand(
        "estimate", "Measure the string rate and estimate a blind search, as the \"Step Two\" "
                    "page does");
    AddCommonOptions(*line.estimate, line.estimateOptions);
}

void DefineCommands(LabCommandLine& line) {
    line.app.require_subcommand(1);
    line.app.set_version_flag("--version", std::string(kProgramName) + " " + QUARROW_VERSION,
                              "Print the version and exit");
    line.app.footer(kExitStatusText);
    AddEvolveCommand(line);
    AddCompareCommand(line);
    AddTrialCommand(line);
    AddEstimateCommand(line);
}

/// What is wrong with a command line that names no command: an unknown command or option, with
/// the nearest one meant where there is one.
std::string NoCommandProblem(const CLI::App& app, int argc, char** argv) {
    std::string problem = "the commands are evolve, compare, trial and estimate "
                          "(--help explains them)";
    if (argc < 2) {
        return problem;
    }
    const std::string first = argv[1];
    if (first[0] != '-') {
        const std::optional<std::string> meant =
            Nearest(first, {"evolve", "compare", "trial", "estimate"});
        return "unknown command \"" + first + "\"; " +
               (meant ? "did you mean " + *meant + "? The" : std::string("the")) +
               problem.substr(3);
    }
    if (first.starts_with("--") && app.get_option_no_throw(first) == nullptr) {
        const std::string name = first.substr(0, first.find('='));
        const std::optional<std::string> meant = Nearest(name, OptionNames(app));
        return "unknown option " + name +
               (meant ? "; did you mean " + *meant + "?" : "; " + problem);
    }
    return problem;
}

/// What to tell the user about a command line that could not be read.
std::string ParseProblem(const LabCommandLine& line, const CLI::ParseError& error, int argc,
                         char** argv) {
    for (const CLI::App* command : {line.evolve, line.compare, line.trial, line.estimate}) {
        if (!command->parsed()) {
            continue;
        }
        if (const auto foreign = ForeignOption(line.app, *command, argc, argv)) {
            return *foreign;
        }
        if (const auto unquoted = UnquotedPhrase(*command, argc, argv)) {
            return *unquoted;
        }
    }
    if (line.app.get_subcommands().empty()) {
        return NoCommandProblem(line.app, argc, argv);
    }
    return error.what();
}

/// Runs the command the line named, once its phrase is found fit.
int RunParsedCommand(LabCommandLine& line, const PlotWriter& plotWriter) {
    CommonOptions* options = &line.estimateOptions;
    if (line.evolve->parsed()) {
        options = &line.evolveOptions;
    } else if (line.compare->parsed()) {
        options = &line.compareOptions;
    } else if (line.trial->parsed()) {
        options = &line.trialOptions;
    }
    if (const std::optional<std::string> problem = CheckPhrase(options->phrase)) {
        Complain(*problem);
        return kExitBadInput;
    }
    if (line.evolve->parsed()) {
        return RunEvolveCommand("evolve", {*SchemeNamed(line.schemeText)}, line.evolveOptions,
                                line.evolveRuns,
                                line.logOption->count() > 0 ? &line.logPath : nullptr, plotWriter);
    }
    if (line.compare->parsed()) {
        return RunEvolveCommand("compare", AllSchemes(), line.compareOptions, line.compareRuns,
                                nullptr, plotWriter);
    }
    if (line.trial->parsed()) {
        return RunTrial(line.trialOptions, line.trialStrings, line.trialRuns);
    }
    return RunEstimate(line.estimateOptions);
}

int RunLabCommand(int argc, char** argv, const PlotWriter& plotWriter) {
    LabCommandLine line;
    DefineCommands(line);
    try {
        line.app.parse(argc, argv);
    } catch (const CLI::Success& helpOrVersion) {
        return line.app.exit(helpOrVersion);
    } catch (const CLI::ParseError& error) {
        Complain(ParseProblem(line, error, argc, argv));
        return kExitBadInput;
    }
    return RunParsedCommand(line, plotWriter);
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
