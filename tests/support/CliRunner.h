#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace htmlsim::testing {

struct CliResult {
    int exitStatus = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Runs a shell command line.
inline CliResult RunShell(const std::string& command) {
    TempFolder capture;
    const int status = std::system((command + " >" + ShellQuoted(capture.File("out")) + " 2>" +
                                    ShellQuoted(capture.File("err")))
                                       .c_str());
    CliResult result;
    result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = ReadFileBytes(capture.File("out"));
    result.err = ReadFileBytes(capture.File("err"));
    return result;
}

// Runs the built htmlsim-cli in the given folder. Test binaries live in build/tests, the CLI in
// build/src/cli.
inline CliResult RunCli(const std::vector<std::string>& args,
                        const std::string& workingFolder = ".") {
    const auto testBinary = std::filesystem::read_symlink("/proc/self/exe");
    std::string command =
        "cd " + ShellQuoted(workingFolder) + " && " +
        ShellQuoted(
            (testBinary.parent_path().parent_path() / "src" / "cli" / "htmlsim-cli").string());
    for (const auto& arg : args) {
        command += " " + ShellQuoted(arg);
    }
    return RunShell(command);
}

}  // namespace htmlsim::testing
