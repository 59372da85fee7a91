#pragma once

#include <optional>

#include "components/FtpDialogs.h"

namespace htmlsim::cli {

// Answers the FTP client from the ftp:// address on the command line: the connection and the
// working folder it names. The file choosers are cancelled; nobody is there to choose.
class CliFtpDialogs : public FtpDialogs {
  public:
    void Answer(const FtpConnectionDetails& details, const std::string& folder) {
        mDetails = details;
        mFolder = folder;
    }

    std::optional<FtpConnectionDetails> AskConnection(const FtpConnectionDetails&) override {
        return mDetails;
    }
    std::string ChooseRemoteFolder(RemoteFolderLister&, const std::string&) override {
        return mFolder;
    }
    std::string ChooseRemoteFile(RemoteFolderLister&, const RemoteFileRequest&) override {
        return "";
    }

  private:
    std::optional<FtpConnectionDetails> mDetails;
    std::string mFolder;
};

}  // namespace htmlsim::cli
