#include "FakeFtpDialogs.h"

namespace htmlsim::testing {

namespace {

template <typename T>
T TakeFront(std::deque<T>& queue) {
    if (queue.empty()) {
        return T();
    }
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

std::optional<FtpConnectionDetails> FakeFtpDialogs::AskConnection(
    const FtpConnectionDetails& proposed) {
    proposedConnections.push_back(proposed);
    return TakeFront(connectionAnswers);
}

std::string FakeFtpDialogs::ChooseRemoteFolder(RemoteFolderLister&,
                                               const std::string& startFolder) {
    folderStarts.push_back(startFolder);
    return TakeFront(folderAnswers);
}

std::string FakeFtpDialogs::ChooseRemoteFile(RemoteFolderLister&,
                                             const RemoteFileRequest& request) {
    fileRequests.push_back(request);
    return TakeFront(fileAnswers);
}

bool FakeFtpDialogs::ConfirmNewHost(const HostIdentity& identity) {
    hostsShown.push_back(identity);
    return TakeFront(trustAnswers);
}

std::optional<std::string> FakeFtpDialogs::AskPassphrase(const std::string& keyFile) {
    passphraseKeys.push_back(keyFile);
    return TakeFront(passphraseAnswers);
}

}  // namespace htmlsim::testing
