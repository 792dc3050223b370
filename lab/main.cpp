#include "lab/cli.h"
#include "plot/catalogue.h"
#include "plot/distribution_chart.h"

#include <QGuiApplication>

#include <optional>
#include <string>

int main(int argc, char** argv) {
    // Only a chart needs Qt, so the application is made when the first one is drawn. Drawing a
    // file needs fonts but no display: the offscreen platform, named on the command line, where
    // it outranks whatever QT_QPA_PLATFORM names (xcb with no X server would abort).
    int qtArgc = 3;
    char name[] = "quarrow-lab";
    char platformOption[] = "-platform";
    char platform[] = "offscreen";
    char* qtArgv[] = {name, platformOption, platform, nullptr};
    // After its arguments, so that it goes before them.
    std::optional<QGuiApplication> application;
    const auto writePlot = [&](const quarrow::analysis::DistributionData& data,
                               const std::string& path) {
        if (!application) {
            application.emplace(qtArgc, qtArgv);
            // The chart's counts read in the catalogue's English forms ("1 run", "2 runs").
            quarrow::plot::InstallCatalogue(*application);
        }
        return quarrow::plot::WriteDistributionChart(data, path);
    };
    return quarrow::lab::RunLab(argc, argv, writePlot);
}
