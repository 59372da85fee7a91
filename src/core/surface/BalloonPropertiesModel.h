#pragma once

#include <string>

#include "model/ClickableArea.h"

namespace htmlsim {

// What the balloon dialog ("Options") shows and does: the content is edited live, keystroke by
// keystroke; the colour is shown only.
class BalloonPropertiesModel {
  public:
    explicit BalloonPropertiesModel(ClickableArea& balloon) : mBalloon(balloon) {}

    const std::string& InnerHTML() const { return mBalloon.InnerHTML; }
    const std::string& BackgroundColor() const { return mBalloon.BackgroundColor; }
    void InnerHTMLChanged(const std::string& text) { mBalloon.InnerHTML = text; }

  private:
    ClickableArea& mBalloon;
};

}  // namespace htmlsim
