#pragma once

#include <sys/types.h>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "TempFolder.h"
#include "remote/FtpDialogs.h"

// Real servers on 127.0.0.1 for the tests of the FTP, FTPS and SFTP clients: Python scripts in
// tests/support/servers, one fixture per kind.
namespace htmlsim::testing {

// A test server written in Python (tests/support/servers), run with Debian's own interpreter:
// another python3 earlier on PATH may lack the server's modules. The server writes its port as
// its first line once it listens; it is killed when the process object goes.
class ServerProcess {
  public:
    ServerProcess() = default;
    ~ServerProcess() { Stop(); }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts the script with the arguments; returns the port it listens on. Throws when it
    // does not start.
    int Start(const std::string& script, const std::vector<std::string>& arguments);
    // Kills the server at once, as a crash or a pulled cable would.
    void Stop();

  private:
    pid_t mPid = -1;
};

// A real server on 127.0.0.1 serving a fresh temporary folder, whatever its protocol.
class RemoteServerFixture {
  public:
    virtual ~RemoteServerFixture() = default;

    // Starts the server (again) on the same port and root.
    virtual void Start() = 0;
    // Kills the server at once, as a crash or a pulled cable would.
    void Stop() { mProcess.Stop(); }
    // The user with write rights.
    virtual FtpConnectionDetails Writer() const = 0;

    int Port() const { return mPort; }
    const std::filesystem::path& Root() const { return mRoot.Path(); }
    // The local file behind a remote path such as "/site/index.html".
    std::filesystem::path LocalPath(const std::string& remotePath) const {
        return Root() / std::filesystem::path(remotePath).relative_path();
    }

  protected:
    TempFolder mRoot;
    TempFolder mState;  // keys, certificates and logs, out of the served folder
    ServerProcess mProcess;
    int mPort = 0;
};

// The server of a protocol; cutUploadAfter > 0 cuts an upload's connection after that many
// bytes.
std::unique_ptr<RemoteServerFixture> MakeServerFixture(RemoteProtocol protocol,
                                                       int cutUploadAfter = 0);

// How the FTP test server runs.
struct FtpServerOptions {
    RemoteProtocol protocol = RemoteProtocol::Ftp;  // FTP, or FTPS explicit or implicit
    int cutUploadAfter = 0;       // > 0 cuts an upload's connection after that many bytes
    bool machineListings = true;  // false: folders are listed as older servers do (no MLSD)
};

// A real FTP server (Debian's pyftpdlib) on 127.0.0.1, serving a fresh temporary folder. It
// knows a user with write rights and a read-only user; with TLS, it shows a self-signed
// certificate it made. Stopped when the fixture goes.
class FtpServerFixture : public RemoteServerFixture {
  public:
    explicit FtpServerFixture(FtpServerOptions options = {});

    void Start() override;
    // The commands the server received, one a line.
    std::string CommandLog() const;

    FtpConnectionDetails Writer() const override;
    FtpConnectionDetails Reader() const;

  private:
    FtpServerOptions mOptions;
};

// A real SFTP server (Debian's python3-asyncssh) on 127.0.0.1 with a host key of its own,
// serving a fresh temporary folder as its root. "writer" logs in with a password or with a key
// given to AuthorizeKey. Stopped when the fixture goes.
class SftpServerFixture : public RemoteServerFixture {
  public:
    // cutUploadAfter > 0 cuts the connection once an upload has written that many bytes.
    explicit SftpServerFixture(int cutUploadAfter = 0);

    void Start() override;
    // A new host key makes it another machine to its clients (from the next start on).
    void ChangeHostKey();
    // Lets the key of the public key file log in as "writer" (from the next start on).
    void AuthorizeKey(const std::string& publicKeyFile);

    // The host key's public line "ssh-ed25519 AAAA...".
    std::string HostPublicKey() const;

    FtpConnectionDetails Writer() const override;

  private:
    int mCutUploadAfter;
    bool mKeysAuthorized = false;
};

// Makes an ed25519 key pair with ssh-keygen at path (and path + ".pub").
void MakeSshKey(const std::string& path, const std::string& passphrase);

}  // namespace htmlsim::testing
