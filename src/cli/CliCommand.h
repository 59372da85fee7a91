#pragma once

#include <string>
#include <vector>

namespace htmlsim::cli {

// Exit statuses of htmlsim-cli.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the command ran and failed; a message says why
inline constexpr int kExitUsage = 2;    // bad usage; the usage text is printed

// Thrown by a command that was called with the wrong arguments.
struct UsageError {};

// The value that follows the option at args[at], stepping past it; none is a usage error.
inline const std::string& OptionValue(const std::vector<std::string>& args, size_t& at) {
    if (at + 1 >= args.size()) {
        throw UsageError();
    }
    return args[++at];
}

using CliHandler = int (*)(const std::vector<std::string>& args);

struct CliCommand {
    std::string name;
    std::string usage;  // arguments after the name, e.g. "PATH NAME"
    std::string summary;
    CliHandler run;
};

// The commands known to the program, in the order they registered.
std::vector<CliCommand>& CliCommands();

// Each command file defines one of these at namespace scope to make itself known.
struct CliCommandRegistration {
    explicit CliCommandRegistration(CliCommand command) {
        CliCommands().push_back(std::move(command));
    }
};

}  // namespace htmlsim::cli
