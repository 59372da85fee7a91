#pragma once

#include <string>
#include <vector>

namespace htmlsim {

// A file of a package: its name in the package ("/" between folders) and its bytes.
struct PackageFile {
    std::string name;
    std::string bytes;
};

// Writes a zip archive of the files at `path`, replacing it whole. The archive depends on the
// files alone: entries sorted by name, every one dated 1980-01-01 00:00 with the same
// permissions, compressed the same way, so the same simulation always gives the same bytes.
// Throws RuntimeError with the reason.
void WriteZipArchive(const std::string& path, std::vector<PackageFile> files);

}  // namespace htmlsim
