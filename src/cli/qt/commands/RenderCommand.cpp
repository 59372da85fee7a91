#include <QPainter>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>
#include <optional>

#include "CliCommand.h"
#include "CliDesign.h"
#include "CliSession.h"
#include "ImageSurface.h"
#include "OffscreenApplication.h"
#include "QtPictures.h"
#include "QtText.h"
#include "controls/PageControlViews.h"
#include "surface/BrowserScale.h"

namespace htmlsim::cli {

namespace {

struct RenderArguments {
    std::string document;
    std::string output;
    bool browserScale = false;
};

RenderArguments ParseArguments(const std::vector<std::string>& args) {
    RenderArguments parsed;
    for (size_t k = 0; k < args.size(); ++k) {
        if (args[k] == "-o" && k + 1 < args.size() && parsed.output.empty()) {
            parsed.output = args[++k];
        } else if (args[k] == "--browser-scale") {
            parsed.browserScale = true;
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

template <typename Control>
QSize ControlsExtent(const ControlArray<Control>& array) {
    QSize extent;
    for (int index = 0; index < array.Count(); ++index) {
        const ControlPlacement& place = array.Placement(index);
        extent = extent.expandedTo(QSize(place.Left + place.Width, place.Top + place.Height));
    }
    return extent;
}

// Room for every image, painted or not, so that a missing picture still shows its place, and
// for every page control.
QSize PageExtent(const PageDesign& design, const PageControls& controls) {
    QSize extent;
    for (int k = 1; k <= design.ImageCount(); ++k) {
        const ImageProperties& image = design.Image(k);
        extent = extent.expandedTo(QSize(image.Left + image.Width, image.Top + image.Height));
    }
    extent = extent.expandedTo(ControlsExtent(controls.Anchor1))
                 .expandedTo(ControlsExtent(controls.Label1))
                 .expandedTo(ControlsExtent(controls.Input1));
    const int limit = ImageSurface::kMaxSide;
    return extent.boundedTo(QSize(limit, limit));
}

// The page controls drawn over the painted surface by the widgets the editor shows them with.
void PaintControls(QImage& image, PageControls& controls, const DocumentCodec& codec) {
    QWidget surface;
    surface.resize(image.size());
    const PageControlViews views(controls, codec, &surface);
    QPainter painter(&image);
    surface.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

bool SavePng(const QImage& image, const std::string& path, Dialogs& dialogs) {
    QSaveFile file(ToQPath(path));
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        dialogs.Message("Cannot write '" + path + "': " + FromQString(file.errorString()), "",
                        MessageIcon::Critical);
        return false;
    }
    return true;
}

int RunRender(const std::vector<std::string>& args) {
    const RenderArguments arguments = ParseArguments(args);
    const OffscreenApplication application;  // the page controls are painted by widgets
    CliSession session;
    PageDesign design;
    ImageSurface canvas;
    canvas.ShowTextWith(session.Get().Codec());
    QtPictures pictures;
    CliPageControls controls(session, session.Dialogs());
    if (OpenAndImportDesign(session, arguments.document, design, canvas, pictures,
                            session.Dialogs(), controls.Get())) {
        const Session& opened = session.Get();
        std::optional<BrowserScaleView> scaled;
        if (arguments.browserScale) {
            scaled.emplace(
                design, PageCanvasScale(SupportScriptIn(opened.PathOnly()), opened.DocumentText()));
        }
        QImage image =
            canvas.RenderImage(PageExtent(design, controls.Get()), scaled ? &*scaled : nullptr);
        PaintControls(image, controls.Get(), session.Get().Codec());
        SavePng(image, arguments.output, session.Dialogs());
    }
    return session.ExitStatus();
}

const CliCommandRegistration kRender({"render", "PATH -o OUT.png [--browser-scale]",
                                      "paints the design of the document at PATH as the Image "
                                      "Design tab shows it (images, then area and balloon "
                                      "outlines, then anchors, labels and inputs) into the PNG "
                                      "file OUT.png; --browser-scale draws canvases at the scale "
                                      "the page's script gives them, as View > Browser Scale "
                                      "does",
                                      RunRender});

}  // namespace
}  // namespace htmlsim::cli
