#pragma once

#include <optional>

#include "model/ClickableAreas.h"
#include "surface/AreaHandles.h"

namespace htmlsim {

class Session;

// The selected area or balloon worked with the left button: a press on one of its handles
// resizes it (or moves a polygon's point), a drag started inside it moves it. Each gesture
// writes the page once, when it ends, as the keyboard's changes do. A press inside the area that
// does not move beyond the dead zone stays a press on the image (a click follows its link).
class AreaDrag {
  public:
    explicit AreaDrag(Session& session) : mSession(session) {}

    // A left press at (x, y) with `selected` selected (or none). True when a handle took the
    // press; false when it goes on to the image, possibly to become a move of the area.
    bool Press(const ClickableAreaPtr& selected, float x, float y);
    // The pointer moved with the button held: true while the gesture works the area, so the
    // image is not dragged.
    bool Follow(float x, float y);
    // The button was released: true when the gesture had worked the area (the page is then
    // written if the area changed); the press is over either way.
    bool Release();
    // Drops the gesture without writing: the design it worked on has been read anew.
    void End();
    // A press has been taken by the selected area (a handle, or inside it) and is not over.
    bool Holding() const { return mArea != nullptr; }

  private:
    // False once a page read anew (another page, an undo) has dropped the area with the design.
    bool OnPage() const;

    Session& mSession;
    ClickableAreaPtr mArea;
    std::optional<AreaHandle> mHandle;  // none: a move
    AreaGeometry mStart;
    float mPressX = 0;
    float mPressY = 0;
    bool mWorking = false;
    bool mChanged = false;
};

}  // namespace htmlsim
