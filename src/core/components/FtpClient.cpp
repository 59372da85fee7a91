#include "components/FtpClient.h"

#include <vector>

#include "remote/PathNames.h"

namespace htmlsim {

namespace {

bool SameServerAndUser(const FtpConnectionDetails& a, const FtpConnectionDetails& b) {
    return a.host == b.host && a.port == b.port && a.user == b.user;
}

std::string ServerAddressOf(const FtpConnectionDetails& details) {
    return "ftp://" + details.user + "@" + details.host + ":" + std::to_string(details.port);
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

std::string FtpClient::RemotePathOf(const std::string& name) const {
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
    const auto chosen = mDialogs.AskConnection(proposed);
    if (!chosen) {
        mStatusFlag = true;  // cancelled: callers end silently
        return false;
    }
    const bool sameServer = IsConnected() && SameServerAndUser(*chosen, mDetails);
    if (!OpenConnection(*chosen)) {
        return false;
    }
    mDetails = *chosen;
    mFile.ServerAddress = ServerAddressOf(mDetails);
    if (!sameServer) {
        mFile.RemoteFilePath.clear();
        mFile.RemoteFolder = NormalizeRemoteFolder(LoginFolder());
    }
    return true;
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
