#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "TempFolder.h"
#include "document/DocumentTemplate.h"

namespace htmlsim::testing {
namespace {

TEST(CliNew, WritesTheTemplateWithItsSupportFilesOnce) {
    TempFolder folder;
    CliResult result = RunCli({"new", "site/a.html"}, folder.Path().string());
    EXPECT_EQ(result.exitStatus, 1);  // the folder does not exist
    EXPECT_TRUE(result.err.starts_with("message: "));

    std::filesystem::create_directory(folder.File("site"));
    result = RunCli({"new", "site/a.html"}, folder.Path().string());
    EXPECT_EQ(result.exitStatus, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(ReadFileBytes(folder.File("site/a.html")), NewDocumentTemplate());
    EXPECT_EQ(ReadFileBytes(folder.File("site/MyStyle.css")), StyleSheetText());
    EXPECT_EQ(ReadFileBytes(folder.File("site/HTMLSimulation.js")), ScriptText());

    WriteFileBytes(folder.File("site/MyStyle.css"), "/* mine */");
    std::filesystem::remove(folder.File("site/HTMLSimulation.js"));
    result = RunCli({"new", folder.File("site/b.html")});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(ReadFileBytes(folder.File("site/MyStyle.css")), "/* mine */");
    EXPECT_EQ(ReadFileBytes(folder.File("site/HTMLSimulation.js")), ScriptText());

    result = RunCli({"new", folder.File("site/a.html")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "message: File Already Exists: '" + folder.File("site/a.html") + "'\n");
}

TEST(CliSections, ListsIndexTabNameAndReportsBrokenMarkers) {
    TempFolder folder;
    RunCli({"new", folder.File("a.html")});
    CliResult result = RunCli({"sections", folder.File("a.html")});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out,
              "0\tEntire Document\n1\tCanvasScript_Top\n2\tScripts\n3\tStyle\n4\tBalloons\n"
              "5\tImages\n6\tAnchors\n7\tMain Body 1\n8\tMain Body 2\n9\tCanvasScript_Bottom\n");

    WriteFileBytes(folder.File("b.html"),
                   "<!-- Section: A -->\r\n<!-- Section End -->\r\n<!-- Section: B\r\n");
    result = RunCli({"sections", folder.File("b.html")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.out, "0\tEntire Document\n1\tA\n");
    EXPECT_EQ(result.err, "message: Section Ending Comment Marker Not Found: '-->'\n");

    result = RunCli({"sections", folder.File("missing.html")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.File("missing.html")));
}

TEST(CliSection, PrintsTheBodyExactlyAndFailsWhenThereIsNone) {
    TempFolder folder;
    RunCli({"new", folder.File("a.html")});
    CliResult result = RunCli({"section", folder.File("a.html"), "Style"});
    EXPECT_EQ(result.exitStatus, 0);
    EXPECT_EQ(result.out, "<STYLE>\r\n</STYLE>");

    result = RunCli({"section", folder.File("a.html"), "Nothing"});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.err, "message: Section Not Found: 'Nothing'\n");

    result = RunCli({"section", "only-one"});
    EXPECT_EQ(result.exitStatus, 2);
    EXPECT_EQ(result.err, "usage: htmlsim-cli section PATH NAME\n");
}

}  // namespace
}  // namespace htmlsim::testing
