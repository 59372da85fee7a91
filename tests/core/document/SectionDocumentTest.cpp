#include "document/SectionDocument.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "FakeDialogs.h"
#include "TempFolder.h"
#include "util/RuntimeError.h"

namespace htmlsim {
namespace {

using testing::FakeDialogs;
using testing::ReadFileBytes;

namespace fs = std::filesystem;

const fs::path kListings = fs::path(HTMLSIM_TEST_DATA) / "section-listings";

// The cases of tests/data/section-listings (its README).
TEST(ListSections, ListsEachCaseAsItsFilesSay) {
    size_t cases = 0;
    for (const auto& folder : fs::directory_iterator(kListings)) {
        if (!folder.is_directory()) {
            continue;
        }
        SCOPED_TRACE(folder.path().filename().string());
        ++cases;
        FakeDialogs dialogs;
        const std::string document = ReadFileBytes(folder.path() / "document.html");
        const SectionTable table = ListSections(document, dialogs);
        std::string names;
        for (size_t k = 0; k < table.Count(); ++k) {
            EXPECT_EQ(std::string(table.Before(k)) + std::string(table.Body(k)) +
                          std::string(table.After(k)),
                      document)
                << "entry " << k;
            names += table.Names()[k] + "\n";
            if (k > 0) {
                EXPECT_EQ(table.Body(k),
                          ReadFileBytes(folder.path() / (std::to_string(k) + ".body")));
            }
        }
        EXPECT_EQ(names, ReadFileBytes(folder.path() / "names.txt"));
        EXPECT_TRUE(dialogs.messages.empty());
    }
    EXPECT_EQ(cases, 6u);
}

// A start marker without its "-->" is the corpus case sections-stop-at-a-marker-without-its-end.
TEST(ListSections, ASectionWithoutItsEndEndsTheListingWithItsMessage) {
    FakeDialogs dialogs;
    const SectionTable table = ListSections(
        "<!-- Section: A -->\r\n<!-- Section End -->\r\n"
        "<!-- Section: Open -->\r\ntext\r\n<!-- Section: Later -->\r\n",
        dialogs);
    EXPECT_EQ(table.Names(), (std::vector<std::string>{"Entire Document", "A", "Open"}));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"End of Section Not Found: '<!-- Section End -->'"});
    // The unfinished entry shows nothing and refuses to take an edit back.
    EXPECT_FALSE(table.Entry(2).complete);
    EXPECT_THROW(table.WithBody(2, "edited"), RuntimeError);
    EXPECT_EQ(table.WithBody(1, "new\r\n"),
              "<!-- Section: A -->\r\nnew\r\n<!-- Section End -->\r\n"
              "<!-- Section: Open -->\r\ntext\r\n<!-- Section: Later -->\r\n");
}

TEST(GetSectionText, FindsOnlyTheExactMarkerAndTrimsBlankLinesOfEitherKind) {
    const std::string document = ReadFileBytes(kListings / "markers-of-every-kind/document.html");
    SectionPositions where;
    EXPECT_EQ(GetSectionText(document, "Images", &where), "<IMG src='a.jpg'>");
    EXPECT_EQ(document.substr(0, where.start).substr(where.start - 26),
              "<!-- Section: Images -->\r\n");
    EXPECT_EQ(document.substr(where.end - 1, 20), "<!-- Section End -->");

    EXPECT_EQ(GetSectionText(document, "Lower"), "");
    EXPECT_EQ(GetSectionText(document, "images"), "");

    const std::string noBreak = "<!-- Section: N -->x<!-- Section End -->";
    EXPECT_EQ(GetSectionText(noBreak, "N"), "x");

    const std::string unfinished = "<!-- Section: U -->\r\nbody";
    EXPECT_EQ(GetSectionText(unfinished, "U", &where), "");
    EXPECT_EQ(where.start, 21u);
    EXPECT_EQ(where.end, 0u);

    EXPECT_EQ(TrimBlankLines("  \r\n\r\nword \r\n "), "word");
    EXPECT_EQ(TrimBlankLines(" \n\nword\n"), "word");
    EXPECT_EQ(TrimBlankLines("\r word \r"), "\r word \r");  // a lone CR is no line break
    EXPECT_EQ(GetSectionText("<!-- Section: L -->\nx\n<!-- Section End -->\n", "L"), "x");

    EXPECT_EQ(DocumentLineBreak("a\nb\n"), "\n");
    EXPECT_EQ(DocumentLineBreak("a\nb\r\n"), "\r\n");
    EXPECT_EQ(DocumentLineBreak(""), "\r\n");
    EXPECT_EQ(WithLineBreaksOf("a\n", "x\r\ny\r\n"), "x\ny\n");
}

TEST(AddSection, InsertsAnEmptySectionBeforeTheBodyEndIgnoringCase) {
    FakeDialogs dialogs;
    std::string document = "<html><body>\r\n</body></html>";
    ASSERT_TRUE(AddSection(document, "Labels", dialogs));
    ASSERT_TRUE(AddSection(document, "Labels", dialogs));
    EXPECT_EQ(document,
              "<html><body>\r\n"
              "<!-- Section: Labels -->\r\n<!-- Section End -->\r\n"
              "<!-- Section: Labels -->\r\n<!-- Section End -->\r\n"
              "</body></html>");

    std::string headless = "<HTML></HTML>";
    EXPECT_FALSE(AddSection(headless, "X", dialogs));
    EXPECT_EQ(headless, "<HTML></HTML>");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Does Not Exist: '<Body>'"});
}

TEST(ReplaceSectionBody, ReplacesTheFirstBodyWholeOrFailsWithoutChangingTheDocument) {
    FakeDialogs dialogs;
    std::string document =
        "<BODY>\r\n<!-- Section: A -->\r\nold\r\n<!-- Section End -->\r\n"
        "<!-- Section: A -->\r\nsecond\r\n<!-- Section End -->\r\n</BODY>";
    ReplaceSectionBody(document, "A", "new 1\r\nnew 2\r\n", dialogs);
    EXPECT_EQ(document,
              "<BODY>\r\n<!-- Section: A -->\r\nnew 1\r\nnew 2\r\n<!-- Section End -->\r\n"
              "<!-- Section: A -->\r\nsecond\r\n<!-- Section End -->\r\n</BODY>");
    EXPECT_TRUE(dialogs.messages.empty());

    // Without a body to replace it fails, the document unchanged.
    std::string headless = "<HTML></HTML>";
    EXPECT_THROW(ReplaceSectionBody(headless, "Images", "x", dialogs), RuntimeError);
    EXPECT_EQ(headless, "<HTML></HTML>");

    std::string unfinished = "<BODY><!-- Section: Images -->\r\nold</BODY>";
    EXPECT_THROW(ReplaceSectionBody(unfinished, "Images", "x", dialogs), RuntimeError);
    EXPECT_EQ(unfinished, "<BODY><!-- Section: Images -->\r\nold</BODY>");
}

}  // namespace
}  // namespace htmlsim
