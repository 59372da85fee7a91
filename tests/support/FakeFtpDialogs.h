#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "components/FtpDialogs.h"

namespace htmlsim::testing {

// Answers the FTP client's questions from queues the test fills and records what was asked.
// An empty queue answers cancel.
class FakeFtpDialogs : public FtpDialogs {
  public:
    std::deque<std::optional<FtpConnectionDetails>> connectionAnswers;
    std::deque<std::string> folderAnswers;
    std::deque<std::string> fileAnswers;

    std::vector<FtpConnectionDetails> proposedConnections;
    std::vector<std::string> folderStarts;
    std::vector<RemoteFileRequest> fileRequests;

    std::optional<FtpConnectionDetails> AskConnection(
        const FtpConnectionDetails& proposed) override;
    std::string ChooseRemoteFolder(RemoteFolderLister& lister,
                                   const std::string& startFolder) override;
    std::string ChooseRemoteFile(RemoteFolderLister& lister,
                                 const RemoteFileRequest& request) override;
};

}  // namespace htmlsim::testing
