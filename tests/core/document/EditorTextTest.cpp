#include "document/EditorText.h"

#include "text/Utf8.h"

#include <gtest/gtest.h>

#include "DataTable.h"

namespace htmlsim {
namespace {

TEST(EditorText, Utf8DocumentsAreEditedAsTheyAreWithPlainLineBreaks) {
    const std::string document = "<P>caf\xC3\xA9 \xE2\x82\xAC</P>\r\n<P>2</P>\r\n";
    const EditorEncoding encoding = DetectEditorEncoding(document, DetectTextEncoding(document));
    EXPECT_FALSE(encoding.windows1252);
    EXPECT_EQ(ToEditorText(document, encoding), "<P>caf\xC3\xA9 \xE2\x82\xAC</P>\n<P>2</P>\n");
    EXPECT_EQ(FromEditorText(ToEditorText(document, encoding), encoding, document), document);
}

TEST(EditorText, OtherDocumentsAreWindows1252AndEveryByteSurvivesARoundTrip) {
    std::string document;
    for (int i = 1; i < 256; ++i) {
        document += i == '\n' ? std::string("\r\n") : std::string(1, static_cast<char>(i));
    }
    const EditorEncoding encoding = DetectEditorEncoding(document, DetectTextEncoding(document));
    const std::string text = ToEditorText(document, encoding);
    EXPECT_TRUE(IsValidUtf8(text));
    EXPECT_EQ(FromEditorText(text, encoding, document), document);

    EXPECT_EQ(ToEditorText("caf\xE9 \x80", encoding), "caf\xC3\xA9 \xE2\x82\xAC");
    // Typed characters that Windows-1252 has are written as its bytes, the others as "?".
    EXPECT_EQ(FromEditorText("\xE2\x80\x9Cx\xE2\x80\x9D \xE4\xB8\xAD", encoding, ""),
              "\x93x\x94 ?");
}

TEST(EditorText, EachLineKeepsItsBreakAndTypedLinesTakeTheDocuments) {
    const std::string mixed = "a\r\nb\nc\r\r\n";
    const EditorEncoding mixedEncoding = DetectEditorEncoding(mixed, DetectTextEncoding(mixed));
    // A text box breaks lines at every CR, so the one that is no line break shows as a symbol.
    EXPECT_EQ(ToEditorText(mixed, mixedEncoding), "a\nb\nc\xE2\x90\x8D\n");
    EXPECT_EQ(FromEditorText(ToEditorText(mixed, mixedEncoding), mixedEncoding, mixed), mixed);
    EXPECT_EQ(FromEditorText("new\na\nb\nnew\nc\xE2\x90\x8D\n", mixedEncoding, mixed),
              "new\r\na\r\nb\nnew\r\nc\r\r\n");
    const std::string lf = "a\nb\n";
    EXPECT_EQ(FromEditorText("a\nx\nb\n", DetectEditorEncoding(lf, TextEncoding::Utf8), lf),
              "a\nx\nb\n");

    const std::string withSymbol = "\xE2\x90\x8D\r\n";
    const EditorEncoding symbol = DetectEditorEncoding(withSymbol, DetectTextEncoding(withSymbol));
    EXPECT_FALSE(symbol.markCarriageReturns);
    EXPECT_EQ(FromEditorText(ToEditorText(withSymbol, symbol), symbol, withSymbol), withSymbol);
}

// tests/data/util/utf-8.txt
TEST(EditorText, RecognisesMalformedUtf8) {
    for (const auto& row : testing::DataTable("util/utf-8.txt")) {
        EXPECT_EQ(IsValidUtf8(row.at(0)), row.at(1) == "valid") << row.at(2);
    }
}

}  // namespace
}  // namespace htmlsim
