#pragma once

#include "controls/PageControlWidget.h"
#include "text/DocumentCodec.h"

namespace htmlsim {

class TextControl;

// An anchor or a label on the surface: the text it last drew, on white, at its top left.
class TextControlWidget : public PageControlWidget {
    Q_OBJECT
  public:
    TextControlWidget(TextControl& control, const DocumentCodec& codec, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    TextControl& mTextControl;
    const DocumentCodec& mCodec;
};

}  // namespace htmlsim
