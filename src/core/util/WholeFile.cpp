#include "util/WholeFile.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

RuntimeError FileError(const std::string& action, const std::string& path, int error) {
    return RuntimeError(action + " '" + path + "': " + std::strerror(error));
}

// A name in the target's folder that no other save uses at the same time.
std::string TemporaryNameBeside(const std::string& path) {
    static unsigned counter = 0;
    return path + ".saving-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

// A link is followed, so the file it names is replaced, not the link.
std::string FinalTarget(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_symlink(path, error)) {
        const auto target = std::filesystem::weakly_canonical(path, error);
        if (!error) {
            return target.string();
        }
    }
    return path;
}

void KeepPermissionsOf(const std::string& existing, const std::string& replacement) {
    std::error_code error;
    const auto status = std::filesystem::status(existing, error);
    if (!error && std::filesystem::exists(status)) {
        std::filesystem::permissions(replacement, status.permissions(), error);
    }
}

}  // namespace

std::string ReadWholeFile(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw FileError("Cannot read", path, EISDIR);
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw FileError("Cannot read", path, errno);
    }
    // Read into one string made as large as the file, in large pieces: growing a stream's
    // buffer copied a large page several times over.
    std::string bytes;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error) {
        bytes.reserve(size);
    }
    char piece[1 << 16];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        bytes.append(piece, static_cast<size_t>(in.gcount()));
    }
    if (in.bad()) {
        throw FileError("Cannot read", path, errno);
    }
    return bytes;
}

void WriteWholeFileAtomically(const std::string& requestedPath, const std::string& bytes,
                              FileAccess access) {
    const std::string path = FinalTarget(requestedPath);
    const std::string temporary = TemporaryNameBeside(path);
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (file == nullptr) {
        throw FileError("Cannot write", path, errno);
    }
    if (access == FileAccess::OwnerOnly) {
        ::fchmod(fileno(file), S_IRUSR | S_IWUSR);
    }
    // On the disk before the rename: a crash just after it must not leave an empty file.
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() &&
                         std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        std::remove(temporary.c_str());
        throw FileError("Cannot write", path, error);
    }
    if (access == FileAccess::AsBefore) {
        KeepPermissionsOf(path, temporary);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        std::remove(temporary.c_str());
        throw FileError("Cannot write", path, error);
    }
}

}  // namespace htmlsim
