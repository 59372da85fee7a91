#include <gtest/gtest.h>

#include "FakePictures.h"
#include "FakeSurface.h"
#include "SessionTestSupport.h"

namespace htmlsim::testing {
namespace {

using SessionDesign = SessionTest;

// The session reads the design out of the document it opens, paints it through the attached
// surface, and empties it (surface included) before the next document.
TEST_F(SessionDesign, OpeningAPageRebuildsItsDesignAndTheNextPageStartsClean) {
    FakeSurface surface;
    FakePictures pictures;
    pictures.Add(File("shot.png"), 400, 300);
    session.AttachDesignServices(surface, pictures);
    Write("page.html",
          "<HTML>\r\n<BODY>\r\n<!-- Section: Images -->\r\n"
          "<IMG ID='Image1' SRC='shot.png' WIDTH='200' STYLE='position:absolute; left:10px; "
          "top:20px;'>\r\n"
          "<!-- Section End -->\r\n</BODY>\r\n</HTML>\r\n");

    session.Start(File("page.html"));
    ASSERT_EQ(session.Design().ImageCount(), 1);
    EXPECT_EQ(session.Design().Image(1).Left, 10);
    EXPECT_EQ(session.Design().Image(1).Height, 150);
    ASSERT_EQ(surface.paints.size(), 1u);
    EXPECT_EQ(surface.paints[0].top, 20);
    EXPECT_EQ(view.imports, 1);

    session.OpenDocument(File("other.html"));
    EXPECT_EQ(session.Design().ImageCount(), 0);
    EXPECT_TRUE(surface.paints.empty());
    EXPECT_GE(surface.clearCount, 1);
}

}  // namespace
}  // namespace htmlsim::testing
