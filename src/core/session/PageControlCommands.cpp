#include "session/PageControlCommands.h"

#include "session/DesignInteraction.h"
#include "surface/PageControls.h"

namespace htmlsim {

void ConnectPageControls(DesignInteraction& interaction, PageControls& controls) {
    interaction.GetSession().AttachPageControls(controls);
    interaction.SetCommand("mnuPalAddAnchor", [&controls] { controls.AddAnchor(); });
    interaction.SetCommand("mnuPalAddInput", [&controls] { controls.AddInput(); });
    interaction.SetCommand("mnuPalAddLabel", [&controls] { controls.AddLabel(); });
    controls.FollowLink = [&interaction](const std::string& href) {
        interaction.GetNavigation().FollowLink(href);
    };
}

}  // namespace htmlsim
