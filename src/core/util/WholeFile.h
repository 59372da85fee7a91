#pragma once

#include <string>

namespace htmlsim {

// The bytes of a file, unchanged. Throws RuntimeError with a readable description.
std::string ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file beside the target and renames it over the target, so a
// failure never leaves a truncated file. Throws RuntimeError with a readable description.
void WriteWholeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace htmlsim
