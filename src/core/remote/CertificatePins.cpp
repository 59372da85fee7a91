#include "remote/CertificatePins.h"

#include "util/Text.h"

namespace htmlsim {

namespace {

// The pin when the line is the server's.
std::optional<std::string> LinePin(std::string_view line, const std::string& server) {
    line = TrimBlanks(line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) {
        line.remove_suffix(1);
    }
    const size_t space = line.find(' ');
    if (space == std::string_view::npos || !EqualsIgnoreCase(line.substr(0, space), server)) {
        return std::nullopt;
    }
    return std::string(TrimBlanks(line.substr(space + 1)));
}

}  // namespace

std::optional<std::string> PinOf(const std::string& pins, const std::string& server) {
    for (std::string_view line : SplitText(pins, "\n")) {
        if (auto pin = LinePin(line, server)) {
            return pin;
        }
    }
    return std::nullopt;
}

std::string PinLine(const std::string& server, const std::string& pin) {
    return server + " " + pin + "\n";
}

std::string WithoutPin(const std::string& pins, const std::string& server) {
    std::string kept;
    for (std::string_view line : SplitText(pins, "\n")) {
        if (!line.empty() && !LinePin(line, server)) {
            kept += std::string(line) + "\n";
        }
    }
    return kept;
}

}  // namespace htmlsim
