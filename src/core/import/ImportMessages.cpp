#include "import/ImportMessages.h"

#include <algorithm>

namespace htmlsim {

ImportMessages::ImportMessages(Dialogs& shown, std::string_view document)
    : mShown(shown), mDocument(document) {}

void ImportMessages::At(std::string_view section, size_t offset) {
    if (mSection != section) {
        mSection = section;
    }
    mOffset = std::min(offset, mDocument.size());
}

size_t ImportMessages::Line() const {
    if (mOffset < mCountedTo) {
        mCountedTo = 0;
        mLine = 1;
    }
    mLine += static_cast<size_t>(
        std::count(mDocument.begin() + static_cast<std::ptrdiff_t>(mCountedTo),
                   mDocument.begin() + static_cast<std::ptrdiff_t>(mOffset), '\n'));
    mCountedTo = mOffset;
    return mLine;
}

void ImportMessages::Show() {
    if (!mMessages.empty()) {
        std::vector<CollectedMessage> messages;
        messages.swap(mMessages);
        mShown.ShowCollectedMessages(messages);
    }
}

void ImportMessages::Message(const std::string& text, const std::string& title, MessageIcon icon) {
    for (CollectedMessage& message : mMessages) {
        if (message.text == text) {
            ++message.count;
            return;
        }
    }
    mMessages.push_back({text, title, icon, 1, Line()});
}

std::string ImportMessages::InputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultText) {
    return mShown.InputBox(prompt, title, defaultText);
}

bool ImportMessages::AskYesNo(const std::string& text, const std::string& title) {
    return mShown.AskYesNo(text, title);
}

std::string ImportMessages::OpenFileName(const FileDialogRequest& request) {
    return mShown.OpenFileName(request);
}

std::string ImportMessages::SaveFileName(const FileDialogRequest& request) {
    return mShown.SaveFileName(request);
}

std::string ImportMessages::BrowseForFolder(const std::string& title,
                                            const std::string& startFolder) {
    return mShown.BrowseForFolder(title, startFolder);
}

}  // namespace htmlsim
