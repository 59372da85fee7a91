#pragma once

#include <sys/types.h>
#include <filesystem>
#include <string>

#include "TempFolder.h"
#include "components/FtpDialogs.h"

namespace htmlsim::testing {

// A real FTP server (Debian's pyftpdlib) on 127.0.0.1, serving a fresh temporary folder. It
// knows a user with write rights and a read-only user. Stopped when the fixture goes.
class FtpServerFixture {
  public:
    // uploadBytesPerSecond > 0 throttles uploads, so that a test can cut one off midway.
    explicit FtpServerFixture(int uploadBytesPerSecond = 0);
    ~FtpServerFixture();
    FtpServerFixture(const FtpServerFixture&) = delete;
    FtpServerFixture& operator=(const FtpServerFixture&) = delete;

    // Starts the server (again) on the same port and root.
    void Start();
    // Kills the server at once, as a crash or a pulled cable would.
    void Stop();

    int Port() const { return mPort; }
    const std::filesystem::path& Root() const { return mRoot.Path(); }
    // The local file behind a remote path such as "/site/index.html".
    std::filesystem::path LocalPath(const std::string& remotePath) const;

    FtpConnectionDetails Writer() const;
    FtpConnectionDetails Reader() const;

  private:
    FtpConnectionDetails Details(const std::string& user, const std::string& password) const;

    TempFolder mRoot;
    int mUploadBytesPerSecond;
    int mPort = 0;
    pid_t mPid = -1;
};

}  // namespace htmlsim::testing
