#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace htmlsim {

// The encodings of the files the program reads and writes. Text inside the program is UTF-8.
enum class TextEncoding { Utf8, Windows1252 };

// Bytes that are UTF-8 throughout are UTF-8; any others are read as Windows-1252.
TextEncoding DetectTextEncoding(std::string_view bytes);

// "UTF-8" or "Windows-1252".
const char* EncodingName(TextEncoding encoding);

// Bytes in the encoding -> UTF-8. Every Windows-1252 byte is a character of its own, so the
// text encodes back to the same bytes.
std::string DecodeText(std::string_view bytes, TextEncoding encoding);

// Appends the character's bytes; false (nothing appended) when the encoding cannot hold it.
bool AppendEncoded(std::string& bytes, char32_t character, TextEncoding encoding);

// UTF-8 -> bytes in the encoding; nullopt when the encoding cannot hold a character of it.
std::optional<std::string> EncodeText(std::string_view text, TextEncoding encoding);

// UTF-8 -> bytes, a character the encoding cannot hold written as an HTML numeric character
// reference ("&#10003;").
std::string EncodeHtmlText(std::string_view text, TextEncoding encoding);

// The first character (as UTF-8) of the text that the encoding cannot hold, if any.
std::optional<std::string> FirstUnheldCharacter(std::string_view text, TextEncoding encoding);

}  // namespace htmlsim
