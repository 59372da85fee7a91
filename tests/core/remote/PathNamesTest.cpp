#include "remote/PathNames.h"

#include <gtest/gtest.h>

#include "FakeDialogs.h"

namespace htmlsim {

namespace {

struct SplitCase {
    const char* full;
    const char* folder;
    const char* name;
    const char* extension;
};

struct PathCase {
    const char* base;
    const char* path;
    const char* result;
};

}  // namespace

TEST(SplitFTPPath, CutsAtTheLastSlashAndTheLastDot) {
    const SplitCase cases[] = {
        {"/www/site/index.html", "/www/site/", "index", "html"},
        {"readme", "", "readme", ""},
        {"/a/b.tar.gz", "/a/", "b.tar", "gz"},
        {"/a/ b ", "/a/", "b", ""},           // no dot: spaces trimmed
        {"/a/ b .txt", "/a/", " b ", "txt"},  // with a dot: kept
        {"/a/.htaccess", "/a/", "", "htaccess"},
        {"/a/", "/a/", "", ""},
        {"", "", "", ""},
    };
    for (const SplitCase& c : cases) {
        const FTPPathParts parts = SplitFTPPath(c.full);
        EXPECT_EQ(parts.folder, c.folder) << c.full;
        EXPECT_EQ(parts.name, c.name) << c.full;
        EXPECT_EQ(parts.extension, c.extension) << c.full;
    }
}

TEST(FolderOfAndGetExtension, LookBackwardsForTheirSeparator) {
    EXPECT_EQ(FolderOf("C:\\docs\\page.html"), "C:\\docs\\");
    EXPECT_EQ(FolderOf("page.html"), "");
    EXPECT_EQ(GetExtension("/a.b/page.HTML"), "HTML");
    EXPECT_EQ(GetExtension("readme"), "");
    EXPECT_EQ(GetExtension("ends."), "");
}

TEST(priInterpretFTPRelativePathName, ResolvesAgainstTheBaseFolder) {
    const PathCase cases[] = {
        {"/www/site/index.html", "./img/a.jpg", "/www/site/img/a.jpg"},
        {"/www/site/index.html", "../img/a.jpg", "/www/img/a.jpg"},
        {"/www/site/index.html", "..\\img\\a.jpg", "/www/img/a.jpg"},
        {"/www/site/index.html", "img/", "/www/site/img/"},
        {"/www/site/index.html", "/WWW/Site/p.html", "/WWW/Site/p.html"},
        // A step back in the middle climbs from where it stands.
        {"/www/site/index.html", "x/../y/z.html", "/www/site/y/z.html"},
        {"/www/site/index.html", "..//img/a.jpg", "/www/img/a.jpg"},
        {"index.html", "./a.jpg", "/a.jpg"},
    };
    for (const PathCase& c : cases) {
        testing::FakeDialogs dialogs;
        EXPECT_EQ(priInterpretFTPRelativePathName(c.base, c.path, dialogs), c.result) << c.path;
        EXPECT_TRUE(dialogs.messages.empty()) << c.path;
    }
}

TEST(priInterpretFTPRelativePathName, BlankGivesNothingAndClimbingTooFarIsReported) {
    testing::FakeDialogs dialogs;
    EXPECT_EQ(priInterpretFTPRelativePathName("/www/site/index.html", "   ", dialogs), "");
    EXPECT_TRUE(dialogs.messages.empty());

    EXPECT_EQ(priInterpretFTPRelativePathName("/a/c.html", "..\\..\\x.html", dialogs), "");
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"Relative Path Can't be applied to this base path.\r\n"
                                       "Relative Path: ../../x.html\r\n"
                                       "Base Path: /a/"});

    EXPECT_EQ(priInterpretFTPRelativePathName("c.html", "../x.html", dialogs), "");
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST(FTPCreateRelativePathName, BuildsTheReferenceFromTheBaseFolder) {
    const PathCase cases[] = {
        {"/www/site/index.html", "/www/site/img/a.jpg", "./img/a.jpg"},
        {"/www/site/index.html", "/www/other/b.html", "../other/b.html"},
        {"/www/site/index.html", "/WWW/Site/x.gif", "./x.gif"},
        {"/www/site/index.html", "/elsewhere/y.gif", "../../elsewhere/y.gif"},
        {"/www/site/index.html", "/www/sitemap/y.gif", "../sitemap/y.gif"},
        {"/www/site/index.html", "/www/site/a/b/Readme", "./a/b/Readme"},
        {"", "/x/y.png", ""},
        {"/index.html", "", ""},
    };
    for (const PathCase& c : cases) {
        EXPECT_EQ(FTPCreateRelativePathName(c.base, c.path), c.result) << c.path;
    }
}

}  // namespace htmlsim
