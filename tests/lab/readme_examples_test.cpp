// Runs the lab's examples in the README and checks that they show what the lab prints.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace quarrow::lab {
namespace {

namespace fs = std::filesystem;

std::string ReadReadme() {
    std::ifstream in(QUARROW_README);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

/// A block of shell commands from the README, each with the lines it shows after it.
struct Example {
    std::string command;
    std::vector<std::string> shown;
};

/// The README's code blocks that run the lab, in order.
std::vector<std::vector<Example>> LabBlocks(const std::string& readme) {
    std::vector<std::vector<Example>> blocks;
    std::istringstream lines(readme);
    std::string line;
    bool inBlock = false;
    std::vector<Example> block;
    while (std::getline(lines, line)) {
        if (line.starts_with("```")) {
            if (inBlock && !block.empty() && block.front().command.starts_with("quarrow-lab ")) {
                blocks.push_back(block);
            }
            inBlock = !inBlock;
            block.clear();
        } else if (inBlock && line.starts_with("$ ")) {
            block.push_back({line.substr(2), {}});
        } else if (inBlock && !block.empty()) {
            block.back().shown.push_back(line);
        }
    }
    return blocks;
}

/// Runs `command` with `sh` in `folder`, the built lab first on the path; its standard output.
std::string Shell(const std::string& command, const fs::path& folder, int& status) {
    const std::string lab = fs::path(QUARROW_LAB_BINARY).parent_path().string();
    const fs::path script =
        fs::temp_directory_path() / ("quarrow_readme_example_" + std::to_string(getpid()) + ".sh");
    std::ofstream(script) << command << "\n";
    const std::string line = "cd '" + folder.string() + "' && PATH='" + lab +
                             "':\"$PATH\" QT_QPA_PLATFORM=offscreen sh '" + script.string() +
                             "' 2>/dev/null";
    std::string out;
    FILE* pipe = popen(line.c_str(), "r");
    if (pipe == nullptr) {
        status = -1;
        return out;
    }
    std::array<char, 4096> buffer{};
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        out.append(buffer.data(), got);
    }
    const int ended = pclose(pipe);
    fs::remove(script);
    status = WIFEXITED(ended) ? WEXITSTATUS(ended) : -1;
    return out;
}

/// A line as compared: runs of spaces as one, and on lines of measured time or rate every
/// number as "#", since those are the machine's own.
std::string Comparable(const std::string& line) {
    static const std::regex spaces(" +");
    static const std::regex number("[0-9][0-9.E+-]*");
    // The log's lines end in CR LF; the README shows them as plain lines.
    std::string text = std::regex_replace(
        line.ends_with('\r') ? line.substr(0, line.size() - 1) : line, spaces, " ");
    const bool measured =
        text.find("second") != std::string::npos || text.find("Second") != std::string::npos ||
        text.find("days") != std::string::npos || text.find("year(s)") != std::string::npos;
    return measured ? std::regex_replace(text, number, "#") : text;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(Comparable(line));
    }
    while (!lines.empty() && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

TEST(ReadmeExamplesTest, EveryLabExampleShowsWhatTheLabPrints) {
    const std::vector<std::vector<Example>> blocks = LabBlocks(ReadReadme());
    ASSERT_GE(blocks.size(), 2U);
    for (const std::vector<Example>& block : blocks) {
        const fs::path folder =
            fs::temp_directory_path() / ("quarrow_readme_" + std::to_string(getpid()) + "_" +
                                         std::to_string(&block - blocks.data()));
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const Example& example : block) {
            std::string shown;
            for (const std::string& line : example.shown) {
                shown += line + "\n";
            }
            int status = 0;
            const std::string printed = Shell(example.command, folder, status);
            EXPECT_EQ(status, 0) << example.command;
            EXPECT_EQ(Lines(printed), Lines(shown)) << "$ " << example.command;
        }
        fs::remove_all(folder);
    }
}

TEST(ReadmeExamplesTest, TheCsvHeadingsNamedAreTheLabsOwn) {
    const std::string readme = ReadReadme();
    std::set<std::string> headings;
    for (const char* args :
         {"evolve --runs 2 --seed 1 --csv CAT", "evolve --runs 2 --seed 1 --per-run CAT",
          "trial --seed 1 --csv CAT", "estimate --seed 1 --csv CAT"}) {
        int status = 0;
        const std::string out =
            Shell(std::string("quarrow-lab ") + args, fs::temp_directory_path(), status);
        ASSERT_EQ(status, 0) << args;
        headings.insert(out.substr(0, out.find('\n')));
    }
    // Every heading in backquotes, written out or with "..." for columns named before it.
    static const std::regex named("`([a-z_0-9]+(,[a-z_0-9.]+)+)`");
    int checked = 0;
    for (auto match = std::sregex_iterator(readme.begin(), readme.end(), named);
         match != std::sregex_iterator(); ++match) {
        const std::string heading = (*match)[1];
        const std::size_t gap = heading.find("...");
        bool found = false;
        for (const std::string& printed : headings) {
            found = found || printed == heading ||
                    (gap != std::string::npos && printed.starts_with(heading.substr(0, gap)) &&
                     printed.ends_with(heading.substr(gap + 3)));
        }
        EXPECT_TRUE(found) << heading;
        ++checked;
    }
    EXPECT_GE(checked, 4);
}

} // namespace
} // namespace quarrow::lab
