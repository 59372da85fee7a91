#include "ftp/CurlFtpClient.h"

#include <curl/curl.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "components/FtpListing.h"
#include "remote/PathNames.h"

namespace htmlsim::platform {

namespace {

// One upload's source while libcurl pulls it.
struct UploadSource {
    const std::string& bytes;
    size_t offset = 0;
};

size_t AppendToString(char* data, size_t size, size_t count, void* target) {
    static_cast<std::string*>(target)->append(data, size * count);
    return size * count;
}

size_t ReadFromSource(char* buffer, size_t size, size_t count, void* source) {
    auto& upload = *static_cast<UploadSource*>(source);
    const size_t length = std::min(size * count, upload.bytes.size() - upload.offset);
    upload.bytes.copy(buffer, length, upload.offset);
    upload.offset += length;
    return length;
}

struct SlistDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};
using Slist = std::unique_ptr<curl_slist, SlistDeleter>;

Slist MakeSlist(const std::vector<std::string>& items) {
    curl_slist* list = nullptr;
    for (const auto& item : items) {
        list = curl_slist_append(list, item.c_str());
    }
    return Slist(list);
}

// Failures that leave no usable connection; the caller then ends silently.
bool IsConnectionFailure(CURLcode code) {
    switch (code) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
        case CURLE_OPERATION_TIMEDOUT:
        case CURLE_LOGIN_DENIED:
        case CURLE_SEND_ERROR:
        case CURLE_RECV_ERROR:
        case CURLE_PARTIAL_FILE:
        case CURLE_GOT_NOTHING:
        case CURLE_WEIRD_SERVER_REPLY:
        case CURLE_FTP_WEIRD_PASV_REPLY:
        case CURLE_FTP_CANT_GET_HOST:
        case CURLE_FTP_ACCEPT_FAILED:
        case CURLE_FTP_ACCEPT_TIMEOUT:
        case CURLE_FTP_PORT_FAILED:
        case CURLE_USE_SSL_FAILED:
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
            return true;
        default:
            return false;
    }
}

// FTP commands end at a line break: a name holding one could smuggle in a command.
bool IsSafeRemotePath(const std::string& path) {
    return path.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

void EnsureCurlInitialised() {
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)initialised;
}

}  // namespace

struct CurlFtpClient::Request {
    std::string remotePath;  // a folder ends with "/"; "" is the login folder
    bool noBody = false;
    std::string customRequest;
    std::string* received = nullptr;
    const std::string* sent = nullptr;
    std::vector<std::string> quote;      // before the transfer, absolute names
    std::vector<std::string> postQuote;  // after a successful transfer, absolute names
};

CurlFtpClient::CurlFtpClient(FtpDialogs& dialogs, FtpTimeouts timeouts)
    : FtpClient(dialogs), mTimeouts(timeouts) {
    EnsureCurlInitialised();
    mCurl = curl_easy_init();
}

CurlFtpClient::~CurlFtpClient() {
    curl_easy_cleanup(mCurl);
}

std::string CurlFtpClient::UrlOf(const FtpConnectionDetails& details,
                                 const std::string& remotePath) const {
    const bool ipv6 = details.host.find(':') != std::string::npos;
    std::string url = "ftp://" + (ipv6 ? "[" + details.host + "]" : details.host) + ":" +
                      std::to_string(details.port) + "/";
    if (remotePath.empty()) {
        return url;  // the login folder
    }
    // "%2F" makes the path absolute on the server instead of relative to the login folder.
    url += "%2F";
    size_t start = 1;
    while (start < remotePath.size()) {
        auto end = remotePath.find('/', start);
        const bool last = end == std::string::npos;
        const std::string segment = remotePath.substr(start, last ? end : end - start);
        char* escaped = curl_easy_escape(mCurl, segment.c_str(), static_cast<int>(segment.size()));
        url += escaped;
        curl_free(escaped);
        if (!last) {
            url += "/";
        }
        start = last ? remotePath.size() : end + 1;
    }
    return url;
}

int CurlFtpClient::Perform(const FtpConnectionDetails& details, const Request& request) {
    curl_easy_reset(mCurl);
    const std::string url = UrlOf(details, request.remotePath);
    curl_easy_setopt(mCurl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(mCurl, CURLOPT_USERNAME, details.user.c_str());
    curl_easy_setopt(mCurl, CURLOPT_PASSWORD, details.password.c_str());
    curl_easy_setopt(mCurl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(mCurl, CURLOPT_CONNECTTIMEOUT, mTimeouts.connect);
    curl_easy_setopt(mCurl, CURLOPT_SERVER_RESPONSE_TIMEOUT, mTimeouts.response);
    curl_easy_setopt(mCurl, CURLOPT_ACCEPTTIMEOUT_MS, mTimeouts.connect * 1000);
    curl_easy_setopt(mCurl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(mCurl, CURLOPT_LOW_SPEED_TIME, mTimeouts.stall);
    curl_easy_setopt(mCurl, CURLOPT_FTP_FILEMETHOD, static_cast<long>(CURLFTPMETHOD_SINGLECWD));
    if (!details.passive) {
        curl_easy_setopt(mCurl, CURLOPT_FTPPORT, "-");
    }
    if (details.useTls) {
        curl_easy_setopt(mCurl, CURLOPT_USE_SSL, static_cast<long>(CURLUSESSL_ALL));
    }
    if (request.noBody) {
        curl_easy_setopt(mCurl, CURLOPT_NOBODY, 1L);
    }
    if (!request.customRequest.empty()) {
        curl_easy_setopt(mCurl, CURLOPT_CUSTOMREQUEST, request.customRequest.c_str());
    }
    std::string discarded;
    curl_easy_setopt(mCurl, CURLOPT_WRITEFUNCTION, AppendToString);
    curl_easy_setopt(mCurl, CURLOPT_WRITEDATA, request.received ? request.received : &discarded);
    std::optional<UploadSource> source;
    if (request.sent) {
        source.emplace(UploadSource{*request.sent});
        curl_easy_setopt(mCurl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(mCurl, CURLOPT_READFUNCTION, ReadFromSource);
        curl_easy_setopt(mCurl, CURLOPT_READDATA, &*source);
        curl_easy_setopt(mCurl, CURLOPT_INFILESIZE_LARGE,
                         static_cast<curl_off_t>(request.sent->size()));
    }
    const Slist quote = MakeSlist(request.quote);
    const Slist postQuote = MakeSlist(request.postQuote);
    if (quote) {
        curl_easy_setopt(mCurl, CURLOPT_QUOTE, quote.get());
    }
    if (postQuote) {
        curl_easy_setopt(mCurl, CURLOPT_POSTQUOTE, postQuote.get());
    }
    return curl_easy_perform(mCurl);
}

bool CurlFtpClient::OpenConnection(const FtpConnectionDetails& details) {
    // A request without a file only logs in; libcurl then knows the login folder.
    Request login;
    login.noBody = true;
    const int code = Perform(details, login);
    if (code != CURLE_OK) {
        mLoggedIn = false;
        ReportCurlFailure(code, details, "/", false);
        return false;
    }
    char* entryPath = nullptr;
    curl_easy_getinfo(mCurl, CURLINFO_FTP_ENTRY_PATH, &entryPath);
    mLoginFolder = entryPath ? entryPath : "/";
    mLoggedIn = true;
    return true;
}

bool CurlFtpClient::BeginRemoteOperation(const std::string& remotePath) {
    BeginOperation();
    if (!RequireConnection()) {
        return false;
    }
    if (!IsSafeRemotePath(remotePath)) {
        ReportFailure("The remote name '" + remotePath + "' holds a line break.", false);
        return false;
    }
    return true;
}

std::optional<std::vector<RemoteEntry>> CurlFtpClient::ListRemoteFolder(const std::string& folder) {
    const std::string path = NormalizeRemoteFolder(RemotePathOf(folder));
    if (!BeginRemoteOperation(path)) {
        return std::nullopt;
    }
    std::string listing;
    Request request;
    request.remotePath = path;
    request.customRequest = "MLSD";
    request.received = &listing;
    int code = Perform(Details(), request);
    if (code == CURLE_OK) {
        return ParseMachineListing(listing);
    }
    if (!IsConnectionFailure(static_cast<CURLcode>(code)) && code != CURLE_REMOTE_ACCESS_DENIED) {
        // An older server without machine listings.
        listing.clear();
        request.customRequest.clear();
        code = Perform(Details(), request);
        if (code == CURLE_OK) {
            return ParseUnixListing(listing);
        }
    }
    ReportCurlFailure(code, Details(), path, false);
    return std::nullopt;
}

bool CurlFtpClient::RemoteFileExists(const std::string& name) {
    const std::string path = RemotePathOf(name);
    if (!BeginRemoteOperation(path)) {
        return false;
    }
    Request request;
    request.remotePath = path;
    request.noBody = true;
    const int code = Perform(Details(), request);
    if (IsConnectionFailure(static_cast<CURLcode>(code))) {
        ReportCurlFailure(code, Details(), path, false);
    }
    return code == CURLE_OK;
}

std::optional<std::string> CurlFtpClient::Retrieve(const std::string& remotePath) {
    if (!BeginRemoteOperation(remotePath)) {
        return std::nullopt;
    }
    std::string bytes;
    Request request;
    request.remotePath = remotePath;
    request.received = &bytes;
    const int code = Perform(Details(), request);
    if (code != CURLE_OK) {
        ReportCurlFailure(code, Details(), remotePath, false);
        return std::nullopt;
    }
    return bytes;
}

bool CurlFtpClient::Store(const std::string& remotePath, const std::string& bytes) {
    if (!BeginRemoteOperation(remotePath)) {
        return false;
    }
    const std::string folder = SplitFTPPath(remotePath).folder;
    const std::string partPath = folder + "." + remotePath.substr(folder.size()) + ".part";
    Request request;
    request.remotePath = partPath;
    request.sent = &bytes;
    request.postQuote = {"RNFR " + partPath, "RNTO " + remotePath};
    int code = Perform(Details(), request);
    if (code == CURLE_QUOTE_ERROR) {
        // Some servers rename only onto a free name: remove the old file first. The new
        // bytes are complete on the server by now.
        code =
            RunCommands(folder, {"DELE " + remotePath, "RNFR " + partPath, "RNTO " + remotePath});
    }
    if (code == CURLE_OK) {
        return true;
    }
    if (!IsConnectionFailure(static_cast<CURLcode>(code))) {
        RunCommands(folder, {"*DELE " + partPath});
    }
    ReportCurlFailure(code, Details(), remotePath, true);
    return false;
}

int CurlFtpClient::RunCommands(const std::string& folder,
                               const std::vector<std::string>& commands) {
    Request request;
    request.remotePath = folder;
    request.noBody = true;
    request.quote = commands;
    return Perform(Details(), request);
}

std::optional<std::string> CurlFtpClient::ReadRemoteText(const std::string& name) {
    return Retrieve(RemotePathOf(name));
}

bool CurlFtpClient::WriteRemoteText(const std::string& name, const std::string& text) {
    return Store(RemotePathOf(name), text);
}

std::optional<std::string> CurlFtpClient::DownloadBytes(const std::string& path) {
    return Retrieve(RemotePathOf(path));
}

bool CurlFtpClient::Download(const std::string& localPath, const std::string& remotePath) {
    const auto bytes = Retrieve(RemotePathOf(remotePath));
    if (!bytes) {
        return false;
    }
    // Written beside the target and renamed, so a failed write leaves no half file behind.
    const std::filesystem::path target(localPath);
    std::filesystem::path part = target;
    part += ".part";
    std::ofstream out(part, std::ios::binary | std::ios::trunc);
    out.write(bytes->data(), static_cast<std::streamsize>(bytes->size()));
    out.close();
    std::error_code renamed;
    if (out) {
        std::filesystem::rename(part, target, renamed);
    }
    if (!out || renamed) {
        std::error_code ignored;
        std::filesystem::remove(part, ignored);
        ReportFailure("Cannot write the local file '" + localPath + "'.", false);
        return false;
    }
    return true;
}

bool CurlFtpClient::Upload(const std::string& remotePath, const std::string& localPath) {
    std::ifstream in(localPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in) {
        BeginOperation();
        ReportFailure("Cannot read the local file '" + localPath + "'.", false);
        return false;
    }
    return Store(RemotePathOf(remotePath), bytes.str());
}

void CurlFtpClient::ReportCurlFailure(int code, const FtpConnectionDetails& details,
                                      const std::string& remotePath, bool writing) {
    const std::string server = details.host + ":" + std::to_string(details.port);
    const auto curlCode = static_cast<CURLcode>(code);
    std::string description;
    switch (curlCode) {
        case CURLE_COULDNT_RESOLVE_HOST:
        case CURLE_COULDNT_CONNECT:
            description = "Cannot reach the FTP server " + server +
                          ". Check the address and that the server is running.";
            break;
        case CURLE_OPERATION_TIMEDOUT:
            description = "The FTP server " + server + " did not answer in time.";
            break;
        case CURLE_LOGIN_DENIED:
            description = "The FTP server " + server + " refused the login of user '" +
                          details.user + "'. Check the user name and password.";
            break;
        case CURLE_USE_SSL_FAILED:
            description = "The FTP server " + server + " does not offer TLS.";
            break;
        case CURLE_SSL_CONNECT_ERROR:
        case CURLE_PEER_FAILED_VERIFICATION:
            description = "The TLS connection to the FTP server " + server +
                          " failed: its certificate is not trusted.";
            break;
        case CURLE_REMOTE_ACCESS_DENIED:
            description =
                "The remote folder '" + SplitFTPPath(remotePath).folder + "' does not exist.";
            break;
        case CURLE_REMOTE_FILE_NOT_FOUND:
        case CURLE_FTP_COULDNT_RETR_FILE:
            description = "The remote file '" + remotePath + "' does not exist.";
            break;
        case CURLE_UPLOAD_FAILED:
        case CURLE_QUOTE_ERROR:
            description = "Permission denied: the FTP server does not let user '" + details.user +
                          "' write '" + remotePath + "'.";
            break;
        case CURLE_REMOTE_DISK_FULL:
            description = "The FTP server has no room left for '" + remotePath + "'.";
            break;
        default:
            description = IsConnectionFailure(curlCode)
                              ? "The connection to the FTP server " + server + " was lost while " +
                                    (writing ? "writing '" : "reading '") + remotePath + "'."
                              : "The FTP transfer of '" + remotePath +
                                    "' failed: " + curl_easy_strerror(curlCode) + ".";
            break;
    }
    ReportFailure(description, IsConnectionFailure(curlCode));
}

}  // namespace htmlsim::platform
