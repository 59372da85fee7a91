#include "FakeDialogs.h"

#include "AnswerQueue.h"

namespace htmlsim::testing {

void FakeDialogs::ShowCollectedMessages(const std::vector<CollectedMessage>& list) {
    collected.push_back(list);
    Dialogs::ShowCollectedMessages(list);
}

void FakeDialogs::Message(const std::string& text, const std::string& title, MessageIcon icon) {
    messages.push_back({text, title, icon});
}

std::string FakeDialogs::InputBox(const std::string& prompt, const std::string& title,
                                  const std::string& defaultText) {
    FileDialogRequest defaultAnswer;
    defaultAnswer.fileName = defaultText;
    asked.push_back({"input", prompt, title, defaultAnswer});
    return TakeFront(inputAnswers, std::string());
}

bool FakeDialogs::AskYesNo(const std::string& text, const std::string& title) {
    asked.push_back({"yesno", text, title, {}});
    return TakeFront(yesNoAnswers, false);
}

SaveChoice FakeDialogs::AskSaveChanges(const std::string& text, const std::string& title) {
    asked.push_back({"savechanges", text, title, {}});
    return TakeFront(saveChoiceAnswers, SaveChoice::Cancel);
}

std::string FakeDialogs::OpenFileName(const FileDialogRequest& request) {
    asked.push_back({"open", "", request.title, request});
    return TakeFront(fileAnswers, std::string());
}

std::string FakeDialogs::SaveFileName(const FileDialogRequest& request) {
    asked.push_back({"save", "", request.title, request});
    return TakeFront(fileAnswers, std::string());
}

std::string FakeDialogs::BrowseForFolder(const std::string& title, const std::string& startFolder) {
    asked.push_back({"folder", startFolder, title, {}});
    return TakeFront(folderAnswers, std::string());
}

std::vector<std::string> FakeDialogs::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages) {
        texts.push_back(message.text);
    }
    return texts;
}

}  // namespace htmlsim::testing
