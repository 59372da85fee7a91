#include "insert/ImageInsertion.h"

#include <filesystem>

#include "components/FileHelper.h"
#include "insert/PlacedPicture.h"
#include "insert/RemoteImageInsertion.h"
#include "insert/SaveJPG.h"
#include "session/BusyPointer.h"
#include "session/DesignGate.h"
#include "session/Session.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

bool IsPictureToCopy(const std::string& upperExtension) {
    return upperExtension == "JPG" || upperExtension == "GIF" || upperExtension == "PNG" ||
           upperExtension == "BMP";
}

// Dropped files would be copied into a local folder named like the remote one: a page on the
// server takes its pictures through the menu, which uploads them.
bool RefuseRemoteDocument(Session& session) {
    if (session.DocumentSource() != kFtpDocument) {
        return false;
    }
    session.GetDialogs().Message(
        "Pictures can only be dropped on a document in a local or network folder; use \"Insert "
        "Image From File\" for a document on the FTP server.",
        "", MessageIcon::Information);
    return true;
}

// The file at `source` beside the document under the same name, copied there (over any file of
// that name) unless it lies in the document's folder already.
std::string BesideDocument(Session& session, const std::string& source) {
    const PathParts parts = FileHelper::SplitPath(source);
    if (EqualsIgnoreCase(parts.folder, session.PathOnly())) {
        return source;
    }
    const std::string target = session.PathOnly() + parts.name + "." + parts.extension;
    std::error_code error;
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing,
                               error);
    if (error) {
        throw RuntimeError("Cannot copy '" + source + "' to '" + target + "': " + error.message());
    }
    return target;
}

}  // namespace

void InsertImageFromFile(Session& session) {
    const bool remote = session.DocumentSource() == kFtpDocument && session.FTP();
    FileDialogRequest request;
    request.title = "Insert Image From File";
    request.filter = kInsertImageFilter;
    request.initialFolder = remote ? "" : session.PathOnly();
    const std::string chosen = session.GetDialogs().OpenFileName(request);
    if (chosen.empty()) {
        return;
    }
    BusyPointer busy(session.View());
    if (!FileHelper::FileExists(chosen)) {
        session.GetDialogs().Message("File Does Not Exist: '" + chosen, "", MessageIcon::Critical);
        return;
    }
    if (remote) {
        InsertLocalFileIntoRemoteDocument(session, chosen);
        return;
    }
    try {
        const PathParts parts = FileHelper::SplitPath(chosen);
        std::string target;
        // Bitmaps are too large for a page: they always become JPEG files.
        if (ToUpperAscii(parts.extension) == "BMP") {
            target = session.PathOnly() + parts.name + ".jpg";
            const PicturePtr picture = session.GetPictures().LoadFile(chosen);
            if (!picture) {
                throw RuntimeError("Picture cannot be loaded: '" + chosen + "'");
            }
            SaveJPG(session.GetPictures(), session.GetDialogs(), *picture, target, kJpegQuality);
        } else {
            target = BesideDocument(session, chosen);
        }
        InsertAndPaint(session, target);
    } catch (const std::exception& failure) {
        ReportInsertionFailure(session, failure);
    }
}

void PasteImageFromClipboard(Session& session, Clipboard& clipboard) {
    Dialogs& dialogs = session.GetDialogs();
    try {
        const PicturePtr picture = clipboard.GetPicture();
        if (!picture) {
            dialogs.Message("No image in the clipboard to retrieve.", "", MessageIcon::Critical);
            return;
        }
        if (session.DocumentSource() == kFtpDocument && session.FTP()) {
            PasteIntoRemoteDocument(session, *picture);
            return;
        }
        // The picture goes beside the document, so the document needs a folder first; without
        // one (Save As cancelled) there is nowhere to put it.
        if (!FileHelper::FileExists(session.PathAndName())) {
            session.SaveAsCommand();
            if (!FileHelper::FileExists(session.PathAndName())) {
                return;
            }
        }
        const std::string name = dialogs.InputBox("What would you like to name your image?",
                                                  "Name?", session.FileNameOnly() + "_Image");
        if (name.empty()) {
            return;
        }
        const std::string target = session.PathOnly() + name + ".jpg";
        SaveJPG(session.GetPictures(), dialogs, *picture, target, kJpegQuality);
        InsertAndPaint(session, target);
    } catch (const std::exception& failure) {
        ReportInsertionFailure(session, failure);
    }
}

void DropFiles(Session& session, const std::vector<std::string>& paths) {
    if (RefuseRemoteDocument(session)) {
        return;
    }
    bool inserted = false;
    try {
        for (const std::string& path : paths) {
            const std::string extension = ToUpperAscii(FileHelper::SplitPath(path).extension);
            if (extension == "HTML" || extension == "HTM") {
                // The pictures just dropped are part of the page being left: keep them.
                if (!session.PrepareToClose()) {
                    return;
                }
                session.OpenDocument(path);
                session.SwitchTab(kImageDesignTab);
                return;
            }
            if (IsPictureToCopy(extension)) {
                if (!inserted && !DesignMayChange(session)) {
                    return;
                }
                InsertAndPaint(session, BesideDocument(session, path));
                inserted = true;
            }
        }
    } catch (const std::exception& failure) {
        ReportInsertionFailure(session, failure);
    }
}

}  // namespace htmlsim
