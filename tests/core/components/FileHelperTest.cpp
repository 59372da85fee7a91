#include "components/FileHelper.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

#include "FakeDialogs.h"
#include "TempFolder.h"

namespace htmlsim {
namespace {

using testing::FakeDialogs;
using testing::TempFolder;

TEST(FileHelper, TellsFilesFromFolders) {
    TempFolder folder;
    testing::WriteFileBytes(folder.File("a.html"), "x");
    EXPECT_TRUE(FileHelper::FileExists(folder.File("a.html")));
    EXPECT_FALSE(FileHelper::FileExists(folder.Path().string()));
    EXPECT_TRUE(FileHelper::FolderExists(folder.Path().string()));
    EXPECT_FALSE(FileHelper::FolderExists(folder.File("a.html")));
}

TEST(FileHelper, BrowseForFolderAsksTheDialogsAndEndsTheFolderWithASlash) {
    FakeDialogs dialogs;
    dialogs.folderAnswers = {"/home/me/work", ""};
    EXPECT_EQ(FileHelper::BrowseForFolder(dialogs, "Set Working Folder", ""), "/home/me/work/");
    EXPECT_EQ(FileHelper::BrowseForFolder(dialogs, "Set Working Folder", ""), "");
    EXPECT_EQ(dialogs.asked.at(0).title, "Set Working Folder");
}

TEST(FileHelper, SplitPathGivesFolderNameAndExtension) {
    const std::vector<std::array<std::string, 4>> cases{
        {"/a/b.c/page.tar.html", "/a/b.c/", "page.tar", "html"},
        {"/a/b/", "/a/b/", "", ""},
        {".hidden", "", ".hidden", ""},
    };
    for (const auto& [path, folder, name, extension] : cases) {
        const PathParts parts = FileHelper::SplitPath(path);
        EXPECT_EQ((std::array<std::string, 3>{parts.folder, parts.name, parts.extension}),
                  (std::array<std::string, 3>{folder, name, extension}))
            << path;
    }
}

TEST(FileHelper, RelativePathAndResolveLinkAreInverse) {
    EXPECT_EQ(FileHelper::RelativePath("/a/b", "/a/b/img/"), "./img/");
    EXPECT_EQ(FileHelper::RelativePath("/a/b/", "/a/c/"), "../c/");
    EXPECT_EQ(FileHelper::RelativePath("/a/b/", "/x/y.html"), "../../x/y.html");

    EXPECT_EQ(FileHelper::ResolveLink("/a/b/", ".\\img\\p.jpg"), "/a/b/img/p.jpg");
    EXPECT_EQ(FileHelper::ResolveLink("/a/b", "../c/d.html"), "/a/c/d.html");
    EXPECT_EQ(FileHelper::ResolveLink("/a/b/", "/abs/x.html"), "/abs/x.html");
    EXPECT_EQ(FileHelper::ResolveLink("/a/b/", FileHelper::RelativePath("/a/b/", "/x/y.html")),
              "/x/y.html");
}

TEST(FileHelper, TextHelpers) {
    std::string before, after;
    FileHelper::SplitAt("background:url(http://x)", ":", before, after);
    EXPECT_EQ(before, "background");
    EXPECT_EQ(after, "url(http://x)");

    EXPECT_EQ(FileHelper::ReplaceText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(FileHelper::ReplaceText("abc", "", "x"), "abc");

    EXPECT_EQ(FileHelper::CommandLinePath("  \"/a/b c/d.html\" "), "/a/b c/d.html");
    EXPECT_EQ(FileHelper::CommandLinePath("/a/./b/../d.html"), "/a/d.html");
    EXPECT_EQ(FileHelper::CommandLinePath("d.html"),
              (std::filesystem::current_path() / "d.html").generic_string());
}

}  // namespace
}  // namespace htmlsim
