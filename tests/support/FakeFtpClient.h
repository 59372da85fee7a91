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
    static FtpConnectionDetails Login(const std::string& password = "secret");

    // Adds a file and every folder above it.
    void PutFile(const std::string& path, const std::string& bytes);

    bool IsConnected() const override { return mConnected && serverUp; }
    std::optional<std::vector<RemoteEntry>> ListRemoteFolder(const std::string& folder) override;
    bool RemoteFileExists(const std::string& name) override;
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
    bool OpenConnection(const FtpConnectionDetails& details) override;
    std::string LoginFolder() const override { return "/"; }

  private:
    bool RequireServer();
    std::optional<std::string> Fetch(const std::string& name);
    bool Store(const std::string& name, const std::string& bytes);

    bool mConnected = false;
};

// Keeps every error the client reports, as handled, for the test to compare.
void CollectErrors(FtpClient& client, std::vector<std::string>& errors);

}  // namespace htmlsim::testing
