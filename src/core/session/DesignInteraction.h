#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>

#include "model/ClickableAreas.h"
#include "services/DesignForms.h"
#include "session/AreaSelection.h"
#include "session/DesignMouse.h"
#include "session/Navigation.h"
#include "session/Session.h"
#include "session/SurfaceKeyboard.h"

namespace htmlsim {

// Everything the user does on the design surface, over one session: the mouse, link
// navigation, and the commands of the three pop-up menus by their item names. A menu is shown
// with the items that have no command disabled, so features that come later can register theirs.
class DesignInteraction : private DesignMouseView {
  public:
    using Command = std::function<void()>;

    DesignInteraction(Session& session, DesignMouseView& view, DesignForms& forms,
                      SecondsClock clock = SteadySeconds);
    DesignInteraction(const DesignInteraction&) = delete;
    DesignInteraction& operator=(const DesignInteraction&) = delete;

    Session& GetSession() { return mSession; }
    DesignMouse& Mouse() { return mMouse; }
    Navigation& GetNavigation() { return mNavigation; }
    // The area or balloon last pressed or stepped to, for the keyboard.
    AreaSelection& Selection() { return mSelection; }
    // A key pressed on the surface; a failure is reported, the document stays as it was.
    void KeyDown(SurfaceKey key, KeyModifiers modifiers);

    // `available` tells, when a menu opens, whether the item may be chosen now; without it the
    // item always may.
    void SetCommand(const std::string& itemName, Command command,
                    std::function<bool()> available = {});
    // True when the item has a command that is available now.
    bool HasCommand(const std::string& itemName) const;
    // Runs the item's command; false when it has none available.
    bool RunCommand(const std::string& itemName);
    // While a command chosen from a pop-up menu runs: the surface point the menu was opened at.
    // Otherwise (the menu bar, a key) none.
    std::optional<ShapePoint> PopupPoint() const { return mPopupPoint; }

    // "Remove" on the area menu: the area or balloon the menu was opened on goes, with its
    // outline.
    void RemoveArea();
    // "Properties" on the area menu: the area dialog, or the balloon dialog for a balloon.
    void ShowAreaProperties();
    // "Properties" on the image menu.
    void ShowImageProperties();

    // The area dialog's saved value sets, kept while the program runs.
    ClickableAreas& SavedAreaValueSets() { return mSavedAreaValueSets; }

  private:
    void ShowPopupMenu(const PopupMenu& menu, float x, float y) override;
    void RepaintSurface() override { mView.RepaintSurface(); }
    void AreaPressed(const ClickableAreaPtr& area) override { mSelection.Select(area); }
    ClickableAreaPtr SelectedArea() const override { return mSelection.Selected(); }
    void ApplyArea();
    void KeepOrRestore(bool kept, const std::string& before);
    void ReportFailure(const std::exception& failure);

    Session& mSession;
    DesignMouseView& mView;
    DesignForms& mForms;
    Navigation mNavigation;
    DesignMouse mMouse;
    AreaSelection mSelection;
    struct MenuCommand {
        Command run;
        std::function<bool()> available;
    };
    std::map<std::string, MenuCommand> mCommands;
    ClickableAreas mSavedAreaValueSets;
    std::optional<ShapePoint> mPopupPoint;
};

}  // namespace htmlsim
