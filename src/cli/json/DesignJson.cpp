#include "DesignJson.h"

#include "JsonRecordStream.h"

namespace htmlsim::cli {

namespace {

void WriteImage(JsonRecordStream& json, const ImageProperties& image) {
    json.Number("Index", image.Index);
    json.Text("Id", image.Id);
    json.Text("SRC", image.SRC);
    json.Text("Name", image.Name);
    json.Number("Border", image.Border);
    json.Number("Left", image.Left);
    json.Number("Top", image.Top);
    json.Number("Width", image.Width);
    json.Number("Height", image.Height);
    json.Number("ImageType", image.ImageType);
    json.Text("MapName", image.MapName);
    json.Text("HREF", image.HREF);
    json.Text("Title", image.Title);
    json.Text("Position", image.Position);
    json.Text("Transform", image.Transform);
    json.Text("PathAndName", image.PathAndName());
    json.Number("PictureWidth", image.PictureWidth);
    json.Number("PictureHeight", image.PictureHeight);
}

void WriteArea(JsonRecordStream& json, const ClickableArea& area) {
    json.Number("Index", area.Index);
    json.Text("Name", area.Name);
    json.Number("Left", area.Left);
    json.Number("Top", area.Top);
    json.Number("Width", area.Width);
    json.Number("Height", area.Height);
    json.Number("ImageID", area.ImageID);
    json.Number("AreaType", area.AreaType);
    json.Text("LinkAddress", area.LinkAddress);
    json.Text("Title", area.Title);
    json.Text("ClickType", area.ClickType());
    json.Flag("isLinkable", area.isLinkable);
    const BalloonText& balloon = area.Balloon();
    json.Text("BackgroundColor", balloon.BackgroundColor);
    json.Text("BorderRadius", balloon.BorderRadius);
    json.Text("InnerHTML", balloon.InnerHTML);
}

void WriteLabel(JsonRecordStream& json, const Label& label) {
    json.Text("Style", label.Style());
    json.Text("InnerHTML", label.InnerHTML());
    json.Text("ID", label.ID());
    // The box the surface shows, at the size a browser gives the text.
    json.Number("ShownWidth", label.Drawing().ShownWidth);
    json.Number("ShownHeight", label.Drawing().ShownHeight);
}

void WriteAnchor(JsonRecordStream& json, const Anchor& anchor) {
    json.Text("Style", anchor.Style());
    json.Text("HREF", anchor.HREF());
    json.Text("Target", anchor.Target());
    json.Text("Name2", anchor.Name2());
    json.Text("Class", anchor.Class());
    json.Text("Value", anchor.Value());
}

void WriteInput(JsonRecordStream& json, const Input& input) {
    json.Text("Style", input.Style());
    json.Text("Accept", input.Accept());
    json.Text("Title", input.Title());
    json.Flag("Checked", input.Checked());
    json.Flag("Disabled", input.Disabled());
    json.Number("MaxLength", input.MaxLength());
    json.Text("Name2", input.Name2());
    json.Flag("ReadOnly", input.ReadOnly());
    json.Number("Size", input.Size());
    json.Text("SRC", input.SRC());
    json.Text("Type2", input.Type2());
    json.Text("Caption", input.Caption());
    json.Text("Value", input.Value());
}

void WriteMessage(JsonRecordStream& json, const DesignMessage& message) {
    json.Text("text", message.text);
    json.Text("title", message.title);
    json.Text("icon", message.icon);
    json.Number("count", static_cast<long long>(message.count));
    json.Number("line", static_cast<long long>(message.line));
}

// One array of records, in the order given.
template <typename Items, typename WriteItem>
void WriteArray(JsonRecordStream& json, const char* name, const Items& items, WriteItem write) {
    json.BeginArray(name);
    for (const auto& item : items) {
        json.BeginRecord();
        write(json, item);
        json.EndRecord();
    }
    json.EndArray();
}

// The counted controls of one kind, in element order; none without the page's controls.
template <typename Control>
std::vector<const Control*> Counted(const PageControls* page,
                                    ControlArray<Control> PageControls::*array) {
    std::vector<const Control*> controls;
    for (int index = 0; page != nullptr && index < (page->*array).Count(); ++index) {
        controls.push_back(&(page->*array)[index]);
    }
    return controls;
}

}  // namespace

void WriteDesignJson(std::ostream& out, const PageDesign& design, const PageControls* controls,
                     const std::vector<DesignMessage>& messages, const DocumentCodec& codec) {
    JsonRecordStream json(out);
    json.TopText("encoding", EncodingName(codec.Encoding()));
    json.DecodeTextsWith([&codec](std::string_view bytes) { return codec.Decode(bytes); });
    json.BeginArray("images");
    for (int i = 1; i <= design.ImageCount(); ++i) {
        json.BeginRecord();
        WriteImage(json, design.Image(i));
        json.EndRecord();
    }
    json.EndArray();
    WriteArray(json, "areas", design.Areas,
               [](JsonRecordStream& j, const ClickableAreaPtr& area) { WriteArea(j, *area); });
    WriteArray(json, "labels", Counted(controls, &PageControls::Label1),
               [](JsonRecordStream& j, const Label* label) { WriteLabel(j, *label); });
    WriteArray(json, "anchors", Counted(controls, &PageControls::Anchor1),
               [](JsonRecordStream& j, const Anchor* anchor) { WriteAnchor(j, *anchor); });
    WriteArray(json, "inputs", Counted(controls, &PageControls::Input1),
               [](JsonRecordStream& j, const Input* input) { WriteInput(j, *input); });
    json.DecodeTextsWith({});
    WriteArray(json, "messages", messages, WriteMessage);
    json.Finish();
}

}  // namespace htmlsim::cli
