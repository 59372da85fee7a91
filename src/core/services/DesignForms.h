#pragma once

namespace htmlsim {

class AreaPropertiesModel;
class BalloonPropertiesModel;
class ImagePropertiesModel;

// The modal dialogs of the design surface's menus. Each returns when the user closes it; what
// it changed is in the model's object by then. False when the user left it with Cancel or
// Escape: the caller then puts back everything the dialog changed.
class DesignForms {
  public:
    virtual ~DesignForms() = default;
    virtual bool ShowAreaProperties(AreaPropertiesModel& model) = 0;
    virtual bool ShowBalloonProperties(BalloonPropertiesModel& model) = 0;
    virtual bool ShowImageProperties(ImagePropertiesModel& model) = 0;
};

}  // namespace htmlsim
