#include "remote/FtpAddress.h"

#include <cctype>

#include "util/Text.h"

namespace htmlsim {

namespace {

constexpr RemoteProtocol kProtocols[] = {RemoteProtocol::Sftp, RemoteProtocol::FtpExplicitTls,
                                         RemoteProtocol::FtpImplicitTls, RemoteProtocol::Ftp};

std::optional<RemoteProtocol> ProtocolOfAddress(const std::string& text) {
    for (const RemoteProtocol protocol : kProtocols) {
        if (StartsWithIgnoreCase(text, std::string(SchemeOf(protocol)) + "://")) {
            return protocol;
        }
    }
    return std::nullopt;
}

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

const char* SchemeOf(RemoteProtocol protocol) {
    switch (protocol) {
        case RemoteProtocol::Sftp:
            return "sftp";
        case RemoteProtocol::FtpExplicitTls:
            return "ftpes";
        case RemoteProtocol::FtpImplicitTls:
            return "ftps";
        case RemoteProtocol::Ftp:
            break;
    }
    return "ftp";
}

bool IsFtpAddress(const std::string& text) {
    return ProtocolOfAddress(text).has_value();
}

std::string AddressWithoutPassword(const FtpConnectionDetails& details, const std::string& path) {
    const bool ipv6 = details.host.find(':') != std::string::npos;
    return std::string(SchemeOf(details.protocol)) + "://" +
           (details.user.empty() ? "" : details.user + "@") +
           (ipv6 ? "[" + details.host + "]" : details.host) + ":" + std::to_string(details.port) +
           path;
}

std::optional<FtpAddress> ParseFtpAddress(const std::string& text) {
    const auto protocol = ProtocolOfAddress(text);
    if (!protocol) {
        return std::nullopt;
    }
    const std::string rest = text.substr(std::string(SchemeOf(*protocol)).size() + 3);
    const size_t slash = rest.find('/');
    const std::string authority = rest.substr(0, slash);
    FtpAddress address;
    address.details.protocol = *protocol;
    address.details.port = DefaultPort(*protocol);
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
    } else if (*protocol != RemoteProtocol::Sftp) {
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
    address.path = *path == "/~" || path->starts_with("/~/") ? path->substr(1) : *path;
    return address;
}

}  // namespace htmlsim
