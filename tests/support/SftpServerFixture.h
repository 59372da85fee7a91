#pragma once

#include <filesystem>
#include <string>

#include "RemoteServerFixture.h"

namespace htmlsim::testing {

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
