#pragma once

#include <filesystem>

namespace htmlsim {

// The folder of the running program.
std::filesystem::path ProgramFolder();

// Where the code library keeps its tables: $HTMLSIM_DATA_DIR when set; else the program's folder
// when it is writable; else $XDG_DATA_HOME/htmlsim/Data (~/.local/share/htmlsim/Data by default).
std::filesystem::path ResolveDataFolder(const std::filesystem::path& programFolder);

}  // namespace htmlsim
