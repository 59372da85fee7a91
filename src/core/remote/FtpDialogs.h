#pragma once

#include <optional>
#include <string>
#include <vector>

namespace htmlsim {

// The ways to a remote folder, safest first. Plain FTP sends the password in clear text.
enum class RemoteProtocol { Sftp, FtpExplicitTls, FtpImplicitTls, Ftp };

// How an SFTP user proves who they are.
enum class SshLogin { Password, Agent, KeyFile };

// The port a protocol uses unless told otherwise.
int DefaultPort(RemoteProtocol protocol);
// "SFTP", "FTPS" or "FTP": how messages name the server.
const char* ProtocolName(RemoteProtocol protocol);

// How to reach a server. The password and the key's passphrase are held here, in memory only:
// they are never written to a file, to a log or into a message.
struct FtpConnectionDetails {
    RemoteProtocol protocol = RemoteProtocol::Sftp;
    std::string host;
    int port = DefaultPort(RemoteProtocol::Sftp);
    std::string user;
    std::string password;
    bool passive = true;
    SshLogin sshLogin = SshLogin::Password;
    std::string keyFile;     // SshLogin::KeyFile: the private key
    std::string passphrase;  // of the key file, when it has one
    bool remember = false;   // keep the password in the desktop's secret service
};

// What the program knows of a server it was about to trust: its key or certificate.
struct HostIdentity {
    std::string server;       // "host:port"
    std::string kind;         // "ssh-ed25519 key", "TLS certificate"
    std::string fingerprint;  // "SHA256:..." as OpenSSH shows it, or the certificate's
    std::string note;         // why it is asked: unknown, or known with another key type
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

// The remote client's own questions to the user. The editor answers with Qt dialogs, the CLI
// from its address and options, tests with a scripted fake.
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

    // Whether to trust a server met for the first time from now on.
    virtual bool ConfirmNewHost(const HostIdentity& identity) = 0;

    // The passphrase of a private key file; nothing when cancelled.
    virtual std::optional<std::string> AskPassphrase(const std::string& keyFile) = 0;
};

}  // namespace htmlsim
