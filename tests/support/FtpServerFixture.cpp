#include "FtpServerFixture.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <stdexcept>

namespace htmlsim::testing {

namespace {

// Debian's interpreter: another python3 earlier on PATH may lack pyftpdlib.
constexpr const char* kPython = "/usr/bin/python3";
constexpr int kStartTimeoutMs = 15000;

// Arguments: ROOT PORT READ_LIMIT. PORT 0 picks a free port; the port in use is the first line
// written once the server listens. READ_LIMIT, when not 0, throttles uploads to that many bytes
// a second.
constexpr const char* kServerScript = R"PY(
import logging
import sys

from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer


def main():
    root, port = sys.argv[1], int(sys.argv[2])
    read_limit = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    logging.basicConfig(level=logging.ERROR)

    authorizer = DummyAuthorizer()
    authorizer.add_user("writer", "write-secret", root, perm="elradfmwMT")
    authorizer.add_user("reader", "read-secret", root, perm="elr")

    handler = FTPHandler
    handler.authorizer = authorizer
    handler.banner = "htmlsim test server"
    if read_limit:
        dtp = ThrottledDTPHandler
        dtp.read_limit = read_limit
        handler.dtp_handler = dtp

    server = FTPServer(("127.0.0.1", port), handler)
    print(server.socket.getsockname()[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()
)PY";

// The first line the child writes, "" when it writes none in time.
std::string ReadFirstLine(int fd) {
    std::string line;
    pollfd waiting{fd, POLLIN, 0};
    while (poll(&waiting, 1, kStartTimeoutMs) > 0) {
        char c = 0;
        if (read(fd, &c, 1) != 1 || c == '\n') {
            break;
        }
        line += c;
    }
    return line;
}

}  // namespace

FtpServerFixture::FtpServerFixture(int uploadBytesPerSecond)
    : mUploadBytesPerSecond(uploadBytesPerSecond) {
    Start();
}

FtpServerFixture::~FtpServerFixture() {
    Stop();
}

void FtpServerFixture::Start() {
    Stop();
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        throw std::runtime_error("cannot create a pipe for the FTP test server");
    }
    const std::string root = Root().string();
    const std::string port = std::to_string(mPort);
    const std::string limit = std::to_string(mUploadBytesPerSecond);
    mPid = fork();
    if (mPid == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(kPython, kPython, "-c", kServerScript, root.c_str(), port.c_str(), limit.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    const std::string line = mPid > 0 ? ReadFirstLine(pipeFds[0]) : "";
    close(pipeFds[0]);
    if (line.empty()) {
        Stop();
        throw std::runtime_error("the FTP test server did not start (" + std::string(kPython) +
                                 " with pyftpdlib is needed)");
    }
    mPort = std::stoi(line);
}

void FtpServerFixture::Stop() {
    if (mPid > 0) {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
    mPid = -1;
}

std::filesystem::path FtpServerFixture::LocalPath(const std::string& remotePath) const {
    return Root() / std::filesystem::path(remotePath).relative_path();
}

FtpConnectionDetails FtpServerFixture::Writer() const {
    return Details("writer", "write-secret");
}

FtpConnectionDetails FtpServerFixture::Reader() const {
    return Details("reader", "read-secret");
}

FtpConnectionDetails FtpServerFixture::Details(const std::string& user,
                                               const std::string& password) const {
    FtpConnectionDetails details;
    details.host = "127.0.0.1";
    details.port = mPort;
    details.user = user;
    details.password = password;
    return details;
}

}  // namespace htmlsim::testing
