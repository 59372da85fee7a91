#pragma once

#include <optional>
#include <string>
#include <vector>

namespace htmlsim {

// How to reach an FTP server. The password is held here, in memory only: it is never written
// to disk, to a log or into a message.
struct FtpConnectionDetails {
    std::string host;
    int port = 21;
    std::string user;
    std::string password;
    bool passive = true;
    bool useTls = false;  // explicit FTPS (AUTH TLS) for servers that offer it
};

// One entry of a remote folder listing.
struct RemoteEntry {
    std::string name;
    bool isFolder = false;

    bool operator==(const RemoteEntry&) const = default;
};

// What the remote choosers browse: the entries of a remote folder ("/" separated, absolute),
// or nothing when the folder cannot be listed (the lister has reported why).
class RemoteFolderLister {
  public:
    virtual ~RemoteFolderLister() = default;
    virtual std::optional<std::vector<RemoteEntry>> ListRemoteFolder(const std::string& folder) = 0;
};

// What a remote file chooser is asked. The filter is the "description|patterns|..." text of the
// file choosers; a chooser shows folders and the files that match the selected patterns.
struct RemoteFileRequest {
    std::string title;
    std::string filter;
    std::string folder;    // where browsing starts, ending with "/"
    std::string fileName;  // proposed name (saving)
    bool forSaving = false;
    bool mustExist = true;  // only a listed file may be chosen
};

// The FTP client's own questions to the user. The editor answers with Qt dialogs, the CLI from
// its ftp:// address, tests with a scripted fake.
class FtpDialogs {
  public:
    virtual ~FtpDialogs() = default;

    // The connection to make, starting from the proposed details; nothing when cancelled.
    virtual std::optional<FtpConnectionDetails> AskConnection(
        const FtpConnectionDetails& proposed) = 0;

    // An absolute remote folder ending with "/"; "" when cancelled.
    virtual std::string ChooseRemoteFolder(RemoteFolderLister& lister,
                                           const std::string& startFolder) = 0;

    // An absolute remote file path; "" when cancelled.
    virtual std::string ChooseRemoteFile(RemoteFolderLister& lister,
                                         const RemoteFileRequest& request) = 0;
};

}  // namespace htmlsim
