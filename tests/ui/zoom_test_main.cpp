#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

// Zoom and full screen are tried on one screen of a classroom projector's size, 1920 by 1080,
// which the offscreen platform reads from a configuration file. Each test process writes its own:
// ctest runs them side by side, and one rewriting a shared file as another reads it fails both.
int main(int argc, char** argv) {
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() /
        ("quarrow-zoom-test-screen-" + std::to_string(getpid()) + ".json");
    {
        std::ofstream out(config);
        out << R"({"synchronousWindowSystemEvents": false, "windowFrameMargins": true,
                   "screens": [{"name": "Projector", "x": 0, "y": 0, "width": 1920,
                                "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96,
                                "dpr": 1}]})";
    }
    std::string platform = "offscreen:configfile=" + config.string();
    std::vector<char*> arguments(argv, argv + argc);
    char platformOption[] = "-platform";
    arguments.push_back(platformOption);
    arguments.push_back(platform.data());
    int count = static_cast<int>(arguments.size());
    QApplication app(count, arguments.data());
    std::filesystem::remove(config); // read once, as the platform starts
    ::testing::InitGoogleTest(&count, arguments.data());
    return RUN_ALL_TESTS();
}
