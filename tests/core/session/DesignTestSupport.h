#pragma once

#include <string>

#include "FakeDesignForms.h"
#include "FakeDesignMouseView.h"
#include "FakePictures.h"
#include "FakeSurface.h"
#include "PageDocument.h"
#include "SessionTestSupport.h"
#include "document/SectionDocument.h"
#include "session/DesignInteraction.h"

namespace htmlsim::testing {

// ThreeImagesPage opened in a session with the design surface's interaction over it. The clock
// stands still until the test moves it.
class DesignTest : public SessionTest {
  protected:
    DesignTest() : interaction(session, mouseView, forms, [this] { return now; }) {
        pictures.Add(File("shot.png"), 200, 150);
        session.AttachDesignServices(surface, pictures);
        Write("index.html", ThreeImagesPage());
        session.Start(File("index.html"));
    }

    DesignMouse& Mouse() { return interaction.Mouse(); }
    const ClickableArea& CurrentArea() { return *session.Design().CurrentClickableArea; }
    std::string Section(const std::string& name) const {
        return GetSectionText(session.DocumentText(), name);
    }
    // A left press, moves and release at the given times.
    void LeftDrag(float x1, float y1, float x2, float y2, double seconds) {
        Mouse().MouseDown(kLeftButton, x1, y1);
        Mouse().MouseMove(kLeftButton, x2, y2);
        now += seconds;
        Mouse().MouseUp(kLeftButton, x2, y2);
        Mouse().Click();
    }
    // "Draw an Image Map" chosen where the drag that draws the area starts.
    void DrawArea(float x1, float y1, float x2, float y2) {
        ASSERT_TRUE(Choose(x1, y1, "mnuPalDefineClickableArea"));
        LeftDrag(x1, y1, x2, y2, 1.0);
    }
    // A press and release at one point, as a click on the surface gives them.
    void ClickAt(float x, float y) {
        Mouse().MouseDown(kLeftButton, x, y);
        Mouse().MouseUp(kLeftButton, x, y);
        Mouse().Click();
    }
    // Runs the item of the menu a right press at (x, y) opens; whether it ran.
    bool Choose(float x, float y, const std::string& item) {
        Mouse().MouseDown(kRightButton, x, y);
        return interaction.RunCommand(item);
    }
    void Key(SurfaceKey key, bool shift = false, bool control = false) {
        interaction.KeyDown(key, KeyModifiers{shift, control});
    }

    FakeSurface surface;
    FakePictures pictures;
    FakeDesignMouseView mouseView;
    FakeDesignForms forms;
    double now = 1000.0;
    DesignInteraction interaction;
};

}  // namespace htmlsim::testing
