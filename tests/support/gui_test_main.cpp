#include "plot/catalogue.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#if defined(QUARROW_PROJECTOR_SCREEN) || defined(QUARROW_SMALL_SCREEN)
#define QUARROW_CONFIGURED_SCREEN
#include <filesystem>
#include <fstream>

#include <unistd.h>
#endif

namespace {

#ifdef QUARROW_CONFIGURED_SCREEN
// Zoom, full screen and the live view are tried on one screen of a classroom projector's size,
// 1920 by 1080, or of an old classroom computer's, 1024 by 768, which the offscreen platform
// reads from a configuration file. Each test process writes its own: ctest runs them side by
// side, and one rewriting a shared file as another reads it fails both.
#ifdef QUARROW_SMALL_SCREEN
constexpr const char* kScreen = R"("name": "Small", "width": 1024, "height": 768)";
#else
constexpr const char* kScreen = R"("name": "Projector", "width": 1920, "height": 1080)";
#endif

std::filesystem::path WriteScreen() {
    std::filesystem::path config =
        std::filesystem::temp_directory_path() /
        ("quarrow-zoom-test-screen-" + std::to_string(getpid()) + ".json");
    std::ofstream out(config);
    out << R"({"synchronousWindowSystemEvents": false, "windowFrameMargins": true,
               "screens": [{"x": 0, "y": 0, )"
        << kScreen << R"(, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";
    return config;
}
#endif

} // namespace

// The one main of every GUI test binary. The platform is chosen before the QApplication exists,
// or it would look for a display; ctest's discovery runs the binaries too.
int main(int argc, char** argv) {
    std::vector<char*> arguments(argv, argv + argc);
#ifdef QUARROW_CONFIGURED_SCREEN
    const std::filesystem::path config = WriteScreen();
    std::string platform = "offscreen:configfile=" + config.string();
    char platformOption[] = "-platform";
    arguments.push_back(platformOption);
    arguments.push_back(platform.data());
#else
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
    int count = static_cast<int>(arguments.size());
    // Qt and GoogleTest both expect argv[argc] to be null; each shifts the list as it takes its
    // own options out.
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
#ifdef QUARROW_CONFIGURED_SCREEN
    std::filesystem::remove(config); // read once, as the platform starts
#endif
    // The window's texts as the program shows them, plural forms included.
    if (!quarrow::plot::InstallCatalogue(app)) {
        std::fputs("the embedded catalogue could not be read\n", stderr);
        return 1;
    }
    ::testing::InitGoogleTest(&count, arguments.data());
    return RUN_ALL_TESTS();
}
