#include "import/ImageImport.h"

#include <exception>

#include "components/FileHelper.h"
#include "import/RemotePicture.h"
#include "import/StyleItems.h"
#include "surface/DesignOperations.h"
#include "util/Numbers.h"
#include "util/RuntimeError.h"

namespace htmlsim {

namespace {

int16_t AttributeNumber(const AttributeTable& attributes, std::string_view name) {
    return RoundToInt16(LeadingNumber(GetAttribute(attributes, name)));
}

// LEFT and TOP always; POSITION and TRANSFORM only where an IMG is read.
void ApplyStyle(const std::string& style, ImageProperties& image, bool allItems) {
    ForEachStyleItem(style, [&](const std::string& name, const std::string& value) {
        if (name == "LEFT") {
            image.Left = RoundToInt16(StyleLength(value));
        } else if (name == "TOP") {
            image.Top = RoundToInt16(StyleLength(value));
        } else if (allItems && name == "POSITION") {
            image.Position = value;
        } else if (allItems && name == "TRANSFORM") {
            image.Transform = value;
        }
    });
}

// A missing width or height follows from the other and the picture's proportions.
void CompleteSize(ImageProperties& image) {
    if (image.PictureWidth <= 0 || image.PictureHeight <= 0) {
        return;
    }
    if (image.Height > 0 && image.Width <= 0) {
        image.Width = RoundToInt16(static_cast<double>(image.Height) * image.PictureWidth /
                                   image.PictureHeight);
    } else if (image.Height <= 0) {
        image.Height = RoundToInt16(static_cast<double>(image.Width) * image.PictureHeight /
                                    image.PictureWidth);
    }
}

void ShowPicture(ImportContext& context, ImageProperties& image, bool completeSize) {
    LoadImagePicture(context, image.Index);
    image.PictureWidth = image.PCT->Width();
    image.PictureHeight = image.PCT->Height();
    if (completeSize) {
        CompleteSize(image);
    }
    DrawImage(context.design, context.surface, image.Index, RasterOp::Copy);
}

// Runs one element's import, reporting its failure without ending the document's import.
template <typename Steps>
void ImportElement(ImportContext& context, Steps steps) {
    try {
        steps(context.design.AppendImage());
    } catch (const std::exception& e) {
        context.dialogs.Message(e.what(), "", MessageIcon::None);
    }
}

}  // namespace

std::string LocalPicturePath(const std::string& documentFolder, const std::string& src) {
    if (src.starts_with('/') || documentFolder.empty()) {
        return src;
    }
    return FileHelper::ResolveLink(documentFolder, src);
}

void LoadImagePicture(ImportContext& context, int imageNumber) {
    ImageProperties& image = context.design.Image(imageNumber);
    if (context.ftp) {
        image.PCT = LoadRemotePicture(context, image);
    } else {
        image.SetPathAndName(LocalPicturePath(context.documentFolder, image.SRC));
        image.PCT = context.pictures.LoadFile(image.PathAndName());
    }
    if (!image.PCT) {
        throw RuntimeError("Picture cannot be loaded: '" + image.PathAndName() + "'");
    }
}

void ImportImg(const AttributeTable& attributes, ImportContext& context) {
    ImportElement(context, [&](ImageProperties& image) {
        image.SRC = GetAttribute(attributes, "SRC");
        image.Name = GetAttribute(attributes, "Name");
        image.Border = AttributeNumber(attributes, "Border");
        const std::string style = GetAttribute(attributes, "Style");
        image.Width = AttributeNumber(attributes, "Width");
        image.Height = AttributeNumber(attributes, "Height");
        const std::string useMap = GetAttribute(attributes, "UseMap");
        if (!useMap.empty()) {
            image.MapName = useMap.starts_with('#') ? useMap.substr(1) : useMap;
            image.ImageType = kImageMap;
        }
        image.Title = GetAttribute(attributes, "Title");
        ApplyStyle(style, image, true);
        ShowPicture(context, image, true);
    });
}

void ImportCanvas(const AttributeTable& attributes, ImportContext& context) {
    ImportElement(context, [&](ImageProperties& image) {
        image.SRC = GetAttribute(attributes, "SRC");
        image.Id = GetAttribute(attributes, "Id");
        image.Width = AttributeNumber(attributes, "Width");
        image.Height = AttributeNumber(attributes, "Height");
        image.ImageType = kImageCanvas;
        ApplyStyle(GetAttribute(attributes, "Style"), image, false);
        ShowPicture(context, image, false);
    });
}

}  // namespace htmlsim
