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
    bool version = false;
    std::string error; // empty when the arguments were understood
};

// Takes the arguments after the program's name, as "--rows 2" or "--rows=2".
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The option list for --help; its usage line names the running program when a
// QCoreApplication exists.
std::string usageText();

std::string versionText();

} // namespace zrsim
