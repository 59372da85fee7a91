#pragma once

#include <functional>
#include <optional>
#include <string>

#include "controls/Anchor.h"
#include "controls/Input.h"
#include "controls/Label.h"
#include "surface/ControlArray.h"

namespace htmlsim {

class Dialogs;
class TextMeasurer;

// Where on the surface a new control is asked for, in surface pixels.
struct ControlSpot {
    int16_t Left = 0;
    int16_t Top = 0;
};

// The anchors, inputs and labels of the page: their arrays and counts, the surface menu's
// "Add" commands, the answers to the controls' clicks and changes, and the writers that keep
// the "Anchors", "Labels" and "Inputs" sections in step with them.
class PageControls {
  public:
    // Replaces the body of a named section of the document (adding the section when it is
    // missing); throws when it cannot.
    using SectionWriter = std::function<void(const std::string& section, const std::string& body)>;

    PageControls(const TextMeasurer& measurer, Dialogs& dialogs, SectionWriter writeSection);
    PageControls(const PageControls&) = delete;
    PageControls& operator=(const PageControls&) = delete;

    ControlArray<Anchor> Anchor1;
    ControlArray<Input> Input1;
    ControlArray<Label> Label1;

    // Follows an anchor's link when the user clicks it.
    std::function<void(const std::string& href)> FollowLink;

    int16_t AnchorCount() const { return Anchor1.Count(); }
    int16_t InputCount() const { return Input1.Count(); }
    int16_t LabelCount() const { return Label1.Count(); }

    // The "Add" commands: a new control below the others of its kind, or at `spot` when given
    // (the point the surface's pop-up menu was opened at).
    void AddAnchor(std::optional<ControlSpot> spot = std::nullopt);
    void AddInput(std::optional<ControlSpot> spot = std::nullopt);
    void AddLabel(std::optional<ControlSpot> spot = std::nullopt);

    // What the page's style sheets give labels and anchors; every one, now and to come, is drawn
    // with it.
    void SetSheetFonts(const SheetFont& labels, const SheetFont& anchors);

    void UpdateAnchorsSection();
    void UpdateLabelsSection();
    void UpdateInputsSection();

    // While a document is read in, the controls' changes are not written back into it.
    void SetReadingDocument(bool reading) { mReadingDocument = reading; }

    // Before another document is read: element 0 hidden, the others unloaded, count 0.
    void RemoveAllAnchors();
    void RemoveAllLabels();
    void RemoveAllInputs();
    // Unloads the elements of the named array ("Anchor1", "Label1", "Input1") above `number`.
    void UnloadControlsAbove(const std::string& arrayName, int number);

    // Counts one more control of the array's kind and makes sure its element is loaded;
    // answers the element's index. OverflowError when the count is at its limit.
    template <typename Control>
    int NextElement(ControlArray<Control>& array);

  private:
    template <typename Control, typename SetText>
    void Add(ControlArray<Control>& array, std::optional<ControlSpot> spot, SetText setText,
             void (PageControls::*updateSection)());
    template <typename Control>
    void UpdateSection(const ControlArray<Control>& array, const std::string& section);
    template <typename Control>
    void RemoveAll(ControlArray<Control>& array);
    template <typename Control>
    void UnloadAbove(ControlArray<Control>& array, int number);

    template <typename Control>
    void TakeSheetFonts(ControlArray<Control>& array);
    void TakeSheetFont(Label& label) { label.SetSheetFont(mLabelSheet); }
    void TakeSheetFont(Anchor& anchor) { anchor.SetSheetFont(mAnchorSheet); }
    void TakeSheetFont(Input&) {}

    Dialogs& mDialogs;
    SectionWriter mWriteSection;
    SheetFont mLabelSheet;
    SheetFont mAnchorSheet;
    bool mReadingDocument = false;
};

}  // namespace htmlsim
