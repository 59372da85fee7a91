#include "insert/RemoteImageInsertion.h"

#include <filesystem>

#include "components/FileHelper.h"
#include "insert/PlacedPicture.h"
#include "insert/SaveJPG.h"
#include "remote/PathNames.h"
#include "session/BusyPointer.h"
#include "session/Session.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

std::string LocalCopy(const Session& session, const std::string& fileName) {
    return session.TemporaryFolder() + "/" + fileName;
}

}  // namespace

void InsertLocalFileIntoRemoteDocument(Session& session, const std::string& chosen) {
    FtpClient& ftp = *session.FTP();
    try {
        const PathParts parts = FileHelper::SplitPath(chosen);
        const bool bitmap = ToUpperAscii(parts.extension) == "BMP";
        const std::string fileName = parts.name + "." + (bitmap ? "jpg" : parts.extension);
        const std::string local = LocalCopy(session, fileName);
        if (bitmap) {
            const PicturePtr picture = session.GetPictures().LoadFile(chosen);
            if (!picture) {
                throw RuntimeError("Picture cannot be loaded: '" + chosen + "'");
            }
            SaveJPG(session.GetPictures(), session.GetDialogs(), *picture, local, kJpegQuality);
        } else {
            std::error_code error;
            std::filesystem::copy_file(chosen, local,
                                       std::filesystem::copy_options::overwrite_existing, error);
            if (error) {
                throw RuntimeError("Cannot copy '" + chosen + "' to '" + local +
                                   "': " + error.message());
            }
        }
        const std::string remote = JoinRemotePath(ftp.File().RemoteFolder, fileName);
        if (ftp.Upload(remote, local)) {
            InsertAndPaint(session, remote);
        }
    } catch (const std::exception& failure) {
        ReportInsertionFailure(session, failure);
    }
}

void InsertImageFromFtp(Session& session) {
    if (!session.FTP()) {
        return;
    }
    FtpClient& ftp = *session.FTP();
    BusyPointer busy(session.View());
    const std::string remote = ftp.ShowOpenDialog("JPEG|*.jpg", 0);
    if (remote.empty()) {
        return;
    }
    try {
        const FTPPathParts parts = SplitFTPPath(remote);
        const std::string local = LocalCopy(session, parts.name + "." + parts.extension);
        // A picture fetched before is used again.
        if (!FileHelper::FileExists(local) && !ftp.Download(local, remote)) {
            return;
        }
        InsertAndPaint(session, remote);
    } catch (const std::exception& failure) {
        ReportInsertionFailure(session, failure);
    }
}

void PasteIntoRemoteDocument(Session& session, const Picture& picture) {
    FtpClient& ftp = *session.FTP();
    Dialogs& dialogs = session.GetDialogs();
    try {
        // The page must be on the server before a picture can be referenced from it.
        if (!session.PathAndName().empty() &&
            !ftp.RemoteFileExists(session.FileNameOnly() + "." + session.Extension())) {
            if (ftp.StatusFlag()) {
                return;
            }
            session.SaveCommand();
        }
        const std::string name = dialogs.InputBox("What would you like to name your image?",
                                                  "Name?", session.FileNameOnly());
        if (name.empty()) {
            return;
        }
        const std::string local = LocalCopy(session, name + ".jpg");
        SaveJPG(session.GetPictures(), dialogs, picture, local, kJpegQuality);
        const std::string remote = JoinRemotePath(ftp.File().RemoteFolder, name + ".jpg");
        if (ftp.Upload(remote, local)) {
            InsertAndPaint(session, remote);
        }
    } catch (const std::exception& failure) {
        ReportInsertionFailure(session, failure);
    }
}

}  // namespace htmlsim
