#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "ServerProcess.h"
#include "TempFolder.h"
#include "remote/FtpDialogs.h"

namespace htmlsim::testing {

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

}  // namespace htmlsim::testing
