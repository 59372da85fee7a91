#include "surface/ScaledPointer.h"

namespace htmlsim {

ViewPoint ScaledPointer::Press(const CanvasScaling& scaling, ViewPoint view) {
    mPressed = true;
    mMovesPicture = false;
    mScaling = scaling;
    mPressView = view;
    mPressPicture = scaling.ToPicture(view);
    return mPressPicture;
}

ViewPoint ScaledPointer::Follow(ViewPoint view) const {
    if (mMovesPicture) {
        return {mPressPicture.X + (view.X - mPressView.X),
                mPressPicture.Y + (view.Y - mPressView.Y)};
    }
    return mScaling.ToPicture(view);
}

ViewPoint ScaledPointer::Shown(ViewPoint picture) const {
    if (!mPressed) {
        return picture;
    }
    if (mMovesPicture) {
        return {mPressView.X + (picture.X - mPressPicture.X),
                mPressView.Y + (picture.Y - mPressPicture.Y)};
    }
    return mScaling.ToView(picture);
}

}  // namespace htmlsim
