#pragma once

#include <sys/types.h>

#include <map>
#include <string>
#include <vector>

namespace htmlsim::testing {

// A program the test runs, with its output read line by line. Killed when the object goes.
class ChildProcess {
  public:
    // `environment` is added to the test's own.
    ChildProcess(const std::vector<std::string>& arguments,
                 const std::map<std::string, std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of its output, without the line break. Throws when the output ends, or when
    // nothing comes for a long while (a hang, reported rather than waited out).
    std::string ReadLine();
    // Lines are read until one starts with the prefix; that one is returned.
    std::string ReadLineStartingWith(const std::string& prefix);
    // Waits for its end: its exit status (-1 when a signal ended it) and what it used, peak
    // memory (kB) and processor time (s).
    struct Usage {
        int exitStatus = -1;
        long peakKilobytes = 0;
        double processorSeconds = 0;
    };
    Usage WaitWithUsage();

  private:
    pid_t mPid = -1;
    int mOutput = -1;
    std::string mBuffer;
};

}  // namespace htmlsim::testing
