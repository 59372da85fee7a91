#include "insert/ImageInsertion.h"

#include <filesystem>

#include "components/FileHelper.h"
#include "insert/InsertImageTag.h"
#include "insert/SaveJPG.h"
#include "session/BusyPointer.h"
#include "session/ImagesSectionUpdate.h"
#include "session/Session.h"
#include "surface/DesignOperations.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

bool IsPictureToCopy(const std::string& upperExtension) {
    return upperExtension == "JPG" || upperExtension == "GIF" || upperExtension == "PNG" ||
           upperExtension == "BMP";
}

// Pictures of a remote document are placed on the server; those routes are not built here.
bool RefuseRemoteDocument(Session& session) {
    if (session.DocumentSource() != kFtpDocument) {
        return false;
    }
    session.GetDialogs().Message(
        "Pictures can only be added this way to a document in a local or network folder.", "",
        MessageIcon::Information);
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

void InsertAndPaint(Session& session, const std::string& path) {
    InsertImageTag(session, path);
    PageDesign& design = session.Design();
    DrawImage(design, session.DesignSurface(), design.ImageCount(), RasterOp::Copy);
}

void ReportFailure(Session& session, const std::exception& failure) {
    session.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
}

}  // namespace

void InsertImageFromFile(Session& session) {
    if (RefuseRemoteDocument(session)) {
        return;
    }
    FileDialogRequest request;
    request.title = "Insert Image From File";
    request.filter = kInsertImageFilter;
    request.initialFolder = session.PathOnly();
    const std::string chosen = session.GetDialogs().OpenFileName(request);
    if (chosen.empty()) {
        return;
    }
    BusyPointer busy(session.View());
    if (!FileHelper::FileExists(chosen)) {
        session.GetDialogs().Message("File Does Not Exist: '" + chosen, "", MessageIcon::Critical);
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
        ReportFailure(session, failure);
    }
}

void PasteImageFromClipboard(Session& session, Clipboard& clipboard) {
    if (RefuseRemoteDocument(session)) {
        return;
    }
    Dialogs& dialogs = session.GetDialogs();
    try {
        const PicturePtr picture = clipboard.GetPicture();
        if (!picture) {
            dialogs.Message("No image in the clipboard to retrieve.", "", MessageIcon::Critical);
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
        ReportFailure(session, failure);
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
                if (inserted) {
                    UpdateImagesSection(session);
                }
                // The pictures just dropped are part of the page being left: keep them.
                if (!session.PrepareToClose()) {
                    return;
                }
                session.OpenDocument(path);
                session.SwitchTab(kImageDesignTab);
                return;
            }
            if (IsPictureToCopy(extension)) {
                InsertAndPaint(session, BesideDocument(session, path));
                inserted = true;
            }
        }
    } catch (const std::exception& failure) {
        ReportFailure(session, failure);
    }
    if (inserted) {
        UpdateImagesSection(session);
    }
}

}  // namespace htmlsim
