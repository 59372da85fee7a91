#include "controls/PageControl.h"

#include "controls/Pixels.h"
#include "services/Dialogs.h"
#include "services/TextMeasurer.h"

namespace htmlsim {

namespace {

template <typename Handler, typename... Args>
void Raise(const Handler& handler, Args&... args) {
    if (handler) {
        handler(args...);
    }
}

}  // namespace

PageControl::PageControl(StyleForm form, std::string_view initialStyle,
                         const TextMeasurer& measurer, Dialogs& dialogs)
    : mForm(form), mMeasurer(measurer), mDialogs(dialogs), mStyle(initialStyle) {}

void PageControl::SetStyle(std::string style) {
    mStyle = std::move(style);
    if (mStyle.empty()) {
        ApplyEmptyStyle();
        return;
    }
    const StyleDeclarations declarations = ParseStyle(mStyle, mForm);
    // The control looks as this style says on the defaults, not as it says on top of an earlier
    // style: a colour dropped from the style (by an undo, say) is gone from the surface too.
    const bool underline = mAppearance.Font.Underline;
    mAppearance = ControlAppearance();
    mAppearance.Font.Underline = underline;
    StylePosition position = ApplyStyleDeclarations(declarations, mAppearance, mDialogs);
    Raise(Events.Move, position.Left, position.Top);
    if (!mIsRefreshing) {
        RedrawForStyle();
        RaiseChangeHasBeenMade();
    }
}

void PageControl::UpdateStylePosition() {
    StylePosition position;
    Raise(Events.WhatsMyPosition, position.Left, position.Top);
    if (mForm == StyleForm::Quoted && mStyle.empty()) {
        mStyle = kQuotedDefaultStyle;
    }
    const StyleDeclarations declarations = ParseStyle(mStyle, mForm);
    mStyle = RewriteStylePosition(declarations, position);
    RaiseChangeHasBeenMade();
}

bool PageControl::MouseDown(MouseButton button, int16_t shift, float x, float y) {
    bool showMenu = false;
    if (button == MouseButton::Right) {
        showMenu = HasMenu();
    } else {
        mMouseIsDown = true;
        mDownX = ClampedPixels(x);
        mDownY = ClampedPixels(y);
    }
    Raise(Events.LeftMouseDown, shift, x, y);
    return showMenu;
}

void PageControl::MouseMoved(int16_t shift, float x, float y) {
    Raise(Events.MouseMove, shift, x, y);
    if (mMouseIsDown && !mDragged && MayBeDragged && !MayBeDragged()) {
        mMouseIsDown = false;
        mDragRefused = true;
    }
    if (mMouseIsDown) {
        mDragged = true;
        int16_t dx = ClampedPixels(x - mDownX);
        int16_t dy = ClampedPixels(y - mDownY);
        Raise(Events.MoveControl, dx, dy);
    }
}

void PageControl::MouseUp(MouseButton button, int16_t shift, float x, float y) {
    // Only the left button ends a drag: a drag with another button is recorded at the next
    // release of the left one.
    if (button == MouseButton::Left) {
        mMouseIsDown = false;
        if (mDragged) {
            UpdateStylePosition();
            mDragged = false;
        } else if (!mDragRefused) {
            Raise(Events.Click);
        }
        mDragRefused = false;
    }
    Raise(Events.LeftMouseUp, shift, x, y);
}

void PageControl::RaiseChangeHasBeenMade() {
    if (!mIsRefreshing) {
        Raise(Events.ChangeHasBeenMade);
    }
}

void PageControl::RaiseChangeHasBeenMadeEvenWhileRefreshing() {
    Raise(Events.ChangeHasBeenMade);
}

void PageControl::RaiseClick() {
    Raise(Events.Click);
}

void PageControl::RaiseChangeSize(int16_t width, int16_t height) {
    mReportedWidth = width;
    mReportedHeight = height;
    Raise(Events.ChangeSize, width, height);
}

void PageControl::NotifyRedrawn() {
    if (Redrawn) {
        Redrawn();
    }
}

int16_t PageControl::TextWidth(std::string_view text) const {
    return ClampedPixels(mMeasurer.Measure(text, mAppearance.Font).Width);
}

TextExtent PageControl::MeasureText(std::string_view text, const TextFont& font) const {
    return mMeasurer.Measure(text, font);
}

int16_t PageControl::TextHeight(std::string_view text) const {
    return ClampedPixels(mMeasurer.Measure(text, mAppearance.Font).Height);
}

}  // namespace htmlsim
