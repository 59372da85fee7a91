#pragma once

#include <functional>
#include <memory>

#include "model/ClickableAreas.h"

namespace htmlsim {

class Session;

// The area or balloon the user picked on the design surface, for work with the keyboard: moved,
// resized, removed or stepped through. Its outline is highlighted while it is selected. The
// selection lapses by itself when the design is rebuilt (another page, an undo): an area that is
// no longer on the page is never worked on.
class AreaSelection {
  public:
    // Removes the selected area as the area menu's "Remove" does.
    using RemoveCommand = std::function<void()>;

    AreaSelection(Session& session, RemoveCommand remove);

    // The selected area, or nullptr when none is or it has left the page.
    ClickableAreaPtr Selected() const;
    // Selects the area (it becomes the design's current area too); nullptr selects none.
    void Select(const ClickableAreaPtr& area);

    // The next area in the page's order after the selected one, wrapping around (the previous
    // one when `backwards`); the first (or last) when none is selected.
    void Step(bool backwards);
    // Moves the selected area by so many pixels, not past the page's top or left edge.
    void Move(int dx, int dy);
    // Widens and heightens it by so many pixels (a circle by the same on both sides); it never
    // becomes smaller than an outline's smallest size.
    void Resize(int dWidth, int dHeight);
    void Remove();

  private:
    // Brings the outline into line and writes the page, as a mouse change does.
    void Changed(const ClickableAreaPtr& area);

    Session& mSession;
    RemoveCommand mRemove;
    std::weak_ptr<ClickableArea> mSelected;
};

}  // namespace htmlsim
