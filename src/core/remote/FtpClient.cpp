#include "remote/FtpClient.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "remote/FtpAddress.h"
#include "remote/PathNames.h"
#include "remote/SshKeyFile.h"

namespace htmlsim {

namespace {

bool SameServerAndUser(const FtpConnectionDetails& a, const FtpConnectionDetails& b) {
    return a.protocol == b.protocol && a.host == b.host && a.port == b.port && a.user == b.user;
}

std::string ServerAddressOf(const FtpConnectionDetails& details) {
    return std::string(SchemeOf(details.protocol)) + "://" + details.user + "@" + details.host +
           ":" + std::to_string(details.port);
}

bool NeedsPassword(const FtpConnectionDetails& details) {
    return details.protocol != RemoteProtocol::Sftp || details.sshLogin == SshLogin::Password;
}

SecretKey SecretKeyOf(const FtpConnectionDetails& details) {
    return {SchemeOf(details.protocol), details.host, details.port, details.user};
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Resolves "." and ".." segments of an absolute path; ".." above the root stays at the root.
std::string WithoutDotSegments(const std::string& path) {
    std::vector<std::string> segments;
    size_t start = 1;
    while (start <= path.size()) {
        auto end = path.find('/', start);
        if (end == std::string::npos) {
            end = path.size();
        }
        const std::string segment = path.substr(start, end - start);
        if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
        } else if (segment != "." && !(segment.empty() && end < path.size())) {
            segments.push_back(segment);
        }
        start = end + 1;
    }
    std::string result;
    for (const auto& segment : segments) {
        result += "/" + segment;
    }
    const bool endsAsFolder = path.ends_with("/") || path.ends_with("/.") || path.ends_with("/..");
    if (result.empty() || (endsAsFolder && !result.ends_with("/"))) {
        result += "/";
    }
    return result;
}

}  // namespace

std::string FtpFile::CaptionText() const {
    return ServerAddress + (RemoteFilePath.empty() ? RemoteFolder : RemoteFilePath);
}

std::string TemporaryUploadPath(const std::string& remotePath) {
    const std::string folder = SplitFTPPath(remotePath).folder;
    return folder + "." + remotePath.substr(folder.size()) + ".part";
}

std::string NormalizeRemoteFolder(const std::string& folder) {
    std::string normalized = folder;
    if (normalized.empty() || normalized.front() != '/') {
        normalized.insert(normalized.begin(), '/');
    }
    if (normalized.back() != '/') {
        normalized += '/';
    }
    return normalized;
}

std::string JoinRemotePath(const std::string& folder, const std::string& name) {
    std::string combined = !name.empty() && name.front() == '/' ? name : folder + name;
    if (combined.empty() || combined.front() != '/') {
        combined.insert(combined.begin(), '/');
    }
    return WithoutDotSegments(combined);
}

std::string FtpClient::HomeFolder() const {
    return NormalizeRemoteFolder(LoginFolder());
}

std::string FtpClient::RemotePathOf(const std::string& name) const {
    if (name == "~" || name.starts_with("~/")) {
        return JoinRemotePath(HomeFolder(), name.substr(std::min<size_t>(2, name.size())));
    }
    return JoinRemotePath(mFile.RemoteFolder, name);
}

bool FtpClient::Connect(const std::string& host, const std::string& user) {
    BeginOperation();
    FtpConnectionDetails proposed = mDetails;
    if (!host.empty()) {
        proposed.host = host;
    }
    if (!user.empty()) {
        proposed.user = user;
    }
    proposed.remember = StoredPassword(proposed).has_value();
    const auto chosen = mDialogs.AskConnection(proposed);
    if (!chosen) {
        mStatusFlag = true;  // cancelled: callers end silently
        return false;
    }
    return LogIn(*chosen, proposed.remember);
}

bool FtpClient::ConnectTo(const FtpConnectionDetails& details) {
    BeginOperation();
    FtpConnectionDetails chosen = details;
    if (NeedsPassword(chosen) && chosen.password.empty() && !StoredPassword(chosen)) {
        const auto asked = mDialogs.AskConnection(chosen);
        if (!asked) {
            mStatusFlag = true;
            return false;
        }
        return LogIn(*asked, false);
    }
    return LogIn(chosen, false);
}

bool FtpClient::LogIn(FtpConnectionDetails chosen, bool wasRemembered) {
    if (NeedsPassword(chosen) && chosen.password.empty()) {
        chosen.password = StoredPassword(chosen).value_or("");
    }
    if (!UnlockKeyFile(chosen)) {
        mStatusFlag = true;
        return false;
    }
    const bool sameServer = IsConnected() && SameServerAndUser(chosen, mDetails);
    if (!OpenConnection(chosen)) {
        return false;
    }
    KeepPasswordAsChosen(chosen, wasRemembered);
    mDetails = chosen;
    mFile.ServerAddress = ServerAddressOf(mDetails);
    if (!sameServer) {
        mFile.RemoteFilePath.clear();
        mFile.RemoteFolder = NormalizeRemoteFolder(LoginFolder());
    }
    return true;
}

bool FtpClient::UnlockKeyFile(FtpConnectionDetails& details) {
    if (details.protocol != RemoteProtocol::Sftp || details.sshLogin != SshLogin::KeyFile ||
        !details.passphrase.empty() || !IsEncryptedPrivateKey(FileText(details.keyFile))) {
        return true;
    }
    const auto passphrase = mDialogs.AskPassphrase(details.keyFile);
    if (passphrase) {
        details.passphrase = *passphrase;
    }
    return passphrase.has_value();
}

std::optional<std::string> FtpClient::StoredPassword(const FtpConnectionDetails& details) const {
    if (!mSecrets || !NeedsPassword(details) || details.host.empty() ||
        !mSecrets->WhyUnavailable().empty()) {
        return std::nullopt;
    }
    return mSecrets->Lookup(SecretKeyOf(details));
}

void FtpClient::KeepPasswordAsChosen(const FtpConnectionDetails& details, bool wasRemembered) {
    if (!mSecrets || !NeedsPassword(details) || (!details.remember && !wasRemembered) ||
        !mSecrets->WhyUnavailable().empty()) {
        return;
    }
    if (details.remember) {
        mSecrets->Store(SecretKeyOf(details), details.password);
    } else if (wasRemembered) {
        mSecrets->Forget(SecretKeyOf(details));  // the user unticked "Remember password"
    }
}

bool FtpClient::SelectRemoteFolder() {
    BeginOperation();
    if (!RequireConnection()) {
        return false;
    }
    const std::string folder = mDialogs.ChooseRemoteFolder(*this, mFile.RemoteFolder);
    return !folder.empty() && ChangeRemoteFolder(folder);
}

bool FtpClient::ChangeRemoteFolder(const std::string& folder) {
    BeginOperation();
    const std::string target = NormalizeRemoteFolder(RemotePathOf(folder));
    if (!ListRemoteFolder(target)) {
        return false;
    }
    mFile.RemoteFolder = target;
    return true;
}

std::string FtpClient::ShowOpenDialog(const std::string& filter, int mode) {
    BeginOperation();
    if (!RequireConnection()) {
        return "";
    }
    RemoteFileRequest request;
    request.title = mode == kOpenDocumentMode ? "Open FTP File" : "Choose FTP File";
    request.filter = filter;
    request.folder = mFile.RemoteFolder;
    request.mustExist = mode != kOpenDocumentMode;
    return mDialogs.ChooseRemoteFile(*this, request);
}

std::string FtpClient::ShowSaveDialog(const std::string& filter, const std::string& fileName,
                                      int /*mode*/) {
    BeginOperation();
    if (!RequireConnection()) {
        return "";
    }
    RemoteFileRequest request;
    request.title = "Save As FTP File";
    request.filter = filter;
    request.folder = mFile.RemoteFolder;
    request.fileName = fileName;
    request.forSaving = true;
    request.mustExist = false;
    const std::string chosen = mDialogs.ChooseRemoteFile(*this, request);
    if (!chosen.empty()) {
        mFile.RemoteFilePath = chosen;
        mFile.RemoteFolder = NormalizeRemoteFolder(SplitFTPPath(chosen).folder);
    }
    return chosen;
}

void FtpClient::BeginOperation() {
    mStatusFlag = false;
    mLastError.clear();
}

void FtpClient::ReportFailure(const std::string& description, bool connectionAtFault) {
    mStatusFlag = connectionAtFault;
    mLastError = description;
    bool handled = false;
    if (Error) {
        Error(description, handled);
    }
}

bool FtpClient::RequireConnection() {
    if (IsConnected()) {
        return true;
    }
    ReportFailure("Not connected to an FTP server. Connect first with File, FTP.", true);
    return false;
}

}  // namespace htmlsim
