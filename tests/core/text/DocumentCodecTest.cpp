#include "text/DocumentCodec.h"

#include <gtest/gtest.h>

#include "FakePropertiesDialog.h"
#include "controls/DocumentPropertiesDialog.h"
#include "text/DocumentTextMeasurer.h"

namespace htmlsim {
namespace {

const DocumentCodec kWindows1252("<P>caf\xE9</P>\r\n");
const DocumentCodec kUtf8LineFeeds("<P>caf\xC3\xA9</P>\n");

TEST(DocumentCodec, DecidesTheEncodingAndLineBreakOnceFromTheDocument) {
    EXPECT_EQ(kWindows1252.Encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(kWindows1252.LineBreak(), "\r\n");
    EXPECT_EQ(kUtf8LineFeeds.Encoding(), TextEncoding::Utf8);
    EXPECT_EQ(kUtf8LineFeeds.LineBreak(), "\n");
    EXPECT_EQ(DocumentCodec("one line").LineBreak(), "\r\n");
    EXPECT_EQ(DocumentCodec("a\nb\r\n").LineBreak(), "\r\n");
}

TEST(DocumentCodec, EveryWindows1252ByteDecodesToACharacterThatEncodesBackToIt) {
    std::string bytes;
    for (int byte = 0; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n') {
            bytes += static_cast<char>(byte);
        }
    }
    EXPECT_EQ(kWindows1252.Encode(kWindows1252.Decode(bytes)), bytes);
    EXPECT_EQ(kWindows1252.Decode("\x80\x81\xE9\xA0"), "\xE2\x82\xAC\xC2\x81\xC3\xA9\xC2\xA0");
}

TEST(DocumentCodec, TypedTextTakesTheDocumentsEncodingLineBreakAndReferences) {
    const std::string typed =
        "Gr\xC3\xB6\xC3\x9F"
        "e \xE2\x9C\x93\n\xF0\x9F\x98\x80";
    EXPECT_EQ(kWindows1252.Encode(typed),
              "Gr\xF6\xDF"
              "e &#10003;\r\n&#128512;");
    EXPECT_EQ(kUtf8LineFeeds.Encode(typed), typed);
    EXPECT_EQ(kWindows1252.ScriptRefusal("caf\xC3\xA9.html", "link address"), std::nullopt);
    EXPECT_EQ(kWindows1252.ScriptRefusal("\xE2\x9C\x93.html", "link address"),
              "The link address holds \xE2\x9C\x93, which a Windows-1252 document cannot hold in "
              "a script. Please choose another character.");
    EXPECT_EQ(kUtf8LineFeeds.ScriptRefusal("\xE2\x9C\x93", "link address"), std::nullopt);
}

TEST(DocumentCodec, AFieldTheUserDidNotChangeKeepsItsBytes) {
    const std::string stored = "Bitte\xA0hier\r\nklicken\rnow";
    EXPECT_EQ(kWindows1252.DecodeLines(stored), "Bitte\xC2\xA0hier\nklicken\nnow");
    std::string field = stored;
    kWindows1252.Update(field, kWindows1252.DecodeLines(stored));
    EXPECT_EQ(field, stored);
    kWindows1252.Update(field, kWindows1252.Decode(stored));
    EXPECT_EQ(field, stored);
    kWindows1252.Update(field, "Bitte\xC2\xA0hier\nklicken\nnow\xC3\xA9");
    EXPECT_EQ(field, "Bitte\xA0hier\r\nklicken\r\nnow\xE9");
}

TEST(DocumentPropertiesDialog, ShowsTextAndGivesBackBytesKeepingUnchangedRows) {
    testing::FakePropertiesDialog shown;
    DocumentPropertiesDialog dialog(shown, kWindows1252);
    dialog.RefreshForm({"Style", "Value", "Title"},
                       {"font-family:Caf\xE9", "Caf\xE9", "\x93quoted\x94"});
    EXPECT_EQ(shown.offered, (std::vector<std::string>{"font-family:Caf\xC3\xA9", "Caf\xC3\xA9",
                                                       "\xE2\x80\x9Cquoted\xE2\x80\x9D"}));
    shown.edits = {{"Value", "Caf\xC3\xA9\xC3\xA9 \xE2\x9C\x93"}};
    dialog.ShowModal();
    ASSERT_EQ(dialog.NumberOfItems(), 3);
    EXPECT_EQ(dialog.ItemName(1), "Value");
    EXPECT_EQ(dialog.ItemValue(0), "font-family:Caf\xE9");
    EXPECT_EQ(dialog.ItemValue(1), "Caf\xE9\xE9 &#10003;");
    EXPECT_EQ(dialog.ItemValue(2), "\x93quoted\x94");
}

TEST(DocumentTextMeasurer, MeasuresTheCharactersTheBytesStandFor) {
    struct Recording : TextMeasurer {
        TextExtent Measure(std::string_view text, const TextFont&) const override {
            measured = std::string(text);
            return {};
        }
        mutable std::string measured;
    } recording;
    DocumentTextMeasurer measurer(recording, kWindows1252);
    measurer.Measure("Caf\xE9", TextFont());
    EXPECT_EQ(recording.measured, "Caf\xC3\xA9");
}

}  // namespace
}  // namespace htmlsim
