#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "remote/FtpDialogs.h"

namespace htmlsim::testing {

// Answers the FTP client's questions from queues the test fills and records what was asked.
// An empty queue answers cancel.
class FakeFtpDialogs : public FtpDialogs {
  public:
    std::deque<std::optional<FtpConnectionDetails>> connectionAnswers;
    std::deque<std::string> folderAnswers;
    std::deque<std::string> fileAnswers;
    std::deque<bool> trustAnswers;
    std::deque<std::optional<std::string>> passphraseAnswers;

    std::vector<FtpConnectionDetails> proposedConnections;
    std::vector<std::string> folderStarts;
    std::vector<RemoteFileRequest> fileRequests;
    std::vector<HostIdentity> hostsShown;
    std::vector<std::string> passphraseKeys;

    std::optional<FtpConnectionDetails> AskConnection(
        const FtpConnectionDetails& proposed) override;
    std::string ChooseRemoteFolder(RemoteFolderLister& lister,
                                   const std::string& startFolder) override;
    std::string ChooseRemoteFile(RemoteFolderLister& lister,
                                 const RemoteFileRequest& request) override;
    bool ConfirmNewHost(const HostIdentity& identity) override;
    std::optional<std::string> AskPassphrase(const std::string& keyFile) override;
};

}  // namespace htmlsim::testing
