#include "import/ImageImport.h"

#include <exception>
#include <optional>

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

// A length in pixels, or none for what is not one ("auto", "50%").
std::optional<double> PixelLength(const std::string& value) {
    try {
        return StyleLength(value);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

// LEFT and TOP always; POSITION, TRANSFORM, and WIDTH and HEIGHT where no attribute gives them,
// only where an IMG is read.
void ApplyStyle(const std::string& style, ImageProperties& image, bool allItems,
                const AttributeTable& attributes) {
    ForEachStyleItem(style, [&](const std::string& name, const std::string& value) {
        const bool size = allItems && (name == "WIDTH" || name == "HEIGHT") &&
                          !HasAttribute(attributes, name);
        if (size) {
            if (const std::optional<double> pixels = PixelLength(value)) {
                (name == "WIDTH" ? image.Width : image.Height) = RoundToInt16(*pixels);
            }
        } else if (name == "LEFT") {
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

// A missing width or height follows from the other and the picture's proportions; with
// neither, the picture shows at its natural size, as in a browser.
void CompleteSize(ImageProperties& image, bool sizeGiven) {
    if (image.PictureWidth <= 0 || image.PictureHeight <= 0) {
        return;
    }
    if (!sizeGiven) {
        image.Width = RoundToInt16(image.PictureWidth);
        image.Height = RoundToInt16(image.PictureHeight);
    } else if (image.Height > 0 && image.Width <= 0) {
        image.Width = RoundToInt16(static_cast<double>(image.Height) * image.PictureWidth /
                                   image.PictureHeight);
    } else if (image.Height <= 0) {
        image.Height = RoundToInt16(static_cast<double>(image.Width) * image.PictureHeight /
                                    image.PictureWidth);
    }
}

// `sizeGiven` is none for a canvas, whose size is never completed.
void ShowPicture(ImportContext& context, ImageProperties& image, std::optional<bool> sizeGiven) {
    LoadImagePicture(context, image.Index);
    image.PictureWidth = image.PCT->Width();
    image.PictureHeight = image.PCT->Height();
    if (sizeGiven) {
        CompleteSize(image, *sizeGiven);
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

// The map an image names: "#m" and "page.html#m" both name m; a name without "#" is kept whole.
std::string UsedMapName(const std::string& useMap) {
    const size_t hash = useMap.rfind('#');
    return hash == std::string::npos ? useMap : useMap.substr(hash + 1);
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
        PicturePtr& loaded = context.loadedPictures[image.PathAndName()];
        if (!loaded) {
            loaded = context.pictures.LoadFile(image.PathAndName());
        }
        image.PCT = loaded;
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
            image.MapName = UsedMapName(useMap);
            image.ImageType = kImageMap;
        }
        image.Title = GetAttribute(attributes, "Title");
        ApplyStyle(style, image, true, attributes);
        const bool sizeGiven = HasAttribute(attributes, "Width") ||
                               HasAttribute(attributes, "Height") || image.Width > 0 ||
                               image.Height > 0;
        ShowPicture(context, image, sizeGiven);
    });
}

void ImportCanvas(const AttributeTable& attributes, ImportContext& context) {
    ImportElement(context, [&](ImageProperties& image) {
        image.SRC = GetAttribute(attributes, "SRC");
        image.Id = GetAttribute(attributes, "Id");
        image.Width = AttributeNumber(attributes, "Width");
        image.Height = AttributeNumber(attributes, "Height");
        image.ImageType = kImageCanvas;
        ApplyStyle(GetAttribute(attributes, "Style"), image, false, attributes);
        ShowPicture(context, image, std::nullopt);
    });
}

}  // namespace htmlsim
