#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace htmlsim {

enum class MessageIcon { None, Information, Critical, Question, Exclamation };

// What a file chooser is asked: the filter is the "description|pattern|..." text, filterIndex
// the 1-based pattern to preselect (0 for none).
struct FileDialogRequest {
    std::string title;
    std::string filter;
    int filterIndex = 0;
    std::string initialFolder;
    std::string fileName;
    // A save chooser that only names a file (a link to a page not made yet) does not ask
    // whether to replace a file that exists.
    bool confirmOverwrite = true;
};

// The answers to the question asked before unsaved work would be left behind.
enum class SaveChoice { Save, Discard, Cancel };

// A message that came while a document was read: each distinct text once, with how often it
// came and the line of the document it first came at.
struct CollectedMessage {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::None;
    size_t count = 0;
    size_t firstLine = 0;
};

// Every question and message the core puts to the user. The editor answers with real dialogs,
// the CLI non-interactively, tests with a scripted fake.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // A message box with an OK button. An empty title means the application's title.
    virtual void Message(const std::string& text, const std::string& title = "",
                         MessageIcon icon = MessageIcon::None) = 0;

    // The messages of one reading, shown together. By default each distinct text is shown once
    // as a message box, so a page full of unknown markup never asks for a click per element.
    virtual void ShowCollectedMessages(const std::vector<CollectedMessage>& messages) {
        for (const CollectedMessage& message : messages) {
            Message(message.text, message.title, message.icon);
        }
    }

    // An input box; returns "" when cancelled, as an empty answer means the same to callers.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;

    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const std::string& text, const std::string& title) = 0;

    // A question with Save, Discard and Cancel buttons. Where only Yes and No can be asked,
    // Yes saves and No discards.
    virtual SaveChoice AskSaveChanges(const std::string& text, const std::string& title) {
        return AskYesNo(text, title) ? SaveChoice::Save : SaveChoice::Discard;
    }

    // File choosers; return "" when cancelled.
    virtual std::string OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::string SaveFileName(const FileDialogRequest& request) = 0;

    // A folder chooser; returns "" when cancelled.
    virtual std::string BrowseForFolder(const std::string& title,
                                        const std::string& startFolder) = 0;
};

}  // namespace htmlsim
