#pragma once

#include <string>
#include <vector>

#include "services/Dialogs.h"

namespace htmlsim {

// Dialogs for reading pages in the background: messages are kept for the report instead of
// being shown, and every question is answered "no" or left empty.
class CollectingDialogs : public Dialogs {
  public:
    std::vector<std::string> messages;

    void Message(const std::string& text, const std::string&, MessageIcon) override {
        messages.push_back(text);
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return "";
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    std::string OpenFileName(const FileDialogRequest&) override { return ""; }
    std::string SaveFileName(const FileDialogRequest&) override { return ""; }
    std::string BrowseForFolder(const std::string&, const std::string&) override { return ""; }
};

}  // namespace htmlsim
