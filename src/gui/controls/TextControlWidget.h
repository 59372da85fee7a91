#pragma once

#include "controls/PageControlWidget.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

class TextControl;

// An anchor or a label on the surface: the text it last drew at its top left, over the page as
// in a browser, at the pixel size a browser gives it; the box is as large as that text.
class TextControlWidget : public PageControlWidget {
    Q_OBJECT
  public:
    TextControlWidget(TextControl& control, const DocumentCodec& codec, QWidget* parent);

    void ApplyPlacement(const ControlPlacement& placement) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void Redraw() override;

  private:
    TextControl& mTextControl;
    const DocumentCodec& mCodec;
};

}  // namespace htmlsim
