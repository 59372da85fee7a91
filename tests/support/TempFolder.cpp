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

// A file that cannot be read or written fails the test: it never passes for an empty one.
std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in || std::filesystem::is_directory(path)) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();  // an empty file leaves `bytes` failed, and empty
    return bytes.str();
}

void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!(out << bytes) || !out.flush()) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

std::string TestDataFile(const std::string& path) {
    return ReadFileBytes(std::string(HTMLSIM_TEST_SUPPORT_DIR) + "/../data/" + path);
}

std::string CorpusFile(const std::string& path) {
    return ReadFileBytes(std::string(HTMLSIM_TEST_SUPPORT_DIR) + "/../corpus/" + path);
}

}  // namespace htmlsim::testing
