#pragma once

#include <deque>
#include <string>
#include <vector>

#include "AnswerQueue.h"
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
        std::string kind;  // "input", "yesno", "savechanges", "open", "save", "folder"
        std::string prompt;
        std::string title;
        FileDialogRequest
            request;  // for the file choosers; an input box keeps its default in fileName
    };

    std::vector<ShownMessage> messages;
    std::vector<std::vector<CollectedMessage>> collected;  // each list shown together
    std::vector<Asked> asked;
    std::deque<std::string> inputAnswers;
    std::deque<bool> yesNoAnswers;
    std::deque<SaveChoice> saveChoiceAnswers;
    std::deque<std::string> fileAnswers;
    std::deque<std::string> folderAnswers;

    void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({text, title, icon});
    }
    // Recorded, and shown one message per text as the editor's default does.
    void ShowCollectedMessages(const std::vector<CollectedMessage>& list) override {
        collected.push_back(list);
        Dialogs::ShowCollectedMessages(list);
    }
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override {
        FileDialogRequest defaultAnswer;
        defaultAnswer.fileName = defaultText;
        asked.push_back({"input", prompt, title, defaultAnswer});
        return TakeFront(inputAnswers);
    }
    bool AskYesNo(const std::string& text, const std::string& title) override {
        asked.push_back({"yesno", text, title, {}});
        return TakeFront(yesNoAnswers, false);
    }
    SaveChoice AskSaveChanges(const std::string& text, const std::string& title) override {
        asked.push_back({"savechanges", text, title, {}});
        return TakeFront(saveChoiceAnswers, SaveChoice::Cancel);
    }
    std::string OpenFileName(const FileDialogRequest& request) override {
        asked.push_back({"open", "", request.title, request});
        return TakeFront(fileAnswers);
    }
    std::string SaveFileName(const FileDialogRequest& request) override {
        asked.push_back({"save", "", request.title, request});
        return TakeFront(fileAnswers);
    }
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder) override {
        asked.push_back({"folder", startFolder, title, {}});
        return TakeFront(folderAnswers);
    }

    // The texts of all messages shown so far, in order.
    std::vector<std::string> MessageTexts() const {
        std::vector<std::string> texts;
        for (const auto& message : messages) {
            texts.push_back(message.text);
        }
        return texts;
    }
};

}  // namespace htmlsim::testing
