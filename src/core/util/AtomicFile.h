#pragma once

#include <filesystem>
#include <string>

namespace htmlsim {

// Writes the bytes to a temporary file beside the target and renames it over the target, so a
// reader sees either the old file or the whole new one, and a failed write leaves the old file as
// it was. A link is followed and the file's permissions are kept. Throws RuntimeError naming the
// file and the reason when it cannot be written.
void WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes);

// The whole file as bytes. Throws RuntimeError naming the file when it cannot be read.
std::string ReadWholeFile(const std::filesystem::path& path);

}  // namespace htmlsim
