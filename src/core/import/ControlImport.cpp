#include "import/ControlImport.h"

#include <exception>
#include <string>

#include "import/ImportValues.h"
#include "services/Dialogs.h"
#include "surface/PageControls.h"
#include "util/Numbers.h"

namespace htmlsim {

namespace {

// Runs one control's import, showing its failure as the import goes on.
template <typename Steps>
void ImportOne(Dialogs& dialogs, Steps steps) {
    try {
        steps();
    } catch (const std::exception& e) {
        dialogs.Message(e.what(), "", MessageIcon::None);
    }
}

bool FlagAttribute(const AttributeTable& attributes, std::string_view name, Dialogs& dialogs) {
    std::string text = GetAttribute(attributes, name);
    return InterpretBoolean(text, dialogs);
}

int16_t NumberAttribute(const AttributeTable& attributes, std::string_view name) {
    return RoundToInt16(LeadingNumber(GetAttribute(attributes, name)));
}

}  // namespace

const PageControl& ImportLabel(const AttributeTable& attributes, std::string_view innerText,
                               PageControls& controls, Dialogs& dialogs) {
    const int index = controls.NextElement(controls.Label1);
    ImportOne(dialogs, [&] {
        Label& label = controls.Label1[index];
        RefreshingScope refreshing(label);
        label.SetStyle(GetAttribute(attributes, "style"));
        // The label writes its ID, so it reads it back: Properties shows what the page holds.
        label.SetID(GetAttribute(attributes, "id"));
        label.SetInnerHTML(std::string(innerText));
        controls.Label1.SetVisible(index, true);
    });
    return controls.Label1[index];
}

const PageControl& ImportAnchor(const AttributeTable& attributes, std::string_view innerText,
                                PageControls& controls, Dialogs& dialogs) {
    const int index = controls.NextElement(controls.Anchor1);
    ImportOne(dialogs, [&] {
        Anchor& anchor = controls.Anchor1[index];
        RefreshingScope refreshing(anchor);
        anchor.SetStyle(GetAttribute(attributes, "style"));
        anchor.SetHREF(GetAttribute(attributes, "href"));
        anchor.SetTarget(GetAttribute(attributes, "target"));
        anchor.SetName2(GetAttribute(attributes, "name"));
        anchor.SetClass(GetAttribute(attributes, "class"));
        anchor.SetValue(std::string(innerText));
        controls.Anchor1.SetVisible(index, true);
    });
    return controls.Anchor1[index];
}

const PageControl& ImportInput(const AttributeTable& attributes, std::string_view innerText,
                               PageControls& controls, Dialogs& dialogs) {
    const int index = controls.NextElement(controls.Input1);
    ImportOne(dialogs, [&] {
        Input& input = controls.Input1[index];
        {
            RefreshingScope refreshing(input);
            input.SetStyle(GetAttribute(attributes, "style"));
            input.SetAccept(GetAttribute(attributes, "accept"));
            input.SetTitle(GetAttribute(attributes, "Title"));
            input.SetChecked(FlagAttribute(attributes, "checked", dialogs));
            input.SetDisabled(FlagAttribute(attributes, "disabled", dialogs));
            input.SetMaxLength(NumberAttribute(attributes, "maxlength"));
            input.SetName2(GetAttribute(attributes, "name"));
            input.SetReadOnly(FlagAttribute(attributes, "readonly", dialogs));
            input.SetSize(NumberAttribute(attributes, "size"));
            input.SetSRC(GetAttribute(attributes, "src"));
            // Without a TYPE an input is a text box, as browsers read it.
            input.SetType2(HasAttribute(attributes, "type") ? GetAttribute(attributes, "type")
                                                            : std::string("TEXT"));
        }
        // Caption and value come after the bracket, so the input lays itself out once.
        input.SetCaption(std::string(innerText));
        input.SetValue(GetAttribute(attributes, "value"));
        controls.Input1.SetVisible(index, true);
    });
    return controls.Input1[index];
}

}  // namespace htmlsim
