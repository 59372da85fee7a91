#include "model/ElementOrigin.h"
#include "model/PackedValues.h"

#include <gtest/gtest.h>

namespace htmlsim {
namespace {

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

    WrittenValues changed = kRead;
    changed[3].Value = "other.htm";
    EXPECT_FALSE(packed == changed);
    changed = kRead;
    changed[2].TagIndex = 0;
    EXPECT_FALSE(packed == changed);
    changed = kRead;
    changed.pop_back();
    EXPECT_FALSE(packed == changed);
    changed = kRead;
    changed.push_back({1, "alt", ""});
    EXPECT_FALSE(packed == changed);
    changed = kRead;
    std::swap(changed[0], changed[1]);
    EXPECT_FALSE(packed == changed);

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

}  // namespace
}  // namespace htmlsim
