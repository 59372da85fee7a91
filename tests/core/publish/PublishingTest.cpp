#include <gtest/gtest.h>

#include <zip.h>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>

#include "../session/SessionTestSupport.h"
#include "FakeDialogs.h"
#include "FakePictures.h"
#include "MapImage.h"
#include "PageDocument.h"
#include "TempFolder.h"
#include "publish/Publish.h"
#include "publish/PublishSession.h"

namespace htmlsim::testing {
namespace {

class PublishSessionTest : public SessionTest {
  protected:
    PublishSessionTest() {
        Write("shot.png", "png");
        pictures.Add(File("shot.png"), 400, 300);
    }

    PublishRequest To(const std::string& out) const {
        PublishRequest request;
        request.outFolder = File(out);
        return request;
    }

    FakePictures pictures;
};

TEST_F(PublishSessionTest, TheOpenPageIsSavedFirstAndTheUserToldWhereItWent) {
    Write("a.html", DesignDocument(""));
    session.Start(File("a.html"));
    session.SetDocumentText(DesignDocument(MapImage("shot.png", "Map1", 0, 0, {})));
    dialogs.messages.clear();
    EXPECT_TRUE(PublishOpenDocument(session, To("out"), pictures));
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"The simulation has been published "
                                                               "to '" +
                                                               File("out") + "'."});
    EXPECT_FALSE(session.ChangedSinceSaved());
    EXPECT_TRUE(std::filesystem::exists(File("out/shot.png")));
}

TEST_F(PublishSessionTest, ADocumentNeverSavedIsNotPublishedWhenSaveAsIsCancelled) {
    session.Start(folder.Path().string());
    session.SetDocumentText(DesignDocument(MapImage("shot.png", "Map1", 0, 0, {})));
    EXPECT_FALSE(PublishOpenDocument(session, To("out"), pictures));
    EXPECT_EQ(PublishPreview(session, pictures), "");
    EXPECT_FALSE(std::filesystem::exists(File("out")));
    EXPECT_TRUE(dialogs.messages.empty());
}

namespace fs = std::filesystem;

using Json = nlohmann::json;

// Every file below a folder, relative to it, with its bytes.
std::map<std::string, std::string> FilesBelow(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files[entry.path().lexically_relative(folder).generic_string()] =
                ReadFileBytes(entry.path());
        }
    }
    return files;
}

std::vector<std::string> Names(const std::map<std::string, std::string>& files) {
    std::vector<std::string> names;
    for (const auto& [name, bytes] : files) {
        names.push_back(name);
    }
    return names;
}

// The entries of a zip archive in their stored order, with their dates.
std::vector<std::pair<std::string, time_t>> ZipEntries(const std::string& path) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    EXPECT_NE(archive, nullptr);
    std::vector<std::pair<std::string, time_t>> entries;
    for (zip_int64_t k = 0; archive && k < zip_get_num_entries(archive, 0); ++k) {
        zip_stat_t stat;
        zip_stat_index(archive, static_cast<zip_uint64_t>(k), 0, &stat);
        entries.emplace_back(stat.name, stat.mtime);
    }
    if (archive) {
        zip_discard(archive);
    }
    return entries;
}

class PublishTest : public ::testing::Test {
  protected:
    PublishTest() {
        fs::create_directories(Site("shared"));
        for (const char* picture :
             {"site/one.png", "site/two.png", "site/shared/logo.png", "site/sub/two.png"}) {
            fs::create_directories(fs::path(folder.File(picture)).parent_path());
            WriteFileBytes(folder.File(picture), std::string("picture ") + picture);
            pictures.Add(folder.File(picture), 800, 600);
        }
    }

    std::string Site(const std::string& name) const { return folder.File("site/" + name); }
    void Page(const std::string& name, const std::string& images) const {
        fs::create_directories(fs::path(Site(name)).parent_path());
        WriteFileBytes(Site(name), DesignDocument(images));
    }

    bool Publish(const std::string& out, ScormVersion scorm = ScormVersion::None) {
        PublishRequest request;
        request.startPath = Site("start.html");
        request.outFolder = folder.File(out);
        request.scorm = scorm;
        request.settings.title = "Tour <1>";
        return PublishSimulation(request, pictures, dialogs);
    }

    // The three pages of tests/data/publish/site (its README), beside the fixture's pictures.
    void WriteSimulation() const {
        fs::copy(HTMLSIM_TEST_DATA "/publish/site", Site(""), fs::copy_options::recursive);
    }

    TempFolder folder;
    FakePictures pictures;
    FakeDialogs dialogs;
};

TEST_F(PublishTest, WritesThePlayerItsDataAndEveryPictureIntoTheOutFolderOnly) {
    WriteSimulation();
    const auto before = FilesBelow(Site(""));
    ASSERT_TRUE(Publish("out")) << ::testing::PrintToString(dialogs.MessageTexts());
    EXPECT_EQ(dialogs.messages.size(), 0u);
    EXPECT_EQ(FilesBelow(Site("")), before);

    const auto files = FilesBelow(folder.File("out"));
    EXPECT_EQ(Names(files),
              (std::vector<std::string>{"Sim.js", "index.html", "one.png", "player.css",
                                        "player.js", "simulation.json", "sub/two.png", "two.png"}));
    EXPECT_EQ(files.at("sub/two.png"), "picture site/sub/two.png");

    // Every box relative to its page's picture, every link resolved to a page number; compared
    // laid out alike, so that a difference shows as a line diff.
    const Json expected = Json::parse(ReadFileBytes(HTMLSIM_TEST_DATA "/publish/simulation.json"));
    EXPECT_EQ(Json::parse(files.at("simulation.json")).dump(1), expected.dump(1));

    // The page holds the same data, with nothing in it that could end its script element.
    const std::string& index = files.at("index.html");
    EXPECT_NE(index.find("<title>Tour &lt;1&gt;</title>"), std::string::npos);
    EXPECT_NE(index.find("Click \\u003cb>Go\\u003c/b>"), std::string::npos);
    EXPECT_EQ(index.find("{{"), std::string::npos);
    EXPECT_NE(files.at("Sim.js").find("walk.push(new page(3, \"end\", \"sub/two.png\", Areas));"),
              std::string::npos);
}

TEST_F(PublishTest, PicturesOutsideTheFolderAreRenamedAndCopiedOnce) {
    Page("start.html", MapImage("../outside.png", "Start", 0, 0, {{"0,0,9,9", "next.html"}}));
    Page("next.html",
         MapImage("shared/../../outside.png", "Next", 0, 0, {{"0,0,9,9", "last.html"}}));
    Page("last.html",
         MapImage("/" + fs::path(folder.File("elsewhere/outside.png")).relative_path().string(),
                  "Last", 0, 0, {}));
    for (const char* picture : {"outside.png", "elsewhere/outside.png"}) {
        fs::create_directories(fs::path(folder.File(picture)).parent_path());
        WriteFileBytes(folder.File(picture), picture);
        pictures.Add(fs::path(folder.File(picture)).lexically_normal().string(), 10, 10);
    }
    ASSERT_TRUE(Publish("out")) << ::testing::PrintToString(dialogs.MessageTexts());
    const auto files = FilesBelow(folder.File("out"));
    EXPECT_EQ(files.at("pictures/outside.png"), "outside.png");
    EXPECT_EQ(files.at("pictures/2-outside.png"), "elsewhere/outside.png");
    EXPECT_EQ(files.size(), 7u);
}

TEST_F(PublishTest, RefusesMissingPagesPicturelessPagesAndItsOwnFolderWritingNothing) {
    Page("start.html", MapImage("one.png", "Start", 0, 0,
                                {{"0,0,1,1", "gone.html"}, {"1,1,2,2", "sub/gone.html"}}));
    EXPECT_FALSE(Publish("out"));
    EXPECT_EQ(
        dialogs.MessageTexts(),
        std::vector<std::string>{"The simulation cannot be published:\n"
                                 "start.html: The link leads to a missing file: 'gone.html'.\n"
                                 "start.html: The link leads to a missing file: 'sub/gone.html'."});
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);

    Page("start.html", MapImage("one.png", "Start", 0, 0, {{"0,0,1,1", "sub/bare.html"}}));
    Page("sub/bare.html", MapImage("missing.png", "Bare", 0, 0, {{"0,0,1,1", "empty.html"}}));
    Page("sub/empty.html", "");
    dialogs.messages.clear();
    EXPECT_FALSE(Publish("out"));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"The simulation cannot be published:\n"
                                       "sub/bare.html: The picture 'missing.png' cannot be read.\n"
                                       "sub/empty.html: The page has no picture."});
    EXPECT_FALSE(fs::exists(folder.File("out")));

    dialogs.messages.clear();
    EXPECT_FALSE(Publish("site/"));
    EXPECT_EQ(
        dialogs.MessageTexts(),
        std::vector<std::string>{"Publish into a folder of its own, not the simulation's folder."});
}

TEST_F(PublishTest, TheZipHoldsTheSameFilesSortedAndDatedAlikeAndIsTheSameEveryTime) {
    WriteSimulation();
    ASSERT_TRUE(Publish("a", ScormVersion::Scorm2004));
    ASSERT_TRUE(Publish("b", ScormVersion::Scorm2004));
    const auto a = FilesBelow(folder.File("a"));
    EXPECT_EQ(a.at("simulation.zip"), FilesBelow(folder.File("b")).at("simulation.zip"));

    const auto entries = ZipEntries(folder.File("a/simulation.zip"));
    std::vector<std::string> names;
    std::set<time_t> dates;
    for (const auto& [name, date] : entries) {
        names.push_back(name);
        dates.insert(date);
    }
    std::vector<std::string> loose = Names(a);
    std::erase(loose, "simulation.zip");
    EXPECT_EQ(names, loose);
    EXPECT_EQ(dates.size(), 1u);

    const std::string& manifest = a.at("imsmanifest.xml");
    EXPECT_NE(manifest.find("<schemaversion>2004 4th Edition</schemaversion>"), std::string::npos);
    EXPECT_NE(manifest.find("<imsss:minNormalizedMeasure>0.80</imsss:minNormalizedMeasure>"),
              std::string::npos);
    EXPECT_NE(manifest.find("<file href=\"sub/two.png\"/>"), std::string::npos);
    EXPECT_EQ(manifest.find("imsmanifest.xml\""), std::string::npos);
}

TEST(ScormManifest, OfVersion12HoldsThePassMarkAsMasteryScoreAndEveryFileEscaped) {
    const std::string manifest =
        ScormManifest(ScormVersion::Scorm12, "sim", "Sim", 75, {"index.html", "my page.htm"});
    for (const char* part : {"<manifest identifier=\"sim\"", "<schemaversion>1.2</schemaversion>",
                             "<adlcp:masteryscore>75</adlcp:masteryscore>",
                             "<file href=\"index.html\"/>", "<file href=\"my%20page.htm\"/>"}) {
        EXPECT_NE(manifest.find(part), std::string::npos) << part;
    }
}

}  // namespace
}  // namespace htmlsim::testing
