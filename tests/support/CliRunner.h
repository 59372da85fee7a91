#pragma once

#include <string>
#include <vector>

namespace htmlsim::testing {

struct CliResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

// Runs the built htmlsim-cli (found beside the test binary's build tree) in the given folder.
CliResult RunCli(const std::vector<std::string>& args, const std::string& workingFolder = ".");
// Runs a shell command line.
CliResult RunShell(const std::string& command);

}  // namespace htmlsim::testing
