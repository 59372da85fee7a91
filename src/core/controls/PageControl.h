#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "controls/ControlAppearance.h"
#include "controls/InlineStyle.h"
#include "controls/PageControlEvents.h"
#include "model/ElementOrigin.h"

namespace htmlsim {

class Dialogs;
class TextMeasurer;

enum class MouseButton { Left, Right, Middle };

// What anchors, labels and inputs share: the inline style that places them and sets their font,
// the IsRefreshing bracket that keeps them quiet while the host sets properties in bulk, and
// the mouse tracking that lets the user drag them.
class PageControl {
  public:
    PageControl(const PageControl&) = delete;
    PageControl& operator=(const PageControl&) = delete;
    virtual ~PageControl() = default;

    PageControlEvents Events;
    // Called whenever what the control shows has changed, so a view can repaint it.
    std::function<void()> Redrawn;
    // Asked when a drag begins; a refused drag leaves the control where it is, and its release
    // is no click. Unset: every drag may go ahead.
    std::function<bool()> MayBeDragged;

    bool IsRefreshing() const { return mIsRefreshing; }
    void SetIsRefreshing(bool refreshing) { mIsRefreshing = refreshing; }

    const std::string& Style() const { return mStyle; }
    // Stores the style, moves the control (Move) and sets its font from it.
    void SetStyle(std::string style);

    const ControlAppearance& Appearance() const { return mAppearance; }

    virtual std::string HTML() const = 0;
    // The values HTML() writes, so that an element read from a page changes only in them.
    virtual WrittenValues Values() const = 0;

    // The size the control last reported with ChangeSize.
    int16_t ReportedWidth() const { return mReportedWidth; }
    int16_t ReportedHeight() const { return mReportedHeight; }

    // The user's mouse on the control, in its own pixels. MouseDown answers whether the
    // control's pop-up menu is to be shown.
    bool MouseDown(MouseButton button, int16_t shift, float x, float y);
    void MouseMoved(int16_t shift, float x, float y);
    void MouseUp(MouseButton button, int16_t shift, float x, float y);

  protected:
    PageControl(StyleForm form, std::string_view initialStyle, const TextMeasurer& measurer,
                Dialogs& dialogs);

    // ChangeHasBeenMade, unless IsRefreshing.
    void RaiseChangeHasBeenMade();
    void RaiseChangeHasBeenMadeEvenWhileRefreshing();
    void RaiseClick();
    void RaiseChangeSize(int16_t width, int16_t height);
    void NotifyRedrawn();

    // A text's extent in the control's font, in whole pixels (clamped to what a control can be).
    int16_t TextWidth(std::string_view text) const;
    int16_t TextHeight(std::string_view text) const;
    TextExtent MeasureText(std::string_view text, const TextFont& font) const;

    void StoreStyle(std::string_view style) { mStyle = style; }
    ControlAppearance& MutableAppearance() { return mAppearance; }
    Dialogs& DialogsService() const { return mDialogs; }

    // What the control does after a style change while IsRefreshing is False.
    virtual void RedrawForStyle() = 0;
    // Setting an empty style: anchors and labels keep it, an input resets itself.
    virtual void ApplyEmptyStyle() {}
    virtual bool HasMenu() const = 0;

  private:
    void UpdateStylePosition();

    StyleForm mForm;
    const TextMeasurer& mMeasurer;
    Dialogs& mDialogs;
    std::string mStyle;
    ControlAppearance mAppearance;
    bool mIsRefreshing = false;
    bool mMouseIsDown = false;
    bool mDragged = false;
    bool mDragRefused = false;
    int16_t mDownX = 0;
    int16_t mDownY = 0;
    int16_t mReportedWidth = 0;
    int16_t mReportedHeight = 0;
};

// Sets IsRefreshing for the bulk assignments in its scope and always clears it at the end,
// also when one of them fails.
class RefreshingScope {
  public:
    explicit RefreshingScope(PageControl& control) : mControl(control) {
        mControl.SetIsRefreshing(true);
    }
    ~RefreshingScope() { mControl.SetIsRefreshing(false); }
    RefreshingScope(const RefreshingScope&) = delete;
    RefreshingScope& operator=(const RefreshingScope&) = delete;

  private:
    PageControl& mControl;
};

}  // namespace htmlsim
