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

// A page of three images opened in a session with the design surface's interaction over it:
// 1 an image map "Map1" at 100,50 (200 x 150) with one area at 110,60 - 160,90 linking to
// next.html; 2 a hyperlink image at 400,50 (100 x 100) linking to linked.html; 3 a canvas at
// 100,300 (200 x 100) with a left-click area at 110,310 - 140,330 and a right-click area at
// 150,310 - 180,330. The clock stands still until the test moves it.
class DesignTest : public SessionTest {
  protected:
    DesignTest() : interaction(session, mouseView, forms, [this] { return now; }) {
        pictures.Add(File("shot.png"), 200, 150);
        session.AttachDesignServices(surface, pictures);
        Write("index.html",
              DesignDocument("<IMG SRC='shot.png' Name='Map1' BORDER='0' Width='200' "
                             "Height='150' STYLE='position:absolute; left:100px; top:50px' "
                             "UseMap='#Map1'/>\r\n"
                             "<map name='Map1'>\r\n"
                             "<AREA SHAPE='rect' COORDS='10,10,60,40' Title='' "
                             "HREF='next.html'/> \r\n"
                             "</map>\r\n"
                             "<a HREF='linked.html'><IMG SRC='shot.png' Name='Link1' TITLE='' "
                             "BORDER='0' Width='100' Height='100' STYLE='position:absolute; "
                             "left:400px; top:50px'/></a>\r\n"
                             "<canvas id='Canvas_3' SRC='shot.png' width='200' Height='100' "
                             "style='position:absolute; left:100px; top:300px'></canvas>\r\n",
                             "var Areas = new Array();\r\nmScale = .7;\r\n"
                             "Areas.push('10,10,40,30,left.html,left');\r\n"
                             "Areas.push('50,10,80,30,right.html,right');\r\n"));
        session.Start(File("index.html"));
    }

    DesignMouse& Mouse() { return interaction.Mouse(); }
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

    FakeSurface surface;
    FakePictures pictures;
    FakeDesignMouseView mouseView;
    FakeDesignForms forms;
    double now = 1000.0;
    DesignInteraction interaction;
};

}  // namespace htmlsim::testing
