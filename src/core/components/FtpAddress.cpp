#include "components/FtpAddress.h"

#include <cctype>

#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr std::string_view kScheme = "ftp://";

std::optional<std::string> PercentDecoded(const std::string& text) {
    std::string decoded;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            decoded += text[i];
            continue;
        }
        if (i + 2 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[i + 1])) ||
            !std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            return std::nullopt;
        }
        decoded += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
        i += 2;
    }
    return decoded;
}

bool AllDigits(const std::string& text) {
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return !text.empty() && text.size() <= 5;
}

}  // namespace

bool IsFtpAddress(const std::string& text) {
    return StartsWithIgnoreCase(text, kScheme);
}

std::optional<FtpAddress> ParseFtpAddress(const std::string& text) {
    if (!IsFtpAddress(text)) {
        return std::nullopt;
    }
    const std::string rest = text.substr(kScheme.size());
    const size_t slash = rest.find('/');
    const std::string authority = rest.substr(0, slash);
    FtpAddress address;
    address.path = slash == std::string::npos ? "/" : rest.substr(slash);
    // The password may hold "@" unencoded: the host starts after the last one.
    const size_t at = authority.rfind('@');
    std::string hostPort = authority;
    if (at != std::string::npos) {
        const std::string userInfo = authority.substr(0, at);
        const size_t colon = userInfo.find(':');
        const auto user = PercentDecoded(userInfo.substr(0, colon));
        const auto password =
            PercentDecoded(colon == std::string::npos ? "" : userInfo.substr(colon + 1));
        if (!user || !password) {
            return std::nullopt;
        }
        address.details.user = *user;
        address.details.password = *password;
        hostPort = authority.substr(at + 1);
    } else {
        address.details.user = "anonymous";
    }
    const size_t colon = hostPort.rfind(':');
    if (colon != std::string::npos && hostPort.find(']', colon) == std::string::npos) {
        const std::string port = hostPort.substr(colon + 1);
        if (!AllDigits(port) || std::stoi(port) < 1 || std::stoi(port) > 65535) {
            return std::nullopt;
        }
        address.details.port = std::stoi(port);
        hostPort = hostPort.substr(0, colon);
    }
    if (hostPort.size() > 2 && hostPort.front() == '[' && hostPort.back() == ']') {
        hostPort = hostPort.substr(1, hostPort.size() - 2);
    }
    const auto path = PercentDecoded(address.path);
    if (hostPort.empty() || !path) {
        return std::nullopt;
    }
    address.details.host = hostPort;
    address.path = *path;
    return address;
}

}  // namespace htmlsim
