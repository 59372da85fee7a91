#include "insert/InsertImageTag.h"

#include "components/FileHelper.h"
#include "document/SectionDocument.h"
#include "import/ImageImport.h"
#include "model/CanvasRule.h"
#include "remote/PathNames.h"
#include "session/Session.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

constexpr const char* kImagesStart = "<!-- Section: Images -->";
constexpr const char* kSectionEnd = "<!-- Section End -->";

// The folder of the picture as seen from the document: "" for the document's own folder.
std::string ReferenceFolder(Session& session, const std::string& path) {
    std::string folder;
    if (session.DocumentSource() == kFtpDocument) {
        folder = FolderOf(FTPCreateRelativePathName(session.PathAndName(), path));
    } else {
        folder = FileHelper::RelativePath(session.PathOnly(), FileHelper::SplitPath(path).folder);
    }
    return folder == "./" || folder == ".\\" ? "" : folder;
}

std::string ImageLine(const ImageProperties& image) {
    return "<IMG SRC='" + image.SRC + "' Name='" + image.Name + "' BORDER='0' Width='" +
           std::to_string(image.Width) + "' Height='" + std::to_string(image.Height) +
           "' STYLE='position:absolute; left:0px; top:0px; transform: rotate(90deg);'/>\r\n";
}

// Puts the line at the end of the Images body, adding the section when it is missing.
void AppendToImagesSection(Session& session, const std::string& line) {
    std::string document = session.DocumentText();
    size_t start = document.find(kImagesStart);
    if (start == std::string::npos) {
        AddSection(document, "Images", session.GetDialogs());
        start = document.find(kImagesStart);
    }
    if (start == std::string::npos) {
        throw RuntimeError(std::string("Cannot Find '") + kImagesStart + "'");
    }
    const size_t end = document.find(kSectionEnd, start);
    if (end == std::string::npos) {
        throw RuntimeError(std::string("Cannot Find ") + kSectionEnd + "'");
    }
    document.insert(end, WithLineBreaksOf(document, line));
    session.SetDocumentText(std::move(document));
}

}  // namespace

bool InsertImageTag(Session& session, const std::string& path) {
    try {
        // A cancelled Save As cancels the insertion that asked for it.
        if (session.DocumentSource() != kFtpDocument &&
            !FileHelper::FileExists(session.PathAndName()) && !session.SaveAsCommand()) {
            return false;
        }
        const std::string folder = ReferenceFolder(session, path);
        const FTPPathParts parts = SplitFTPPath(path);

        PageDesign& design = session.Design();
        const ImagePtr current = design.CurrentImage;
        const std::optional<std::string> noCanvas = WhyNoCanvas(session.DocumentText(), design, 0);
        ImageProperties& image = design.AppendImage();
        design.CurrentImage = design.ImagePointer(image.Index);
        image.SRC = folder + parts.name + "." + parts.extension;
        image.Name = parts.name;
        image.Border = 0;
        image.MapName = parts.name;
        image.ImageType = noCanvas ? kImageMap : kImageCanvas;

        ImportContext context{design, session.DesignSurface(), session.GetPictures(),
                              session.GetDialogs(), session.PathOnly()};
        session.UseRemotePictures(context);
        try {
            LoadImagePicture(context, image.Index);
        } catch (...) {
            // A picture that cannot be loaded is not placed: the design stays as the page is.
            design.RemoveLastImage();
            design.CurrentImage = current;
            throw;
        }
        image.PictureWidth = image.PCT->Width();
        image.PictureHeight = image.PCT->Height();
        image.Width = RoundToInt16(image.PictureWidth);
        image.Height = RoundToInt16(image.PictureHeight);

        AppendToImagesSection(session, ImageLine(image));
        if (noCanvas) {
            session.GetDialogs().Message(*noCanvas + ": the picture is inserted as an image map.",
                                         "", MessageIcon::Information);
        }
        return true;
    } catch (const std::exception& failure) {
        session.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
        return false;
    }
}

}  // namespace htmlsim
