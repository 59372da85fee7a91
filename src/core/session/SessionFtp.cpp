// The session's side of documents held on an FTP server.
#include "document/DocumentTemplate.h"
#include "remote/FtpAddress.h"
#include "remote/PathNames.h"
#include "session/PlantedFaults.h"
#include "session/Session.h"
#include "util/Text.h"

namespace htmlsim {

void Session::SetFtpClient(FtpClient& client) {
    mFTP = &client;
    mFTP->Error = [this](const std::string& description, bool& handled) {
        mFTP_Error(description, handled);
    };
}

void Session::UseRemotePictures(ImportContext& context) const {
    if (mDocumentSource == kFtpDocument) {
        context.ftp = mFTP;
        context.temporaryFolder = mTemporaryFolder;
    }
}

void Session::mFTP_Error(const std::string& description, bool& handled) {
    mDialogs.Message(description, "", MessageIcon::None);
    handled = true;
}

void Session::NewFtpProjectCommand() {
    // Without a connection there is no remote folder to work in: FTP mode is not entered.
    if (!mFTP || !mFTP->Connect("", "")) {
        return;
    }
    mFTP->SelectRemoteFolder();
    // The open document is not on the server yet: its first save asks for a remote name
    // instead of writing over the document of an earlier visit.
    mFTP->File().RemoteFilePath.clear();
    mDocumentSource = kFtpDocument;
    UpdateCaption();
}

void Session::OpenFtpFileCommand() {
    if (!mFTP) {
        return;
    }
    mFTP->Connect("", "");
    if (!mFTP->IsConnected()) {
        return;
    }
    const std::string path = mFTP->ShowOpenDialog(kDocumentFilter, FtpClient::kOpenDocumentMode);
    if (path.empty() || !KeepWork()) {
        return;
    }
    const int source = mDocumentSource;
    mDocumentSource = kFtpDocument;
    if (!OpenDocument(path)) {
        if (!gPlantedFaults.failedStepsChangeState) {
            mDocumentSource = source;
        }
        return;
    }
    SwitchTab(kImageDesignTab);
}

bool Session::SaveAsFtpFileCommand() {
    if (!mFTP) {
        return false;
    }
    const DocumentPlace before = CurrentPlace();
    const std::string proposed = mFileNameOnly + (mExtension.empty() ? "" : "." + mExtension);
    const std::string path = mFTP->ShowSaveDialog(kDocumentFilter, proposed, 0);
    if (path.empty()) {
        return gPlantedFaults.failedStepsChangeState;
    }
    mDocumentSource = kFtpDocument;
    SetPathAndName(path);
    const bool saved = SaveDocument();
    if (!saved) {
        ReturnTo(before);
    }
    UpdateCaption();
    SwitchTab(kImageDesignTab);
    return saved;
}

bool Session::OpenFtpDocument(const std::string& path) {
    std::string readFrom = path;
    if (!mFTP->RemoteFileExists(path)) {
        if (mFTP->StatusFlag()) {
            return false;  // no connection: the client has told the user
        }
        readFrom = TemporaryUploadPath(path);
    }
    if (readFrom != path && mFTP->RemoteFileExists(readFrom)) {
        // A save cut off after the old page was removed: the new text is whole under the
        // temporary name.
        mDialogs.Message("The page '" + path +
                             "' is missing, but the copy being saved when "
                             "the connection was lost is there: it is opened instead. Save to put "
                             "it in place.",
                         "", MessageIcon::Information);
    } else if (readFrom != path) {
        if (mFTP->StatusFlag()) {
            return false;
        }
        SetPathAndName(path);
        CreateNewDocument();
        mFTP->File().RemoteFilePath = mPathAndName;
        SaveDocument();
        UpdateCaption();
        return true;
    }
    const std::string folder = SplitFTPPath(path).folder;
    if (!EqualsIgnoreCase(mFTP->File().RemoteFolder, folder) && !mFTP->ChangeRemoteFolder(folder)) {
        return false;
    }
    // Read before anything changes: a failed read leaves the open document as it was.
    auto text = mFTP->ReadRemoteText(readFrom);
    if (!text) {
        return false;
    }
    SetPathAndName(path);
    ClearDesign();
    mFTP->File().RemoteFilePath = mPathAndName;
    UpdateCaption();
    LoadDocumentText(std::move(*text));
    RecordInHistory();
    mView->DocumentKept(AddressWithoutPassword(mFTP->Details(), mPathAndName));
    mView->ScrollDesignHome();
    return true;
}

bool Session::SaveFtpDocument() {
    const std::string path = mFTP->File().RemoteFilePath;
    if (path.empty()) {
        return SaveAsFtpFileCommand();
    }
    if (path != mPathAndName) {
        SetPathAndName(path);
    }
    if (!WriteMissingRemoteSupportFiles(SplitFTPPath(path).folder)) {
        return false;
    }
    if (mSectionEdited) {
        CommitSectionEdit();
    }
    if (!mFTP->WriteRemoteText(path, *mDocumentText)) {
        return false;
    }
    KeepAsSaved();
    RecordInHistory();
    mView->DocumentKept(AddressWithoutPassword(mFTP->Details(), path));
    return true;
}

// The pages need their script and style sheet beside them; a file already there is the user's
// and stays as it is.
bool Session::WriteMissingRemoteSupportFiles(const std::string& folder) {
    const std::pair<std::string, std::string> files[] = {
        {kScriptFileName, ScriptText()},
        {kStyleSheetFileName, StyleSheetText()},
    };
    for (const auto& [name, text] : files) {
        if (mFTP->RemoteFileExists(folder + name)) {
            continue;
        }
        if (mFTP->StatusFlag() || !mFTP->WriteRemoteText(folder + name, text)) {
            return false;
        }
    }
    return true;
}

}  // namespace htmlsim
