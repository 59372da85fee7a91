#include "CliRunner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "TempFolder.h"

namespace htmlsim::testing {

namespace {

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// Test binaries live in build/tests, the CLI in build/src/cli.
std::filesystem::path CliProgram() {
    const auto testBinary = std::filesystem::read_symlink("/proc/self/exe");
    return testBinary.parent_path().parent_path() / "src" / "cli" / "htmlsim-cli";
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, const std::string& workingFolder) {
    std::string command =
        "cd " + ShellQuoted(workingFolder) + " && " + ShellQuoted(CliProgram().string());
    for (const auto& arg : args) {
        command += " " + ShellQuoted(arg);
    }
    return RunShell(command);
}

CliResult RunShell(const std::string& command) {
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

}  // namespace htmlsim::testing
