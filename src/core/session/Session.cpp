#include "session/Session.h"

#include <algorithm>

#include "components/FileHelper.h"
#include "document/DocumentTemplate.h"
#include "document/SupportFiles.h"
#include "import/DocumentImport.h"
#include "remote/FtpAddress.h"
#include "remote/PathNames.h"
#include "session/BusyPointer.h"
#include "session/DesignGate.h"
#include "session/PlantedFaults.h"
#include "session/SessionStyleSheets.h"
#include "session/TemporaryFolder.h"
#include "surface/DesignOperations.h"
#include "surface/PageControls.h"
#include "util/DefaultExtension.h"
#include "util/Text.h"
#include "util/WholeFile.h"

namespace htmlsim {

namespace {

constexpr int kInitialHistoryEntries = 21;

// Leading and trailing blanks go, and so does every line break at the end: the file is written
// with exactly one.
std::string NormalisedForSaving(const std::string& text) {
    std::string_view view = text;
    for (;;) {
        view = TrimBlanks(view);
        if (view.ends_with("\r\n")) {
            view.remove_suffix(2);
        } else if (view.ends_with('\n')) {
            view.remove_suffix(1);
        } else {
            return std::string(view);
        }
    }
}

}  // namespace

int FilterIndexForExtension(const std::string& filter, const std::string& extension) {
    if (extension.empty()) {
        return 0;
    }
    const std::string wanted = "*." + extension;
    int pattern = 0;
    size_t itemStart = 0;
    for (size_t item = 0; itemStart <= filter.size(); ++item) {
        const size_t itemEnd = std::min(filter.find('|', itemStart), filter.size());
        if (item % 2 == 1) {
            ++pattern;
            if (EqualsIgnoreCase(filter.substr(itemStart, itemEnd - itemStart), wanted)) {
                return pattern;
            }
        }
        itemStart = itemEnd + 1;
    }
    return 0;
}

Session::Session(Dialogs& dialogs, const std::string& programFolder)
    : mDialogs(dialogs),
      mTemporaryFolder(PrepareTemporaryFolder(programFolder)),
      mHistory(kInitialHistoryEntries) {}

void Session::Start(const std::string& commandLine) {
    const std::string path = FileHelper::CommandLinePath(commandLine);
    if (FileHelper::FileExists(path)) {
        OpenDocument(path);
    } else {
        CreateNewDocument();
        // A missing document keeps its name for the first save; a folder becomes the working
        // folder.
        if (FileHelper::FolderExists(path)) {
            SetPathAndName(path.ends_with('/') ? path : path + "/");
        } else if (!path.empty()) {
            SetPathAndName(path);
        }
    }
    UpdateCaption();
    SwitchTab(mCurrentTab);
}

void Session::SetPathAndName(const std::string& path) {
    mPathAndName = path;
    if (mDocumentSource == kFtpDocument) {
        FTPPathParts parts = SplitFTPPath(path);
        mPathOnly = std::move(parts.folder);
        mFileNameOnly = std::move(parts.name);
        mExtension = std::move(parts.extension);
        return;
    }
    PathParts parts = FileHelper::SplitPath(path);
    mPathOnly = std::move(parts.folder);
    mFileNameOnly = std::move(parts.name);
    mExtension = std::move(parts.extension);
}

bool Session::OpenDocument(const std::string& path) {
    BusyPointer busy(*mView);
    if (mDocumentSource == kFtpDocument) {
        return OpenFtpDocument(path);
    }
    try {
        if (FileHelper::FileExists(path)) {
            // Read first: a file that cannot be read leaves the open document as it was.
            std::string text = ReadWholeFile(path);
            SetPathAndName(path);
            ClearDesign();
            UpdateCaption();
            LoadDocumentText(std::move(text));
            RecordInHistory();
            mView->DocumentKept(mPathAndName);
            mView->ScrollDesignHome();
        } else {
            SetPathAndName(path);
            CreateNewDocument();
            SaveDocument();
            UpdateCaption();
        }
        return true;
    } catch (const std::exception& failure) {
        ReportFailure(failure);
        return false;
    }
}

bool Session::SaveDocument() {
    BusyPointer busy(*mView);
    if (mDocumentSource == kFtpDocument) {
        return SaveFtpDocument();
    }
    if (mPathAndName.empty()) {
        return false;
    }
    try {
        WriteMissingSupportFiles(mPathOnly);
        if (mSectionEdited) {
            CommitSectionEdit();
        }
        if (!HasDocumentFile()) {
            return false;
        }
        const std::string lineBreak(DocumentLineBreak(*mDocumentText));
        std::string normalised = NormalisedForSaving(*mDocumentText);
        const bool trimmed = normalised != *mDocumentText;
        if (trimmed) {
            SetDocumentText(std::move(normalised));
        }
        WriteWholeFileAtomically(mPathAndName, *mDocumentText + lineBreak);
        KeepAsSaved();
        RecordInHistory();
        mView->DocumentKept(mPathAndName);
        // The Document Editor shows the text as saved, not the blanks the save trimmed.
        if (trimmed && mCurrentTab == kDocumentEditorTab) {
            ListSections();
            ShowSelectedBody();
        }
        return true;
    } catch (const std::exception& failure) {
        ReportFailure(failure);
        return false;
    }
}

void Session::CreateNewDocument() {
    ClearDesign();
    LoadDocumentText(NewDocumentTemplate());
}

void Session::AttachDesignServices(Surface& surface, Pictures& pictures) {
    mSurface = &surface;
    mPictures = &pictures;
}

void Session::ClearDesign() {
    ++mDesignBuild;
    htmlsim::ClearDesign(mDesign, *mSurface);
    if (mControls) {
        mControls->RemoveAllAnchors();
        mControls->RemoveAllInputs();
    }
    mView->ClearDesign();
}

void Session::ImportDocumentIntoDesign() {
    ImportContext context{mDesign, *mSurface, *mPictures, mDialogs, mPathOnly};
    context.controls = mControls;
    UseRemotePictures(context);
    ++mDesignBuild;
    ImportDocument(mDocumentText, context);
    FinishDesignSurface(mDesign, *mSurface, mControls, SessionStyleSheets(*this));
    mView->DesignRebuilt();
}

void Session::UpdateCaption() {
    mView->SetCaption(mDocumentSource == kFtpDocument && mFTP ? mFTP->File().CaptionText()
                                                              : mPathAndName);
}

void Session::SwitchTab(int tab) {
    BusyPointer busy(*mView);
    mCurrentTab = tab;
    if (!gPlantedFaults.windowMissesTabChanges) {
        mView->ShowTab(tab);
    }
    if (mSectionEdited) {
        CommitSectionEdit();
    }
    if (tab == kImageDesignTab) {
        ImportDocumentIntoDesign();
    } else {
        ListSections();
        ChooseSection(0);
    }
}

void Session::NewLocalDocument() {
    const std::string folder = FileHelper::BrowseForFolder(mDialogs, "Set Working Folder", "");
    if (folder.empty() || !KeepWork()) {
        return;
    }
    mDocumentSource = kLocalDocument;
    SetPathAndName(folder);
    UpdateCaption();
    CreateNewDocument();
}

void Session::OpenRecentDocument(const std::string& path) {
    if (IsFtpAddress(path)) {
        // Kept without its password: the secret service has it, or the user is asked.
        const auto address = ParseFtpAddress(path);
        if (!mFTP || !address || !KeepWork() || !mFTP->ConnectTo(address->details)) {
            return;
        }
        mDocumentSource = kFtpDocument;
        OpenDocument(mFTP->RemotePathOf(address->path));
        SwitchTab(mCurrentTab);
        return;
    }
    if (!FileHelper::FileExists(path)) {
        mDialogs.Message("File Does Not Exist: '" + path + "'", "", MessageIcon::Critical);
        return;
    }
    if (!KeepWork()) {
        return;
    }
    mDocumentSource = kLocalDocument;
    OpenDocument(path);
    SwitchTab(mCurrentTab);
}

void Session::OpenCommand() {
    FileDialogRequest request;
    request.title = "Open";
    request.filter = kDocumentFilter;
    request.initialFolder = mPathOnly;
    std::string path;
    try {
        path = mDocumentSource == kFtpDocument
                   ? mFTP->ShowOpenDialog(kDocumentFilter, FtpClient::kOpenDocumentMode)
                   : mDialogs.OpenFileName(request);
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
    if (path.empty() || !KeepWork()) {
        return;
    }
    OpenDocument(path);
    SwitchTab(mCurrentTab);
}

bool Session::SaveCommand() {
    if (mDocumentSource == kLocalDocument && !FileHelper::FileExists(mPathAndName)) {
        return SaveAsCommand();
    }
    return SaveDocument();
}

bool Session::SaveAsCommand() {
    if (mDocumentSource == kFtpDocument) {
        return SaveAsFtpFileCommand();
    }
    FileDialogRequest request;
    request.title = "Save As";
    request.filter = kDocumentFilter;
    request.filterIndex = FilterIndexForExtension(request.filter, mExtension);
    const size_t folderEnd = mPathAndName.find_last_of("/\\");
    const size_t nameStart = folderEnd == std::string::npos ? 0 : folderEnd + 1;
    request.initialFolder = mPathAndName.substr(0, nameStart);
    request.fileName = mPathAndName.substr(nameStart);
    try {
        const std::string path = mDialogs.SaveFileName(request);
        if (path.empty()) {
            return gPlantedFaults.failedStepsChangeState;
        }
        const DocumentPlace before = CurrentPlace();
        SetPathAndName(WithDefaultExtension(path, "html"));
        const bool saved = SaveDocument();
        if (!saved) {
            ReturnTo(before);
        }
        UpdateCaption();
        return saved;
    } catch (const std::exception& failure) {
        ReportFailure(failure);
        return false;
    }
}

Session::DocumentPlace Session::CurrentPlace() const {
    DocumentPlace place{mPathAndName, mPathOnly, mFileNameOnly, mExtension, mDocumentSource,
                        "",           ""};
    if (mFTP) {
        place.remoteFilePath = mFTP->File().RemoteFilePath;
        place.remoteFolder = mFTP->File().RemoteFolder;
    }
    return place;
}

void Session::ReturnTo(const DocumentPlace& place) {
    // Brought back, the fault keeps the name of a file that was never written.
    if (gPlantedFaults.failedStepsChangeState) {
        return;
    }
    mPathAndName = place.pathAndName;
    mPathOnly = place.pathOnly;
    mFileNameOnly = place.fileNameOnly;
    mExtension = place.extension;
    mDocumentSource = place.source;
    if (mFTP) {
        mFTP->File().RemoteFilePath = place.remoteFilePath;
        mFTP->File().RemoteFolder = place.remoteFolder;
    }
}

bool Session::PrepareToClose() {
    return KeepWork();
}

bool Session::KeepWork() {
    if (mSectionEdited) {
        CommitSectionEdit();
    }
    if (!ChangedSinceSaved()) {
        return true;
    }
    if (!HasBeenNamed()) {
        switch (mDialogs.AskSaveChanges("Save changes to the new document?", "")) {
            case SaveChoice::Save:
                return SaveAsCommand();
            case SaveChoice::Discard:
                return true;
            case SaveChoice::Cancel:
                return false;
        }
    }
    return SaveDocument() ||
           mDialogs.AskYesNo("The document was not saved. Continue without saving it?",
                             "Not Saved");
}

bool Session::HasBeenNamed() const {
    if (mDocumentSource == kFtpDocument) {
        return mFTP && !mFTP->File().RemoteFilePath.empty();
    }
    return HasDocumentFile();
}

void Session::ListSections() {
    try {
        mSections = htmlsim::ListSections(mDocumentText, mDialogs);
        mView->ShowSectionNames(mSections.Names());
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

void Session::SelectSection(size_t index) {
    if (mSectionEdited) {
        CommitSectionEdit();
    }
    if (index < mSections.Count()) {
        mSelectedSection = index;
        ShowSelectedBody();
    }
}

void Session::EditorTextChanged() {
    if (!mLoadingSection) {
        mSectionEdited = true;
    }
}

void Session::SectionListFocused() {
    if (mSectionEdited) {
        CommitSectionEdit();
    }
}

void Session::AddSectionCommand() {
    if (mSectionEdited) {
        CommitSectionEdit();
    }
    const std::string name = mDialogs.InputBox("Section Name?", "Name", "NewSection");
    if (name.empty()) {
        return;
    }
    std::string text = *mDocumentText;
    AddSection(text, name, mDialogs);
    SetDocumentText(std::move(text));
    ListSections();
    for (size_t k = 0; k < mSections.Count(); ++k) {
        if (mSections.Name(k) == name) {
            ChooseSection(k);
            return;
        }
    }
}

bool Session::CommitSectionEdit() {
    const size_t index = mSelectedSection;
    mSectionEdited = false;
    try {
        SetDocumentText(EditedDocument());
    } catch (const std::exception& failure) {
        ReportFailure(failure, MessageIcon::Exclamation);
        return false;
    }
    ListSections();
    mSelectedSection = std::min(index, mSections.Count() - 1);
    mView->SelectSectionQuietly(mSelectedSection);
    return true;
}

std::string Session::EditedDocument() const {
    return mSections.WithBody(mSelectedSection, FromEditorText(mView->EditorText(), mEditorEncoding,
                                                               mSections.Body(mSelectedSection)));
}

std::string Session::TextWithPendingEdit() const {
    if (!mSectionEdited) {
        return *mDocumentText;
    }
    try {
        return EditedDocument();
    } catch (const std::exception&) {
        return *mDocumentText;  // the typing cannot be put back: the commit will say why
    }
}

void Session::OpenRecoveredDocument(int source, const std::string& path, std::string text) {
    mDocumentSource = source;
    SetPathAndName(path);
    if (source == kFtpDocument && mFTP) {
        mFTP->File().RemoteFilePath = path;
    }
    ClearDesign();
    UpdateCaption();
    LoadDocumentText(std::move(text));
    // Nothing of it is saved yet, whatever the file holds now.
    mSavedText = std::make_shared<const std::string>();
    SwitchTab(mCurrentTab);
}

void Session::UndoCommand() {
    RestoreEdit(&UndoHistory::Undo);
}

void Session::RedoCommand() {
    RestoreEdit(&UndoHistory::Redo);
}

void Session::RestoreEdit(std::optional<std::string> (UndoHistory::*step)()) {
    if (mSectionEdited && !CommitSectionEdit()) {
        return;
    }
    // On the Image Design tab an undo is a change of the design; in the Document Editor it may
    // be the very repair the page needs.
    if (mCurrentTab == kImageDesignTab && !DesignMayChange(*this)) {
        return;
    }
    RecordEdit();
    if (!(mEdits.*step)()) {
        return;
    }
    mDocumentText = mEdits.Current();
    SwitchTab(mCurrentTab);
}

void Session::LoadDocumentText(std::string text) {
    SetDocumentText(std::move(text));
    mEdits.Reset(mDocumentText);
    mSavedText = mDocumentText;
    mCodec = DocumentCodec(*mDocumentText);
    mEditorEncoding = DetectEditorEncoding(*mDocumentText, mCodec.Encoding());
    mSectionEdited = false;
    mSelectedSection = 0;
    if (mCurrentTab == kDocumentEditorTab) {
        ListSections();
        ChooseSection(0);
    } else {
        mSections = SectionTable(mDocumentText);
    }
}

void Session::KeepAsSaved() {
    mSavedText = mDocumentText;
}

void Session::ChooseSection(size_t index) {
    mView->SelectSectionQuietly(index);
    SelectSection(index);
}

void Session::ShowSelectedBody() {
    const bool wasLoading = mLoadingSection;
    mLoadingSection = true;
    mView->ShowEditorText(ToEditorText(mSections.Body(mSelectedSection), mEditorEncoding));
    mLoadingSection = wasLoading;
}

void Session::RecordInHistory() {
    if (mHistory[mHistoryIndex] == mPathAndName) {
        return;
    }
    ++mHistoryIndex;
    if (static_cast<size_t>(mHistoryIndex) >= mHistory.size()) {
        mHistory.resize(mHistoryIndex + 1);
    }
    mHistory[mHistoryIndex] = mPathAndName;
}

bool Session::HasDocumentFile() const {
    return !mPathAndName.empty() && mPathAndName.back() != '/';
}

void Session::ReportFailure(const std::exception& failure, MessageIcon icon) {
    mDialogs.Message(failure.what(), "", icon);
}

}  // namespace htmlsim
