#include "document/DocumentTemplate.h"

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "document/SectionDocument.h"

namespace htmlsim {
namespace {

// The template's bytes, its sections and its support files are pinned by the corpus's cases of
// new and sections; here a section the template lacks.
TEST(DocumentTemplate, ASectionItLacksIsAddedAfterItsLastOne) {
    testing::FakeDialogs dialogs;
    std::string document = NewDocumentTemplate();
    ReplaceSectionBody(document, "Labels", "<LABEL>\r\n", dialogs);
    EXPECT_NE(document.find("<!-- Section: Main Body 2 -->\r\n<!-- Section End -->\r\n"
                            "<!-- Section: Labels -->\r\n<LABEL>\r\n<!-- Section End -->\r\n"
                            "</BODY>"),
              std::string::npos);
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace htmlsim
