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

    std::string InnerHTML() const { return mCodec.DecodeLines(mBalloon.Balloon().InnerHTML); }
    std::string BackgroundColor() const {
        return mCodec.Decode(mBalloon.Balloon().BackgroundColor);
    }
    void InnerHTMLChanged(const std::string& text) {
        mCodec.Update(mBalloon.EditBalloon().InnerHTML, text);
    }

  private:
    ClickableArea& mBalloon;
    const DocumentCodec& mCodec;
};

}  // namespace htmlsim
