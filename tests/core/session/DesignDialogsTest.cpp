#include <gtest/gtest.h>

#include "DesignTestSupport.h"

namespace htmlsim::testing {
namespace {

using DesignDialogs = DesignTest;

TEST_F(DesignDialogs, ApplyOffersThePagesOfTheFolderAndRewritesTheSection) {
    Write("b.html", "");
    Write("a.html", "");
    Write("c.htm", "");
    forms.onArea = [&](AreaPropertiesModel& model) {
        EXPECT_EQ(model.LinkList, (std::vector<std::string>{"javascript:history.back()", "a.html",
                                                            "b.html", "index.html"}));
        model.Boxes = {"120", " 70 ", "3", "40"};
        model.Title = "Go on";
        const std::string before = session.DocumentText();
        for (const char* breaking : {"go('x')", "a\\b.html", "a.html, b.html"}) {
            model.LinkAddress = breaking;
            model.Apply();
            EXPECT_EQ(session.DocumentText(), before) << breaking;
        }
        EXPECT_EQ(dialogs.messages.size(), 3u);
        EXPECT_EQ(dialogs.messages[0].text,
                  "The link cannot hold a quote, a backslash or \", \": it is written into the "
                  "page's script.");
        model.LinkAddress = "b.html";
        model.RightClick = true;  // hidden option: the area still demands a left click
        model.Apply();
        const std::string images = Section("Images");
        EXPECT_NE(images.find("COORDS='20,20,25,60' Title='Go on' HREF='b.html'/>"),
                  std::string::npos)
            << images;
    };
    Choose(120, 70, "mnuAreaProperties");  // image 1's area
    ASSERT_EQ(forms.areaDialogs, 1);
    EXPECT_EQ(session.Design().Areas.Item(1)->ClickType(), "left");
}

TEST_F(DesignDialogs, SavedValueSetsAreRecalledInLaterDialogsAndReplacedByName) {
    forms.onArea = [&](AreaPropertiesModel& model) {
        model.Name = "Button";
        model.Boxes = {"1", "2", "30", "40"};
        model.LinkAddress = "";
        model.Linkable = true;
        model.Save();
        model.Boxes[kAreaLeft] = "9";
        model.Save();
    };
    Choose(120, 70, "mnuAreaProperties");

    forms.onArea = [&](AreaPropertiesModel& model) {
        EXPECT_EQ(model.NameList, std::vector<std::string>{"Button"});
        model.Name = "Nothing";
        model.NameChosen();
        EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Item Does Not Exist"});
        model.Name = "Button";
        model.NameChosen();
        EXPECT_EQ(model.Boxes, (std::array<std::string, 4>{"9", "2", "30", "40"}));
        EXPECT_FALSE(model.Linkable);  // shows that no link is present
    };
    Choose(120, 320, "mnuAreaProperties");  // an area of another image
    EXPECT_EQ(forms.areaDialogs, 2);
}

TEST_F(DesignDialogs, CanvasAreasChooseTheirClickTypeAndBrowsingLinksRelatively) {
    std::filesystem::create_directories(File("more"));
    Write("more/notes", "");
    dialogs.fileAnswers = {File("more/notes"), File("more/page")};
    forms.onArea = [&](AreaPropertiesModel& model) {
        EXPECT_TRUE(model.CanvasFrameVisible);
        EXPECT_TRUE(model.RightClick);
        model.RightClick = false;
        model.Browse();  // a file that exists keeps its name
        EXPECT_EQ(model.LinkAddress, "./more/notes");
        model.Browse();  // a page not made yet is named as a page
        EXPECT_EQ(model.LinkAddress, "./more/page.html");
        EXPECT_TRUE(model.Linkable);
        EXPECT_TRUE(model.LinkAddressEnabled);
        model.Apply();
    };
    Choose(160, 320, "mnuAreaProperties");
    ASSERT_EQ(forms.areaDialogs, 1);
    EXPECT_NE(Section("CanvasScript_Top").find(",./more/page.html,left');"), std::string::npos);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].kind, "save");  // a chooser that takes a new name
    EXPECT_FALSE(dialogs.asked[1].request.confirmOverwrite);
}

TEST_F(DesignDialogs, TheImageDialogChangesTheImageOnlyWhenTheUserDoes) {
    Write("other.htm", "");
    Write("page.html", "");
    forms.onImage = [&](ImagePropertiesModel& model) {
        EXPECT_EQ(model.LinkList(), (std::vector<std::string>{"javascript:history.back()",
                                                              "index.html", "page.html"}));
    };
    Choose(250, 150, "mnuImageProperties");
    ASSERT_EQ(forms.imageDialogs, 1);
    EXPECT_EQ(session.Design().Image(1).ImageType, kImageMap);
    EXPECT_EQ(session.Design().Image(1).HREF, "");

    forms.onImage = [&](ImagePropertiesModel& model) {
        model.TypeChosen(kImageHyperlink);
        model.HREFChanged("page.html");
        model.TitleChanged("Page");
        model.LeftChanged("");
        EXPECT_FALSE(model.LeftValid());
        model.LeftChanged("-20");
        model.TopChanged("x");
        EXPECT_FALSE(model.TopValid());
    };
    interaction.RunCommand("mnuImageProperties");
    ASSERT_EQ(forms.imageDialogs, 2);
    EXPECT_NE(Section("Images").find("<a HREF='page.html'><IMG SRC='shot.png' Name='Map1' "
                                     "TITLE='Page' BORDER='0' Width='200' Height='150' "
                                     "STYLE='position:absolute; left:-20px; top:50px'/></a>"),
              std::string::npos);
    // The map's area stays in the model, no longer followed.
    EXPECT_EQ(session.Design().Areas.Count(), 3u);
}

}  // namespace
}  // namespace htmlsim::testing
