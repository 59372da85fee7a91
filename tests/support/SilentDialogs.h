#pragma once

#include <string>

#include "services/Dialogs.h"

namespace htmlsim::testing {

// A user who reads every message and cancels every question: for work that must go on
// unattended (benchmarks, fuzzing), where a message is no failure of the test itself.
class SilentDialogs : public Dialogs {
  public:
    void Message(const std::string&, const std::string&, MessageIcon) override {}
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string OpenFileName(const FileDialogRequest&) override { return {}; }
    std::string SaveFileName(const FileDialogRequest&) override { return {}; }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return {}; }
};

}  // namespace htmlsim::testing
