#pragma once

#include <memory>
#include <string>
#include <vector>

#include "document/EditorText.h"
#include "document/SectionDocument.h"
#include "import/ImportContext.h"
#include "model/PageDesign.h"
#include "remote/FtpClient.h"
#include "services/Dialogs.h"
#include "services/NoPictures.h"
#include "services/NoSurface.h"
#include "session/SessionView.h"
#include "session/UndoHistory.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

inline constexpr int kLocalDocument = 1;
inline constexpr int kFtpDocument = 2;
inline constexpr int kImageDesignTab = 0;
inline constexpr int kDocumentEditorTab = 1;

// The open and save dialogs' filter in local mode.
inline constexpr const char* kDocumentFilter =
    "All Files (*.*)|*.*|HTML Documents|*.html;*.htm|Text Files|*.txt|ASP Documents|*.asp|"
    "PHP Documents|*.php|Images|*.jpg;*.gif;*.ico;*.bmp";

// The 1-based pattern of a "description|pattern|..." filter equal, ignoring case, to
// "*." + extension; 0 when there is none.
int FilterIndexForExtension(const std::string& filter, const std::string& extension);

// The editor's state for the program's life: the document, where it lives, the navigation
// history and the Document Editor; and the document commands.
class Session {
  public:
    // The temporary folder is made under programFolder, or under the user's cache folder when
    // programFolder cannot be written.
    Session(Dialogs& dialogs, const std::string& programFolder);

    void SetView(SessionView* view) { mView = view ? view : &mNoView; }
    SessionView& View() { return *mView; }
    Dialogs& GetDialogs() { return mDialogs; }
    // The FTP client of the remote documents; its failures are shown through mFTP_Error.
    void SetFtpClient(FtpClient& client);
    FtpClient* FTP() { return mFTP; }

    // The page's design, rebuilt from the document text on every switch to tab 0. Until a
    // surface and a picture decoder are attached nothing is painted and no picture is read.
    PageDesign& Design() { return mDesign; }
    // Counts the design's clearings and rebuilds: what the mouse holds on one design (a draw
    // mode, a press, a pending click) ends with it.
    unsigned DesignBuild() const { return mDesignBuild; }
    void AttachDesignServices(Surface& surface, Pictures& pictures);
    Surface& DesignSurface() { return *mSurface; }
    Pictures& GetPictures() { return *mPictures; }
    // The page's anchors, labels and inputs, read in and cleared with the design; a session
    // without them (a headless one) reads only images and areas.
    void AttachPageControls(PageControls& controls) { mControls = &controls; }
    PageControls* Controls() { return mControls; }

    // Opens the document the command line names, or starts a new one; then shows tab 0.
    void Start(const std::string& commandLine);

    const std::string& DocumentText() const { return *mDocumentText; }
    // The same text shared: what is read from it keeps it without a copy of its own.
    const std::shared_ptr<const std::string>& SharedDocumentText() const { return mDocumentText; }
    // How the open document's bytes become text, decided when it was read.
    const DocumentCodec& Codec() const { return mCodec; }
    void SetDocumentText(std::string text) {
        mDocumentText = std::make_shared<const std::string>(std::move(text));
    }

    const std::string& PathAndName() const { return mPathAndName; }
    void SetPathAndName(const std::string& path);
    const std::string& PathOnly() const { return mPathOnly; }
    const std::string& FileNameOnly() const { return mFileNameOnly; }
    const std::string& Extension() const { return mExtension; }
    int DocumentSource() const { return mDocumentSource; }
    const std::string& TemporaryFolder() const { return mTemporaryFolder; }

    const std::vector<std::string>& History() const { return mHistory; }
    int HistoryIndex() const { return mHistoryIndex; }
    void SetHistoryIndex(int index) { mHistoryIndex = index; }

    bool SectionEdited() const { return mSectionEdited; }
    bool LoadingSection() const { return mLoadingSection; }
    void SetLoadingSection(bool loading) { mLoadingSection = loading; }
    // True when the document text differs from what was last opened, saved or created (so
    // undoing every change since a save counts as unchanged).
    bool ChangedSinceSaved() const {
        return mDocumentText != mSavedText && *mDocumentText != *mSavedText;
    }
    // The text as it was last opened, saved or created.
    const std::string& SavedText() const { return *mSavedText; }
    // The document with the Document Editor's typing not yet put back into it.
    std::string TextWithPendingEdit() const;
    // Shows a recovered copy as a changed document that belongs at path, so Save writes it
    // there. A remote document needs the client connected first.
    void OpenRecoveredDocument(int source, const std::string& path, std::string text);

    // Undo and Redo over the document's text. The window records after every action of the
    // user; opening or creating a document starts a new history.
    void RecordEdit() { mEdits.Record(mDocumentText); }
    bool CanUndo() const { return mEdits.CanUndo(); }
    bool CanRedo() const { return mEdits.CanRedo(); }
    // Puts the text back as it was before the last change (after the next undone one) and
    // shows it anew on the current tab.
    void UndoCommand();
    void RedoCommand();

    // False when the document could not be read (the failure was shown): the open document, its
    // path, its mode and the history stay as they were.
    bool OpenDocument(const std::string& path);
    // False when nothing was written: no file name yet, or writing failed (the failure was
    // shown).
    bool SaveDocument();
    void CreateNewDocument();
    void ClearDesign();
    void UpdateCaption();

    int CurrentTab() const { return mCurrentTab; }
    // Commits a pending edit, then rebuilds the design (tab 0) or relists the sections (tab 1).
    void SwitchTab(int tab);

    // The File menu.
    void NewLocalDocument();
    void OpenCommand();
    // A local document of the recent files, after the current one's work is kept.
    void OpenRecentDocument(const std::string& path);
    // Save, or Save As while the document has no file; false when nothing was saved.
    bool SaveCommand();
    // False when nothing was saved: the chooser was cancelled or writing failed. A command that
    // asked for the save is cancelled with it.
    bool SaveAsCommand();
    // The FTP commands of the File menu: "FTP" connects and sets the remote working folder,
    // "Open FTP File..." and "Save As FTP File..." choose a remote document. A remote document
    // makes the session work on the server. FTP mode is only entered with a client set.
    void NewFtpProjectCommand();
    void OpenFtpFileCommand();
    bool SaveAsFtpFileCommand();
    // Lets an import of an FTP document load its pictures from the server and its cache.
    void UseRemotePictures(ImportContext& context) const;
    // Shows an error of the FTP client and tells it that the user was told.
    void mFTP_Error(const std::string& description, bool& handled);

    // Keeps the work before the window closes (or another document replaces it): a changed
    // document is saved where it lives; one never saved is offered Save, Discard or Cancel.
    // False when the user chose to keep the window and the document.
    bool PrepareToClose();

    // The Document Editor.
    const SectionTable& Sections() const { return mSections; }
    size_t SelectedSection() const { return mSelectedSection; }
    void ListSections();
    void SelectSection(size_t index);
    void EditorTextChanged();
    void SectionListFocused();
    void AddSectionCommand();
    // Puts the edited text back into the document; false (with a message) when it cannot.
    bool CommitSectionEdit();

  private:
    // The document with the typed text in place of the selected section's body.
    std::string EditedDocument() const;
    void ImportDocumentIntoDesign();
    void LoadDocumentText(std::string text);
    // The text as it now stands is what the file holds.
    void KeepAsSaved();
    void RestoreEdit(std::optional<std::string> (UndoHistory::*step)());
    void ChooseSection(size_t index);
    void ShowSelectedBody();
    void RecordInHistory();
    bool HasDocumentFile() const;
    // Where the document lives: its name, its mode, and the remote file and folder the client
    // names. A Save As that could not write returns the document there.
    struct DocumentPlace {
        std::string pathAndName, pathOnly, fileNameOnly, extension;
        int source = 0;
        std::string remoteFilePath, remoteFolder;
    };
    DocumentPlace CurrentPlace() const;
    void ReturnTo(const DocumentPlace& place);
    // Whether the document has a place of its own to be saved to, local or remote.
    bool HasBeenNamed() const;
    void ReportFailure(const std::exception& failure, MessageIcon icon = MessageIcon::Critical);
    bool KeepWork();
    bool OpenFtpDocument(const std::string& path);
    bool SaveFtpDocument();
    bool WriteMissingRemoteSupportFiles(const std::string& folder);

    Dialogs& mDialogs;
    FtpClient* mFTP = nullptr;
    SessionView mNoView;
    SessionView* mView = &mNoView;
    PageDesign mDesign;
    unsigned mDesignBuild = 0;
    NoSurface mNoSurface;
    NoPictures mNoPictures;
    Surface* mSurface = &mNoSurface;
    Pictures* mPictures = &mNoPictures;
    PageControls* mControls = nullptr;

    // Shared with the undo history, the saved text, the section listing and the design's
    // layouts while they are the same text: a large page is held once. A change makes a new text.
    std::shared_ptr<const std::string> mDocumentText = std::make_shared<const std::string>();
    std::shared_ptr<const std::string> mSavedText = std::make_shared<const std::string>();
    UndoHistory mEdits;
    DocumentCodec mCodec;
    EditorEncoding mEditorEncoding;
    std::string mPathAndName;
    std::string mPathOnly;
    std::string mFileNameOnly;
    std::string mExtension;
    int mDocumentSource = kLocalDocument;
    std::string mTemporaryFolder;
    std::vector<std::string> mHistory;
    int mHistoryIndex = 0;
    int mCurrentTab = kImageDesignTab;

    SectionTable mSections;
    size_t mSelectedSection = 0;
    bool mSectionEdited = false;
    bool mLoadingSection = false;
};

}  // namespace htmlsim
