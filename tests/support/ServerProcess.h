#pragma once

#include <sys/types.h>
#include <string>
#include <vector>

namespace htmlsim::testing {

// A test server written in Python (tests/support/servers), run with Debian's own interpreter:
// another python3 earlier on PATH may lack the server's modules. The server writes its port as
// its first line once it listens; it is killed when the process object goes.
class ServerProcess {
  public:
    ServerProcess() = default;
    ~ServerProcess() { Stop(); }
    ServerProcess(const ServerProcess&) = delete;
    ServerProcess& operator=(const ServerProcess&) = delete;

    // Starts the script with the arguments; returns the port it listens on. Throws when it
    // does not start.
    int Start(const std::string& script, const std::vector<std::string>& arguments);
    // Kills the server at once, as a crash or a pulled cable would.
    void Stop();

  private:
    pid_t mPid = -1;
};

// The path of a script in tests/support/servers.
std::string ServerScript(const std::string& name);

}  // namespace htmlsim::testing
