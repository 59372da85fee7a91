#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace htmlsim::testing {

// The rows of a table in tests/data: a row a line, its cells split at '|' and kept as written;
// blank lines and lines starting with '#' are left out. A table that is missing or empty fails.
inline std::vector<std::vector<std::string>> DataTable(const std::string& name) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(TestDataFile(name));
    for (std::string line; std::getline(lines, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        auto& row = rows.emplace_back();
        for (size_t start = 0, bar = 0; bar != std::string::npos; start = bar + 1) {
            bar = line.find('|', start);
            row.push_back(line.substr(start, bar - start));
        }
    }
    EXPECT_FALSE(rows.empty()) << name;
    return rows;
}

}  // namespace htmlsim::testing
