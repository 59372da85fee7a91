#pragma once

#include <QDialog>

#include "surface/AreaPropertiesModel.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

namespace htmlsim::gui {

// "Clickable Area Properties": shows an area's fields and hands every command to its model.
class frmAreaProperties : public QDialog {
    Q_OBJECT
  public:
    frmAreaProperties(AreaPropertiesModel& model, QWidget* parent = nullptr);

    QComboBox* cboName() const { return mName; }
    QLineEdit* txtBox(AreaBox box) const { return mBoxes[box]; }
    QLineEdit* txtTitle() const { return mTitle; }
    QCheckBox* chkLinkable() const { return mLinkable; }
    QComboBox* cboLinkAddress() const { return mLinkAddress; }
    QGroupBox* fraCanvas() const { return mCanvas; }
    QRadioButton* optRight() const { return mRight; }
    QPushButton* cmdApply() const { return mApply; }
    QPushButton* cmdSave() const { return mSave; }

  private:
    void ShowModel();
    void KeepOnlyWhatTheCanvasStores(QVBoxLayout& layout);
    void MarkBox(AreaBox box);

    AreaPropertiesModel& mModel;
    QComboBox* mName;
    std::array<QLineEdit*, kAreaBoxCount> mBoxes;
    QLineEdit* mTitle;
    QCheckBox* mLinkable;
    QComboBox* mLinkAddress;
    QGroupBox* mCanvas;
    QRadioButton* mLeft;
    QRadioButton* mRight;
    QPushButton* mApply;
    QPushButton* mSave;
};

}  // namespace htmlsim::gui
