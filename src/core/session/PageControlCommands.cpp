#include "session/PageControlCommands.h"

#include "session/DesignGate.h"
#include "session/DesignInteraction.h"
#include "surface/PageControls.h"

namespace htmlsim {

void ConnectPageControls(DesignInteraction& interaction, PageControls& controls) {
    Session& session = interaction.GetSession();
    session.AttachPageControls(controls);
    interaction.SetCommand("mnuPalAddAnchor",
                           GatedCommand(session, [&controls] { controls.AddAnchor(); }));
    interaction.SetCommand("mnuPalAddInput",
                           GatedCommand(session, [&controls] { controls.AddInput(); }));
    interaction.SetCommand("mnuPalAddLabel",
                           GatedCommand(session, [&controls] { controls.AddLabel(); }));
    const auto mayChange = [&session] { return DesignMayChange(session); };
    controls.Anchor1.MayDrag = mayChange;
    controls.Input1.MayDrag = mayChange;
    controls.Label1.MayDrag = mayChange;
    controls.FollowLink = [&interaction](const std::string& href) {
        interaction.GetNavigation().FollowLink(href);
    };
}

}  // namespace htmlsim
