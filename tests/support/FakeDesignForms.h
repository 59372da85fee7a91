#pragma once

#include <functional>

#include "services/DesignForms.h"
#include "surface/AreaPropertiesModel.h"
#include "surface/BalloonPropertiesModel.h"
#include "surface/ImagePropertiesModel.h"

namespace htmlsim::testing {

// Plays the user of each dialog with what the test says; a dialog without a script is closed
// at once. Counts the dialogs shown.
class FakeDesignForms : public DesignForms {
  public:
    std::function<void(AreaPropertiesModel&)> onArea;
    std::function<void(BalloonPropertiesModel&)> onBalloon;
    std::function<void(ImagePropertiesModel&)> onImage;
    int areaDialogs = 0;
    int balloonDialogs = 0;
    int imageDialogs = 0;
    bool closedWithOK = true;  // false: each dialog is left with Cancel

    bool ShowAreaProperties(AreaPropertiesModel& model) override {
        ++areaDialogs;
        if (onArea) {
            onArea(model);
        }
        return closedWithOK;
    }
    bool ShowBalloonProperties(BalloonPropertiesModel& model) override {
        ++balloonDialogs;
        if (onBalloon) {
            onBalloon(model);
        }
        return closedWithOK;
    }
    bool ShowImageProperties(ImagePropertiesModel& model) override {
        ++imageDialogs;
        if (onImage) {
            onImage(model);
        }
        return closedWithOK;
    }
};

}  // namespace htmlsim::testing
