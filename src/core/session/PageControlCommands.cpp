#include "session/PageControlCommands.h"

#include "session/DesignGate.h"
#include "session/DesignInteraction.h"
#include "surface/PageControls.h"

namespace htmlsim {

namespace {

// A control added from the surface's pop-up menu goes where the menu was opened.
std::optional<ControlSpot> SpotAsked(const DesignInteraction& interaction) {
    const std::optional<ShapePoint> at = interaction.PopupPoint();
    if (!at) {
        return std::nullopt;
    }
    return ControlSpot{static_cast<int16_t>(at->X), static_cast<int16_t>(at->Y)};
}

}  // namespace

void ConnectPageControls(DesignInteraction& interaction, PageControls& controls) {
    Session& session = interaction.GetSession();
    session.AttachPageControls(controls);
    interaction.SetCommand("mnuPalAddAnchor", GatedCommand(session, [&] {
                               controls.AddAnchor(SpotAsked(interaction));
                           }));
    interaction.SetCommand("mnuPalAddInput", GatedCommand(session, [&] {
                               controls.AddInput(SpotAsked(interaction));
                           }));
    interaction.SetCommand("mnuPalAddLabel", GatedCommand(session, [&] {
                               controls.AddLabel(SpotAsked(interaction));
                           }));
    const auto mayChange = [&session] { return DesignMayChange(session); };
    controls.Anchor1.MayDrag = mayChange;
    controls.Input1.MayDrag = mayChange;
    controls.Label1.MayDrag = mayChange;
    controls.FollowLink = [&interaction](const std::string& href) {
        interaction.GetNavigation().FollowLink(href);
    };
}

}  // namespace htmlsim
