#pragma once

#include <QDialog>
#include <array>

#include "surface/ImagePropertiesModel.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace htmlsim::gui {

// "Image Properties": what the image does in the page and the fields that go with it; every
// edit goes into the image at once.
class frmImageProperties : public QDialog {
    Q_OBJECT
  public:
    frmImageProperties(ImagePropertiesModel& model, QWidget* parent = nullptr);

    QRadioButton* optImageType(int type) const { return mTypes[type]; }
    QGroupBox* fraLink() const { return mLink; }
    QGroupBox* fraMap() const { return mMap; }
    QComboBox* cboHREF() const { return mHREF; }
    QLineEdit* txtLeft() const { return mLeft; }
    QLineEdit* txtTop() const { return mTop; }

  private:
    void ShowFrames();

    ImagePropertiesModel& mModel;
    std::array<QRadioButton*, 4> mTypes;
    QGroupBox* mLink;
    QGroupBox* mMap;
    QComboBox* mHREF;
    QLineEdit* mLeft;
    QLineEdit* mTop;
};

}  // namespace htmlsim::gui
