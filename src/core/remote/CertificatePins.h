#pragma once

#include <optional>
#include <string>

namespace htmlsim {

// The pins file holds one line per trusted server: "host:port sha256//BASE64", the digest of
// the public key of the certificate the user accepted for it.

// The pin of a server ("host:port"), as libcurl's pinned-public-key option reads it.
std::optional<std::string> PinOf(const std::string& pins, const std::string& server);
std::string PinLine(const std::string& server, const std::string& pin);
// The pins without the server's line.
std::string WithoutPin(const std::string& pins, const std::string& server);

}  // namespace htmlsim
