#pragma once

#include "CliDialogs.h"
#include "CliFtpDialogs.h"
#include "ProgramParts.h"
#include "ftp/CurlFtpClient.h"
#include "secrets/LibsecretStore.h"
#include "session/Session.h"

namespace htmlsim::cli {

// Documents on servers through libcurl, with passwords from the secret service.
class CurlRemoteDocuments : public RemoteDocuments {
  public:
    CurlRemoteDocuments(Session& session, CliDialogs& dialogs);

    std::string Connect(const std::string& address) override;
    bool FileExists(const std::string& path) override { return mFtp.RemoteFileExists(path); }
    bool FailureReported() const override { return mFtp.StatusFlag(); }

  private:
    Session& mSession;
    CliDialogs& mDialogs;
    CliFtpDialogs mFtpDialogs;
    platform::LibsecretStore mSecrets;
    platform::CurlFtpClient mFtp;
};

}  // namespace htmlsim::cli
