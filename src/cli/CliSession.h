#pragma once

#include <string>

#include "CliDialogs.h"
#include "session/Session.h"

namespace htmlsim::cli {

// The editor's session without a window, answering through CliDialogs.
class CliSession {
  public:
    CliSession();

    Session& Get() { return mSession; }
    CliDialogs& Dialogs() { return mDialogs; }

    // Opens an existing document; false (with a message) when there is none at that path.
    bool OpenExisting(const std::string& path);

    // 0 when no message was printed, else 1: every message of a command tells of a failure.
    int ExitStatus() const;

  private:
    CliDialogs mDialogs;
    Session mSession;
};

// The path an argument names, made absolute.
std::string AbsolutePath(const std::string& argument);

}  // namespace htmlsim::cli
