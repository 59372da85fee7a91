#include "remote/TrustFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace htmlsim {

namespace {

std::filesystem::path HomeFolder() {
    const char* home = std::getenv("HOME");
    return home ? std::filesystem::path(home) : std::filesystem::path();
}

bool WriteAll(int fd, const std::string& bytes) {
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (n <= 0) {
            return false;
        }
        written += static_cast<size_t>(n);
    }
    return true;
}

bool EnsureFolder(const std::filesystem::path& folder) {
    std::error_code error;
    if (std::filesystem::is_directory(folder, error)) {
        return true;
    }
    std::filesystem::create_directories(folder, error);
    if (error) {
        return false;
    }
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all, error);
    return true;
}

}  // namespace

std::filesystem::path KnownHostsPath() {
    return HomeFolder() / ".ssh" / "known_hosts";
}

std::filesystem::path ConfigFolder() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path folder = configHome ? std::filesystem::path(configHome) : "";
    if (folder.empty() || folder.is_relative()) {
        folder = HomeFolder() / ".config";
    }
    return folder / "htmlsim";
}

std::filesystem::path PinnedCertificatesPath() {
    return ConfigFolder() / "pinned-certificates";
}

std::string ReadTrustFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool AppendTrustLine(const std::filesystem::path& path, const std::string& line) {
    if (!EnsureFolder(path.parent_path())) {
        return false;
    }
    const std::string before = ReadTrustFile(path);
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    const bool needsBreak = !before.empty() && before.back() != '\n';
    const bool written = WriteAll(fd, (needsBreak ? "\n" : "") + line);
    return ::close(fd) == 0 && written;
}

bool ReplaceTrustFile(const std::filesystem::path& path, const std::string& text) {
    struct stat status {};
    const mode_t mode = ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0600;
    std::filesystem::path temporary = path;
    temporary += ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace htmlsim
