#pragma once

#include <QPointer>
#include <QWidget>

#include "services/Dialogs.h"

namespace htmlsim::gui {

// The core's questions and messages as real Qt dialogs, owned by the given window.
class QtDialogs : public Dialogs {
  public:
    explicit QtDialogs(QWidget* owner = nullptr) : mOwner(owner) {}
    void SetOwner(QWidget* owner) { mOwner = owner; }

    void Message(const std::string& text, const std::string& title, MessageIcon icon) override;
    // One message as a message box; several, or one that came more than once, as one table.
    void ShowCollectedMessages(const std::vector<CollectedMessage>& messages) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    bool AskYesNo(const std::string& text, const std::string& title) override;
    std::string OpenFileName(const FileDialogRequest& request) override;
    std::string SaveFileName(const FileDialogRequest& request) override;
    std::string BrowseForFolder(const std::string& title, const std::string& startFolder) override;

  private:
    QPointer<QWidget> mOwner;
};

}  // namespace htmlsim::gui
