#include "controls/TextControl.h"

namespace htmlsim {

TextControl::TextControl(const TextMeasurer& measurer, Dialogs& dialogs)
    : PageControl(StyleForm::Quoted, kQuotedDefaultStyle, measurer, dialogs) {}

void TextControl::DrawText(const std::string& text, bool underline) {
    MutableAppearance().Font.Underline = underline;
    mDrawing.Text = text;
    mDrawing.Appearance = Appearance();
    mDrawing.Width = TextWidth(text);
    mDrawing.Height = TextHeight(text);
    RaiseChangeSize(mDrawing.Width, mDrawing.Height);
    NotifyRedrawn();
}

}  // namespace htmlsim
