#pragma once

#include <functional>

#include "services/DesignForms.h"
#include "surface/AreaPropertiesModel.h"
#include "surface/BalloonPropertiesModel.h"
#include "surface/ImagePropertiesModel.h"

namespace htmlsim::testing {

// Plays the user of each dialog with what the test says; a dialog without a script is closed
// at once with OK. Counts the dialogs shown.
class FakeDesignForms : public DesignForms {
  public:
    std::function<void(AreaPropertiesModel&)> onArea;
    std::function<void(BalloonPropertiesModel&)> onBalloon;
    std::function<void(ImagePropertiesModel&)> onImage;
    int areaDialogs = 0;
    int balloonDialogs = 0;
    int imageDialogs = 0;

    bool ShowAreaProperties(AreaPropertiesModel& model) override {
        return Play(areaDialogs, onArea, model);
    }
    bool ShowBalloonProperties(BalloonPropertiesModel& model) override {
        return Play(balloonDialogs, onBalloon, model);
    }
    bool ShowImageProperties(ImagePropertiesModel& model) override {
        return Play(imageDialogs, onImage, model);
    }

  private:
    template <typename Model>
    bool Play(int& shown, const std::function<void(Model&)>& script, Model& model) {
        ++shown;
        if (script) {
            script(model);
        }
        return true;
    }
};

}  // namespace htmlsim::testing
