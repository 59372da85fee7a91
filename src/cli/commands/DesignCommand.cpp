#include <iostream>
#include <nlohmann/json.hpp>

#include "CliCommand.h"
#include "CliDesign.h"
#include "QtPictures.h"

namespace htmlsim::cli {

namespace {

using Json = nlohmann::ordered_json;

// Keeps the messages for the printed design instead of writing them to stderr.
class RecordingDialogs : public CliDialogs {
  public:
    void Message(const std::string& text, const std::string& title, MessageIcon icon) override {
        messages.push_back({{"text", text}, {"title", title}, {"icon", IconName(icon)}});
    }

    // A reading's messages: each text once, with how often it came and its first line.
    void ShowCollectedMessages(const std::vector<CollectedMessage>& list) override {
        for (const CollectedMessage& message : list) {
            messages.push_back({{"text", message.text},
                                {"title", message.title},
                                {"icon", IconName(message.icon)},
                                {"count", message.count},
                                {"line", message.firstLine}});
        }
    }

    Json messages = Json::array();

  private:
    static const char* IconName(MessageIcon icon) {
        switch (icon) {
            case MessageIcon::Critical:
                return "critical";
            case MessageIcon::Question:
                return "question";
            case MessageIcon::Information:
            case MessageIcon::Exclamation:
                return "information";
            case MessageIcon::None:
                break;
        }
        return "none";
    }
};

Json ImageJson(const ImageProperties& image) {
    return {{"Index", image.Index},
            {"Id", image.Id},
            {"SRC", image.SRC},
            {"Name", image.Name},
            {"Border", image.Border},
            {"Left", image.Left},
            {"Top", image.Top},
            {"Width", image.Width},
            {"Height", image.Height},
            {"ImageType", image.ImageType},
            {"MapName", image.MapName},
            {"HREF", image.HREF},
            {"Title", image.Title},
            {"Position", image.Position},
            {"Transform", image.Transform},
            {"PathAndName", image.PathAndName()},
            {"PictureWidth", image.PictureWidth},
            {"PictureHeight", image.PictureHeight}};
}

Json AreaJson(const ClickableArea& area) {
    return {{"Index", area.Index},
            {"Name", area.Name},
            {"Left", area.Left},
            {"Top", area.Top},
            {"Width", area.Width},
            {"Height", area.Height},
            {"ImageID", area.ImageID},
            {"AreaType", area.AreaType},
            {"LinkAddress", area.LinkAddress},
            {"Title", area.Title},
            {"ClickType", area.ClickType()},
            {"isLinkable", area.isLinkable},
            {"BackgroundColor", area.BackgroundColor},
            {"BorderRadius", area.BorderRadius},
            {"InnerHTML", area.InnerHTML}};
}

Json LabelJson(const Label& label) {
    return {{"Style", label.Style()}, {"InnerHTML", label.InnerHTML()}, {"ID", label.ID()}};
}

Json AnchorJson(const Anchor& anchor) {
    return {{"Style", anchor.Style()}, {"HREF", anchor.HREF()},   {"Target", anchor.Target()},
            {"Name2", anchor.Name2()}, {"Class", anchor.Class()}, {"Value", anchor.Value()}};
}

Json InputJson(const Input& input) {
    return {{"Style", input.Style()},       {"Accept", input.Accept()},
            {"Title", input.Title()},       {"Checked", input.Checked()},
            {"Disabled", input.Disabled()}, {"MaxLength", input.MaxLength()},
            {"Name2", input.Name2()},       {"ReadOnly", input.ReadOnly()},
            {"Size", input.Size()},         {"SRC", input.SRC()},
            {"Type2", input.Type2()},       {"Caption", input.Caption()},
            {"Value", input.Value()}};
}

// The counted controls of one kind, in element order.
template <typename Control>
Json ControlsJson(const ControlArray<Control>& array, Json (*toJson)(const Control&)) {
    Json controls = Json::array();
    for (int index = 0; index < array.Count(); ++index) {
        controls.push_back(toJson(array[index]));
    }
    return controls;
}

int RunDesign(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        throw UsageError();
    }
    CliSession session;
    PageDesign design;
    UnpaintedSurface surface;
    QtPictures pictures;
    RecordingDialogs dialogs;
    CliPageControls controls(session, dialogs);
    if (!OpenAndImportDesign(session, args[0], design, surface, pictures, dialogs,
                             controls.Get())) {
        return kExitFailure;
    }
    Json images = Json::array();
    for (int i = 1; i <= design.ImageCount(); ++i) {
        images.push_back(ImageJson(design.Image(i)));
    }
    Json areas = Json::array();
    for (const ClickableAreaPtr& area : design.Areas) {
        areas.push_back(AreaJson(*area));
    }
    const PageControls& page = controls.Get();
    const Json result = {{"images", images},
                         {"areas", areas},
                         {"labels", ControlsJson(page.Label1, LabelJson)},
                         {"anchors", ControlsJson(page.Anchor1, AnchorJson)},
                         {"inputs", ControlsJson(page.Input1, InputJson)},
                         {"messages", dialogs.messages}};
    // Texts of a Latin-1 document are not UTF-8: such bytes are shown replaced, not refused.
    std::cout << result.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
    return kExitSuccess;
}

const CliCommandRegistration kDesign(
    {"design", "PATH",
     "reads the design of the document at PATH and prints it as JSON: images, areas, labels, "
     "anchors, inputs and the messages shown while reading",
     RunDesign});

}  // namespace
}  // namespace htmlsim::cli
