#pragma once

#include "controls/PageControlWidget.h"
#include "text/DocumentCodec.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace htmlsim {

class Input;

// An input on the surface: a live miniature of the element (Text1, Command1, Check1, Option1
// or Combo1) with its caption beside it, inside an outline; the margin around it is the grip
// for dragging.
class InputWidget : public PageControlWidget {
    Q_OBJECT
  public:
    // Shows the input's texts, and writes what is typed, through the document's codec.
    InputWidget(Input& input, const DocumentCodec& codec, QWidget* parent);

    QLineEdit* Text1() const { return mText1; }
    QPushButton* Command1() const { return mCommand1; }
    QCheckBox* Check1() const { return mCheck1; }
    QRadioButton* Option1() const { return mOption1; }
    QComboBox* Combo1() const { return mCombo1; }
    QLabel* CaptionLabel() const { return mCaption; }

  protected:
    void Redraw() override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    Input& mInput;
    const DocumentCodec& mCodec;
    QLineEdit* mText1;
    QPushButton* mCommand1;
    QCheckBox* mCheck1;
    QRadioButton* mOption1;
    QComboBox* mCombo1;
    QLabel* mCaption;
};

}  // namespace htmlsim
