#pragma once

#include <string>

#include "model/ClickableArea.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

// What the balloon dialog ("Options") shows and does: the content is edited live, keystroke by
// keystroke, as lines of text; the colour is shown only.
class BalloonPropertiesModel {
  public:
    BalloonPropertiesModel(ClickableArea& balloon, const DocumentCodec& codec)
        : mBalloon(balloon), mCodec(codec) {}

    std::string InnerHTML() const { return mCodec.DecodeLines(mBalloon.InnerHTML); }
    std::string BackgroundColor() const { return mCodec.Decode(mBalloon.BackgroundColor); }
    void InnerHTMLChanged(const std::string& text) { mCodec.Update(mBalloon.InnerHTML, text); }

  private:
    ClickableArea& mBalloon;
    const DocumentCodec& mCodec;
};

}  // namespace htmlsim
