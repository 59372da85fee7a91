#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "remote/FtpClient.h"

namespace htmlsim::testing {

// An FTP client over an in-memory server, for core tests: folders and files live in maps, the
// test can take the server down, refuse a password or make it read-only, and sees every fetch.
class FakeFtpClient : public FtpClient {
  public:
    explicit FakeFtpClient(FtpDialogs& dialogs) : FtpClient(dialogs) {}

    // The server's state; folders end with "/", "/" always exists.
    std::set<std::string> folders{"/"};
    std::map<std::string, std::string> files;
    std::string password = "secret";
    bool serverUp = true;
    bool readOnly = false;
    std::set<std::string> unreadable;  // files that exist but cannot be read
    std::vector<std::string> fetched;  // every file read or downloaded, in order
    // When set, the server goes down as this many more requests have been served; each such
    // outage is counted.
    std::optional<int> requestsBeforeOutage;
    int outages = 0;

    // The login this server takes: user "ann" at example.org.
    static FtpConnectionDetails Login(const std::string& password = "secret") {
        FtpConnectionDetails details;
        details.protocol = RemoteProtocol::Ftp;
        details.port = DefaultPort(RemoteProtocol::Ftp);
        details.host = "example.org";
        details.user = "ann";
        details.password = password;
        return details;
    }

    // Adds a file and every folder above it.
    void PutFile(const std::string& path, const std::string& bytes) {
        files[path] = bytes;
        for (auto slash = path.find('/', 1); slash != std::string::npos;
             slash = path.find('/', slash + 1)) {
            folders.insert(path.substr(0, slash + 1));
        }
    }

    bool IsConnected() const override { return mConnected && serverUp; }
    std::optional<std::vector<RemoteEntry>> ListRemoteFolder(const std::string& folder) override {
        if (!RequireServer()) {
            return std::nullopt;
        }
        const std::string path = NormalizeRemoteFolder(RemotePathOf(folder));
        if (!folders.contains(path)) {
            ReportFailure("The remote folder '" + path + "' does not exist.", false);
            return std::nullopt;
        }
        std::vector<RemoteEntry> entries;
        for (const auto& other : folders) {
            if (other.size() > path.size() && other.starts_with(path) &&
                other.find('/', path.size()) == other.size() - 1) {
                entries.push_back(
                    {other.substr(path.size(), other.size() - path.size() - 1), true});
            }
        }
        for (const auto& [file, bytes] : files) {
            if (file.starts_with(path) && file.find('/', path.size()) == std::string::npos) {
                entries.push_back({file.substr(path.size()), false});
            }
        }
        return entries;
    }
    bool RemoteFileExists(const std::string& name) override {
        return RequireServer() && files.contains(RemotePathOf(name));
    }
    std::optional<std::string> ReadRemoteText(const std::string& name) override {
        return Fetch(name);
    }
    bool WriteRemoteText(const std::string& name, const std::string& text) override {
        return Store(name, text);
    }
    std::optional<std::string> DownloadBytes(const std::string& path) override {
        return Fetch(path);
    }
    bool Download(const std::string& localPath, const std::string& remotePath) override {
        const auto bytes = Fetch(remotePath);
        if (bytes) {
            WriteFileBytes(localPath, *bytes);
        }
        return bytes.has_value();
    }
    bool Upload(const std::string& remotePath, const std::string& localPath) override {
        return Store(remotePath, ReadFileBytes(localPath));
    }

  protected:
    bool OpenConnection(const FtpConnectionDetails& details) override {
        mConnected = false;
        if (!serverUp) {
            ReportFailure("Cannot reach the FTP server " + details.host + ".", true);
            return false;
        }
        if (details.password != password) {
            ReportFailure("The FTP server refused the login of user '" + details.user + "'.", true);
            return false;
        }
        mConnected = true;
        return true;
    }
    std::string LoginFolder() const override { return "/"; }

  private:
    bool RequireServer() {
        if (requestsBeforeOutage && (*requestsBeforeOutage)-- == 0) {
            serverUp = false;
            ++outages;
        }
        BeginOperation();
        return RequireConnection();
    }
    std::optional<std::string> Fetch(const std::string& name) {
        if (!RequireServer()) {
            return std::nullopt;
        }
        const auto file = files.find(RemotePathOf(name));
        if (unreadable.contains(RemotePathOf(name))) {
            ReportFailure("Permission denied: cannot read '" + RemotePathOf(name) + "'.", false);
            return std::nullopt;
        }
        if (file == files.end()) {
            ReportFailure("The remote file '" + RemotePathOf(name) + "' does not exist.", false);
            return std::nullopt;
        }
        fetched.push_back(file->first);
        return file->second;
    }
    bool Store(const std::string& name, const std::string& bytes) {
        if (!RequireServer()) {
            return false;
        }
        if (readOnly) {
            ReportFailure("Permission denied: cannot write '" + RemotePathOf(name) + "'.", false);
            return false;
        }
        PutFile(RemotePathOf(name), bytes);
        return true;
    }

    bool mConnected = false;
};

// Keeps every error the client reports, as handled, for the test to compare.
inline void CollectErrors(FtpClient& client, std::vector<std::string>& errors) {
    client.Error = [&errors](const std::string& description, bool& handled) {
        errors.push_back(description);
        handled = true;
    };
}

}  // namespace htmlsim::testing
