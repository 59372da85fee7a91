#pragma once

#include <string>
#include <vector>

#include "remote/FtpClient.h"
#include "remote/KnownHosts.h"

using CURL = void;

namespace htmlsim::platform {

// How long the client waits before it gives a server up, in seconds.
struct FtpTimeouts {
    long connect = 10;   // to open the control connection
    long response = 20;  // for each answer of the server
    long stall = 20;     // a transfer that moves no byte for this long is cut off
};

// The remote client on libcurl, for SFTP, FTP over TLS (explicit and implicit) and plain FTP.
// One easy handle keeps the connection open between operations; when the server went away, the
// next operation reconnects with the details of the last login. Uploads go to a temporary name
// in the target's folder and are renamed over the target, so a transfer cut off never truncates
// the file that was there.
//
// Servers are verified before anything of the login is sent: SFTP host keys against
// ~/.ssh/known_hosts, TLS certificates against the system's CA store or the key the user pinned.
// A server met for the first time is trusted only when the user says so.
class CurlFtpClient : public FtpClient {
  public:
    explicit CurlFtpClient(FtpDialogs& dialogs, FtpTimeouts timeouts = {});
    ~CurlFtpClient() override;
    CurlFtpClient(const CurlFtpClient&) = delete;
    CurlFtpClient& operator=(const CurlFtpClient&) = delete;

    bool IsConnected() const override { return mLoggedIn; }
    std::optional<std::vector<RemoteEntry>> ListRemoteFolder(const std::string& folder) override;
    bool RemoteFileExists(const std::string& name) override;
    std::optional<std::string> ReadRemoteText(const std::string& name) override;
    bool WriteRemoteText(const std::string& name, const std::string& text) override;
    std::optional<std::string> DownloadBytes(const std::string& path) override;
    bool Download(const std::string& localPath, const std::string& remotePath) override;
    bool Upload(const std::string& remotePath, const std::string& localPath) override;

  protected:
    bool OpenConnection(const FtpConnectionDetails& details) override;
    std::string LoginFolder() const override { return mLoginFolder; }

  public:
    // What the server showed of itself during the last connection attempt.
    struct PeerRecord {
        std::string hostKey;  // SFTP: the host key blob
        HostKeyStatus status = HostKeyStatus::Unknown;
        std::string certificate;            // TLS: the server's certificate, DER
        std::string pin;                    // TLS: "sha256//..." of its public key
        std::optional<std::string> pinned;  // the pin the user trusted for the server
        bool checked = false;
    };

    // The host key check libcurl asks for; true when known_hosts knows this very key.
    bool AcceptHostKey(const std::string& keyBlob);

  private:
    struct Request;

    // Logs in once; the peer record says what the server showed.
    int TryLogin(const FtpConnectionDetails& details);
    // A server not known yet: asks whether to trust it, and remembers it when told to.
    bool TrustNewServer(const FtpConnectionDetails& details);
    bool IsUnknownServer(int code, const FtpConnectionDetails& details) const;
    std::string IdentityText(const FtpConnectionDetails& details) const;
    bool IsSftp() const { return Details().protocol == RemoteProtocol::Sftp; }
    // The server renames onto an existing name, or the old file is removed first.
    // A folder's entries; libcurl's result code.
    int FetchListing(const std::string& folder, std::vector<RemoteEntry>& entries);
    std::vector<std::string> RenameCommands(const std::string& from, const std::string& to) const;
    std::string RemoveCommand(const std::string& path, bool mayFail) const;

    // Runs one request on the handle with the connection details and timeouts set.
    int Perform(const FtpConnectionDetails& details, const Request& request);
    std::string UrlOf(const FtpConnectionDetails& details, const std::string& remotePath) const;
    std::optional<std::string> Retrieve(const std::string& remotePath);
    bool Store(const std::string& remotePath, const std::string& bytes);
    // Runs FTP commands (absolute names) after changing to a folder; libcurl's result code.
    int RunCommands(const std::string& folder, const std::vector<std::string>& commands);
    // Starts an operation on a remote path: needs a login and a path without line breaks.
    bool BeginRemoteOperation(const std::string& remotePath);
    // Reports a failed request with a description of what went wrong for the user; the
    // password never appears in it.
    void ReportCurlFailure(int code, const FtpConnectionDetails& details,
                           const std::string& remotePath, bool writing);

    FtpTimeouts mTimeouts;
    CURL* mCurl = nullptr;
    const FtpConnectionDetails* mConnecting = nullptr;  // during Perform
    PeerRecord mPeer;
    bool mLoggedIn = false;
    std::string mLoginFolder = "/";
};

}  // namespace htmlsim::platform
