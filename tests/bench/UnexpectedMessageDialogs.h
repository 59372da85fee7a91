#pragma once

#include <stdexcept>
#include <string>

#include "services/Dialogs.h"

namespace htmlsim {

// Dialogs for benchmarks of work that must not ask anything: a message would be a fault, so it
// stops the benchmark instead of being timed.
class UnexpectedMessageDialogs : public Dialogs {
  public:
    void Message(const std::string& text, const std::string&, MessageIcon) override {
        throw std::logic_error("unexpected message: " + text);
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string OpenFileName(const FileDialogRequest&) override { return {}; }
    std::string SaveFileName(const FileDialogRequest&) override { return {}; }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return {}; }
};

}  // namespace htmlsim
