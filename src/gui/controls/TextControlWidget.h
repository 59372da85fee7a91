#pragma once

#include "controls/PageControlWidget.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

class TextControl;

// An anchor or a label on the surface: the text it last drew, on white, at its top left, at the
// pixel size a browser gives it; the box is as large as that text.
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
