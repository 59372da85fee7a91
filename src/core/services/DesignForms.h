#pragma once

namespace htmlsim {

class AreaPropertiesModel;
class BalloonPropertiesModel;
class ImagePropertiesModel;

// The modal dialogs of the design surface's menus. Each returns when the user closes it; what
// it changed is in the model's object by then.
class DesignForms {
  public:
    virtual ~DesignForms() = default;
    virtual void ShowAreaProperties(AreaPropertiesModel& model) = 0;
    virtual void ShowBalloonProperties(BalloonPropertiesModel& model) = 0;
    virtual void ShowImageProperties(ImagePropertiesModel& model) = 0;
};

}  // namespace htmlsim
