#pragma once

#include "analysis/distribution_data.h"

#include <functional>
#include <string>

namespace quarrow::lab {

/// Exit status of a run that did what was asked.
inline constexpr int kExitOk = 0;
/// Exit status when the report could not be written to standard output, or memory ran out.
inline constexpr int kExitOutputLost = 1;
/// Exit status for input the lab refuses and for a log it cannot write.
inline constexpr int kExitBadInput = 2;
/// Exit status after Ctrl+C, as a shell reports a process ended by SIGINT.
inline constexpr int kExitInterrupted = 130;

/// Draws the chart of a batch into a file (`.png` or `.svg`); returns why it could not, or
/// nothing on success. The program's `main` hands one in, so that this library stays free of
/// any drawing toolkit.
using PlotWriter =
    std::function<std::string(const analysis::DistributionData& data, const std::string& path)>;

/// The whole program: reads the command line, runs the command, prints its report on standard
/// output and messages on standard error; returns the exit status. Without `plotWriter`,
/// `--plot` is refused.
int RunLab(int argc, char** argv, const PlotWriter& plotWriter = {});

} // namespace quarrow::lab
