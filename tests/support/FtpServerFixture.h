#pragma once

#include <filesystem>
#include <string>

#include "RemoteServerFixture.h"

namespace htmlsim::testing {

// How the FTP test server runs.
struct FtpServerOptions {
    RemoteProtocol protocol = RemoteProtocol::Ftp;  // FTP, or FTPS explicit or implicit
    int uploadBytesPerSecond = 0;                   // > 0 throttles uploads
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
    FtpConnectionDetails Details(const std::string& user, const std::string& password) const;

    FtpServerOptions mOptions;
};

}  // namespace htmlsim::testing
