#pragma once

#include <string>

namespace htmlsim {

// The bytes of a file, unchanged. Throws RuntimeError with a readable description.
std::string ReadWholeFile(const std::string& path);

// Writes the bytes to a temporary file beside the target and renames it over the target, so a
// failure never leaves a truncated file. Throws RuntimeError with a readable description.
// OwnerOnly files are readable by their owner alone from their first byte on.
enum class FileAccess { AsBefore, OwnerOnly };
void WriteWholeFileAtomically(const std::string& path, const std::string& bytes,
                              FileAccess access = FileAccess::AsBefore);

}  // namespace htmlsim
