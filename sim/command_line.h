#pragma once

#include "sim/sim_options.h"

#include <string>
#include <vector>

namespace zrsim {

struct CommandLine {
    SimOptions options;
    std::string link; // symlink kept to the slave; empty for none
    bool window = false;
    bool help = false;
    std::string error; // empty when the arguments were understood
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

extern const char* const usageText;

} // namespace zrsim
