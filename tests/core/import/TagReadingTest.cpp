#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "document/HtmlTag.h"
#include "import/ImportValues.h"

namespace htmlsim {
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
        EXPECT_EQ(outline->Kind, full->Kind);
        EXPECT_EQ(outline->Name, full->Name);
        EXPECT_EQ(outline->Start, full->Start);
        EXPECT_EQ(outline->End, full->End);
        EXPECT_EQ(outline->SelfClosing, full->SelfClosing);
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

}  // namespace
}  // namespace htmlsim
