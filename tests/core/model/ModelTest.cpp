#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "DataTable.h"
#include "DesignBuilder.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "model/ClickableAreas.h"
#include "model/ElementOrigin.h"
#include "model/ImageProperties.h"
#include "model/PackedValues.h"
#include "model/SectionBodies.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

TEST(ClickableArea, IsWithinIncludesAllFourEdges) {
    ClickableArea area;
    area.Left = 10;
    area.Top = 20;
    area.Width = 30;
    area.Height = 40;
    EXPECT_TRUE(area.IsWithin(10, 20));
    EXPECT_TRUE(area.IsWithin(40, 60));
    EXPECT_FALSE(area.IsWithin(41, 60));
    EXPECT_FALSE(area.IsWithin(9.5f, 30));

    ClickableArea huge;
    huge.Left = 32000;
    huge.Width = 1000;
    EXPECT_THROW(huge.IsWithin(0, 0), OverflowError);
}

TEST(ClickableArea, ClickTypeIsTrimmedLowerCasedAndOtherwiseLeft) {
    ClickableArea area;
    area.SetClickType("  Right ");
    EXPECT_EQ(area.ClickType(), "right");
    area.SetClickType("middle");
    EXPECT_EQ(area.ClickType(), "left");
}

TEST(ClickableAreas, KeyedInsertionOrderedCollection) {
    ClickableAreas areas;
    auto first = areas.Add("Map_Area_1", 4, 3, 2, 1, 1, AreaKey(1), 7);
    areas.Add("Map_Area_2", 0, 0, 0, 0, 2, AreaKey(2), 1);
    areas.Add("Map_Area_3", 0, 0, 0, 0, 3, "", 1);  // no key
    areas.Add("Map_Area_4", 0, 0, 0, 0, 4, "", 1);  // several may go without one

    EXPECT_EQ(areas.Item("shapeindex=1"), first);
    EXPECT_EQ(areas.GetItem("Map_Area_2")->Index, 2);
    EXPECT_FALSE(areas.NameExists("MAP_AREA_4"));

    EXPECT_THROW(areas.Add("again", 0, 0, 0, 0, 1, AreaKey(1), 1), RuntimeError);
    EXPECT_THROW(areas.Item(5), RuntimeError);
    EXPECT_THROW(areas.Remove("shapeindex=9"), RuntimeError);
    ASSERT_EQ(areas.Count(), 4u);

    areas.Remove("shapeindex=2");
    areas.Remove(3);
    std::vector<std::string> names;
    for (const auto& area : areas) {
        names.push_back(area->Name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Map_Area_1", "Map_Area_3"}));
    areas.Add("reused", 0, 0, 0, 0, 2, AreaKey(2), 1);  // a removed key is free again
    EXPECT_EQ(areas.Item(3)->Name, "reused");
}

// tests/data/surface/file-paths.txt
TEST(ImageProperties, PathAndNameSplitsAtTheLastSeparatorAndDot) {
    for (const auto& row : testing::DataTable("surface/file-paths.txt")) {
        if (row.at(0) == "image") {
            ImageProperties image;
            image.SetPathAndName(row.at(1));
            EXPECT_EQ(image.PathAndName(), row.at(1));
            EXPECT_EQ((std::array{image.PathOnly(), image.FileNameOnly(), image.Extension()}),
                      (std::array{row.at(2), row.at(3), row.at(4)}))
                << row.at(1);
        }
    }
}

using testing::AddArea;
using testing::AddImage;

// The bytes a writer must give, in tests/data/section-bodies (its README).
std::string Expected(const std::string& name) {
    return testing::TestDataFile("section-bodies/" + name);
}

TEST(SectionBodies, ImagesBodyWritesEveryKindOfElement) {
    PageDesign design;
    testing::AddEveryKind(design);
    AssignCanvasIds(design);
    EXPECT_EQ(ImagesSectionBody(design, "\r\n"), Expected("images.html"));
}

TEST(SectionBodies, CanvasScriptsDescribeTheCanvasAndItsAreas) {
    PageDesign design;
    AddImage(design, kImageMap, "./pic1.jpg", {0, 0, 200, 100});
    ImageProperties& canvas = AddImage(design, kImageCanvas, "./pic2.jpg", {10, 10, 200, 100});
    canvas.Id = "Back";
    ClickableArea& area = AddArea(design, 2, {15, 20, 40, 30});
    area.LinkAddress = "p2.htm";
    area.SetClickType("right");
    AddArea(design, 1, {15, 20, 40, 30});  // on the other image
    AddArea(design, 2, {12, 12, 40, 30}).LinkAddress = "javascript:history.back()";
    EXPECT_EQ(CanvasScriptTopBody(design, canvas, "\r\n"), Expected("canvas-script-top.js"));
    EXPECT_EQ(CanvasScriptBottomBody(canvas, "\r\n"), Expected("canvas-script-bottom.html"));
}

TEST(SectionBodies, BalloonsOfEveryImageEachNamedAfterItsImage) {
    PageDesign design;
    ClickableArea& balloon = AddArea(design, 1, {60, 80, 40, 30}, kAreaBalloon);
    AddImage(design, kImagePlain, "./pic1.jpg", {50, 60, 200, 100});
    AddImage(design, kImagePlain, "./pic2.jpg", {5, 6, 200, 100});
    balloon.EditBalloon() = {"salmon", "5", "Click <b>here</b>"};
    AddArea(design, 1, {50, 60, 40, 30}, kAreaBalloon);
    AddArea(design, 2, {50, 60, 40, 30}, kAreaBalloon);  // named after image 2
    AddArea(design, 1, {50, 60, 40, 30});                // clickable areas are not balloons
    EXPECT_EQ(BalloonsSectionBody(design, "\r\n"), Expected("balloons.html"));
}

const WrittenValues kRead{{0, "HREF", "next.html"},
                          {1, "Title", std::string(300, 'x') + std::string("\0'\"", 3)},
                          {1, "COORDS", ""},
                          {1, "HREF", "other.html"}};

TEST(PackedValues, GiveBackEveryValueByTagAndName) {
    const PackedValues packed(kRead);
    EXPECT_EQ(packed.Unpacked(), kRead);
    EXPECT_EQ(packed.Find(0, "HREF"), "next.html");
    EXPECT_EQ(packed.Find(1, "HREF"), "other.html");
    EXPECT_EQ(packed.Find(1, "Title"), kRead[1].Value);
    EXPECT_EQ(packed.Find(1, "COORDS"), "");
    EXPECT_EQ(packed.Find(0, "COORDS"), std::nullopt);
    EXPECT_EQ(packed.Find(1, "href"), std::nullopt);  // names as the program writes them
    EXPECT_EQ(PackedValues().Find(0, "HREF"), std::nullopt);
}

TEST(PackedValues, EqualOnlyToTheSameValuesInTheSameOrder) {
    const PackedValues packed(kRead);
    EXPECT_TRUE(packed == kRead);
    EXPECT_TRUE(PackedValues() == WrittenValues{});

    WrittenValues changed;
    const WrittenValue alt{1, "alt", ""};
    for (const auto& change : std::vector<std::function<void()>>{
             [&] { changed[3].Value = "other.htm"; }, [&] { changed[2].TagIndex = 0; },
             [&] { changed.pop_back(); }, [&] { changed.push_back(alt); },
             [&] { std::swap(changed[0], changed[1]); }}) {
        changed = kRead;
        change();
        EXPECT_FALSE(packed == changed);
    }

    PackedValues added(changed);
    added.Add({0, "style:transform", "rotate(90deg)"});
    changed.push_back({0, "style:transform", "rotate(90deg)"});
    EXPECT_TRUE(added == changed);
}

TEST(ElementOrigin, ReadsItsTagsAgainFromTheBodyAndRefusesAnotherBody) {
    const std::string body = "<p>\n<a href='x'><IMG SRC='a.png' Name=b></a>\n";
    ElementOrigin origin;
    origin.KeepTags({4, 16});
    const std::vector<HtmlTag> tags = origin.TagsIn(body);
    ASSERT_EQ(tags.size(), 2U);
    EXPECT_EQ(tags[0].Get("HREF"), "x");
    EXPECT_EQ(tags[1].Name, "IMG");
    EXPECT_EQ(tags[1].Get("name"), "b");

    EXPECT_THROW(origin.TagsIn("<p>\n<a href='x'>text</a>"), std::runtime_error);
    EXPECT_THROW(origin.KeepTags({1, 2, 3}), std::runtime_error);
}

// The key list points into the map that holds the keys: a copy must point into its own.
TEST(ClickableAreas, ACopyKeepsItsKeysWhenTheOriginalGoes) {
    auto original = std::make_unique<ClickableAreas>();
    original->Add("a", 1, 1, 0, 0, 1, "shapeindex=10001", 1);
    original->Add("b", 1, 1, 0, 0, 2, "", 1);
    original->Add("c", 1, 1, 0, 0, 3, "shapeindex=10003", 1);
    ClickableAreas copy(*original);
    ClickableAreas assigned;
    assigned = *original;
    original.reset();
    for (ClickableAreas* areas : {&copy, &assigned}) {
        areas->Remove(1);
        EXPECT_FALSE(areas->KeyExists("shapeindex=10001"));
        EXPECT_THROW(areas->Remove(""), std::runtime_error);
        areas->Remove("shapeindex=10003");
        ASSERT_EQ(areas->Count(), 1u);
        EXPECT_EQ(areas->Item(1)->Name, "b");
    }
}

// Copies share a balloon's text until one changes it (an undo keeps copies).
TEST(ClickableArea, ChangingACopysBalloonLeavesTheOriginalAsItWas) {
    ClickableArea original;
    EXPECT_EQ(original.Balloon().InnerHTML, "");
    original.EditBalloon() = {"salmon", "5", "Hello"};
    ClickableArea copy = original;
    copy.EditBalloon().InnerHTML = "Changed";
    EXPECT_EQ(original.Balloon().InnerHTML, "Hello");
    EXPECT_EQ(copy.Balloon().InnerHTML, "Changed");
    EXPECT_EQ(copy.Balloon().BackgroundColor, "salmon");
}

// An area's values kept as their places in its own text: read back only against that text.
TEST(PackedValues, ValuesStandingInTheElementAreReadFromItAndAShorterElementIsRefused) {
    const std::string element =
        "<AREA COORDS='1,2,3,4' Title=\"Jane's\" HREF='next.html' alt=x target=_blank>";
    const WrittenValues values{{0, "COORDS", "1,2,3,4"},      {0, "Title", "Jane's"},
                               {0, "HREF", "elsewhere.html"}, {1, "alt", "x"},
                               {1, "HREF", "next.html"},      {0, "target", ""}};
    const PackedValues packed(values, element);
    EXPECT_EQ(packed.Unpacked(element), values);
    EXPECT_TRUE(packed.Equals(values, element));
    EXPECT_EQ(packed.Find(0, "HREF", element), "elsewhere.html");
    EXPECT_EQ(packed.Find(1, "HREF", element), "next.html");
    EXPECT_EQ(packed.Find(1, "COORDS", element), std::nullopt);

    WrittenValues changed = values;
    changed[1].Value = "Jane";
    EXPECT_FALSE(packed.Equals(changed, element));
    EXPECT_THROW(packed.Unpacked(element.substr(0, 20)), RuntimeError);
}

}  // namespace
}  // namespace htmlsim
