#pragma once

#include <filesystem>
#include <string>

namespace htmlsim {

// OpenSSH's file of known host keys: ~/.ssh/known_hosts.
std::filesystem::path KnownHostsPath();
// The program's own settings folder: $XDG_CONFIG_HOME/htmlsim (~/.config/htmlsim by default).
std::filesystem::path ConfigFolder();
// The certificates the user chose to trust, by their public key.
std::filesystem::path PinnedCertificatesPath();

// The file's bytes; "" when it does not exist.
std::string ReadTrustFile(const std::filesystem::path& path);

// Adds one line at the end, leaving every byte before it as it is (a file without a final line
// break gets one first). A missing file is created for its owner alone, in a folder of its own
// mode 0700 when that is missing too.
bool AppendTrustLine(const std::filesystem::path& path, const std::string& line);

// Replaces the file's text through a temporary file renamed over it, keeping its mode.
bool ReplaceTrustFile(const std::filesystem::path& path, const std::string& text);

}  // namespace htmlsim
