#include "import/DocumentImport.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "document/HtmlTag.h"
#include "document/SectionDocument.h"
#include "import/AreaImport.h"
#include "import/ControlImport.h"
#include "import/ImageImport.h"
#include "import/ImportMessages.h"
#include "model/SectionBodies.h"
#include "model/WrittenElements.h"
#include "surface/DesignOperations.h"
#include "surface/PageControls.h"
#include "util/RuntimeError.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

// A section body exactly as it stands (blank lines and all) and where it begins in the document:
// a view into the document, copied only where a layout keeps it.
struct SectionBody {
    std::string_view text;
    size_t offset = 0;
};

SectionBody RawSectionBody(std::string_view documentText, const std::string& name) {
    const SectionPositions where = FindSection(documentText, name);
    if (where.end == 0) {
        return {};
    }
    return {documentText.substr(where.start, where.end - 1 - where.start), where.start};
}

// Reading one section: its body, and the messages told where in the document they arise.
struct SectionReading {
    const std::string& name;
    std::string_view body;
    size_t offset = 0;  // where the body begins in the document
    ImportMessages& messages;

    void At(size_t at) const { messages.At(name, offset + at); }
};

// A section's layout holding the body as read, which the section is read from: a view into the
// document text it shares.
std::shared_ptr<SectionLayout> LayoutOf(const SharedText& documentText, const SectionBody& body) {
    auto layout = std::make_shared<SectionLayout>();
    layout->Text = documentText;
    layout->Body = body.text;
    return layout;
}

// Where the element that begins with `tag` ends: after its end tag, or after the tag itself.
size_t ElementEnd(std::string_view body, const HtmlTag& tag) {
    const std::optional<HtmlTag> end = MatchingEndTag(body, tag);
    return end ? end->End : tag.End;
}

using TagReader = std::optional<HtmlTag> (*)(std::string_view, size_t);

// Calls `visit` for each start tag of body[from, to) in order, read by `read`. It returns where
// to go on reading, or none to stop; end tags, comments and the DOCTYPE are passed over. False
// when `visit` stopped.
template <typename Visit>
bool ForEachStartTag(std::string_view body, size_t from, size_t to, Visit visit,
                     TagReader read = NextHtmlTag) {
    for (std::optional<HtmlTag> tag = read(body, from); tag && tag->Start < to;
         tag = read(body, from)) {
        if (tag->Kind != HtmlTagKind::Start) {
            from = tag->End;
            continue;
        }
        const std::optional<size_t> next = visit(*tag);
        if (!next) {
            return false;
        }
        from = std::max(*next, tag->End);
    }
    return true;
}

// An element the section does not read: said once per tag name (the messages count them), and
// looked into, so that an image in a table cell or a div is still read. Scripts, styles and the
// other elements whose content is text hold no markup and are passed over whole.
size_t NotUnderstood(const SectionReading& reading, const HtmlTag& tag) {
    reading.messages.Message("Tag Not Understood: '" + tag.Name + "'", "", MessageIcon::None);
    if (IsRawTextElement(tag.Name)) {
        return ElementEnd(reading.body, tag);
    }
    return tag.End;
}

// Whether an element is still open at `position`, counted from the start of the body. Asked only
// of a link without an image, which is rare, so it may walk the body.
bool StandsInsideAnElement(std::string_view body, size_t position) {
    int open = 0;
    for (std::optional<HtmlTag> tag = NextHtmlTag(body, 0); tag && tag->Start < position;
         tag = NextHtmlTag(body, tag->End)) {
        if (tag->Kind == HtmlTagKind::Start && !tag->SelfClosing && !IsVoidElement(tag->Name)) {
            if (IsRawTextElement(tag->Name)) {
                const size_t end = ElementEnd(body, *tag);
                if (end > position) {
                    return true;
                }
                tag->End = end;
                continue;
            }
            ++open;
        } else if (tag->Kind == HtmlTagKind::End && open > 0) {
            --open;
        }
    }
    return open > 0;
}

// An element whose tags begin at `tagStarts`, the first of them where the element begins.
ElementOrigin OriginAt(OriginKind kind, std::string_view body,
                       std::initializer_list<size_t> tagStarts, size_t elementEnd) {
    ElementOrigin origin;
    origin.Kind = kind;
    origin.End = static_cast<BodyOffset>(EndOfElementLine(body, elementEnd));
    origin.KeepTags(tagStarts);
    return origin;
}

std::shared_ptr<ElementOrigin> OriginOf(OriginKind kind, std::string_view body,
                                        std::initializer_list<size_t> tagStarts,
                                        size_t elementEnd) {
    return std::make_shared<ElementOrigin>(OriginAt(kind, body, tagStarts, elementEnd));
}

// A MAP of the Images section with its areas, found wherever it stands.
struct MapRead {
    std::string name;
    std::string id;
    std::shared_ptr<ElementOrigin> origin;
    // Where each AREA tag begins and where its element ends; the tags are read again when the
    // map is claimed, rather than held meanwhile.
    std::vector<std::pair<BodyOffset, BodyOffset>> areas;
    // Once claimed by the first image naming it: where each area stands, in one block shared
    // by all of them, as a map may hold thousands of areas. It is reserved in full before the
    // first is added, so the pointers into it stay valid.
    bool claimed = false;
    std::shared_ptr<std::vector<ElementOrigin>> areaOrigins;

    bool Names(const std::string& mapName) const {
        return EqualsIgnoreCase(name, mapName) || (!id.empty() && EqualsIgnoreCase(id, mapName));
    }
};

class ImagesSectionReader {
  public:
    // Reads the body `layout` holds into its elements.
    ImagesSectionReader(const SectionReading& reading, std::shared_ptr<SectionLayout> layout,
                        ImportContext& context)
        : mReading(reading), mBody(reading.body), mLayout(std::move(layout)), mContext(context) {}

    // False when the section could not be read to its end.
    bool Read() {
        const bool complete = ForEachStartTag(mBody, 0, mBody.size(),
                                              [&](const HtmlTag& tag) { return Element(tag); });
        const size_t stoppedAt = mLastElement;
        MakeMapAreas();
        if (!complete) {
            mReading.At(stoppedAt);
        }
        mLayout->Elements = std::move(mElements);
        std::sort(mLayout->Elements.begin(), mLayout->Elements.end(),
                  [](const ElementOriginPtr& a, const ElementOriginPtr& b) {
                      return a->Start < b->Start;
                  });
        mContext.design.ImagesLayout = std::move(mLayout);
        return complete;
    }

  private:
    std::optional<size_t> Element(const HtmlTag& tag) {
        mLastElement = tag.Start;
        mReading.At(tag.Start);
        if (tag.Name == "IMG") {
            ImportImg(AttributesOf(tag), mContext);
            return Image({tag.Start}, ElementEnd(mBody, tag));
        }
        if (tag.Name == "CANVAS") {
            ImportCanvas(AttributesOf(tag), mContext);
            return Image({tag.Start}, ElementEnd(mBody, tag));
        }
        if (tag.Name == "MAP") {
            return Map(tag);
        }
        if (tag.Name == "A") {
            return LinkedImage(tag);
        }
        return NotUnderstood(mReading, tag);
    }

    size_t Image(std::initializer_list<size_t> tagStarts, size_t end) {
        ImageProperties& image = mContext.design.Image(mContext.design.ImageCount());
        auto origin = OriginOf(OriginKind::Image, mBody, tagStarts, end);
        origin->KindAsRead = image.ImageType;
        origin->ValuesAsRead = PackedValues(ImageValues(image));
        // The image insertion turns the picture with a style item the writer never keeps.
        if (TrimBlanks(image.Transform) == "rotate(90deg)") {
            origin->ValuesAsRead.Add({origin->TagCount - 1U, "style:transform", image.Transform});
        }
        image.Origin = origin;
        mElements.push_back(origin);
        return origin->End;
    }

    // An image wrapped in a link; none, which ends the import, when the link holds no image.
    std::optional<size_t> LinkedImage(const HtmlTag& link) {
        const std::optional<HtmlTag> end = MatchingEndTag(mBody, link);
        std::optional<HtmlTag> image = NextHtmlTag(mBody, link.End);
        while (image && image->Kind == HtmlTagKind::Other) {
            image = NextHtmlTag(mBody, image->End);
        }
        if (!image || image->Kind != HtmlTagKind::Start || image->Name != "IMG" ||
            (end && image->Start > end->Start)) {
            // A text link inside other markup (a graph's "[legend]" in a centred span) is the
            // page's own; only a link standing alone in the section must hold an image.
            if (StandsInsideAnElement(mBody, link.Start)) {
                return NotUnderstood(mReading, link);
            }
            mReading.messages.Message("IMG HTML Not Properly Parsed.", "", MessageIcon::Critical);
            return std::nullopt;
        }
        ImportImg(AttributesOf(*image), mContext);
        ImageProperties& imported = mContext.design.Image(mContext.design.ImageCount());
        imported.HREF = link.Get("HREF");
        imported.ImageType = kImageHyperlink;
        return Image({link.Start, image->Start}, end ? end->End : ElementEnd(mBody, *image));
    }

    size_t Map(const HtmlTag& tag) {
        MapRead map{tag.Get("Name"),
                    tag.Get("Id"),
                    OriginOf(OriginKind::Map, mBody, {tag.Start}, tag.End),
                    {},
                    false,
                    {}};
        const std::optional<HtmlTag> end = MatchingEndTag(mBody, tag);
        const size_t to = end ? end->Start : mBody.size();
        map.origin->NewAreasAt = static_cast<BodyOffset>(to);
        // Only where the areas stand is kept for now: their attributes are read when the map
        // is claimed.
        ForEachStartTag(
            mBody, tag.End, to,
            [&](const HtmlTag& inner) -> std::optional<size_t> {
                if (inner.Name != "AREA") {
                    return inner.End;
                }
                const size_t areaEnd = ElementEnd(mBody, inner);
                map.areas.emplace_back(static_cast<BodyOffset>(inner.Start),
                                       static_cast<BodyOffset>(areaEnd));
                return areaEnd;
            },
            NextHtmlTagOutline);
        mMaps.push_back(std::move(map));
        return end ? end->End : to;
    }

    // The first map of a name serves every image naming it, wherever it stands, as in a
    // browser: each of them gets its areas, all made from the same elements, which are written
    // once. Other maps stay as they are written.
    void MakeMapAreas() {
        // Room made first for exactly what comes: a large page has tens of thousands of areas.
        size_t areaCount = mContext.design.Areas.Count();
        size_t elementCount = mElements.size();
        std::vector<bool> counted(mMaps.size());
        for (int i = 1; i <= mContext.design.ImageCount(); ++i) {
            const MapRead* map = MapOf(mContext.design.Image(i));
            if (map != nullptr) {
                areaCount += map->areas.size();
                const size_t m = static_cast<size_t>(map - mMaps.data());
                elementCount += counted[m] ? 0 : 1 + map->areas.size();
                counted[m] = true;
            }
        }
        mContext.design.Areas.Reserve(areaCount);
        mElements.reserve(elementCount);
        for (int i = 1; i <= mContext.design.ImageCount(); ++i) {
            ImageProperties& image = mContext.design.Image(i);
            MapRead* map = MapOf(image);
            if (map == nullptr) {
                continue;
            }
            const bool first = !map->claimed;
            if (first) {
                map->claimed = true;
                map->areaOrigins = std::make_shared<std::vector<ElementOrigin>>();
                map->areaOrigins->reserve(map->areas.size());
                map->origin->ValuesAsRead = PackedValues(MapValues(image));
                image.MapOrigin = map->origin;
                mElements.push_back(map->origin);
            }
            for (size_t a = 0; a < map->areas.size(); ++a) {
                const auto [areaStart, areaEnd] = map->areas[a];
                mReading.At(areaStart);
                ClickableArea& area = ImportArea(*NextHtmlTag(mBody, areaStart), i, mContext);
                if (first) {
                    ElementOrigin& origin = map->areaOrigins->emplace_back(
                        OriginAt(OriginKind::Area, mBody, {areaStart}, areaEnd));
                    origin.ValuesAsRead =
                        PackedValues(AreaValues(area, image), origin.TextIn(mBody));
                    mElements.emplace_back(map->areaOrigins, &origin);
                }
                area.Origin = ElementOriginPtr(map->areaOrigins, &(*map->areaOrigins)[a]);
            }
        }
        mMaps.clear();
        mMaps.shrink_to_fit();
    }

    // The map serving an image map, or none.
    MapRead* MapOf(const ImageProperties& image) {
        if (image.ImageType != kImageMap) {
            return nullptr;
        }
        const auto map = std::find_if(mMaps.begin(), mMaps.end(),
                                      [&](const MapRead& m) { return m.Names(image.MapName); });
        return map == mMaps.end() ? nullptr : &*map;
    }

    const SectionReading mReading;
    const std::string_view mBody;
    std::shared_ptr<SectionLayout> mLayout;
    ImportContext& mContext;
    std::vector<MapRead> mMaps;
    std::vector<ElementOriginPtr> mElements;
    size_t mLastElement = 0;
};

using ControlImporter = const PageControl& (*)(const AttributeTable&, std::string_view,
                                               PageControls&, Dialogs&);

// An element with its end tag, its content standing between the two.
std::shared_ptr<ElementOrigin> OriginWithContent(OriginKind kind, std::string_view body,
                                                 const HtmlTag& tag,
                                                 const std::optional<HtmlTag>& end) {
    auto origin = OriginOf(kind, body, {tag.Start}, end ? end->End : tag.End);
    origin->ContentRead = end.has_value();
    origin->ContentStart = static_cast<BodyOffset>(tag.End);
    origin->ContentEnd = static_cast<BodyOffset>(end ? end->Start : tag.End);
    return origin;
}

// The control's values as read. A value the tag spells in another case (the reading upper-cases
// TYPE) counts as the tag spells it, so that the control's spelling is written, as it always was.
WrittenValues ControlValuesAsRead(const PageControl& control, const HtmlTag& tag) {
    WrittenValues values = control.Values();
    for (WrittenValue& value : values) {
        const HtmlAttribute* attribute = tag.Find(value.Name);
        if (attribute != nullptr && EqualsIgnoreCase(attribute->Value, value.Value)) {
            value.Value = attribute->Value;
        }
    }
    return values;
}

// One page-control section: one control per element of its kind. Answers the section as read,
// its elements in the order of the controls made from them.
std::shared_ptr<const SectionLayout> ImportControlSection(
    const SharedText& documentText, const std::string& section, const std::string& tagName,
    ControlImporter importOne, ImportContext& context, ImportMessages& messages) {
    const SectionBody read = RawSectionBody(*documentText, section);
    const size_t offset = read.offset;
    auto layout = LayoutOf(documentText, read);
    const std::string_view body = layout->Body;
    const SectionReading reading{section, body, offset, messages};
    // A full page says so once and reads no more of the section, instead of refusing every
    // further element with a message of its own.
    try {
        ForEachStartTag(body, 0, body.size(), [&](const HtmlTag& tag) {
            reading.At(tag.Start);
            if (tag.Name != tagName) {
                return NotUnderstood(reading, tag);
            }
            const std::optional<HtmlTag> end = MatchingEndTag(body, tag);
            auto origin = OriginWithContent(OriginKind::Control, body, tag, end);
            const std::string_view inner =
                body.substr(origin->ContentStart, origin->ContentEnd - origin->ContentStart);
            const PageControl& control =
                importOne(AttributesOf(tag), inner, *context.controls, messages);
            origin->ValuesAsRead = PackedValues(ControlValuesAsRead(control, tag));
            origin->EmptyValuesLeftOut = true;
            layout->Elements.push_back(std::move(origin));
            return end ? end->End : tag.End;
        });
    } catch (const OverflowError& full) {
        messages.Message(full.what(), "", MessageIcon::None);
    }
    return layout;
}

void ImportControlSections(const SharedText& documentText, ImportContext& context,
                           ImportMessages& messages) {
    PageControls& controls = *context.controls;
    controls.SetReadingDocument(true);
    try {
        controls.RemoveAllLabels();
        controls.Label1.ReadSection =
            ImportControlSection(documentText, "Labels", "LABEL", ImportLabel, context, messages);
        controls.UnloadControlsAbove("Label1", controls.LabelCount());
        controls.RemoveAllAnchors();
        controls.Anchor1.ReadSection =
            ImportControlSection(documentText, "Anchors", "A", ImportAnchor, context, messages);
        controls.UnloadControlsAbove("Anchor1", controls.AnchorCount());
        controls.RemoveAllInputs();
        controls.Input1.ReadSection =
            ImportControlSection(documentText, "Inputs", "INPUT", ImportInput, context, messages);
    } catch (...) {
        controls.SetReadingDocument(false);
        throw;
    }
    controls.SetReadingDocument(false);
}

void ImportBalloonsSection(const SharedText& documentText, ImportContext& context,
                           ImportMessages& messages) {
    const std::string name = "Balloons";
    const SectionBody read = RawSectionBody(*documentText, name);
    const size_t offset = read.offset;
    auto layout = LayoutOf(documentText, read);
    const std::string_view body = layout->Body;
    const SectionReading reading{name, body, offset, messages};
    ForEachStartTag(body, 0, body.size(), [&](const HtmlTag& tag) {
        if (tag.Name != "DIV") {
            return tag.End;
        }
        reading.At(tag.Start);
        const std::optional<HtmlTag> end = MatchingEndTag(body, tag);
        auto origin = OriginWithContent(OriginKind::Balloon, body, tag, end);
        const std::string_view inner =
            body.substr(origin->ContentStart, origin->ContentEnd - origin->ContentStart);
        ClickableArea& balloon = ImportBalloon(AttributesOf(tag), inner, context);
        origin->ValuesAsRead = PackedValues(BalloonValues(balloon));
        balloon.Origin = origin;
        layout->Elements.push_back(std::move(origin));
        return end ? end->End : tag.End;
    });
    context.design.BalloonsLayout = std::move(layout);
}

// The canvas script as read, beside what the program would write for the last canvas: only the
// lines whose values change are written again.
void KeepCanvasScript(const std::string& documentText, PageDesign& design) {
    for (int i = design.ImageCount(); i >= 1; --i) {
        ImageProperties canvas = design.Image(i);
        if (canvas.ImageType == kImageCanvas) {
            canvas.Id = WrittenCanvasId(canvas);
            design.CanvasScriptRead = RawSectionBody(documentText, "CanvasScript_Bottom").text;
            design.CanvasScriptWrittenAsRead = CanvasScriptBottomBody(canvas, "\n");
            return;
        }
    }
}

// A section of the design whose end marker is gone runs on over the next section: writing it
// would write that section away. Such a page is read no further; false after saying where.
bool DesignSectionsEndInTurn(const std::string& documentText, ImportMessages& messages) {
    for (const char* name : {"CanvasScript_Top", "Images", "Labels", "Anchors", "Inputs",
                             "Balloons", "CanvasScript_Bottom"}) {
        const SectionBody body = RawSectionBody(documentText, name);
        const size_t nested = body.text.find(kSectionStartPrefix);
        if (nested != std::string_view::npos) {
            messages.At(name, body.offset + nested);
            messages.Message("End of Section Not Found: '" + std::string(kSectionEndMarker) + "'",
                             "", MessageIcon::None);
            return false;
        }
    }
    return true;
}

// Reads the sections in order; false when one of them ended the import.
bool ImportSections(const SharedText& documentText, ImportContext& context,
                    ImportMessages& messages) {
    // The places of the elements read are kept in four bytes each.
    if (documentText->size() > kLargestDocument) {
        throw RuntimeError("The document is too large to be read: 4 GB at most");
    }
    if (!DesignSectionsEndInTurn(*documentText, messages)) {
        return false;
    }
    const std::string images = "Images";
    const SectionBody read = RawSectionBody(*documentText, images);
    const size_t offset = read.offset;
    auto layout = LayoutOf(documentText, read);
    const std::string_view body = layout->Body;
    context.design.ClearImages();
    ImagesSectionReader reader({images, body, offset, messages}, std::move(layout), context);
    if (!reader.Read()) {
        return false;
    }
    if (context.controls != nullptr) {
        ImportControlSections(documentText, context, messages);
    }
    const SectionBody canvasAreas = RawSectionBody(*documentText, "CanvasScript_Top");
    messages.At("CanvasScript_Top", canvasAreas.offset);
    ImportCanvasAreas(LayoutOf(documentText, canvasAreas), context);
    KeepCanvasScript(*documentText, context.design);
    ImportBalloonsSection(documentText, context, messages);
    return true;
}

void RecordStop(PageDesign& design, const ImportMessages& messages) {
    design.ImportStoppedInSection = messages.Section();
    design.ImportStoppedAtLine = std::max<size_t>(messages.Line(), 1);
}

}  // namespace

void ImportDocument(const std::string& documentText, ImportContext& context) {
    ImportDocument(std::make_shared<const std::string>(documentText), context);
}

void ImportDocument(const SharedText& documentText, ImportContext& context) {
    ImportMessages messages(context.dialogs, *documentText);
    ImportContext reading{context.design, context.surface, context.pictures, messages,
                          context.documentFolder};
    reading.controls = context.controls;
    reading.ftp = context.ftp;
    reading.temporaryFolder = context.temporaryFolder;
    PageDesign& design = context.design;
    design.ImportStoppedInSection.clear();
    design.ImportStoppedAtLine = 0;
    try {
        ClearAreasAndPicture(design, context.surface);
        if (!TrimBlankLines(*documentText).empty() &&
            !ImportSections(documentText, reading, messages)) {
            RecordStop(design, messages);
        }
    } catch (const std::exception& e) {
        messages.Message(e.what(), "", MessageIcon::None);
        RecordStop(design, messages);
    }
    messages.Show();
}

}  // namespace htmlsim
