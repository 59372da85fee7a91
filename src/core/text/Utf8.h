#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace htmlsim {

bool IsValidUtf8(std::string_view bytes);

// Decodes one UTF-8 sequence at `at`; returns its length, 0 when the bytes there are not UTF-8
// (overlong, a surrogate, beyond U+10FFFF or cut short).
size_t DecodeUtf8(std::string_view bytes, size_t at, char32_t& character);

void AppendUtf8(std::string& out, char32_t character);

}  // namespace htmlsim
