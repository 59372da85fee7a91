#include "import/TagScanner.h"

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "import/AttributeTable.h"
#include "import/ImportValues.h"

namespace htmlsim {
namespace {

// Owns a text and its mask for the views the scanner hands out.
struct Scanned {
    std::string text;
    std::string mask;
    explicit Scanned(std::string t) : text(std::move(t)), mask(BuildSearchMask(text)) {}
    ScanText Whole() const { return {text, mask}; }
};

using Rows = std::vector<std::pair<std::string, std::string>>;

TEST(BuildSearchMask, UpperCasesAndBlanksQuotedRuns) {
    EXPECT_EQ(BuildSearchMask("<a href='x y'>"), std::string("<A HREF='\0\0\0'>", 14));
    EXPECT_EQ(BuildSearchMask("a\"b'c\"d'e'"), std::string("A\"\0\0\0\"D'\0'", 10));
    // A double quote inside a back-quoted run does not open a run.
    EXPECT_EQ(BuildSearchMask("`\"`x"), std::string("`\0`X", 4));
    // An unmatched back quote stops the masking of every later kind.
    EXPECT_EQ(BuildSearchMask("` 'a b'"), "` 'A B'");
    EXPECT_EQ(BuildSearchMask("\xe9t\xe9"), "\xe9T\xe9");  // bytes above ASCII stay
}

TEST(NextTag, CutsSelfClosingAndClosedElements) {
    Scanned area("<AREA SHAPE='rect' COORDS='0,0,10,10' />");
    TagPieces pieces = NextTag(area.Whole());
    EXPECT_EQ(pieces.tagName, "AREA");
    AttributeTable table;
    ParseAttributes(pieces.attributes, table);
    EXPECT_EQ(table.rows, (Rows{{"SHAPE", "rect"}, {"COORDS", "0,0,10,10"}}));

    Scanned link("  text\r\n<a HREF='x.htm'>Go</A>\r\n<IMG SRC='y.jpg'>");
    pieces = NextTag(link.Whole());
    EXPECT_EQ(pieces.before.Text, "text");
    EXPECT_EQ(pieces.inner.Text, "Go");
    EXPECT_EQ(pieces.remainder.Text, "<IMG SRC='y.jpg'>");
    EXPECT_EQ(pieces.remainder.Mask, std::string("<IMG SRC='\0\0\0\0\0'>", 17));

    // Only a blank ends the name.
    Scanned broken("<IMG\r\nSRC='a.jpg'/>");
    EXPECT_EQ(NextTag(broken.Whole()).tagName, "IMG\r\nSRC='A.JPG'");
}

TEST(NextTag, QuotedMarkupAndMissingPieces) {
    Scanned img("<IMG SRC='my shot.jpg' Title=\"a > b\"/>");
    TagPieces pieces = NextTag(img.Whole());
    AttributeTable table;
    ParseAttributes(pieces.attributes, table);
    EXPECT_EQ(GetAttribute(table, "src"), "my shot.jpg");
    EXPECT_EQ(GetAttribute(table, "TITLE"), "a > b");

    Scanned noTag("plain words < but no end");
    pieces = NextTag(noTag.Whole());
    EXPECT_EQ(pieces.tagName, "");
    EXPECT_EQ(pieces.before.Text, "plain words < but no end");

    // No closing tag: the scan goes on right after the opening tag.
    Scanned unclosed("<DIV a=1>inside<P>x</P>");
    pieces = NextTag(unclosed.Whole());
    EXPECT_TRUE(pieces.inner.Empty());
    EXPECT_EQ(pieces.remainder.Text, "inside<P>x</P>");

    // Hand-edited text without line breaks loses nothing after a closing tag.
    Scanned joined("<a href=x>1</a><IMG SRC=y/>");
    EXPECT_EQ(NextTag(joined.Whole()).remainder.Text, "<IMG SRC=y/>");

    // A closing tag inside the opening tag's own attributes does not end the element.
    Scanned odd("<A x=</A>>in</A>");
    pieces = NextTag(odd.Whole());
    EXPECT_EQ(pieces.attributes.Text, "x=</A");
    EXPECT_EQ(pieces.inner.Text, ">in");
}

TEST(ParseAttributes, ItemsTypeCaseAndReuse) {
    AttributeTable table;
    Scanned input("type=checkbox Name=Box checked");
    ParseAttributes(input.Whole(), table);
    EXPECT_EQ(table.rows, (Rows{{"TYPE", "CHECKBOX"}, {"NAME", "Box"}}));

    Scanned query("href=a.htm?x=1");
    ParseAttributes(query.Whole(), table);
    EXPECT_EQ(table.rows, (Rows{{"HREF", "a.htm?x=1"}, {"HREF", "a.htm?x=1"}}));

    ParseAttributes(ScanText{}, table);  // a tag without attributes after one with them
    EXPECT_EQ(GetAttribute(table, "HREF"), "");

    std::string many;
    for (int i = 1; i <= 40; ++i) {
        many += "a" + std::to_string(i) + "='" + std::to_string(i) + "' ";
    }
    Scanned wide(many);
    ParseAttributes(wide.Whole(), table);
    ASSERT_EQ(table.AttributeCount(), 40u);
    EXPECT_EQ(GetAttribute(table, "A40"), "40");

    // An unmatched back quote leaves the later quotes unmasked: the blank splits the value.
    Scanned unmasked("`x SRC='a b.jpg'");
    ParseAttributes(unmasked.Whole(), table);
    EXPECT_EQ(GetAttribute(table, "SRC"), "'a");
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
