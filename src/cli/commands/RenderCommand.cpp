#include <QSaveFile>
#include <algorithm>

#include "CliCommand.h"
#include "CliSession.h"
#include "ImageSurface.h"
#include "QtPictures.h"
#include "import/DocumentImport.h"

namespace htmlsim::cli {

namespace {

struct RenderArguments {
    std::string document;
    std::string output;
};

RenderArguments ParseArguments(const std::vector<std::string>& args) {
    RenderArguments parsed;
    for (size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "-o" && k + 1 < args.size() && parsed.output.empty()) {
            parsed.output = args[++k];
        } else if (parsed.document.empty() && !args[k].starts_with('-')) {
            parsed.document = args[k];
        } else {
            throw UsageError();
        }
    }
    if (parsed.document.empty() || parsed.output.empty()) {
        throw UsageError();
    }
    return parsed;
}

// Room for every image, painted or not, so that a missing picture still shows its place.
QSize ImagesExtent(const PageDesign& design) {
    QSize extent;
    for (int k = 1; k <= design.ImageCount(); ++k) {
        const ImageProperties& image = design.Image(k);
        extent = extent.expandedTo(QSize(image.Left + image.Width, image.Top + image.Height));
    }
    const int limit = ImageSurface::kMaxSide;
    return extent.boundedTo(QSize(limit, limit));
}

bool SavePng(const QImage& image, const std::string& path, Dialogs& dialogs) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        dialogs.Message("Cannot write '" + path + "': " + file.errorString().toStdString(), "",
                        MessageIcon::Critical);
        return false;
    }
    return true;
}

int RunRender(const std::vector<std::string>& args) {
    const RenderArguments arguments = ParseArguments(args);
    CliSession session;
    if (session.OpenExisting(AbsolutePath(arguments.document))) {
        PageDesign design;
        ImageSurface canvas;
        QtPictures pictures;
        ImportContext context{design, canvas, pictures, session.Dialogs(),
                              session.Get().PathOnly()};
        ImportDocument(session.Get().DocumentText(), context);
        SavePng(canvas.RenderImage(ImagesExtent(design)), arguments.output, session.Dialogs());
    }
    return session.ExitStatus();
}

const CliCommandRegistration kRender({"render", "PATH -o OUT.png",
                                      "paints the design of the document at PATH as the Image "
                                      "Design tab shows it (images, then area and balloon "
                                      "outlines) into the PNG file OUT.png",
                                      RunRender});

}  // namespace
}  // namespace htmlsim::cli
