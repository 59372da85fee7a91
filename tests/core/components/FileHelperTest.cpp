#include "components/FileHelper.h"

#include <gtest/gtest.h>

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
    EXPECT_FALSE(FileHelper::FileExists(folder.File("b.html")));
    EXPECT_FALSE(FileHelper::FileExists(folder.Path().string()));
    EXPECT_FALSE(FileHelper::FileExists(""));
    EXPECT_TRUE(FileHelper::FolderExists(folder.Path().string()));
    EXPECT_FALSE(FileHelper::FolderExists(folder.File("a.html")));
}

TEST(FileHelper, BrowseForFolderAsksTheDialogsAndEndsTheFolderWithASlash) {
    FakeDialogs dialogs;
    dialogs.folderAnswers = {"/home/me/work", ""};
    EXPECT_EQ(FileHelper::BrowseForFolder(dialogs, "Set Working Folder", ""), "/home/me/work/");
    EXPECT_EQ(FileHelper::BrowseForFolder(dialogs, "Set Working Folder", ""), "");
    EXPECT_EQ(dialogs.asked.at(0).kind, "folder");
    EXPECT_EQ(dialogs.asked.at(0).title, "Set Working Folder");
}

TEST(FileHelper, SplitPathGivesFolderNameAndExtension) {
    const PathParts page = FileHelper::SplitPath("/a/b.c/page.tar.html");
    EXPECT_EQ(page.folder, "/a/b.c/");
    EXPECT_EQ(page.name, "page.tar");
    EXPECT_EQ(page.extension, "html");
    const PathParts folderOnly = FileHelper::SplitPath("/a/b/");
    EXPECT_EQ(folderOnly.folder, "/a/b/");
    EXPECT_EQ(folderOnly.name, "");
    EXPECT_EQ(folderOnly.extension, "");
    const PathParts bare = FileHelper::SplitPath(".hidden");
    EXPECT_EQ(bare.folder, "");
    EXPECT_EQ(bare.name, ".hidden");
    EXPECT_EQ(bare.extension, "");
}

TEST(FileHelper, RelativePathAndResolveLinkAreInverse) {
    EXPECT_EQ(FileHelper::RelativePath("/a/b/", "/a/b/"), "./");
    EXPECT_EQ(FileHelper::RelativePath("/a/b", "/a/b/img/"), "./img/");
    EXPECT_EQ(FileHelper::RelativePath("/a/b/", "/a/c/"), "../c/");
    EXPECT_EQ(FileHelper::RelativePath("/a/b/", "/a/b/page2.html"), "./page2.html");
    EXPECT_EQ(FileHelper::RelativePath("/a/b/", "/x/y.html"), "../../x/y.html");

    EXPECT_EQ(FileHelper::ResolveLink("/a/b/", "./img/p.jpg"), "/a/b/img/p.jpg");
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
    FileHelper::SplitAt("no colon", ":", before, after);
    EXPECT_EQ(before, "no colon");
    EXPECT_EQ(after, "");

    EXPECT_EQ(FileHelper::ReplaceText("a\\b\\\\c", "\\", "/"), "a/b//c");
    EXPECT_EQ(FileHelper::ReplaceText("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(FileHelper::ReplaceText("abc", "", "x"), "abc");

    EXPECT_EQ(FileHelper::CommandLinePath("  \"/a/b c/d.html\" "), "/a/b c/d.html");
    EXPECT_EQ(FileHelper::CommandLinePath("/a/./b/../d.html"), "/a/d.html");
    EXPECT_EQ(FileHelper::CommandLinePath("d.html"),
              (std::filesystem::current_path() / "d.html").generic_string());
    EXPECT_EQ(FileHelper::CommandLinePath("   "), "");
}

}  // namespace
}  // namespace htmlsim
