#include "TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace htmlsim::testing {

TempFolder::TempFolder() : TempFolder(std::filesystem::temp_directory_path()) {}

TempFolder::TempFolder(const std::filesystem::path& base) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        auto candidate = base / ("htmlsim-test-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate)) {
            mPath = candidate;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(mPath, ignored);
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace htmlsim::testing
