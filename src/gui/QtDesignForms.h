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

    void ShowAreaProperties(AreaPropertiesModel& model) override {
        frmAreaProperties(model, mParent).exec();
    }
    void ShowBalloonProperties(BalloonPropertiesModel& model) override {
        frmBalloonProperties(model, mParent).exec();
    }
    void ShowImageProperties(ImagePropertiesModel& model) override {
        frmImageProperties(model, mParent).exec();
    }

  private:
    QWidget* mParent;
};

}  // namespace htmlsim::gui
