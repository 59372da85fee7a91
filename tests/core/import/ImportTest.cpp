#include <gtest/gtest.h>

#include <tuple>

#include "FakeDialogs.h"
#include "FakeTextMeasurer.h"
#include "ImportFixture.h"
#include "document/HtmlTag.h"
#include "document/SectionDocument.h"
#include "import/ImportValues.h"
#include "surface/PageControls.h"

namespace htmlsim::testing {
namespace {

TEST(HtmlTag, QuotesWhitespaceAndLinesAsBrowsersReadThem) {
    const std::string text =
        "x <IMG\r\n\tSRC = 'a b.jpg'\n alt=\"1 > 0 &amp; &quot;q&quot;\" Title='it&#39;s'"
        " width=40 ismap data-x=\"\"/> y";
    const std::optional<HtmlTag> tag = NextHtmlTag(text, 0);
    ASSERT_TRUE(tag);
    EXPECT_EQ(tag->Kind, HtmlTagKind::Start);
    EXPECT_EQ(tag->Name, "IMG");
    EXPECT_TRUE(tag->SelfClosing);
    EXPECT_EQ(text.substr(tag->Start, 4), "<IMG");
    EXPECT_EQ(text.substr(tag->End), " y");
    EXPECT_EQ(text.substr(tag->CloseAt, 2), "/>");
    EXPECT_EQ(tag->Get("src"), "a b.jpg");
    EXPECT_EQ(tag->Get("ALT"), "1 > 0 &amp; \"q\"");  // only &quot; and &#39; decoded
    EXPECT_EQ(tag->Get("title"), "it's");
    EXPECT_EQ(tag->Get("Width"), "40");
    ASSERT_TRUE(tag->Find("ISMAP"));
    EXPECT_FALSE(tag->Find("ISMAP")->HasValue());
    EXPECT_EQ(tag->Find("DATA-X")->ValueEnd - tag->Find("DATA-X")->ValueStart, 2u);
    const HtmlAttribute& width = *tag->Find("WIDTH");
    EXPECT_EQ(text.substr(width.ValueStart, width.ValueEnd - width.ValueStart), "40");

    // A "<" that opens no tag is text; comments and the DOCTYPE are tags of their own.
    const std::string other = "a < b <!-- <IMG SRC='x'> --><!DOCTYPE html></P >";
    std::optional<HtmlTag> next = NextHtmlTag(other, 0);
    ASSERT_TRUE(next);
    EXPECT_EQ(next->Kind, HtmlTagKind::Other);
    EXPECT_EQ(other.substr(next->End, 2), "<!");
    next = NextHtmlTag(other, next->End);
    EXPECT_EQ(next->Kind, HtmlTagKind::Other);
    next = NextHtmlTag(other, next->End);
    EXPECT_EQ(next->Kind, HtmlTagKind::End);
    EXPECT_EQ(next->Name, "P");
    EXPECT_FALSE(NextHtmlTag("<img src='unclosed>", 0));
}

TEST(HtmlTag, EndTagsMatchWithNesting) {
    const std::string text =
        "<div a><div><img></div><script>'</div>'</script></div>tail"
        "<input type=x></input><input><p>";
    const std::optional<HtmlTag> outer = NextHtmlTag(text, 0);
    const std::optional<HtmlTag> end = MatchingEndTag(text, *outer);
    ASSERT_TRUE(end);
    EXPECT_EQ(text.substr(end->End, 4), "tail");
    const std::optional<HtmlTag> input = NextHtmlTag(text, end->End);
    const std::optional<HtmlTag> inputEnd = MatchingEndTag(text, *input);
    ASSERT_TRUE(inputEnd);  // the program's own "<input ...></input>"
    const std::optional<HtmlTag> bare = NextHtmlTag(text, inputEnd->End);
    EXPECT_FALSE(MatchingEndTag(text, *bare));
    EXPECT_FALSE(MatchingEndTag(text, *NextHtmlTag(text, bare->End)));

    // A script's end tag in any case, the first one ending it; a "<" inside it is no tag.
    const std::string script = "<SCRIPT>if (a </x) {}</Script ><p></script>";
    const std::optional<HtmlTag> scriptEnd = MatchingEndTag(script, *NextHtmlTag(script, 0));
    ASSERT_TRUE(scriptEnd);
    EXPECT_EQ(scriptEnd->Start, script.find("</Script"));
    const std::string unclosed = "<script>x</scrip>";
    EXPECT_FALSE(MatchingEndTag(unclosed, *NextHtmlTag(unclosed, 0)));

    EXPECT_EQ(EndOfElementLine("<a>  \r\nx", 3), 7u);
    EXPECT_EQ(EndOfElementLine("<a>\nx", 3), 4u);
    EXPECT_EQ(EndOfElementLine("<a> <b>", 3), 3u);
}

TEST(HtmlTag, AnOutlineIsTheSameTagWithoutItsAttributes) {
    const std::string text = "x < y <!-- c --> <AREA shape=\"rect\" title='a>b'\n/></area>";
    for (size_t from : {size_t{0}, text.find("<AREA"), text.find("</area")}) {
        const std::optional<HtmlTag> full = NextHtmlTag(text, from);
        const std::optional<HtmlTag> outline = NextHtmlTagOutline(text, from);
        ASSERT_TRUE(full && outline);
        EXPECT_EQ(std::tie(outline->Kind, outline->Name, outline->Start, outline->End,
                           outline->SelfClosing),
                  std::tie(full->Kind, full->Name, full->Start, full->End, full->SelfClosing));
        EXPECT_TRUE(outline->Attributes.empty());
    }
    EXPECT_EQ(NextHtmlTag(text, text.find("<AREA"))->Get("title"), "a>b");
    EXPECT_FALSE(NextHtmlTagOutline("<img src='unclosed>", 0));
}

TEST(ImportValues, UnquoteParenthesesAndBooleans) {
    EXPECT_EQ(Unquote("'x'"), "x");
    EXPECT_EQ(Unquote("`'x'`"), "x");
    EXPECT_EQ(Unquote("\"x'"), "\"x'");

    EXPECT_EQ(ParenthesisContent("Areas.push('1,2,3,4,a.htm,left');"), "'1,2,3,4,a.htm,left'");

    testing::FakeDialogs dialogs;
    for (std::string truth : {"yes", "True", "-1", "checked"}) {
        EXPECT_TRUE(InterpretBoolean(truth, dialogs));
    }
    for (std::string falsehood : {"false", "No", "0", "", "unchecked"}) {
        EXPECT_FALSE(InterpretBoolean(falsehood, dialogs));
    }
    EXPECT_TRUE(dialogs.messages.empty());
    std::string text = "maybe";
    EXPECT_FALSE(InterpretBoolean(text, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "MAYBE");
}

using DocumentImport = ImportFixture;

// The page of the corpus case design/first-map-of-a-name-serves-every-image: map1 (two areas)
// serving the image after it, again before the second image, which it serves too.
std::string SharedMapPage() {
    return CorpusFile("design/first-map-of-a-name-serves-every-image/page.html");
}

// What a page reads as is pinned by the cases of tests/corpus/design; here what the JSON does
// not show: the element each area comes from and the outlines on the surface.
TEST_F(DocumentImport, AMapServingTwoImagesGivesThemAreasOfTheSameElements) {
    Import(SharedMapPage());
    ASSERT_EQ(design.Areas.Count(), 4u);
    EXPECT_EQ(Area(4).Origin, Area(2).Origin);
    EXPECT_EQ(surface.VisibleOutlines(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(DocumentImport, BlankDocumentDropsOnlyTheAreas) {
    Import(SharedMapPage());
    ASSERT_EQ(design.Areas.Count(), 4u);
    Import(" \r\n  \r\n");
    EXPECT_EQ(design.Areas.Count(), 0u);
    EXPECT_TRUE(surface.VisibleOutlines().empty());
    EXPECT_EQ(design.ImageCount(), 2);

    // A new import reuses the outlines from 0 on.
    Import(SharedMapPage());
    EXPECT_EQ(Area(2).Index, 1);
}

using ImageImport = ImportFixture;

// The fields read are pinned by the cases of tests/corpus/design; here the pictures behind them.
TEST_F(ImageImport, EachPictureIsLoadedOnceAndPaintedWhenItsImageIsWhole) {
    ImportImages(
        "<IMG SRC='a.jpg' Width='200'/>\r\n"
        "<IMG SRC='./a.jpg' Height='150'/>\r\n"
        "<IMG SRC='/doc/a.jpg'/>\r\n");
    EXPECT_EQ(pictures.loadedPaths, std::vector<std::string>{"/doc/a.jpg"});  // once per import
    ASSERT_EQ(surface.paints.size(), 3u);
    EXPECT_EQ(surface.paints.at(0).picture, Image(1).PCT.get());

    ImportImages(
        "<IMG SRC='a.jpg' Width='10' STYLE='left:auto; top:5px'/>\r\n"
        "<IMG SRC='missing.jpg' Width='10'/>\r\n"
        "<IMG SRC='b.png' Width='10'/>\r\n");
    EXPECT_EQ(Image(2).PCT, nullptr);
    EXPECT_EQ(surface.paints.size(), 1u);  // only the last one is painted
}

// The design's document with these control sections, imported into page controls whose
// writer keeps `document` up to date, as the editor's does.
class ControlImport : public ImportFixture {
  protected:
    ControlImport() { context.controls = &controls; }

    void ImportControls(const std::string& labels, const std::string& anchors,
                        const std::string& inputs) {
        document = PageDocument({{"Images", ""},
                                 {"Labels", labels},
                                 {"Anchors", anchors},
                                 {"Inputs", inputs},
                                 {"Balloons", ""}});
        Import(document);
    }

    FakeTextMeasurer measurer;
    std::string document;
    int writes = 0;
    PageControls controls{measurer, dialogs,
                          [this](const std::string& name, const std::string& body) {
                              ++writes;
                              ReplaceSectionBody(document, name, body, dialogs);
                          }};
};

TEST_F(ControlImport, FewerAnchorsUnloadTheRestAndAnEmptySectionHidesElementZero) {
    std::string five;
    for (int i = 0; i < 5; ++i) {
        five += "<a href='p" + std::to_string(i) + ".htm' style='left:1px; top:2px'>A</a>\r\n";
    }
    ImportControls("", five, "");
    EXPECT_EQ(controls.Anchor1.LoadedBound(), 5);

    ImportControls("", "<a class='c' href='x.htm' name='n' target='t'>Only</a>\r\n", "");
    EXPECT_EQ(controls.Anchor1.LoadedBound(), 1);
    EXPECT_EQ(controls.Anchor1[0].HTML(), "<a class='c' href='x.htm' name='n' target='t'>Only</a>");

    ImportControls("", "", "");
    EXPECT_EQ(controls.AnchorCount(), 0);
    EXPECT_FALSE(controls.Anchor1.Placement(0).Visible);
}

// What labels and inputs read as is pinned by the cases of tests/corpus/design; here what the
// JSON does not show: the miniatures, the hidden failures, and that reading writes nothing.
TEST_F(ControlImport, InputsAreReadWithoutWritingAndFailuresAreHiddenNeverLeftRefreshing) {
    ImportControls("", "",
                   "<input type=checkbox checked=on>x</input>\r\n"
                   "<input type='radio' checked='true' value='r'></input>\r\n"
                   "<input type='password' value='abcde'></input>\r\n"
                   "<input type='text' size='99999' value='big'></input>\r\n");
    ASSERT_EQ(controls.InputCount(), 4);
    EXPECT_EQ(controls.Input1[1].HTML().find("Checked"), std::string::npos);
    EXPECT_EQ(controls.Input1[2].Layout().ChildText, "*****");
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(controls.Input1[i].IsRefreshing()) << i;
    }
    EXPECT_TRUE(controls.Input1.Placement(2).Visible);
    EXPECT_FALSE(controls.Input1.Placement(3).Visible);
    EXPECT_EQ(writes, 0);
    // The section keeps the text as it was typed.
    EXPECT_NE(GetSectionText(document, "Inputs").find("checked=on"), std::string::npos);
}

// The writers give exactly the controls of the corpus case
// design/controls-as-their-writers-write-them, whose design.json shows every value set here
// read back; here what the JSON does not show: the anchor's place and font.
TEST_F(ControlImport, WhatTheWritersProduceReadsBackTheSame) {
    ImportControls("", "", "");
    controls.AddLabel();
    controls.AddAnchor();
    controls.AddInput();
    Anchor& anchor = controls.Anchor1[0];
    anchor.SetHREF("Next.htm");
    anchor.SetTarget("_top");
    anchor.SetName2("a1");
    anchor.SetClass("nav");
    anchor.SetStyle("position:absolute; left:70px; top:80px; color:Red; font-weight:Bold");
    Input& input = controls.Input1[0];
    input.SetIsRefreshing(true);
    input.SetType2("CHECKBOX");
    input.SetSize(4);
    input.SetReadOnly(true);
    input.SetChecked(true);
    input.SetCaption("Agree");
    input.SetIsRefreshing(false);
    input.SetValue("yes");
    const std::string page = CorpusFile("design/controls-as-their-writers-write-them/page.html");
    EXPECT_EQ(document, page);

    PageControls read{measurer, dialogs, [](const std::string&, const std::string&) {}};
    context.controls = &read;
    Import(page);
    EXPECT_EQ(read.Anchor1.Placement(0).Left, 70);
    EXPECT_TRUE(read.Anchor1[0].Appearance().Font.Bold);
}

TEST_F(ControlImport, TheFirstLabelOfANewPageAddsItsSectionBeforeTheBody) {
    document = "<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n";
    controls.AddLabel();
    EXPECT_EQ(document, TestDataFile("section-bodies/first-label-of-a-new-page.html"));
}

}  // namespace
}  // namespace htmlsim::testing
