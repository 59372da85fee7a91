#pragma once

#include <functional>
#include <optional>
#include <string>

#include "remote/FtpDialogs.h"
#include "services/SecretStore.h"

namespace htmlsim {

// The remote document the client names.
struct FtpFile {
    // The document being edited, an absolute remote path; "" when there is none yet.
    std::string RemoteFilePath;
    // The current remote folder, absolute and ending with "/": names without a leading "/"
    // are relative to it.
    std::string RemoteFolder = "/";
    // "scheme://user@host:port" of the connection, "" while not connected.
    std::string ServerAddress;

    // The text the window caption shows: the server address followed by the document's path,
    // or by the current folder while there is no document.
    std::string CaptionText() const;
};

// The FTP client the core works through. The connection details, the current folder and the
// current document live here; the transfers are the implementation's (libcurl in the
// application, an in-memory server in tests).
//
// Every failed operation raises Error exactly once with a description meant for the user and
// returns its empty result; StatusFlag then says whether it failed for lack of a usable
// connection, which lets callers end silently where a missing file would deserve a message.
class FtpClient : public RemoteFolderLister {
  public:
    // description; handled is set by the handler once it has told the user.
    using ErrorHandler = std::function<void(const std::string& description, bool& handled)>;

    // The chooser mode of ShowOpenDialog: a document may be a new name (it is created when
    // opened); any other file must exist.
    static constexpr int kOpenDocumentMode = 1;

    explicit FtpClient(FtpDialogs& dialogs) : mDialogs(dialogs) {}

    ErrorHandler Error;

    // Asks the user for the connection (host and user, when not empty, replace the proposed
    // ones) and logs in. False when cancelled or refused.
    bool Connect(const std::string& host = "", const std::string& user = "");
    // Logs in with given details, such as an address names; a missing password comes from the
    // secret store, else the user is asked for it.
    bool ConnectTo(const FtpConnectionDetails& details);
    // Where passwords the user asks to remember are kept; none by default.
    void SetSecretStore(SecretStore* store) { mSecrets = store; }
    SecretStore* Secrets() const { return mSecrets; }
    // Lets the user choose the current remote folder. False when cancelled or failed; the
    // folder then stays as it was.
    bool SelectRemoteFolder();
    // Makes an existing remote folder the current one.
    bool ChangeRemoteFolder(const std::string& folder);

    // The remote file chooser; returns the chosen absolute path, "" when cancelled. The current
    // document stays as it is: only opening the file makes it the current one, so a failed
    // open never leaves the old text aimed at the chosen file.
    std::string ShowOpenDialog(const std::string& filter, int mode);
    // The remote save chooser; a chosen path becomes the current document and its folder the
    // current folder, as the save that follows writes there. Returns it, "" when cancelled.
    std::string ShowSaveDialog(const std::string& filter, const std::string& fileName, int mode);

    virtual bool IsConnected() const = 0;
    virtual bool RemoteFileExists(const std::string& name) = 0;
    virtual std::optional<std::string> ReadRemoteText(const std::string& name) = 0;
    // Stores the text, bytes unchanged; a failed transfer leaves the old file whole.
    virtual bool WriteRemoteText(const std::string& name, const std::string& text) = 0;
    virtual std::optional<std::string> DownloadBytes(const std::string& path) = 0;
    virtual bool Download(const std::string& localPath, const std::string& remotePath) = 0;
    virtual bool Upload(const std::string& remotePath, const std::string& localPath) = 0;

    bool StatusFlag() const { return mStatusFlag; }
    const std::string& LastError() const { return mLastError; }
    FtpFile& File() { return mFile; }
    const FtpFile& File() const { return mFile; }
    const FtpConnectionDetails& Details() const { return mDetails; }

    // The absolute remote path of a name: names starting with "/" as they are, "~" and "~/..."
    // inside the home folder, others inside the current folder.
    std::string RemotePathOf(const std::string& name) const;
    // The folder the server put the user in after login, absolute and ending with "/".
    std::string HomeFolder() const;

  protected:
    // Logs in with the details; reports its own failure.
    virtual bool OpenConnection(const FtpConnectionDetails& details) = 0;
    // The folder the server put the user in after login, absolute.
    virtual std::string LoginFolder() const = 0;

    FtpDialogs& Dialogs() { return mDialogs; }

    // Called at the start of every operation: clears the flag and the last error.
    void BeginOperation();
    // Reports a failure: raises Error once and sets StatusFlag when the connection is at fault.
    void ReportFailure(const std::string& description, bool connectionAtFault);
    // The failure of an operation that needs a connection when there is none.
    bool RequireConnection();

  private:
    // Logs in with chosen details and keeps or forgets the password as chosen; wasRemembered:
    // the store held it when the user was asked.
    bool LogIn(FtpConnectionDetails chosen, bool wasRemembered);
    // Asks for the key's passphrase when the key file needs one; false when cancelled.
    bool UnlockKeyFile(FtpConnectionDetails& details);
    std::optional<std::string> StoredPassword(const FtpConnectionDetails& details) const;
    void KeepPasswordAsChosen(const FtpConnectionDetails& details, bool wasRemembered);

    FtpDialogs& mDialogs;
    SecretStore* mSecrets = nullptr;
    FtpFile mFile;
    FtpConnectionDetails mDetails;
    bool mStatusFlag = false;
    std::string mLastError;
};

// The absolute path a name stands for inside a folder: a name starting with "/" as it is,
// others after the folder; "." and ".." segments are resolved.
std::string JoinRemotePath(const std::string& folder, const std::string& name);
// The name an upload is written under before it is renamed over its target: hidden, beside it.
std::string TemporaryUploadPath(const std::string& remotePath);
// A remote folder as the client keeps it: absolute and ending with "/".
std::string NormalizeRemoteFolder(const std::string& folder);

}  // namespace htmlsim
