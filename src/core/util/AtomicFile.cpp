#include "util/AtomicFile.h"

#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
    std::random_device random;
    auto name = target.filename().string() + ".tmp" + std::to_string(random() % 1000000);
    return target.parent_path() / name;
}

}  // namespace

void WriteFileAtomically(const std::filesystem::path& target, const std::string& bytes) {
    const auto temporary = TemporaryBeside(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw RuntimeError("Cannot write the file '" + target.string() + "'.");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw RuntimeError("Cannot write the file '" + target.string() + "': " + error.message() +
                           ".");
    }
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw RuntimeError("Cannot read the file '" + path.string() + "'.");
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) {
        throw RuntimeError("Cannot read the file '" + path.string() + "'.");
    }
    return bytes.str();
}

}  // namespace htmlsim
