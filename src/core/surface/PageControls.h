#pragma once

#include <functional>
#include <string>

#include "controls/Anchor.h"
#include "controls/Input.h"
#include "controls/Label.h"
#include "surface/ControlArray.h"

namespace htmlsim {

class Dialogs;
class TextMeasurer;

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

    // The surface menu's commands: a new control below the others of its kind.
    void AddAnchor();
    void AddInput();
    void AddLabel();

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
    void Add(ControlArray<Control>& array, SetText setText, void (PageControls::*updateSection)());
    template <typename Control>
    void UpdateSection(const ControlArray<Control>& array, const std::string& section);
    template <typename Control>
    void RemoveAll(ControlArray<Control>& array);
    template <typename Control>
    void UnloadAbove(ControlArray<Control>& array, int number);

    Dialogs& mDialogs;
    SectionWriter mWriteSection;
    bool mReadingDocument = false;
};

}  // namespace htmlsim
