#include <gtest/gtest.h>

#include <filesystem>

#include "../session/SessionTestSupport.h"
#include "FakePictures.h"
#include "FakeSurface.h"
#include "PageDocument.h"
#include "document/SectionDocument.h"
#include "insert/ImageInsertion.h"
#include "insert/InsertImageTag.h"

namespace htmlsim::testing {
namespace {

class FakeClipboard : public Clipboard {
  public:
    PicturePtr picture;
    PicturePtr GetPicture() override { return picture; }
};

const char* const kSecondCanvas =
    "This page has a canvas already and a page holds one: the picture is inserted as an image map.";

// page.html with one image, open in a session that paints on a fake surface.
class ImageInsertion : public SessionTest {
  protected:
    ImageInsertion() {
        session.AttachDesignServices(surface, pictures);
        std::filesystem::create_directories(File("pics"));
        Write("pics/a.gif", "gif");
        pictures.Add(File("pics/a.gif"), 30, 20);
        Write("b.png", "png");
        pictures.Add(File("b.png"), 7, 9);
    }
    void Open(const std::string& document) {
        Write("page.html", document);
        session.Start(File("page.html"));
    }
    std::string Images() const { return GetSectionText(session.DocumentText(), "Images"); }

    FakeSurface surface;
    FakePictures pictures;
    FakeClipboard clipboard;
};

TEST_F(ImageInsertion, TheTagIsAppendedToTheImagesSectionAndTheRecordAdded) {
    Open(DesignDocument("<IMG SRC='b.png' Width='7' Height='9'/>\r\n"));
    InsertImageTag(session, File("pics/a.gif"));
    InsertImageTag(session, File("b.png"));
    EXPECT_EQ(session.DocumentText(),
              DesignDocument(TestDataFile("section-bodies/two-inserted-images.html")));
    const PageDesign& design = session.Design();
    ASSERT_EQ(design.ImageCount(), 3);
    EXPECT_EQ(design.Image(2).ImageType, kImageCanvas);
    // The page holds one canvas script: the next picture is an image map.
    EXPECT_EQ(design.Image(3).ImageType, kImageMap);
    EXPECT_EQ(design.CurrentImage.get(), &design.Image(3));
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{kSecondCanvas});
}

TEST_F(ImageInsertion, AMissingSectionIsAddedAndAMissingMarkerLeavesTheDocumentAlone) {
    Open("<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n");
    InsertImageTag(session, File("b.png"));
    EXPECT_EQ(Images().find("<IMG SRC='b.png' Name='b'"), 0u) << session.DocumentText();

    const std::string noEnd = "<HTML>\r\n<!-- Section: Images -->\r\n</HTML>\r\n";
    const std::string noBody = "<HTML>\r\n</HTML>\r\n";
    Open(noBody);
    dialogs.messages.clear();
    InsertImageTag(session, File("b.png"));
    EXPECT_EQ(session.DocumentText(), noBody);
    EXPECT_EQ(dialogs.messages.back().text, "Cannot Find '<!-- Section: Images -->'");

    Open(noEnd);
    dialogs.messages.clear();
    InsertImageTag(session, File("b.png"));
    EXPECT_EQ(session.DocumentText(), noEnd);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"Cannot Find <!-- Section End -->'"});
    EXPECT_EQ(session.Design().ImageCount(), 1);  // the record stays
}

TEST_F(ImageInsertion, InsertingFromAFileAsksWithTheFilterAndChecksTheFile) {
    Open(DesignDocument(""));
    InsertImageFromFile(session);  // cancelled
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].request.filter,
              "Pictures|*.png;*.jpg;*.jpeg;*.gif;*.bmp|Images|*.bmp;*.jpg;*.gif|PNG Images|*.png");

    dialogs.fileAnswers.push_back(File("gone.jpg"));
    InsertImageFromFile(session);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"File Does Not Exist: '" + File("gone.jpg")});
    EXPECT_EQ(view.busyDepth, 0);

    dialogs.fileAnswers.push_back(File("b.png"));
    InsertImageFromFile(session);
    ASSERT_EQ(session.Design().ImageCount(), 1);
    ASSERT_FALSE(surface.paints.empty());
    EXPECT_EQ(surface.paints.back().width, 7);
}

TEST_F(ImageInsertion, PastingNeedsAPictureAFolderAndAName) {
    session.Start("");  // a new document that has no file yet
    PasteImageFromClipboard(session, clipboard);
    EXPECT_EQ(dialogs.messages.back().text, "No image in the clipboard to retrieve.");

    // Save As cancelled: there is no folder to put the picture in, so nothing is asked.
    clipboard.picture = std::make_shared<FakePictures::FakePicture>(4, 3);
    dialogs.asked.clear();
    PasteImageFromClipboard(session, clipboard);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, "save");

    // An empty name ends the command quietly.
    Open(DesignDocument(""));
    const std::string before = session.DocumentText();
    dialogs.asked.clear();
    dialogs.messages.clear();
    PasteImageFromClipboard(session, clipboard);
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].kind, "input");
    EXPECT_EQ(dialogs.asked[0].request.fileName, "page_Image");
    EXPECT_EQ(session.DocumentText(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ImageInsertion, DroppedPicturesAreKeptWhenAPageDroppedAfterThemIsOpened) {
    Open(DesignDocument(""));
    pictures.Add(File("a.gif"), 30, 20);
    Write("next.html", DesignDocument(""));
    DropFiles(session, {File("pics/a.gif"), File("notes.txt"), File("b.png"), File("next.html"),
                        File("pics/a.gif")});
    EXPECT_EQ(session.PathAndName(), File("next.html"));
    EXPECT_EQ(session.Design().ImageCount(), 0);
    // Copied beside the page they were dropped on, which was saved with them before it closed.
    EXPECT_TRUE(std::filesystem::exists(File("a.gif")));
    const std::string saved = GetSectionText(Read("page.html"), "Images");
    const size_t first = saved.find("a.gif");
    ASSERT_NE(first, std::string::npos) << saved;
    EXPECT_LT(first, saved.find("b.png"));
    EXPECT_EQ(saved.find("transform"), std::string::npos);  // rewritten after the drop
    // a.gif is the page's canvas; b.png, on a page that has one, an image map.
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{kSecondCanvas});
}

}  // namespace
}  // namespace htmlsim::testing
