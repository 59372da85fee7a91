#include "SftpServerFixture.h"

#include <cstdlib>
#include <stdexcept>

namespace htmlsim::testing {

void MakeSshKey(const std::string& path, const std::string& passphrase) {
    std::filesystem::remove(path);
    std::filesystem::remove(path + ".pub");
    const std::string command = "ssh-keygen -q -t ed25519 -C htmlsim-test -N '" + passphrase +
                                "' -f '" + path + "' </dev/null";
    if (std::system(command.c_str()) != 0) {
        throw std::runtime_error("ssh-keygen could not make " + path);
    }
}

SftpServerFixture::SftpServerFixture(int cutUploadAfter) : mCutUploadAfter(cutUploadAfter) {
    MakeSshKey(mState.File("host_key"), "");
    Start();
}

void SftpServerFixture::Start() {
    std::vector<std::string> arguments{
        Root().string(),       "--host-key",  mState.File("host_key"),        "--port",
        std::to_string(mPort), "--cut-after", std::to_string(mCutUploadAfter)};
    if (mKeysAuthorized) {
        arguments.insert(arguments.end(), {"--authorized-keys", mState.File("authorized_keys")});
    }
    mPort = mProcess.Start(ServerScript("sftp_server.py"), arguments);
}

void SftpServerFixture::ChangeHostKey() {
    MakeSshKey(mState.File("host_key"), "");
}

void SftpServerFixture::AuthorizeKey(const std::string& publicKeyFile) {
    const std::string keys = mState.File("authorized_keys");
    WriteFileBytes(keys,
                   (mKeysAuthorized ? ReadFileBytes(keys) : "") + ReadFileBytes(publicKeyFile));
    mKeysAuthorized = true;
}

std::string SftpServerFixture::HostPublicKey() const {
    return ReadFileBytes(mState.File("host_key.pub"));
}

FtpConnectionDetails SftpServerFixture::Writer() const {
    FtpConnectionDetails details;
    details.protocol = RemoteProtocol::Sftp;
    details.host = "127.0.0.1";
    details.port = mPort;
    details.user = "writer";
    details.password = "write-secret";
    return details;
}

}  // namespace htmlsim::testing
