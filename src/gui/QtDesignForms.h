#pragma once

#include <QWidget>

#include "frmAreaProperties.h"
#include "frmBalloonProperties.h"
#include "frmImageProperties.h"
#include "services/DesignForms.h"

namespace htmlsim::gui {

// The design surface's dialogs, shown modally over a window.
class QtDesignForms : public DesignForms {
  public:
    explicit QtDesignForms(QWidget* parent) : mParent(parent) {}

    bool ShowAreaProperties(AreaPropertiesModel& model) override {
        return frmAreaProperties(model, mParent).exec() == QDialog::Accepted;
    }
    bool ShowBalloonProperties(BalloonPropertiesModel& model) override {
        return frmBalloonProperties(model, mParent).exec() == QDialog::Accepted;
    }
    bool ShowImageProperties(ImagePropertiesModel& model) override {
        return frmImageProperties(model, mParent).exec() == QDialog::Accepted;
    }

  private:
    QWidget* mParent;
};

}  // namespace htmlsim::gui
