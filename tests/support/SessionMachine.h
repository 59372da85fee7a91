#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "FakeDialogs.h"
#include "FakeFtpClient.h"
#include "FakeFtpDialogs.h"
#include "FakePictures.h"
#include "TempFolder.h"
#include "session/DesignInteraction.h"

namespace htmlsim::testing {

// One step of a sequence: a command of the table and the number its choices are drawn from.
struct MachineStep {
    size_t command = 0;
    uint32_t choice = 0;
};
using MachineSequence = std::vector<MachineStep>;
// A sequence and the page (0 to 3) the session starts on.
struct MachineCase {
    int startPage = 0;
    MachineSequence steps;
};

// The names of the commands, in table order.
const std::vector<std::string>& MachineCommandNames();
// "Start page" and then "Name choice" per line, and back; nullopt for a line naming no command.
std::string CaseText(const MachineCase& machineCase);
std::optional<MachineCase> ParseCase(const std::string& text);

// What a user finds on the disk and on the server: four local pages and four remote ones, in
// UTF-8 and Windows-1252, with CR LF and with LF, linking to each other; a picture to insert.
// The dialogs record which file choosers were cancelled.
class MachineWorld {
  public:
    MachineWorld();

    class Dialogs : public FakeDialogs {
      public:
        int cancelledSaves = 0;
        std::vector<std::string> savedAs;  // the names given
        std::string SaveFileName(const FileDialogRequest& request) override;
    };
    class FtpDialogs : public FakeFtpDialogs {
      public:
        int cancelledSaves = 0;
        std::vector<std::string> savedAs;
        std::string ChooseRemoteFile(RemoteFolderLister& lister,
                                     const RemoteFileRequest& request) override;
    };

    // The steps save thousands of times: a folder in memory, where there is one, keeps the
    // disk's flushes out of the run.
    static std::filesystem::path FolderBase();
    std::string Site() const { return folder.File("site") + "/"; }
    std::string Page(int page) const;
    std::string ProgramFolder() const { return folder.File("program"); }
    // Makes the pictures of the pages load for a session using this temporary folder.
    void AddPictures(FakePictures& pictures, const std::string& temporaryFolder) const;

    TempFolder folder{FolderBase()};
    Dialogs dialogs;
    FtpDialogs ftpDialogs;
    FakeFtpClient ftp{ftpDialogs};
};

// The window the machine drives: the session with the surface's interaction, and the two tabs
// as the user sees them.
class MachineWindow {
  public:
    virtual ~MachineWindow() = default;
    virtual Session& GetSession() = 0;
    virtual DesignInteraction& Interaction() = 0;
    virtual int ShownTab() const = 0;
    virtual std::string ShownEditorText() const = 0;
    // The user picks a tab, a section of the Document Editor, or types its whole text.
    virtual void ClickTab(int tab) = 0;
    virtual void ChooseSection(size_t index) = 0;
    virtual void Type(const std::string& text) = 0;
    // The pop-up menus the surface opened: forgotten, and whether the last one offers an item.
    virtual void ClearMenus() = 0;
    virtual bool MenuOffers(const std::string& item) const = 0;
    // How many documents were loaded so far (opened, created); nullopt when the window cannot
    // tell, and the checks that need it are left out.
    virtual std::optional<int> Loads() const { return std::nullopt; }
    // Time passing on the surface's clock.
    virtual void Wait(double seconds) = 0;
};

// Drives a session through a sequence of commands and checks after every step what must hold
// whatever the user did: the window shows the session's tab and text, every file holds what was
// last saved to it, a step changes only its own sections, a failed or cancelled step changes
// nothing, and at the end undoing every step gives the text last opened.
class SessionMachine {
  public:
    struct Counts {
        std::map<std::string, int> commands;
        std::map<std::string, int> documentKinds;  // steps per encoding and line break
        int ftpFailures = 0;
        int steps = 0;
    };

    // Runs the commands enabled per entry of the table, all of them when none are given.
    SessionMachine(MachineWorld& world, MachineWindow& window, std::vector<bool> enabled = {});
    // Runs the steps; the first broken rule, with the step it broke at, or nullopt.
    std::optional<std::string> Run(const MachineSequence& sequence);
    const Counts& Tally() const { return mCounts; }

    struct Before;
    struct Command;
    // The commands in table order, each drawing its choices from one number.
    static const std::vector<Command>& Commands();

  private:
    void Open(uint32_t choice);
    void New(uint32_t choice);
    void EditSection(uint32_t choice);
    void AddSection(uint32_t choice);
    void DragImage(uint32_t choice);
    void RemoveArea(uint32_t choice);
    void Keys(uint32_t choice);
    void FollowLink(uint32_t choice);
    void Drop(uint32_t choice);
    void InsertPicture(uint32_t choice);
    void FtpOpen(uint32_t choice);
    void FtpSave(uint32_t choice);
    void DoubleClick(uint32_t choice);
    void ArmThenNavigate(uint32_t choice);

    std::optional<std::string> Step(const MachineStep& step);
    std::optional<std::string> CheckFiles(const Before& before,
                                          const std::set<std::string>& changed);
    std::optional<std::string> CheckStep(const Command& command, const Before& before);
    std::optional<std::string> UndoToOpened();
    // Whether the file of key is a name Save As was given during the step.
    bool GivenToSaveAs(const std::string& key, const Before& before) const;
    // The key of the open document's file among Files().
    std::string DocumentKey() const;
    std::map<std::string, std::string> Files() const;
    void QueueAnswers(uint32_t choice);
    void InjectFailure(uint32_t choice, bool remoteCommand);
    void NoteOpened();
    void PressOnImage(int button, uint32_t choice);
    bool Arm(const char* menuItem, uint32_t choice);
    void LeftDrag(float x, float y, float dx, float dy, double seconds);
    void DrawOnImage(const char* menuItem, uint32_t choice);
    void EnsureTab(int tab);
    // Runs the command on its tab.
    void Perform(const Command& command, uint32_t choice);

    MachineWorld& mWorld;
    MachineWindow& mWindow;
    Session& mSession;
    std::vector<bool> mEnabled;
    Counts mCounts;
    std::map<std::string, std::string> mFiles;  // what each file held after the last step
    std::string mOpenedText;                    // the text last opened or created
    std::optional<int> mOpenedLoads;            // the loads counted when it was
    bool mEditedSinceOpened = false;
    std::optional<bool> mSaved;              // what the step's save reported
    std::optional<std::string> mChosenPath;  // the page the step chose to open
    std::set<std::string> mAdded;            // the section the step added
    std::optional<std::string> mBroken;      // a rule of its own the step's command broke
};

}  // namespace htmlsim::testing
