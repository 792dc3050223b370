// Runs the built quarrow-lab program as a user would and checks what it prints and returns.

#include "tests/support/small_filesystem.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quarrow::lab {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// Where a started quarrow-lab's standard output goes.
struct Output {
    /// -1: a file the test reads back; -2: closed; else this descriptor of the test.
    int descriptor = -1;
    /// A path to write to instead of the test's file, such as /dev/full.
    std::string path;
};

/// A started quarrow-lab whose standard output and error go to files.
class LabProcess {
public:
    explicit LabProcess(const std::vector<std::string>& args, const Output& output = {},
                        const std::string& program = QUARROW_LAB_BINARY) {
        static int serial = 0;
        const std::string stem =
            (fs::temp_directory_path() /
             ("quarrow_lab_cli_" + std::to_string(getpid()) + "_" + std::to_string(serial++)))
                .string();
        outPath_ = stem + ".out";
        errPath_ = stem + ".err";
        std::vector<std::string> argv = {program};
        argv.insert(argv.end(), args.begin(), args.end());
        std::vector<char*> pointers;
        pointers.reserve(argv.size());
        for (std::string& arg : argv) {
            pointers.push_back(arg.data());
        }
        pointers.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        if (!output.path.empty()) {
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.path.c_str(), O_WRONLY,
                                             0);
        } else if (output.descriptor == -2) {
            posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
        } else if (output.descriptor >= 0) {
            posix_spawn_file_actions_adddup2(&actions, output.descriptor, STDOUT_FILENO);
        } else {
            posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath_.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
        }
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, errPath_.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int failed =
            posix_spawn(&pid_, pointers[0], &actions, nullptr, pointers.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        EXPECT_EQ(failed, 0) << "cannot start " << QUARROW_LAB_BINARY;
    }

    ~LabProcess() {
        if (pid_ > 0 && !waited_) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        fs::remove(outPath_);
        fs::remove(errPath_);
    }

    pid_t Pid() const { return pid_; }

    /// Whether the process has put in its own SIGINT handler (read from /proc).
    bool CatchesInterrupt() const {
        std::ifstream status("/proc/" + std::to_string(pid_) + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("SigCgt:", 0) == 0) {
                const unsigned long long caught = std::stoull(line.substr(7), nullptr, 16);
                return (caught >> (SIGINT - 1) & 1U) != 0;
            }
        }
        return false;
    }

    /// The processor time the process has used so far, in seconds (read from /proc).
    double CpuSeconds() const {
        std::ifstream stat("/proc/" + std::to_string(pid_) + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        // The fields after the command name, which ends with the last ')': utime and stime are
        // the 12th and 13th of them.
        std::istringstream fields(text.substr(text.rfind(')') + 2));
        std::string field;
        unsigned long long ticks = 0;
        for (int index = 1; index <= 13 && fields >> field; ++index) {
            if (index >= 12) {
                ticks += std::stoull(field);
            }
        }
        return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }

    /// Waits for the end, killing the process after `limit`.
    Outcome Wait(std::chrono::seconds limit = std::chrono::seconds(60)) {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        int status = 0;
        while (waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(pid_, SIGKILL);
                waitpid(pid_, &status, 0);
                ADD_FAILURE() << "quarrow-lab did not finish in time";
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        waited_ = true;
        Outcome outcome;
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        outcome.out = ReadFile(outPath_);
        outcome.err = ReadFile(errPath_);
        return outcome;
    }

private:
    pid_t pid_ = -1;
    bool waited_ = false;
    std::string outPath_;
    std::string errPath_;
};

Outcome Lab(const std::vector<std::string>& args, const Output& output = {},
            const std::string& program = QUARROW_LAB_BINARY) {
    LabProcess process(args, output, program);
    return process.Wait();
}

/// An empty folder of this test process in the temporary folder: `name`, then the process id.
fs::path EmptyFolder(const std::string& name) {
    fs::path folder = fs::temp_directory_path() / (name + "_" + std::to_string(getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

/// The JSON report with every measured time taken out: only those may differ between runs.
json WithoutSeconds(json report) {
    if (report.contains("schemes")) {
        for (json& scheme : report["schemes"]) {
            scheme.erase("seconds");
        }
    }
    report.erase("seconds");
    return report;
}

/// A summary's figures; the spread of a single run is undefined and null.
void ExpectSummary(const json& summary, bool singleRun = false) {
    ASSERT_TRUE(summary.is_object()) << summary;
    for (const char* key : {"mean", "median", "p10", "p90", "min", "max"}) {
        EXPECT_TRUE(summary.contains(key) && summary[key].is_number()) << key << " in " << summary;
    }
    EXPECT_TRUE(summary.contains("sd") &&
                (singleRun ? summary["sd"].is_null() : summary["sd"].is_number()))
        << summary;
    EXPECT_LE(summary["min"].get<double>(), summary["p10"].get<double>());
    EXPECT_LE(summary["p10"].get<double>(), summary["median"].get<double>());
    EXPECT_LE(summary["median"].get<double>(), summary["p90"].get<double>());
    EXPECT_LE(summary["p90"].get<double>(), summary["max"].get<double>());
}

TEST(LabCommandLineTest, SameSeedSameFiguresWhateverTheThreadCount) {
    const auto compare = [](const char* threads) {
        const Outcome outcome = Lab(
            {"compare", "--runs", "60", "--seed", "11", "--threads", threads, "--json", "HELLO"});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return WithoutSeconds(json::parse(outcome.out));
    };
    EXPECT_EQ(compare("1"), compare("2"));

    const auto trial = [](const char* threads) {
        const Outcome outcome = Lab({"trial", "--strings", "2000", "--runs", "4", "--seed", "3",
                                     "--threads", threads, "--csv", "HELLO WORLD"});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        // The first row holds the correct-letter figures and the best string.
        return outcome.out.substr(0, outcome.out.find("\nseconds,"));
    };
    EXPECT_EQ(trial("1"), trial("3"));

    // The text report too, bar its seconds row.
    const auto text = [](const char* threads) {
        const Outcome outcome = Lab({"evolve", "--scheme", "serial", "--runs", "30", "--seed", "5",
                                     "--threads", threads, "the selection agent"});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        return outcome.out.substr(0, outcome.out.find("seconds"));
    };
    EXPECT_EQ(text("1"), text("2"));
}

TEST(LabCommandLineTest, JsonReportsHoldTheDocumentedFields) {
    const Outcome compare = Lab({"compare", "--runs", "20", "--seed", "1", "--json", "CAT"});
    ASSERT_EQ(compare.status, 0) << compare.err;
    const json report = json::parse(compare.out);
    EXPECT_EQ(report["command"], "compare");
    EXPECT_EQ(report["phrase"], "CAT");
    EXPECT_EQ(report["length"], 3);
    EXPECT_EQ(report["seed"], 1);
    EXPECT_TRUE(report["clockSeed"].is_null());
    EXPECT_EQ(report["runsRequested"], 20);
    EXPECT_EQ(report["interrupted"], false);
    ASSERT_EQ(report["schemes"].size(), 3U);
    const std::vector<std::string> keys = {"attenuating", "serial", "sequential"};
    for (std::size_t s = 0; s < 3; ++s) {
        const json& scheme = report["schemes"][s];
        EXPECT_EQ(scheme["scheme"], keys[s]);
        EXPECT_EQ(scheme["runsFinished"], 20);
        ExpectSummary(scheme["generations"]);
        ExpectSummary(scheme["strings"]);
        ExpectSummary(scheme["seconds"]);
        ASSERT_TRUE(scheme["expected"].is_object()) << keys[s];
        const json& law = scheme["expected"]["generationPercentiles"];
        EXPECT_LE(law["p10"].get<int>(), law["median"].get<int>()) << keys[s];
        EXPECT_LE(law["median"].get<int>(), law["p90"].get<int>()) << keys[s];
    }
    // Schemes 1 and 2 share one exact law.
    EXPECT_EQ(report["schemes"][0]["expected"], report["schemes"][1]["expected"]);
    // Every sequential run that ends through its generations has 20 strings a generation
    // and the 1 its count starts at.
    const json& sequential = report["schemes"][2];
    EXPECT_DOUBLE_EQ(sequential["strings"]["mean"].get<double>(),
                     20.0 * sequential["generations"]["mean"].get<double>() + 1.0);
    EXPECT_NEAR(sequential["expected"]["generations"].get<double>(), 6.72, 0.01);

    const Outcome trial = Lab({"trial", "--strings", "500", "--json", "HELLO WORLD"});
    ASSERT_EQ(trial.status, 0) << trial.err;
    const json trialReport = json::parse(trial.out);
    EXPECT_EQ(trialReport["command"], "trial");
    EXPECT_TRUE(trialReport["seed"].is_null());
    EXPECT_TRUE(trialReport["clockSeed"].is_number());
    EXPECT_EQ(trialReport["stringsPerTrial"], 500);
    EXPECT_EQ(trialReport["runsFinished"], 1);
    EXPECT_EQ(trialReport["best"]["string"].get<std::string>().size(), 11U);
    EXPECT_LE(trialReport["best"]["correct"].get<int>(), 11);
    ExpectSummary(trialReport["correct"], true);
    ExpectSummary(trialReport["seconds"], true);

    const Outcome estimate = Lab({"estimate", "--seed", "2", "--json", "hello world"});
    ASSERT_EQ(estimate.status, 0) << estimate.err;
    const json estimateReport = json::parse(estimate.out);
    EXPECT_EQ(estimateReport["command"], "estimate");
    EXPECT_EQ(estimateReport["phrase"], "HELLO WORLD") << "small letters count as capitals";
    EXPECT_GT(estimateReport["stringsPerSecond"].get<std::int64_t>(), 0);
    EXPECT_TRUE(estimateReport["distinctStrings"].is_string());
    for (const char* key : {"seconds", "days", "years"}) {
        EXPECT_TRUE(estimateReport[key]["text"].is_string()) << key;
        EXPECT_TRUE(estimateReport[key]["log10"].is_number()) << key;
    }
}

TEST(LabCommandLineTest, PerRunRowsAddUpToTheSummary) {
    const std::vector<std::string> common = {"compare", "--runs", "30", "--seed", "5", "WEASEL"};
    std::vector<std::string> perRunCsv = common;
    perRunCsv.emplace_back("--per-run");
    std::vector<std::string> perRunJson = perRunCsv;
    perRunJson.emplace_back("--json");
    std::vector<std::string> summaryJson = common;
    summaryJson.emplace_back("--json");

    const Outcome rows = Lab(perRunJson);
    ASSERT_EQ(rows.status, 0) << rows.err;
    const Outcome summary = Lab(summaryJson);
    ASSERT_EQ(summary.status, 0) << summary.err;
    const json report = json::parse(summary.out);

    std::map<std::string, std::pair<double, double>> totals; // generations, strings
    std::map<std::string, int> counted;
    std::istringstream lines(rows.out);
    std::string line;
    while (std::getline(lines, line)) {
        const json row = json::parse(line);
        EXPECT_EQ(row["firstString"].get<std::string>().size(), 6U);
        auto& total = totals[row["scheme"].get<std::string>()];
        total.first += row["generations"].get<double>();
        total.second += row["strings"].get<double>();
        ++counted[row["scheme"].get<std::string>()];
    }
    for (const json& scheme : report["schemes"]) {
        const std::string key = scheme["scheme"];
        EXPECT_EQ(counted[key], 30) << key;
        EXPECT_NEAR(totals[key].first / 30.0, scheme["generations"]["mean"].get<double>(), 1e-9)
            << key;
        EXPECT_NEAR(totals[key].second / 30.0, scheme["strings"]["mean"].get<double>(), 1e-9)
            << key;
    }

    // The CSV rows are the same runs: a heading and 90 rows, first strings quoted.
    const Outcome csv = Lab(perRunCsv);
    ASSERT_EQ(csv.status, 0) << csv.err;
    std::istringstream csvLines(csv.out);
    std::getline(csvLines, line);
    EXPECT_EQ(line, "run,scheme,first_string,generations,strings,seconds");
    int csvRows = 0;
    while (std::getline(csvLines, line)) {
        ++csvRows;
        EXPECT_NE(line.find(",\""), std::string::npos) << line;
    }
    EXPECT_EQ(csvRows, 90);
}

/// The words an SVG draws: the contents of its text elements, with entities decoded and every
/// run of white space made one space.
std::string VisibleSvgText(const std::string& svg) {
    std::string words;
    for (std::size_t at = svg.find("<text"); at != std::string::npos;
         at = svg.find("<text", at + 1)) {
        const std::size_t start = svg.find('>', at);
        const std::size_t end = svg.find("</text>", start);
        if (start == std::string::npos || end == std::string::npos) {
            break;
        }
        std::string inner = svg.substr(start + 1, end - start - 1);
        // Inner elements (a tspan, say) carry no words of their own.
        for (std::size_t tag = inner.find('<'); tag != std::string::npos; tag = inner.find('<')) {
            inner.erase(tag, inner.find('>', tag) - tag + 1);
        }
        for (const auto& [entity, character] :
             std::vector<std::pair<std::string, std::string>>{{"&quot;", "\""},
                                                              {"&#34;", "\""},
                                                              {"&apos;", "'"},
                                                              {"&#39;", "'"},
                                                              {"&lt;", "<"},
                                                              {"&gt;", ">"},
                                                              {"&amp;", "&"}}) {
            for (std::size_t found = inner.find(entity); found != std::string::npos;
                 found = inner.find(entity, found + character.size())) {
                inner.replace(found, entity.size(), character);
            }
        }
        words += ' ' + inner;
    }
    std::string single;
    for (const char c : words) {
        const bool blank = c == ' ' || c == '\n' || c == '\t' || c == '\r';
        if (!blank) {
            single += c;
        } else if (!single.empty() && single.back() != ' ') {
            single += ' ';
        }
    }
    return single;
}

TEST(LabCommandLineTest, PlotsAreTitledAndDrawnAtTheAskedSize) {
    const fs::path folder = EmptyFolder("quarrow_plot");
    const fs::path png = folder / "chart.png";
    const fs::path svg = folder / "chart.svg";
    const Outcome compare =
        Lab({"compare", "--runs", "40", "--seed", "3", "--plot", png.string(), "CAT"});
    ASSERT_EQ(compare.status, 0) << compare.err;
    const Outcome evolve =
        Lab({"evolve", "--runs", "40", "--seed", "3", "--plot", svg.string(), "--per-run", "CAT"});
    ASSERT_EQ(evolve.status, 0) << evolve.err;

    // PNG: twice the 960 pixels the chart is laid out in, and a title naming what it shows.
    const std::string image = ReadFile(png);
    ASSERT_GT(image.size(), 24U);
    EXPECT_EQ(image.substr(1, 3), "PNG");
    const auto word = [&](std::size_t at) {
        return (static_cast<unsigned char>(image[at]) << 24) |
               (static_cast<unsigned char>(image[at + 1]) << 16) |
               (static_cast<unsigned char>(image[at + 2]) << 8) |
               static_cast<unsigned char>(image[at + 3]);
    };
    EXPECT_EQ(word(16), 1920U);
    EXPECT_GT(word(20), 1000U);
    // The title is a (compressed) text chunk; its words are checked in the SVG below.
    EXPECT_NE(image.find("TXtTitle"), std::string::npos);

    // SVG: the title is drawn as text, whatever element the writer files it under.
    const std::string drawing = ReadFile(svg);
    EXPECT_NE(VisibleSvgText(drawing).find("Generations per run for \"CAT\": 1: Attenuating "
                                           "Selection, 40 runs, seed 3"),
              std::string::npos)
        << VisibleSvgText(drawing);
    EXPECT_NE(drawing.find("viewBox=\"0 0 960 "), std::string::npos);

    // A platform with no display behind it does not stop the lab from drawing a file.
    {
        const char* kept = std::getenv("QT_QPA_PLATFORM");
        const std::string keptPlatform = kept != nullptr ? kept : "";
        const char* keptDisplay = std::getenv("DISPLAY");
        const std::string keptDisplayName = keptDisplay != nullptr ? keptDisplay : "";
        const char* keptWayland = std::getenv("WAYLAND_DISPLAY");
        const std::string keptWaylandName = keptWayland != nullptr ? keptWayland : "";
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        for (const char* platform : {"xcb", "wayland"}) {
            setenv("QT_QPA_PLATFORM", platform, 1);
            const fs::path drawn = folder / (std::string(platform) + ".png");
            const Outcome noDisplay =
                Lab({"evolve", "--runs", "5", "--seed", "3", "--plot", drawn.string(), "CAT"});
            EXPECT_EQ(noDisplay.status, 0) << platform << ": " << noDisplay.err;
            EXPECT_EQ(ReadFile(drawn).substr(1, 3), "PNG") << platform;
        }
        const auto restore = [](const char* name, const char* was, const std::string& value) {
            if (was != nullptr) {
                setenv(name, value.c_str(), 1);
            } else {
                unsetenv(name);
            }
        };
        restore("QT_QPA_PLATFORM", kept, keptPlatform);
        restore("DISPLAY", keptDisplay, keptDisplayName);
        restore("WAYLAND_DISPLAY", keptWayland, keptWaylandName);
    }

    // A folder that does not exist is reported, with the status of bad input.
    const Outcome missing = Lab({"evolve", "--runs", "5", "--plot",
                                 (folder / "no such folder" / "chart.png").string(), "CAT"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot write the plot"), std::string::npos) << missing.err;
    fs::remove_all(folder);
}

/// Runs quarrow-lab with `args` and expects it refused: status 2, nothing on standard output, and
/// one line on standard error that names the program and says `message`, with no control codes.
void ExpectRefused(const std::vector<std::string>& args, const std::string& message) {
    std::string shown;
    for (const std::string& arg : args) {
        shown += " [" + arg + "]";
    }
    const Outcome outcome = Lab(args);
    EXPECT_EQ(outcome.status, 2) << shown;
    EXPECT_NE(outcome.err.find(message), std::string::npos) << shown << ": " << outcome.err;
    EXPECT_EQ(outcome.err.rfind("quarrow-lab: ", 0), 0U) << shown << ": " << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1)
        << shown << ": " << outcome.err;
    EXPECT_TRUE(outcome.out.empty()) << shown;
    EXPECT_EQ(outcome.err.find('\x1b'), std::string::npos) << shown << ": " << outcome.err;
}

TEST(LabCommandLineTest, BadInputGetsOneLineAndStatusTwo) {
    const fs::path missing = fs::temp_directory_path() / "quarrow no such folder" / "log.txt";
    struct Row {
        std::vector<std::string> args;
        std::string message;
    };
    const std::vector<Row> rows = {
        {{"evolve", "HELLO, WORLD"}, "\",\" at position 6"},
        {{"trial", "R2D2"}, "\"2\" at position 2"},
        {{"estimate", "CAF\xc3\x89"}, "byte 0xC3 at position 4"},
        {{"compare", ""}, "the phrase is empty"},
        {{"evolve", "--log", missing.string(), "CAT"}, "cannot write the log"},
        {{"evolve", "--log", fs::temp_directory_path().string(), "CAT"}, "it is a folder"},
        {{"compare", "--plot", (missing.parent_path() / "chart.png").string(), "CAT"},
         "does not exist"},
        {{"evolve", "--json", "--csv", "CAT"}, "excludes"},
        {{"launch", "CAT"}, "unknown command \"launch\""},
        {{"\x1b[2Jlaunch", "CAT"}, "unknown command \"\\x1B[2Jlaunch\""},
        {{}, "the commands are evolve"},
        // Slips get the nearest valid name, and a phrase of several words is shown quoted.
        {{"evolv", "CAT"}, "did you mean evolve?"},
        {{"evolve", "--shceme", "1", "CAT"}, "did you mean --scheme?"},
        {{"evolve", "--seeed", "1", "CAT"}, "did you mean --seed?"},
        {{"evolve", "METHINKS", "IT", "IS", "LIKE", "A", "WEASEL"},
         "put it in quotes: quarrow-lab evolve \"METHINKS IT IS LIKE A WEASEL\"\n"},
        {{"evolve", "--runs", "3", "--scheme", "serial", "serial", "killer", "--log", "a b.txt"},
         "quarrow-lab evolve --runs 3 --scheme serial \"serial killer\" --log 'a b.txt'\n"},
    };
    for (const Row& row : rows) {
        ExpectRefused(row.args, row.message);
    }

    // An option before the phrase CAT, with a value it refuses or on a command that does not
    // take it.
    struct OptionRow {
        const char* command;
        const char* option;
        const char* value;
        const char* message;
    };
    const std::vector<OptionRow> optionRows = {
        {"evolve", "--runs", "0", "--runs"},
        {"evolve", "--runs", "-5", "--runs"},
        {"compare", "--runs", "ten", "--runs"},
        {"evolve", "--runs", "1e3", "\"1e3\" is not a whole number"},
        {"evolve", "--runs", "1000001", "1000001 is out of range"},
        {"trial", "--strings", "0", "--strings"},
        {"trial", "--strings", "-1", "--strings"},
        {"trial", "--strings", "abc", "\"abc\" is not a whole number"},
        {"evolve", "--threads", "0", "--threads"},
        {"evolve", "--seed", "", "--seed: needs a whole number"},
        {"evolve", "--seed", "99999999999999999999", "out of range"},
        {"evolve", "--seed", "12x", "\"12x\" is not a whole number"},
        {"evolve", "--scheme", "lamarckian", "lamarckian"},
        {"evolve", "--scheme", "\x1b]0;title\x07", "\\x1B]0;title\\x07"},
        {"compare", "--plot", "chart.gif", "ending in .png or .svg"},
        {"estimate", "--runs", "3", "--runs does not apply to estimate"},
        {"compare", "--log", "x", "--log does not apply to compare"},
    };
    for (const OptionRow& row : optionRows) {
        ExpectRefused({row.command, row.option, row.value, "CAT"}, row.message);
    }
    // A flag takes no value: the word after it is an option or the phrase, never the flag's.
    for (const char* flag : {"--csv", "--json", "--per-run", "--no-time-limit"}) {
        ExpectRefused({"evolve", flag, "--seed", "abc", "CAT"}, "\"abc\" is not a whole number");
        ExpectRefused({"compare", flag, "METHINKS", "IT"},
                      std::string("put it in quotes: quarrow-lab compare ") + flag +
                          " \"METHINKS IT\"\n");
    }
    EXPECT_FALSE(fs::exists(missing.parent_path()));
}

TEST(LabCommandLineTest, VersionHelpAndCsvFollowTheUsualConventions) {
    const Outcome version = Lab({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("quarrow-lab ") + QUARROW_VERSION + "\n");

    const Outcome help = Lab({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* status : {"\n  0 ", "\n  1 ", "\n  2 ", "\n  130 "}) {
        EXPECT_NE(help.out.find(status), std::string::npos) << status << " in " << help.out;
    }

    // Measured seconds carry 6 significant digits at most, in every CSV.
    const auto expectShortSeconds = [](const std::string& field) {
        std::string digits;
        for (const char c : field.substr(0, field.find_first_of("eE"))) {
            if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
                digits += c;
            }
        }
        digits.erase(0, digits.find_first_not_of('0'));
        EXPECT_LE(digits.size(), 6U) << field;
    };
    const Outcome rows = Lab({"compare", "--runs", "20", "--seed", "3", "--per-run", "WEASEL"});
    ASSERT_EQ(rows.status, 0) << rows.err;
    std::istringstream lines(rows.out);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        expectShortSeconds(line.substr(line.rfind(',') + 1));
    }
    const Outcome summary = Lab({"compare", "--runs", "20", "--seed", "3", "--csv", "WEASEL"});
    ASSERT_EQ(summary.status, 0) << summary.err;
    std::istringstream summaryLines(summary.out);
    while (std::getline(summaryLines, line)) {
        if (line.find(",seconds,") != std::string::npos) {
            std::istringstream fields(line.substr(line.find(",seconds,") + 9));
            for (std::string field; std::getline(fields, field, ',');) {
                if (!field.empty()) {
                    expectShortSeconds(field);
                }
            }
        }
    }
}

TEST(LabCommandLineTest, ABatchThatCannotFinishIsRefusedAndALongOneSaysSo) {
    // Sequential runs of 49 letters expect about 3e13 generations each.
    const std::string long49 = "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVW";
    const auto started = std::chrono::steady_clock::now();
    const Outcome refused = Lab({"compare", "--runs", "10", "--seed", "1", long49});
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("years"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("--no-time-limit"), std::string::npos) << refused.err;
    EXPECT_TRUE(refused.out.empty());
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));

    // A phrase so long that no figure holds a run's expected generations.
    const Outcome endless =
        Lab({"evolve", "--scheme", "3", "--runs", "1", "--seed", "1", std::string(10000, 'A')});
    EXPECT_EQ(endless.status, 2);
    EXPECT_NE(endless.err.find("--no-time-limit"), std::string::npos) << endless.err;

    // Trials cost the same for every string: two thousand million of them a hundred thousand
    // times is weeks.
    const Outcome trials =
        Lab({"trial", "--strings", "2000000000", "--runs", "100000", "--seed", "1", "HELLO"});
    EXPECT_EQ(trials.status, 2);
    EXPECT_NE(trials.err.find("fewer strings or trials, or --no-time-limit"), std::string::npos)
        << trials.err;

    // Insisting runs it, and the estimate comes first on standard error.
    LabProcess process(
        {"evolve", "--scheme", "3", "--runs", "2", "--seed", "1", "--no-time-limit", long49});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!process.CatchesInterrupt() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(process.Pid(), SIGINT);
    const Outcome insisted = process.Wait(std::chrono::seconds(20));
    EXPECT_EQ(insisted.status, 130);
    EXPECT_EQ(insisted.err.rfind("quarrow-lab: this batch is expected to take ", 0), 0U)
        << insisted.err;
}

TEST(LabCommandLineTest, EveryBitOfTheSeedCounts) {
    const auto figures = [](const char* seed) {
        const Outcome outcome = Lab({"compare", "--runs", "30", "--seed", seed, "--json", "HELLO"});
        EXPECT_EQ(outcome.status, 0) << outcome.err;
        const json report = json::parse(outcome.out);
        EXPECT_EQ(report["seed"].dump(), seed);
        return WithoutSeconds(report)["schemes"];
    };
    EXPECT_NE(figures("9007199254740992"), figures("9007199254740993"));
    EXPECT_NE(figures("18446744073709551615"), figures("18446744073709551614"));
}

// A disk that fills under the log or the plot: the message names the file given and the
// system's reason, a run stopped by its log says so, and the exit status is not 0.
TEST(LabCommandLineTest, AFullDiskUnderTheLogOrThePlotSaysWhichFileAndWhy) {
    const fs::path folder = EmptyFolder("quarrow_lab_full_disk");
    {
        const quarrow::testing::FullDiskFolder disk(folder / "small", 8192);
        const std::string log = disk.File("run.log").string();
        const Outcome logged =
            Lab({"evolve", "--runs", "3", "--seed", "1", "--log", log,
                 "METHINKS IT IS LIKE A WEASEL AND SO IS THIS PHRASE OF MANY WORDS"});
        EXPECT_EQ(logged.status, 2);
        EXPECT_NE(logged.err.find("the first run stopped because its log could not be written "
                                  "(The file " +
                                  log + " cannot be written: " + disk.Reason() + ")"),
                  std::string::npos)
            << logged.err;
        EXPECT_FALSE(fs::exists(log));

        const std::string plot = disk.File("runs.png").string();
        const Outcome plotted =
            Lab({"compare", "--runs", "30", "--seed", "1", "--plot", plot, "METHINKS"});
        EXPECT_EQ(plotted.status, 2);
        EXPECT_NE(plotted.err.find("cannot write the plot \"" + plot + "\": " + disk.Reason()),
                  std::string::npos)
            << plotted.err;
        EXPECT_FALSE(fs::exists(plot));
    }
    fs::remove_all(folder);
}

TEST(LabCommandLineTest, ALostReportIsAFailure) {
    const std::vector<std::string> args = {"compare", "--runs", "5", "--seed", "1", "CAT"};
    const Outcome full = Lab(args, Output{-1, "/dev/full"});
    EXPECT_NE(full.status, 0);
    EXPECT_NE(full.err.find("cannot write the report to standard output"), std::string::npos)
        << full.err;

    const Outcome closed = Lab(args, Output{-2, {}});
    EXPECT_NE(closed.status, 0);
    EXPECT_NE(closed.err.find("cannot write the report"), std::string::npos) << closed.err;

    // A reader that has gone, with SIGPIPE ignored as a shell or a caller may leave it.
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    close(ends[0]);
    struct sigaction ignore {};
    struct sigaction before {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &before);
    const Outcome gone = Lab(args, Output{ends[1], {}});
    sigaction(SIGPIPE, &before, nullptr);
    close(ends[1]);
    EXPECT_NE(gone.status, 0);
    EXPECT_NE(gone.err.find("Broken pipe"), std::string::npos) << gone.err;

    // With a closed standard output the log keeps its own contents.
    const fs::path folder = EmptyFolder("quarrow_lab_closed");
    const Outcome logged = Lab(
        {"evolve", "--runs", "2", "--seed", "3", "--log", (folder / "hold.txt").string(), "CAT"},
        Output{-2, {}});
    EXPECT_NE(logged.status, 0);
    const std::string log = ReadFile(folder / "hold.txt");
    EXPECT_TRUE(log.ends_with("CAT   3\r\n")) << log;
    EXPECT_EQ(log.find("Phrase"), std::string::npos);
    fs::remove_all(folder);
}

TEST(LabCommandLineTest, SignalsThatEndTheProgramLeaveNoHiddenFile) {
    // A second Ctrl+C ends the program at once, whether or not the first has stopped the batch.
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        const fs::path folder = EmptyFolder("quarrow_lab_signal_" + std::to_string(signal));
        LabProcess process({"evolve", "--scheme", "sequential", "--runs", "1", "--seed", "9",
                            "--log", (folder / "hold.txt").string(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ"});
        // Wait until the run writes its hidden file.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (fs::is_empty(folder) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        ASSERT_FALSE(fs::is_empty(folder));
        kill(process.Pid(), signal);
        if (signal == SIGINT) {
            kill(process.Pid(), signal);
        }
        const Outcome outcome = process.Wait(std::chrono::seconds(20));
        EXPECT_EQ(outcome.status, 128 + signal);
        EXPECT_TRUE(fs::is_empty(folder)) << "signal " << signal;
        fs::remove_all(folder);
    }
}

TEST(LabCommandLineTest, MemoryIsBoundedAndRunningOutIsReported) {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer reserves terabytes of address space, so an address-space limit stops it.
    GTEST_SKIP() << "address-space limits do not apply under AddressSanitizer";
#endif
    // The lab under a 120 MB address-space limit, through the shell's ulimit.
    const auto limited = [](const std::string& args) {
        return Lab({"-c", "ulimit -v 120000 && exec " QUARROW_LAB_BINARY " " + args}, {},
                   "/bin/sh");
    };
    // A million runs of three schemes need more than that: a message, not an abort.
    const Outcome tooMany = limited("compare --runs 1000000 --seed 1 CAT");
    EXPECT_EQ(tooMany.status, 1);
    EXPECT_NE(tooMany.err.find("not enough memory"), std::string::npos) << tooMany.err;
    // 1500 trials of a 100,000-letter phrase keep one best string, not 150 MB of them.
    const Outcome trials = limited("trial --runs 1500 --strings 1 --seed 1 --threads 1 --csv " +
                                   std::string(100'000, 'A'));
    EXPECT_EQ(trials.status, 0) << trials.err;
    EXPECT_NE(trials.out.find("correct,1500,"), std::string::npos);
}

TEST(LabCommandLineTest, LogIsTheFirstRunsGenerationLogInTheWindowsFormat) {
    const fs::path folder = EmptyFolder("quarrow_lab_log");
    const fs::path path = folder / "hold.txt";

    const Outcome outcome = Lab({"evolve", "--scheme", "attenuating", "--runs", "3", "--seed", "4",
                                 "--json", "--log", path.string(), "HELLO WORLD"});
    ASSERT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_TRUE(outcome.err.empty()) << "nothing on standard error when piped: " << outcome.err;
    const std::string log = ReadFile(path);
    // The last line is the target, two spaces and its length in sign-position form.
    ASSERT_GE(log.size(), 2U);
    EXPECT_EQ(log.substr(log.size() - 2), "\r\n");
    EXPECT_NE(log.find("HELLO WORLD   11\r\n"), std::string::npos);
    // Only the finished log is left in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    fs::remove_all(folder);
}

TEST(LabCommandLineTest, CtrlCStopsABatchAndReportsTheRunsFinished) {
    const fs::path folder = EmptyFolder("quarrow_lab_interrupt");
    const fs::path path = folder / "hold.txt";
    // Far more runs than finish in the test's time.
    LabProcess process({"evolve", "--scheme", "sequential", "--runs", "100000", "--seed", "9",
                        "--json", "--log", path.string(), "ABCDEFGHIJKL"});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!process.CatchesInterrupt() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(process.CatchesInterrupt());
    // Let some runs finish before the interrupt: a run takes about a millisecond (ten under the
    // sanitizers), so a second of processor time is a hundred of them or more, however busy the
    // machine is.
    while (process.CpuSeconds() < 1.0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(process.Pid(), SIGINT);
    const Outcome outcome = process.Wait(std::chrono::seconds(20));

    EXPECT_EQ(outcome.status, 130) << outcome.err;
    const json report = json::parse(outcome.out);
    EXPECT_EQ(report["interrupted"], true);
    const json& scheme = report["schemes"][0];
    EXPECT_GT(scheme["runsFinished"].get<std::int64_t>(), 0);
    EXPECT_LT(scheme["runsFinished"].get<std::int64_t>(), 100000);
    ExpectSummary(scheme["generations"]);
    // Whether or not the logged run finished, no half-written file is left.
    for (const auto& entry : fs::directory_iterator(folder)) {
        EXPECT_EQ(entry.path().filename(), "hold.txt");
    }
    fs::remove_all(folder);
}

TEST(LabCommandLineTest, AnInterruptedBatchWritesTheFinishedRunsInOrderWithNoGap) {
    LabProcess process({"compare", "--runs", "100000", "--seed", "4", "--threads", "4", "--per-run",
                        "ABCDEFGHIJ"});
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!process.CatchesInterrupt() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // Past setting up the batch's records, with runs finished on every thread.
    while (process.CpuSeconds() < 2.0 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(process.Pid(), SIGINT);
    const Outcome outcome = process.Wait(std::chrono::seconds(20));
    EXPECT_EQ(outcome.status, 130) << outcome.err;

    std::istringstream lines(outcome.out);
    std::string line;
    std::getline(lines, line);
    const std::vector<std::string> schemes = {"attenuating", "serial", "sequential"};
    std::size_t rows = 0;
    while (std::getline(lines, line)) {
        const std::string expected = std::to_string(rows / 3) + "," + schemes[rows % 3] + ",";
        ASSERT_EQ(line.rfind(expected, 0), 0U) << "row " << rows << ": " << line;
        ++rows;
    }
    ASSERT_GT(rows, 0U) << outcome.err;
    ASSERT_EQ(rows % 3, 0U);
    const std::size_t runs = rows / 3;
    EXPECT_NE(outcome.err.find("covers runs 0 to " + std::to_string(runs - 1) + ", the first " +
                               std::to_string(runs) + " of 100000 runs of each scheme"),
              std::string::npos)
        << outcome.err;
}

} // namespace
} // namespace quarrow::lab
