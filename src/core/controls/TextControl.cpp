#include "controls/TextControl.h"

#include "controls/Pixels.h"

namespace htmlsim {

TextControl::TextControl(const TextMeasurer& measurer, Dialogs& dialogs)
    : PageControl(StyleForm::Quoted, kQuotedDefaultStyle, measurer, dialogs) {}

void TextControl::SetSheetFont(const SheetFont& sheet) {
    mSheet = sheet;
    RedrawForStyle();
}

void TextControl::DrawText(const std::string& text, bool underline) {
    MutableAppearance().Font.Underline = underline;
    mDrawing.Text = text;
    mDrawing.Appearance = Appearance();
    mDrawing.Width = TextWidth(text);
    mDrawing.Height = TextHeight(text);
    mDrawing.ShownFont = BrowserFont(Appearance(), mSheet);
    const TextExtent shown = MeasureText(text, mDrawing.ShownFont);
    mDrawing.ShownWidth = ClampedPixels(shown.Width);
    mDrawing.ShownHeight = ClampedPixels(shown.Height);
    RaiseChangeSize(mDrawing.Width, mDrawing.Height);
    NotifyRedrawn();
}

}  // namespace htmlsim
