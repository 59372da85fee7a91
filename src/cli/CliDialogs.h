#pragma once

#include "services/Dialogs.h"

namespace htmlsim::cli {

// Answers the core without a person: every message goes to stderr as one line
// "message: " + text, every input box takes its default, every chooser is cancelled.
class CliDialogs : public Dialogs {
  public:
    void Message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string OpenFileName(const FileDialogRequest& request) override;
    std::string SaveFileName(const FileDialogRequest& request) override;
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder) override;

    // How many messages were printed; commands use it to tell a failure from a success.
    int MessageCount() const { return mMessageCount; }

    // Keeps the messages from now on until Release prints them.
    void Hold() { mHolding = true; }
    void Release();

  private:
    int mMessageCount = 0;
    bool mHolding = false;
    std::string mHeld;
};

}  // namespace htmlsim::cli
