#pragma once

#include <string>

#include "controls/PageControl.h"

namespace htmlsim {

// What a text control last drew: its text at (0, 0) in the appearance it had then. It changes
// only on a redraw, so a property set without one (an anchor's HREF) shows at the next redraw.
struct TextDrawing {
    std::string Text;
    ControlAppearance Appearance;
    int16_t Width = 0;
    int16_t Height = 0;
    // The font a browser draws it in, and its size so, as the surface shows it.
    TextFont ShownFont;
    int16_t ShownWidth = 0;
    int16_t ShownHeight = 0;
};

// A page control that shows one line of text and sizes itself to it (anchors and labels).
class TextControl : public PageControl {
  public:
    const TextDrawing& Drawing() const { return mDrawing; }
    // What the page's style sheets say about controls of this kind; it redraws.
    void SetSheetFont(const SheetFont& sheet);

  protected:
    TextControl(const TextMeasurer& measurer, Dialogs& dialogs);

    // Measures the text, reports its size (ChangeSize) and draws it.
    void DrawText(const std::string& text, bool underline);

    bool HasMenu() const override { return false; }

  private:
    TextDrawing mDrawing;
    SheetFont mSheet;
};

}  // namespace htmlsim
