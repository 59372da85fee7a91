#pragma once

#include <set>
#include <vector>

#include "model/AreaShape.h"
#include "services/Surface.h"

namespace htmlsim {

// The numbered outline elements that show areas and balloons on the surface. Element 0 exists
// from the start, hidden; others are loaded on demand, and hidden or unloaded elements are
// reused lowest number first. Every change is passed on to the Surface.
class ShapePool {
  public:
    struct Outline {
        bool loaded = false;
        bool visible = false;
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };

    ShapePool();

    // The lowest element that is hidden or not loaded, now loaded and visible.
    int NextFreeShapeIndex(Surface& surface);
    bool ShapeExists(int index) const;
    // The element's state; an element never loaded reads as not loaded.
    Outline OutlineAt(int index) const;
    // Number of elements ever loaded, hidden or unloaded ones included.
    int Size() const { return static_cast<int>(mOutlines.size()); }

    // Moves a loaded element; a negative size is a RuntimeError. A circle's or polygon's outline
    // follows its shape within the rectangle.
    void Place(Surface& surface, int index, double left, double top, double width, double height,
               const AreaOutline& shape = {});
    void Hide(Surface& surface, int index);
    // Element 0 is part of the surface and is only hidden; an element not loaded stays so.
    void Unload(Surface& surface, int index);

  private:
    Outline& Loaded(int index);

    std::vector<Outline> mOutlines;
    std::set<int> mFree;  // hidden or unloaded elements below Size()
};

}  // namespace htmlsim
