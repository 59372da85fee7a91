#include "ChildProcess.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace htmlsim::testing {

namespace {

// Far beyond any step of the tests: only a hang comes this far.
constexpr int kPatienceMilliseconds = 30000;

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& environment) {
    int output[2];
    if (pipe(output) != 0) {
        throw std::runtime_error("no pipe");
    }
    mPid = fork();
    if (mPid == 0) {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        for (const auto& [name, value] : environment) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        close_range(3, ~0U, 0);
        std::vector<char*> argv;
        for (const std::string& argument : arguments) {
            argv.push_back(const_cast<char*>(argument.c_str()));
        }
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    close(output[1]);
    mOutput = output[0];
}

ChildProcess::~ChildProcess() {
    if (mPid > 0) {
        kill(mPid, SIGKILL);
        waitpid(mPid, nullptr, 0);
    }
    close(mOutput);
}

std::string ChildProcess::ReadLine() {
    for (;;) {
        const size_t end = mBuffer.find('\n');
        if (end != std::string::npos) {
            std::string line = mBuffer.substr(0, end);
            mBuffer.erase(0, end + 1);
            return line;
        }
        pollfd ready{mOutput, POLLIN, 0};
        if (poll(&ready, 1, kPatienceMilliseconds) != 1) {
            throw std::runtime_error("no output for 30 s after: " + mBuffer);
        }
        char bytes[4096];
        const ssize_t count = read(mOutput, bytes, sizeof bytes);
        if (count <= 0) {
            throw std::runtime_error("output ended after: " + mBuffer);
        }
        mBuffer.append(bytes, static_cast<size_t>(count));
    }
}

std::string ChildProcess::ReadLineStartingWith(const std::string& prefix) {
    for (;;) {
        std::string line = ReadLine();
        if (line.starts_with(prefix)) {
            return line;
        }
    }
}

ChildProcess::Usage ChildProcess::WaitWithUsage() {
    int status = 0;
    rusage used{};
    wait4(mPid, &status, 0, &used);
    mPid = -1;
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, used.ru_maxrss,
            seconds(used.ru_utime) + seconds(used.ru_stime)};
}

}  // namespace htmlsim::testing
