#pragma once

#include "surface/BrowserScale.h"

namespace htmlsim {

// The pointer in picture pixels while a button is held: the scaling found under the press holds
// until the release, so a drag that leaves its canvas keeps its arithmetic. A gesture that moves
// a picture itself moves it as far as the pointer went, since a picture's place on the page is
// in page pixels.
class ScaledPointer {
  public:
    // A press at `view` under `scaling`; answers the picture point.
    ViewPoint Press(const CanvasScaling& scaling, ViewPoint view);
    // The press turns out to move a picture: later points follow the pointer one to one.
    void MovePicture() { mMovesPicture = true; }
    // A move or release while the press lasts.
    ViewPoint Follow(ViewPoint view) const;
    // Where a picture point of the press lies in the view (a pop-up menu opens there); the
    // point itself when nothing is pressed.
    ViewPoint Shown(ViewPoint picture) const;
    void Release() { *this = ScaledPointer(); }
    bool Pressed() const { return mPressed; }

  private:
    bool mPressed = false;
    bool mMovesPicture = false;
    CanvasScaling mScaling;
    ViewPoint mPressView;
    ViewPoint mPressPicture;
};

}  // namespace htmlsim
