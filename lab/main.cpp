#include "lab/cli.h"
#include "plot/distribution_chart.h"

int main(int argc, char** argv) {
    return quarrow::lab::RunLab(argc, argv, quarrow::plot::WriteDistributionChart);
}
