#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "AnswerQueue.h"
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
        const FtpConnectionDetails& proposed) override {
        proposedConnections.push_back(proposed);
        return TakeFront(connectionAnswers);
    }
    std::string ChooseRemoteFolder(RemoteFolderLister&, const std::string& startFolder) override {
        folderStarts.push_back(startFolder);
        return TakeFront(folderAnswers);
    }
    std::string ChooseRemoteFile(RemoteFolderLister&, const RemoteFileRequest& request) override {
        fileRequests.push_back(request);
        return TakeFront(fileAnswers);
    }
    bool ConfirmNewHost(const HostIdentity& identity) override {
        hostsShown.push_back(identity);
        return TakeFront(trustAnswers);
    }
    std::optional<std::string> AskPassphrase(const std::string& keyFile) override {
        passphraseKeys.push_back(keyFile);
        return TakeFront(passphraseAnswers);
    }
};

}  // namespace htmlsim::testing
