#include "ServerProcess.h"

#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>
#include <stdexcept>

namespace htmlsim::testing {

namespace {

constexpr const char* kPython = "/usr/bin/python3";
constexpr int kStartTimeoutMs = 15000;

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

std::string ServerScript(const std::string& name) {
    return std::string(HTMLSIM_TEST_SUPPORT_DIR) + "/servers/" + name;
}

int ServerProcess::Start(const std::string& script, const std::vector<std::string>& arguments) {
    Stop();
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        throw std::runtime_error("cannot create a pipe for a test server");
    }
    std::vector<std::string> all{kPython, script};
    all.insert(all.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : all) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    mPid = fork();
    if (mPid == 0) {
        // A test binary killed by ctest's time-out takes its server with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execv(kPython, argv.data());
        _exit(127);
    }
    close(pipeFds[1]);
    const std::string line = mPid > 0 ? ReadFirstLine(pipeFds[0]) : "";
    close(pipeFds[0]);
    if (line.empty()) {
        Stop();
        throw std::runtime_error("the test server " + script + " did not start (" + kPython +
                                 " with its modules is needed)");
    }
    return std::stoi(line);
}

void ServerProcess::Stop() {
    if (mPid > 0) {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
    mPid = -1;
}

}  // namespace htmlsim::testing
