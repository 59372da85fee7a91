#pragma once

#include <string>
#include <vector>

#include "remote/FtpDialogs.h"

namespace htmlsim {

// The entries of a machine listing (MLSD): "type=dir;size=0; name" lines. The folder itself
// and its parent ("." and "..") are left out.
std::vector<RemoteEntry> ParseMachineListing(const std::string& listing);

// The entries of a Unix-style LIST: "drwxr-xr-x 2 owner group 4096 Jan 1 12:00 name". Lines
// that do not have that shape (a "total" line) are skipped; links count as files.
std::vector<RemoteEntry> ParseUnixListing(const std::string& listing);

}  // namespace htmlsim
