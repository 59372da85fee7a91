#pragma once

#include <cstdint>
#include <optional>

namespace htmlsim {

// The character a Windows-1252 byte stands for. The five bytes the code page leaves unassigned
// keep their C1 code point, so every byte survives a round trip.
char32_t FromWindows1252(uint8_t byte);

// The byte that holds the character in Windows-1252; nullopt when the code page has none.
std::optional<uint8_t> ToWindows1252(char32_t character);

}  // namespace htmlsim
