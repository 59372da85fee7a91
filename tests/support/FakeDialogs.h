#pragma once

#include <deque>
#include <string>
#include <vector>

#include "services/Dialogs.h"

namespace htmlsim::testing {

// Records every message and answers every question from queues the test fills. An empty
// queue answers "" (cancel) or No, so a test that forgets an answer fails visibly, not hangs.
class FakeDialogs : public Dialogs {
public:
    struct ShownMessage {
        std::string text;
        std::string title;
        MessageIcon icon;
    };
    struct Asked {
        std::string kind;  // "input", "yesno", "open", "save", "folder"
        std::string prompt;
        std::string title;
        FileDialogRequest request;  // for the file choosers; an input box keeps its default in fileName
    };

    std::vector<ShownMessage> messages;
    std::vector<std::vector<CollectedMessage>> collected;  // each list shown together
    std::vector<Asked> asked;
    std::deque<std::string> inputAnswers;
    std::deque<bool> yesNoAnswers;
    std::deque<std::string> fileAnswers;
    std::deque<std::string> folderAnswers;

    void Message(const std::string& text, const std::string& title, MessageIcon icon) override;
    // Recorded, and shown one message per text as the editor's default does.
    void ShowCollectedMessages(const std::vector<CollectedMessage>& list) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string OpenFileName(const FileDialogRequest& request) override;
    std::string SaveFileName(const FileDialogRequest& request) override;
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder) override;

    // The texts of all messages shown so far, in order.
    std::vector<std::string> MessageTexts() const;
};

}  // namespace htmlsim::testing
