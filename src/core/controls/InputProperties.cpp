#include <exception>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "controls/Input.h"
#include "controls/PropertiesDialog.h"
#include "import/ImportValues.h"
#include "services/Dialogs.h"
#include "util/Numbers.h"
#include "util/Text.h"
#include "util/TextToNumber.h"

namespace htmlsim {

namespace {

// The rows an input of the given (upper-case) type offers; none for a type it cannot have.
std::vector<std::string> RowNames(const std::string& upperType) {
    if (upperType == "BUTTON" || upperType == "HIDDEN" || upperType == "PASSWORD" ||
        upperType == "RESET" || upperType == "SUBMIT" || upperType == "SELECT" ||
        upperType == "TEXT") {
        return {"Name", "Type", "Value", "Size", "ReadOnly", "Style", "MaxLength", "Disabled"};
    }
    if (upperType == "CHECKBOX" || upperType == "RADIO") {
        return {"Name",  "Type",      "Value",    "Size",    "ReadOnly",
                "Style", "MaxLength", "Disabled", "Checked", "Caption"};
    }
    if (upperType == "FILE") {
        return {"Name",  "Type",      "Value",    "Size",  "ReadOnly",
                "Style", "MaxLength", "Disabled", "Title", "Accept"};
    }
    if (upperType == "IMAGE") {
        return {"Name",     "Type",  "Value",     "SRC",      "Size",
                "ReadOnly", "Style", "MaxLength", "Disabled", "Title"};
    }
    return {};
}

std::string BooleanWord(bool value) {
    return value ? "True" : "False";
}

// Every property a row can show, by row name, in the form the row shows it.
std::map<std::string, std::string> RowValues(const Input& input) {
    return {{"Name", input.Name2()},
            {"Type", input.Type2()},
            {"Value", input.Value()},
            {"SRC", input.SRC()},
            {"Size", std::to_string(input.Size())},
            {"ReadOnly", BooleanWord(input.ReadOnly())},
            {"Style", input.Style()},
            {"MaxLength", std::to_string(input.MaxLength())},
            {"Disabled", BooleanWord(input.Disabled())},
            {"Checked", BooleanWord(input.Checked())},
            {"Caption", input.Caption()},
            {"Title", input.Title()},
            {"Accept", input.Accept()}};
}

// A number row as a 16-bit field takes it: any number, a fraction rounded halves to even.
std::optional<int16_t> Number16(std::string_view text) {
    try {
        return RoundToInt16(TextToNumber(text));
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

// True or False in any case, or a number (zero is False), as a flag row is read.
std::optional<bool> StandardBoolean(std::string_view text) {
    const std::string_view word = TrimBlanks(text);
    if (EqualsIgnoreCase(word, "True")) {
        return true;
    }
    if (EqualsIgnoreCase(word, "False")) {
        return false;
    }
    try {
        return TextToNumber(word) != 0;
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

}  // namespace

void Input::ShowProperties(PropertiesDialog& dialog) {
    const std::vector<std::string> names = RowNames(ToUpperAscii(mType2));
    if (names.empty()) {
        DialogsService().Message("Value Not Understood: '" + mType2 + "'", "", MessageIcon::None);
    }
    const std::map<std::string, std::string> all = RowValues(*this);
    std::vector<std::string> values;
    for (const std::string& name : names) {
        values.push_back(all.at(name));
    }
    dialog.RefreshForm(names, values);
    dialog.ShowModal();
    {
        RefreshingScope refreshing(*this);
        for (int i = 0; i < dialog.NumberOfItems(); ++i) {
            WritePropertyRow(ToUpperAscii(dialog.ItemName(i)), dialog.ItemValue(i));
        }
    }
    LayoutChildren();
    RaiseChangeHasBeenMade();
}

// A number or flag row that does not convert keeps the property as it was and says so; the
// other rows still apply.
void Input::WritePropertyRow(const std::string& upperName, std::string value) {
    auto refuse = [&](const std::string& rowName, const std::string& expected) {
        DialogsService().Message(
            "The " + rowName + " row needs " + expected + "; '" + value + "' was not used.", "",
            MessageIcon::Exclamation);
    };
    auto number = [&](const std::string& rowName, int16_t& field) {
        if (const auto converted = Number16(value)) {
            field = *converted;
        } else {
            refuse(rowName, "a number from -32768 to 32767");
        }
    };
    auto flag = [&](const std::string& rowName, bool& field) {
        if (const auto converted = StandardBoolean(value)) {
            field = *converted;
        } else {
            refuse(rowName, "True, False or a number");
        }
    };
    if (upperName == "NAME") {
        mName2 = std::move(value);
    } else if (upperName == "TYPE") {
        SetType2(value);
    } else if (upperName == "VALUE") {
        SetValue(std::move(value));
    } else if (upperName == "SRC") {
        SetSRC(std::move(value));
    } else if (upperName == "SIZE") {
        number("Size", mSize);
    } else if (upperName == "READONLY") {
        flag("ReadOnly", mReadOnly);
    } else if (upperName == "MAXLENGTH") {
        number("MaxLength", mMaxLength);
    } else if (upperName == "DISABLED") {
        flag("Disabled", mDisabled);
    } else if (upperName == "CHECKED") {
        // The text-to-Boolean of the check state: anything unknown is False after its message.
        mChecked = InterpretBoolean(value, DialogsService());
    } else if (upperName == "TITLE") {
        mTitle = std::move(value);
    } else if (upperName == "ACCEPT") {
        mAccept = std::move(value);
    } else if (upperName == "STYLE") {
        SetStyle(std::move(value));
    } else if (upperName == "CAPTION") {
        mCaption = std::move(value);
    }
}

}  // namespace htmlsim
