#include "surface/PageControls.h"

#include <limits>

#include "model/ElementPatch.h"
#include "services/Dialogs.h"
#include "util/Numbers.h"

namespace htmlsim {

PageControls::PageControls(const TextMeasurer& measurer, Dialogs& dialogs,
                           SectionWriter writeSection)
    : Anchor1("Anchor1", measurer, dialogs),
      Input1("Input1", measurer, dialogs),
      Label1("Label1", measurer, dialogs),
      mDialogs(dialogs),
      mWriteSection(std::move(writeSection)) {
    Anchor1.Click = [this](int index) {
        const std::string href = Anchor1[index].HREF();
        if (!href.empty() && FollowLink) {
            FollowLink(href);
        }
    };
    // A click on a label selects it (its view takes the keyboard); nothing is said.
    Label1.Click = [](int) {};
    Anchor1.ChangeHasBeenMade = [this](int) {
        if (!mReadingDocument) {
            UpdateAnchorsSection();
        }
    };
    Input1.ChangeHasBeenMade = [this](int) {
        if (!mReadingDocument) {
            UpdateInputsSection();
        }
    };
    Label1.ChangeHasBeenMade = [this](int) {
        if (!mReadingDocument) {
            UpdateLabelsSection();
        }
    };
}

template <typename Control>
int PageControls::NextElement(ControlArray<Control>& array) {
    if (array.Count() == std::numeric_limits<int16_t>::max()) {
        throw OverflowError();
    }
    array.SetCount(static_cast<int16_t>(array.Count() + 1));
    const int index = array.Count() - 1;
    if (!array.IsLoaded(index)) {
        array.Load(index);
        TakeSheetFont(array[index]);
    }
    return index;
}

template int PageControls::NextElement(ControlArray<Anchor>&);
template int PageControls::NextElement(ControlArray<Input>&);
template int PageControls::NextElement(ControlArray<Label>&);

template <typename Control, typename SetText>
void PageControls::Add(ControlArray<Control>& array, std::optional<ControlSpot> spot,
                       SetText setText, void (PageControls::*updateSection)()) {
    try {
        const int index = NextElement(array);
        const int16_t count = array.Count();
        Control& control = array[index];
        try {
            RefreshingScope refreshing(control);
            // Without a spot, stacked in a column: each new control one control's height below
            // the last.
            const ControlSpot place = spot.value_or(ControlSpot{
                50, RoundToInt16(static_cast<double>(array.Placement(index).Height) * (count - 1) +
                                 50)});
            control.SetStyle("position:absolute; left:" + std::to_string(place.Left) +
                             "px; top:" + std::to_string(place.Top) + "px");
        } catch (...) {
            // No control is counted that the page does not show.
            array.SetCount(static_cast<int16_t>(count - 1));
            throw;
        }
        setText(control, std::to_string(count));
        array.SetVisible(index, true);
        (this->*updateSection)();
    } catch (const std::exception& e) {
        mDialogs.Message(e.what(), "", MessageIcon::None);
    }
}

void PageControls::AddAnchor(std::optional<ControlSpot> spot) {
    Add(
        Anchor1, spot, [](Anchor& anchor, const std::string& n) { anchor.SetValue("Anchor " + n); },
        &PageControls::UpdateAnchorsSection);
}

void PageControls::AddInput(std::optional<ControlSpot> spot) {
    Add(
        Input1, spot, [](Input& input, const std::string& n) { input.SetValue("Input " + n); },
        &PageControls::UpdateInputsSection);
}

void PageControls::AddLabel(std::optional<ControlSpot> spot) {
    Add(
        Label1, spot, [](Label& label, const std::string& n) { label.SetInnerHTML("Label " + n); },
        &PageControls::UpdateLabelsSection);
}

template <typename Control>
void PageControls::UpdateSection(const ControlArray<Control>& array, const std::string& section) {
    try {
        std::string body;
        int index = 0;
        if (array.ReadSection) {
            // The elements as read stand in index order.
            body = PatchedBody(*array.ReadSection,
                               [&](const ElementOrigin&) -> std::optional<WrittenValues> {
                                   const int read = index++;
                                   if (read < array.Count()) {
                                       return array[read].Values();
                                   }
                                   return std::nullopt;
                               });
        }
        for (; index < array.Count(); ++index) {
            body += array[index].HTML() + "\r\n";
        }
        mWriteSection(section, body);
    } catch (const std::exception& e) {
        mDialogs.Message(e.what(), "", MessageIcon::None);
    }
}

void PageControls::SetSheetFonts(const SheetFont& labels, const SheetFont& anchors) {
    mLabelSheet = labels;
    mAnchorSheet = anchors;
    TakeSheetFonts(Label1);
    TakeSheetFonts(Anchor1);
}

template <typename Control>
void PageControls::TakeSheetFonts(ControlArray<Control>& array) {
    for (int index = 0; index < array.LoadedBound(); ++index) {
        if (array.IsLoaded(index)) {
            TakeSheetFont(array[index]);
        }
    }
}

void PageControls::UpdateAnchorsSection() {
    UpdateSection(Anchor1, "Anchors");
}
void PageControls::UpdateLabelsSection() {
    UpdateSection(Label1, "Labels");
}
void PageControls::UpdateInputsSection() {
    UpdateSection(Input1, "Inputs");
}

template <typename Control>
void PageControls::RemoveAll(ControlArray<Control>& array) {
    UnloadAbove(array, 0);
    array.SetVisible(0, false);
    array.SetCount(0);
    array.ReadSection.reset();
}

void PageControls::RemoveAllAnchors() {
    RemoveAll(Anchor1);
}
void PageControls::RemoveAllLabels() {
    RemoveAll(Label1);
}
void PageControls::RemoveAllInputs() {
    RemoveAll(Input1);
}

template <typename Control>
void PageControls::UnloadAbove(ControlArray<Control>& array, int number) {
    for (int index = array.LoadedBound() - 1; index > number; --index) {
        array.Unload(index);
    }
}

void PageControls::UnloadControlsAbove(const std::string& arrayName, int number) {
    if (arrayName == Anchor1.Name()) {
        UnloadAbove(Anchor1, number);
    } else if (arrayName == Label1.Name()) {
        UnloadAbove(Label1, number);
    } else if (arrayName == Input1.Name()) {
        UnloadAbove(Input1, number);
    }
}

}  // namespace htmlsim
