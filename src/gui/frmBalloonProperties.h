#pragma once

#include <QDialog>

#include "surface/BalloonPropertiesModel.h"

class QLineEdit;
class QPlainTextEdit;

namespace htmlsim::gui {

// "Options": a balloon's content, edited live, and its colour.
class frmBalloonProperties : public QDialog {
    Q_OBJECT
  public:
    frmBalloonProperties(BalloonPropertiesModel& model, QWidget* parent = nullptr);

    QPlainTextEdit* txtInnerHTML() const { return mInnerHTML; }
    QLineEdit* txtBackgroundColor() const { return mBackgroundColor; }

  private:
    QPlainTextEdit* mInnerHTML;
    QLineEdit* mBackgroundColor;
};

}  // namespace htmlsim::gui
