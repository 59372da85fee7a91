#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/PageControlEvents.h"
#include "controls/Pixels.h"
#include "model/ElementOrigin.h"
#include "util/RuntimeError.h"

namespace htmlsim {

class Dialogs;
class TextMeasurer;

// Where an element of a control array stands on the surface, in pixels.
struct ControlPlacement {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = false;
};

// A numbered array of page controls of one kind (Anchor1, Label1, Input1). Element 0 exists
// from the start and is only hidden when not in use; the others are loaded and unloaded as
// the page needs them. The array answers the events by which a control asks to be moved,
// resized or located, and passes on its clicks and changes with the element's index.
template <typename Control>
class ControlArray {
  public:
    using IndexHandler = std::function<void(int index)>;

    ControlArray(std::string name, const TextMeasurer& measurer, Dialogs& dialogs)
        : mName(std::move(name)), mMeasurer(measurer), mDialogs(dialogs) {
        Load(0);
        mElements[0]->placement.Width = mElements[0]->control->ReportedWidth();
        mElements[0]->placement.Height = mElements[0]->control->ReportedHeight();
    }
    ControlArray(const ControlArray&) = delete;
    ControlArray& operator=(const ControlArray&) = delete;

    const std::string& Name() const { return mName; }

    // The number of elements in use: 0 to Count - 1.
    int16_t Count() const { return mCount; }
    void SetCount(int16_t count) { mCount = count; }

    // One past the highest loaded index.
    int LoadedBound() const { return static_cast<int>(mElements.size()); }
    bool IsLoaded(int index) const {
        return index >= 0 && index < LoadedBound() && mElements[index] != nullptr;
    }

    // A new element, hidden, as large as element 0 is now.
    void Load(int index) {
        if (IsLoaded(index)) {
            throw RuntimeError("Object already loaded");
        }
        if (index >= LoadedBound()) {
            mElements.resize(index + 1);
        }
        auto element = std::make_unique<Element>();
        element->control = std::make_unique<Control>(mMeasurer, mDialogs);
        if (index > 0 && IsLoaded(0)) {
            element->placement.Width = mElements[0]->placement.Width;
            element->placement.Height = mElements[0]->placement.Height;
        }
        Connect(*element->control, index);
        mElements[index] = std::move(element);
        Notify(ElementLoaded, index);
    }

    // Destroys an element other than element 0.
    void Unload(int index) {
        if (index == 0 || !IsLoaded(index)) {
            return;
        }
        Notify(ElementUnloaded, index);
        mElements[index].reset();
        while (!mElements.empty() && mElements.back() == nullptr) {
            mElements.pop_back();
        }
    }

    Control& operator[](int index) { return *Get(index).control; }
    const Control& operator[](int index) const { return *Get(index).control; }
    const ControlPlacement& Placement(int index) const { return Get(index).placement; }

    void SetVisible(int index, bool visible) {
        Get(index).placement.Visible = visible;
        Notify(PlacementChanged, index);
    }

    // The array's section as read, its elements in index order, so that writing the section
    // changes only what changed; none when nothing was read.
    std::shared_ptr<const SectionLayout> ReadSection;

    // The host's answers to the controls' clicks and changes.
    IndexHandler Click;
    IndexHandler ChangeHasBeenMade;
    // Whether an element may be dragged now; unset, it always may.
    std::function<bool()> MayDrag;
    // For the views that show the elements.
    IndexHandler ElementLoaded;
    IndexHandler ElementUnloaded;
    IndexHandler PlacementChanged;

  private:
    struct Element {
        std::unique_ptr<Control> control;
        ControlPlacement placement;
    };

    Element& Get(int index) const {
        if (!IsLoaded(index)) {
            throw RuntimeError("Control array element '" + std::to_string(index) +
                               "' doesn't exist");
        }
        return *mElements[index];
    }

    void Notify(const IndexHandler& handler, int index) {
        if (handler) {
            handler(index);
        }
    }

    void Connect(Control& control, int index) {
        auto placed = [this, index]() -> ControlPlacement& { return Get(index).placement; };
        PageControlEvents& events = control.Events;
        events.Click = [this, index] { Notify(Click, index); };
        control.MayBeDragged = [this] { return !MayDrag || MayDrag(); };
        events.ChangeHasBeenMade = [this, index] { Notify(ChangeHasBeenMade, index); };
        events.Move = [this, index, placed](int16_t& left, int16_t& top) {
            placed().Left = left;
            placed().Top = top;
            Notify(PlacementChanged, index);
        };
        events.MoveControl = [this, index, placed](int16_t& dx, int16_t& dy) {
            placed().Left += dx;
            placed().Top += dy;
            Notify(PlacementChanged, index);
        };
        events.WhatsMyPosition = [placed](int16_t& left, int16_t& top) {
            left = ClampedPixels(placed().Left);
            top = ClampedPixels(placed().Top);
        };
        events.ChangeSize = [this, index, placed](int16_t& width, int16_t& height) {
            placed().Width = width;
            placed().Height = height;
            Notify(PlacementChanged, index);
        };
    }

    std::string mName;
    const TextMeasurer& mMeasurer;
    Dialogs& mDialogs;
    std::vector<std::unique_ptr<Element>> mElements;
    int16_t mCount = 0;
};

}  // namespace htmlsim
