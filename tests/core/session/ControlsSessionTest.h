#pragma once

#include "FakeDesignForms.h"
#include "FakeDesignMouseView.h"
#include "FakeTextMeasurer.h"
#include "SessionTestSupport.h"
#include "session/DesignInteraction.h"
#include "session/PageControlCommands.h"
#include "session/SessionSectionWriter.h"

namespace htmlsim::testing {

// A session whose design surface carries page controls, as the editor's does.
class ControlsSessionTest : public SessionTest {
  protected:
    ControlsSessionTest()
        : interaction(session, mouseView, forms),
          controls(measurer, dialogs, SessionSectionWriter(session)) {
        ConnectPageControls(interaction, controls);
    }

    FakeDesignMouseView mouseView;
    FakeDesignForms forms;
    FakeTextMeasurer measurer;
    DesignInteraction interaction;
    PageControls controls;
};

}  // namespace htmlsim::testing
