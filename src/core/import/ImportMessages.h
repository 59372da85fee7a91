#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "services/Dialogs.h"

namespace htmlsim {

// The dialogs a document is read through: questions go on to the real dialogs, messages are
// collected, each distinct text once with its count and the line it first came at, and shown
// together at the end, so that a page with thousands of unknown elements asks for one click.
class ImportMessages : public Dialogs {
  public:
    ImportMessages(Dialogs& shown, std::string_view document);

    // The section and the document offset the next messages belong to.
    void At(std::string_view section, size_t offset);
    const std::string& Section() const { return mSection; }
    // The 1-based line of that offset.
    size_t Line() const;

    // Shows what was collected, if anything, and forgets it.
    void Show();

    void Message(const std::string& text, const std::string& title, MessageIcon icon) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string OpenFileName(const FileDialogRequest& request) override;
    std::string SaveFileName(const FileDialogRequest& request) override;
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder) override;

  private:
    Dialogs& mShown;
    std::string_view mDocument;
    std::string mSection;
    size_t mOffset = 0;
    // Lines are counted only when a message needs one, on from the last offset counted to.
    mutable size_t mCountedTo = 0;
    mutable size_t mLine = 1;
    std::vector<CollectedMessage> mMessages;
};

}  // namespace htmlsim
