#pragma once

#include <optional>

#include "remote/FtpDialogs.h"

namespace htmlsim::cli {

// Answers the remote client from the address on the command line: the connection and the
// working folder it names. The file choosers are cancelled and no passphrase is typed: nobody is
// there to choose. A server met for the first time is trusted only with --accept-new-host.
class CliFtpDialogs : public FtpDialogs {
  public:
    void Answer(const FtpConnectionDetails& details, const std::string& folder) {
        mDetails = details;
        mFolder = folder;
    }

    void AcceptNewHosts(bool accept) { mAcceptNewHosts = accept; }

    std::optional<FtpConnectionDetails> AskConnection(const FtpConnectionDetails&) override {
        return mDetails;
    }
    bool ConfirmNewHost(const HostIdentity&) override { return mAcceptNewHosts; }
    std::optional<std::string> AskPassphrase(const std::string&) override { return std::nullopt; }
    std::string ChooseRemoteFolder(RemoteFolderLister&, const std::string&) override {
        return mFolder;
    }
    std::string ChooseRemoteFile(RemoteFolderLister&, const RemoteFileRequest&) override {
        return "";
    }

  private:
    std::optional<FtpConnectionDetails> mDetails;
    std::string mFolder;
    bool mAcceptNewHosts = false;
};

}  // namespace htmlsim::cli
