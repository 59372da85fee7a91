#include <gtest/gtest.h>

#include "surface/BalloonLooks.h"
#include "surface/PageBackground.h"

namespace htmlsim {
namespace {

TEST(PageBackground, TheLastBodyRuleOfTheLastSheetWinsAndOthersDoNotCount) {
    const std::string section = "<STYLE>\r\nbody { background-color: #ff0000 }\r\n</STYLE>\r\n";
    EXPECT_EQ(BodyBackground({section}), (SurfaceColor{255, 0, 0}));
    // The template's MyStyle.css, read after the section: its missing semicolon and all.
    const std::string linked =
        "/* body { background: blue } */\r\nbody {\r\n  background-color:Antiquewhite;\r\n"
        "  background -attachment: fixed\r\n}\r\ndiv {\r\n  background-color:#b0c4de\r\n}\r\n";
    EXPECT_EQ(BodyBackground({section, linked}), (SurfaceColor{250, 235, 215}));
    EXPECT_EQ(BodyBackground({"h1, BODY {background: url(x.png) #abc no-repeat}"}),
              (SurfaceColor{0xAA, 0xBB, 0xCC}));
    EXPECT_EQ(BodyBackground({"body.dark { background: black } p { color: red"}), std::nullopt);
    EXPECT_EQ(BodyBackground({"body { background-color: notacolour; }"}), std::nullopt);
}

TEST(PageBackground, LabelAndAnchorRulesGiveTheirFontSizeAndWeight) {
    const std::vector<std::string> sheets{
        "<STYLE>\r\nlabel { font-size: 12pt }\r\n</STYLE>",
        "a { font-size:25; }\r\na:hover { font-weight:bold }\r\n"
        "label {\r\n  font-weight: 750;\r\n  font-size:25px;\r\n}\r\n"};
    const SheetFont label = ElementFont(sheets, "label");
    EXPECT_EQ(label.Pixels, 25);
    EXPECT_EQ(label.Bold, true);
    const SheetFont anchor = ElementFont(sheets, "a");
    EXPECT_EQ(anchor.Pixels, 25);
    EXPECT_EQ(anchor.Bold, std::nullopt);  // a:hover is another selector
    EXPECT_EQ(ElementFont({sheets[0]}, "label").Pixels, 16);
}

TEST(BalloonLooks, ABalloonTakesItsColourRadiusAndContentWithItsLineBreaks) {
    ClickableArea balloon;
    balloon.BackgroundColor = "Salmon";
    balloon.BorderRadius = "5px";
    balloon.InnerHTML = "</br><center>Message Goes</BR>Here</center>";
    const BalloonLook look = BalloonLookOf(balloon);
    EXPECT_EQ(look.Background, (SurfaceColor{250, 128, 114}));
    EXPECT_EQ(look.Radius, 5);
    EXPECT_EQ(look.Html, "<br><center>Message Goes<br>Here</center>");
    balloon.BackgroundColor = "#12345";
    balloon.BorderRadius = "-3";
    EXPECT_EQ(BalloonLookOf(balloon).Background, std::nullopt);
    EXPECT_EQ(BalloonLookOf(balloon).Radius, 0);
}

}  // namespace
}  // namespace htmlsim
