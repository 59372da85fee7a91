#pragma once

#include <optional>
#include <string>

namespace htmlsim {

// Bytes as standard Base64 with padding, and back; nothing for text that is not Base64.
std::string Base64Encode(const std::string& bytes);
std::optional<std::string> Base64Decode(const std::string& text);

std::string Sha256(const std::string& bytes);
std::string HmacSha1(const std::string& key, const std::string& bytes);

}  // namespace htmlsim
