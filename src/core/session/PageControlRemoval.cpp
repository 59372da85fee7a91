#include "session/PageControlRemoval.h"

#include "session/DesignGate.h"
#include "session/Session.h"
#include "session/SessionSectionWriter.h"
#include "surface/PageControls.h"

namespace htmlsim {

namespace {

template <typename Control>
std::string BodyWithout(const ControlArray<Control>& array, int removed) {
    std::string body;
    for (int index = 0; index < array.Count(); ++index) {
        if (index != removed) {
            body += array[index].HTML() + "\r\n";
        }
    }
    return body;
}

}  // namespace

void RemovePageControl(Session& session, PageControls& controls, const std::string& arrayName,
                       int index) {
    if (!DesignMayChange(session)) {
        return;
    }
    const PageControls::SectionWriter write = SessionSectionWriter(session);
    try {
        if (arrayName == controls.Anchor1.Name()) {
            write("Anchors", BodyWithout(controls.Anchor1, index));
        } else if (arrayName == controls.Label1.Name()) {
            write("Labels", BodyWithout(controls.Label1, index));
        } else if (arrayName == controls.Input1.Name()) {
            write("Inputs", BodyWithout(controls.Input1, index));
        }
    } catch (const std::exception& failure) {
        session.GetDialogs().Message(failure.what(), "", MessageIcon::Critical);
        return;
    }
    session.SwitchTab(kImageDesignTab);
}

}  // namespace htmlsim
