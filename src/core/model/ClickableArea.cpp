#include "model/ClickableArea.h"

#include "util/Numbers.h"
#include "util/Text.h"

namespace htmlsim {

namespace {

int16_t Sum16(int16_t a, int16_t b) {
    return RoundToInt16(static_cast<double>(a) + b);
}

}  // namespace

bool ClickableArea::IsWithin(float x, float y) const {
    const int16_t right = Sum16(Left, Width);
    const int16_t bottom = Sum16(Top, Height);
    const bool inBox = Left <= x && x <= right && Top <= y && y <= bottom;
    return inBox &&
           (Shape.Kind() == AreaShapeKind::Rect || OutlineContains(Outline(), Box(), x, y));
}

const BalloonText& ClickableArea::Balloon() const {
    static const BalloonText kNone;
    return mBalloon ? *mBalloon : kNone;
}

BalloonText& ClickableArea::EditBalloon() {
    if (!mBalloon) {
        mBalloon = std::make_shared<BalloonText>();
    } else if (mBalloon.use_count() > 1) {
        mBalloon = std::make_shared<BalloonText>(*mBalloon);
    }
    return *mBalloon;
}

void ClickableArea::SetClickType(std::string_view clickType) {
    mRightClick = ToLowerAscii(TrimBlanks(clickType)) == "right";
}

const std::string& ClickableArea::ClickType() const {
    static const std::string kLeft = "left";
    static const std::string kRight = "right";
    return mRightClick ? kRight : kLeft;
}

}  // namespace htmlsim
