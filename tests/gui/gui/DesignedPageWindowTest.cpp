#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>

#include "../Pictures.h"
#include "DesignedPageWindow.h"
#include "KeptPages.h"
#include "document/DocumentTemplate.h"

namespace htmlsim::gui::testing {
namespace {

// The mouse logic is tested on the core's interaction; here each gesture goes once through
// the window's real widgets, menus and painting.
using SurfaceDesignMouse = DesignedPageWindow;

TEST_F(SurfaceDesignMouse, DrawingAnAreaWritesItsLineAndOutlinesItOnTheCanvas) {
    Choose(QPoint(250, 150), "mnuPalDefineClickableArea");
    LeftDrag(QPoint(250, 150), QPoint(280, 170), 1.0);
    EXPECT_TRUE(SectionHolds("Images", "COORDS='150,100,180,120'"));
    const ImageSurface::Outline outline =
        window.DesignTab()->Canvas().Outlines().at(Design().CurrentClickableArea->Index);
    EXPECT_EQ(outline.rect, QRect(250, 150, 30, 20));
    EXPECT_FALSE(window.Interaction().Mouse().DrawMode());
}

TEST_F(SurfaceDesignMouse, DraggingAMapRepaintsTheSurfaceAndMovesItsAreas) {
    const ImageSurface& canvas = window.DesignTab()->Canvas();
    LeftDrag(QPoint(150, 100), QPoint(170, 130), 1.0);
    EXPECT_EQ(Design().Image(1).Left, 120);
    EXPECT_EQ(canvas.Outlines().at(0).rect, QRect(130, 90, 50, 30));
    EXPECT_TRUE(SectionHolds("Images", "left:120px; top:80px' UseMap='#Map1'/>"));
    const QImage shown = canvas.RenderImage();
    EXPECT_EQ(shown.pixel(105, 55), qRgb(255, 255, 255));  // where the map was
    EXPECT_EQ(shown.pixel(315, 225), kShotColor);
}

TEST_F(SurfaceDesignMouse, AClickOnAHyperlinkOpensItsNewPage) {
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(450, 100));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("linked.html"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("linked.html")));
    EXPECT_EQ(Design().ImageCount(), 0);
    EXPECT_EQ(window.windowTitle().toStdString(), folder.File("linked.html"));
}

TEST_F(SurfaceDesignMouse, ARightPressOpensTheMenuOfWhatLiesUnderThePointer) {
    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(shownMenu, "mnuPalletProperties");
    EXPECT_FALSE(items.at("mnuPalCaptureImage").second);
    EXPECT_TRUE(items.at("mnuBack").second);

    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(120, 70));
    EXPECT_EQ(shownMenu, "mnuArea");
    EXPECT_FALSE(items.at("mnuAreaRightClick").first);  // a left-click area

    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(450, 100));
    EXPECT_EQ(shownMenu, "mnuImagePropertiesMenu");
    EXPECT_FALSE(items.at("mnuPalDefineClickableArea").first);  // a hyperlink has no areas
    EXPECT_TRUE(items.at("mnuImageDrawBalloon").first);

    // "Perform Right Click" follows the area's link.
    Choose(QPoint(160, 320), "mnuAreaRightClick");
    EXPECT_EQ(GetSession().PathAndName(), folder.File("right.html"));
}

// A canvas at 100,300 (200 x 100) that the page's script draws at 0.7, with one area at
// 100,50 - 160,90 of its picture, seen with the browser's scale as a previous run chose it.
class ScaledCanvasWindow : public DesignedPageWindow {
  protected:
    ScaledCanvasWindow()
        : DesignedPageWindow(WithScaleRemembered(htmlsim::testing::DesignDocument(
              "<canvas id='Canvas_1' SRC='shot.png' width='200' Height='100' "
              "style='position:absolute; left:100px; top:300px'></canvas>\r\n",
              "var Areas = new Array();\r\nmScale = .7;\r\n"
              "Areas.push('100,50,160,90,far.html,left');\r\n"))) {}
    static std::string WithScaleRemembered(std::string page) {
        QSettings().setValue("view/browserScale", true);
        return page;
    }
    // The choice is remembered; the other tests start with it off.
    ~ScaledCanvasWindow() override { QSettings().remove("view/browserScale"); }
};

TEST_F(ScaledCanvasWindow, AClickAtAnAreasDrawnCentreFollowsIt) {
    EXPECT_TRUE(window.MenuItem("mnuViewBrowserScale")->isChecked());
    const QImage shown = Pallet()->grab().toImage();
    EXPECT_EQ(shown.pixel(105, 305), kShotColor);
    EXPECT_EQ(shown.pixel(235, 365), kShotColor);
    EXPECT_EQ(shown.pixel(250, 380), qRgb(255, 255, 255));  // the canvas beyond its picture

    // The area's drawn box is 170,335 - 212,363; its menu opens at the pointer.
    QPoint menuAt;
    window.Menus().SetChooser([&menuAt](QMenu&, const QPoint& at) {
        menuAt = at;
        return QString();
    });
    QTest::mouseClick(Pallet(), Qt::RightButton, {}, QPoint(191, 349));
    EXPECT_EQ(menuAt, Pallet()->mapToGlobal(QPoint(191, 349)));
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(191, 349));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("far.html"));
}

TEST_F(ScaledCanvasWindow, DrawingWritesPicturePixelsAndDraggingMovesThePictureWithThePointer) {
    Choose(QPoint(121, 321), "mnuPalDefineClickableArea");
    LeftDrag(QPoint(121, 321), QPoint(191, 356), 1.0);
    EXPECT_TRUE(SectionHolds("CanvasScript_Top", "Areas.push('30,30,130,80,"));
    const int drawn = Design().CurrentClickableArea->Index;
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().at(drawn).rect, QRect(130, 330, 100, 50));

    LeftDrag(QPoint(110, 310), QPoint(130, 320), 1.0);
    EXPECT_EQ(Design().Image(1).Left, 120);
    EXPECT_EQ(Design().Image(1).Top, 310);

    window.MenuItem("mnuViewBrowserScale")->setChecked(false);
    EXPECT_EQ(Pallet()->grab().toImage().pixel(315, 405), kShotColor);
}

using SurfaceShapes = DesignedPageWindow;

TEST_F(SurfaceShapes, ACircleAndAPolygonDrawnWithTheMouseAreWrittenAndOutlined) {
    Choose(QPoint(250, 150), "mnuImageDrawCircle");
    LeftDrag(QPoint(162, 168), QPoint(174, 168), 1.0);
    Choose(QPoint(250, 150), "mnuImageDrawPolygon");
    ClickAt({QPoint(210, 70), QPoint(280, 70)});
    QTest::mouseDClick(Pallet(), Qt::LeftButton, {}, QPoint(245, 120));
    EXPECT_FALSE(window.Interaction().Mouse().DrawMode());
    Choose(QPoint(250, 150), "mnuImageDrawPolygon");
    ClickAt({QPoint(120, 150), QPoint(140, 150), QPoint(130, 190)});
    Pallet()->setFocus();
    QTest::keyClick(Pallet(), Qt::Key_Escape);  // no area
    Choose(QPoint(250, 150), "mnuImageDrawPolygon");
    ClickAt({QPoint(110, 100), QPoint(130, 100), QPoint(110, 130)});
    QTest::keyClick(Pallet(), Qt::Key_Return);

    EXPECT_TRUE(SectionHolds(
        "Images", htmlsim::testing::ReadFileBytes(std::string(HTMLSIM_SOURCE_DIR) +
                                                  "/tests/data/surface/drawn-shapes-map.html")));

    // The outlines run along the circle and the polygon, not around their boxes.
    const QImage shown = window.DesignTab()->Canvas().RenderImage();
    for (const QPoint on : {QPoint(174, 168), QPoint(162, 156), QPoint(245, 70), QPoint(224, 90)}) {
        EXPECT_NE(shown.pixel(on), kShotColor) << on.x() << "," << on.y();
    }
    for (const QPoint off :
         {QPoint(151, 157), QPoint(172, 178), QPoint(212, 118), QPoint(278, 118)}) {
        EXPECT_EQ(shown.pixel(off), kShotColor) << off.x() << "," << off.y();
    }
}

// The page with a link around no image at the end of its Images section (line 18): reading
// stops there, the design holds what came before.
class IncompleteImportOnTheSurface : public DesignedPageWindow {
  protected:
    IncompleteImportOnTheSurface() {
        std::string page = htmlsim::testing::ReadFileBytes(folder.File("index.html"));
        const std::string canvasEnd = "</canvas>\r\n";
        page.insert(page.find(canvasEnd) + canvasEnd.size(),
                    "<a href='x.html'><span>no image</span></a>\r\n");
        htmlsim::testing::WriteFileBytes(folder.File("broken.html"), page);
        GetSession().OpenDocument(folder.File("broken.html"));
        GetSession().SwitchTab(kImageDesignTab);
        EXPECT_EQ(dialogs.MessageTexts(),
                  std::vector<std::string>{"IMG HTML Not Properly Parsed."});
        Pallet()->setFocus();
    }
};

TEST_F(IncompleteImportOnTheSurface, ADragAddLabelAKeyAndAnInsertionEachSayWhyAndChangeNothing) {
    ASSERT_EQ(Design().ImageCount(), 3);
    const std::string bytes = htmlsim::testing::ReadFileBytes(folder.File("broken.html"));
    const std::string text = Document();
    const std::vector<std::string> why{
        "The Images section could not be read completely (line 18): repair it in the Document "
        "Editor before changing the design."};
    const std::map<std::string, std::function<void()>> changes{
        {"drag", [&] { LeftDrag(QPoint(150, 100), QPoint(170, 130), 1.0); }},
        {"Add Label", [&] { Choose(QPoint(10, 10), "mnuPalAddLabel"); }},
        {"keyboard move",
         [&] {
             QTest::keyClick(Pallet(), Qt::Key_Tab);
             QTest::keyClick(Pallet(), Qt::Key_Right);
         }},
        {"insertion", [&] { Choose(QPoint(10, 10), "mnuFileAddImage"); }},
    };
    for (const auto& [change, make] : changes) {
        dialogs.messages.clear();
        make();
        EXPECT_EQ(dialogs.MessageTexts(), why) << change;
        EXPECT_EQ(Document(), text) << change;
    }
    window.close();  // nothing to save
    EXPECT_EQ(htmlsim::testing::ReadFileBytes(folder.File("broken.html")), bytes);
    EXPECT_EQ(Design().Image(1).Left, 100);
    EXPECT_EQ(window.DesignTab()->Canvas().Outlines().at(0).rect, QRect(110, 60, 50, 30));
}

// Areas worked with the mouse on the window's real surface: carried along with their picture,
// pulled by their handles, moved, and drawn several at a time.
using SurfaceAreaEditing = DesignedPageWindow;

TEST_F(SurfaceAreaEditing, ADraggedCanvasTakesItsAreasAlongSoTheyStayOverTheSamePartOfIt) {
    const std::string before = Section("CanvasScript_Top");
    LeftDrag(QPoint(150, 350), QPoint(170, 360), 1.0);
    ASSERT_EQ(Design().Image(3).Left, 120);
    // The areas are written relative to the canvas: moved with it, they keep their numbers.
    EXPECT_EQ(Section("CanvasScript_Top"), before);
    EXPECT_TRUE(SectionHolds("Images", "left:120px; top:310px"));
    const ImageSurface& canvas = window.DesignTab()->Canvas();
    EXPECT_EQ(canvas.Outlines().at(Design().Areas.Item(2)->Index).rect, QRect(130, 320, 30, 20));
    EXPECT_EQ(canvas.Outlines().at(Design().Areas.Item(3)->Index).rect, QRect(170, 320, 30, 20));
}

// An image map at 100,50 with a rectangle (110,60 - 160,90), a circle (centre 200,150, radius
// 20) and a triangle (250,70 290,70 270,110).
class SurfaceHandles : public DesignedPageWindow {
  protected:
    SurfaceHandles() : DesignedPageWindow(ShapesPage()) { Pallet()->setFocus(); }

    static std::string ShapesPage() {
        return htmlsim::testing::DesignDocument(htmlsim::testing::ReadFileBytes(
            std::string(HTMLSIM_SOURCE_DIR) + "/tests/data/surface/three-shapes-images.html"));
    }

    // Selects the n-th area of the page with the keyboard.
    void SelectArea(int n) {
        QTest::keyClick(Pallet(), Qt::Key_Escape);
        for (int step = 0; step < n; ++step) {
            QTest::keyClick(Pallet(), Qt::Key_Tab);
        }
    }
    // A quick left press at `from`, moved by `by` and released.
    void Pull(const QPoint& from, const QPoint& by) { LeftDrag(from, from + by, 0.1); }
    static std::string Replaced(std::string text, const std::string& from, const std::string& to) {
        const size_t at = text.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? text : text.replace(at, from.size(), to);
    }
};

TEST_F(SurfaceHandles, EachHandleChangesOnlyWhatItHoldsAndIsOneUndoStep) {
    const std::string original = Document();
    SelectArea(1);
    // The south-east handle of the rectangle, at its corner 160,90.
    Pull(QPoint(160, 90), QPoint(10, 5));
    std::string expected = Replaced(original, "COORDS='10,10,60,40'", "COORDS='10,10,70,45'");
    EXPECT_EQ(Document(), expected);
    EXPECT_EQ(window.DesignTab()->Canvas().RenderImage().pixel(170, 95), qRgb(255, 255, 255))
        << "a handle is drawn at the new corner";

    SelectArea(2);
    Pull(QPoint(220, 150), QPoint(10, 0));  // the circle's right handle
    expected = Replaced(expected, "COORDS='100,100,20'", "COORDS='100,100,30'");
    EXPECT_EQ(Document(), expected);

    SelectArea(3);
    Pull(QPoint(270, 110), QPoint(5, -5));  // the triangle's third point
    expected = Replaced(expected, "COORDS='150,20,190,20,170,60'", "COORDS='150,20,190,20,175,55'");
    EXPECT_EQ(Document(), expected);

    Undo(3);
    EXPECT_EQ(Document(), original);
}

TEST_F(SurfaceHandles, DraggingInsideTheSelectedAreaMovesItAsTheArrowKeysDo) {
    const std::string original = Document();
    SelectArea(1);
    Pull(QPoint(130, 70), QPoint(12, 3));
    const std::string dragged = Document();
    EXPECT_EQ(dragged, Replaced(original, "COORDS='10,10,60,40'", "COORDS='22,13,72,43'"));
    EXPECT_EQ(Design().Image(1).Left, 100);  // the image stayed

    QTest::keyClick(Pallet(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Document(), original);
    SelectArea(1);
    QTest::keyClick(Pallet(), Qt::Key_Right, Qt::ShiftModifier);
    for (const Qt::Key key :
         {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}) {
        QTest::keyClick(Pallet(), key);
    }
    EXPECT_EQ(Document(), dragged);

    // A quick click inside it, without a drag, still follows its link.
    QTest::mouseClick(Pallet(), Qt::LeftButton, {}, QPoint(140, 70));
    EXPECT_EQ(GetSession().PathAndName(), folder.File("next.html"));
}

using SurfaceKeyboard = DesignedPageWindow;

TEST_F(SurfaceKeyboard, TabSelectsArrowsMoveTheStatusBarTellsAndUndoTakesItBack) {
    const std::string original = Document();
    const ImageSurface& canvas = window.DesignTab()->Canvas();
    Pallet()->setFocus();
    QTest::keyClick(Pallet(), Qt::Key_Tab);
    ASSERT_EQ(canvas.Highlighted(), 0);  // the map's area
    EXPECT_EQ(canvas.RenderImage().pixel(120, 60), ImageSurface::kHighlightColor);

    QTest::keyClick(Pallet(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(Pallet(), Qt::Key_Down);
    QTest::keyClick(Pallet(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_TRUE(SectionHolds("Images", "COORDS='20,11,71,41' Title='' HREF='next.html'"));
    EXPECT_EQ(canvas.Outlines().at(0).rect, QRect(120, 61, 51, 30));
    EXPECT_TRUE(Selection().ends_with("at 120, 61, 51 x 30")) << Selection();

    QTest::mouseMove(Pallet(), QPoint(130, 70));
    EXPECT_EQ(window.findChild<QLabel*>("lblPointer")->text().toStdString(),
              "130, 70   Image 1 'shot.png' (image map)   Area '" + Design().Areas.Item(1)->Name +
                  "' -> next.html");

    Undo(3);
    EXPECT_EQ(Document(), original);
    EXPECT_EQ(canvas.Highlighted(), -1);
    QCoreApplication::processEvents();  // the last key's release is handled
    EXPECT_EQ(Selection(), "");
}

TEST_F(SurfaceKeyboard, TheStatusBarNeverDescribesTheSelectionOfThePageLeft) {
    Pallet()->setFocus();
    QTest::keyClick(Pallet(), Qt::Key_Tab);
    ASSERT_NE(Selection(), "");
    dialogs.fileAnswers.push_back(folder.File("second"));
    QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier | Qt::AltModifier);  // File > New
    ASSERT_EQ(GetSession().PathAndName(), folder.File("second.html"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Selection(), "");
}

using UndoThroughTheWindow = DesignedPageWindow;

TEST_F(UndoThroughTheWindow, ThreeActionsUndoToTheOriginalBytesAndRedoOneByOne) {
    std::vector<std::string> texts{Document()};
    Choose(QPoint(250, 150), "mnuPalDefineClickableArea");
    LeftDrag(QPoint(150, 100), QPoint(180, 120), 1.0);
    texts.push_back(Document());
    LeftDrag(QPoint(150, 350), QPoint(160, 360), 1.0);  // the canvas moves
    texts.push_back(Document());
    ChooseInDialog(QPoint(120, 70), "mnuAreaProperties", [&](QDialog& dialog) {
        QLineEdit* title = Find<QLineEdit>(dialog, "txtTitle");
        title->selectAll();
        QTest::keyClicks(title, "Go on");
        PushButton(dialog, "cmdApply");
    });
    texts.push_back(Document());
    ASSERT_NE(texts[3].find("Title='Go on'"), std::string::npos);
    // As on a desktop, the window is active again once its dialog has closed.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    for (int step = 2; step >= 0; --step) {
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(Document(), texts[static_cast<size_t>(step)]) << step;
    }
    EXPECT_EQ(Design().Image(3).Left, 100);
    for (size_t step = 1; step <= 3; ++step) {
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        EXPECT_EQ(Document(), texts[step]) << step;
    }
    EXPECT_EQ(Design().Image(3).Left, 110);
}

TEST_F(UndoThroughTheWindow, UndoAndRedoAreEnabledExactlyWhenThereIsAStepToTake) {
    QAction* undo = window.MenuItem("mnuEditUndo");
    QAction* redo = window.MenuItem("mnuEditRedo");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    EXPECT_EQ(undo->toolTip().toStdString(),
              "Undo: Nothing has changed since the page was opened or created.");

    LeftDrag(QPoint(150, 350), QPoint(160, 360), 1.0);  // the canvas moves
    QCoreApplication::processEvents();                  // the release's own turn ends
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());

    undo->trigger();
    EXPECT_EQ(Design().Image(3).Left, 100);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_EQ(Design().Image(3).Left, 110);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(UndoThroughTheWindow, UndoingBackToTheSavePointLeavesNothingToSaveOnClose) {
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    const std::string path = folder.File("index.html");
    ASSERT_FALSE(GetSession().ChangedSinceSaved());
    // Any write on close would replace this.
    htmlsim::testing::WriteFileBytes(path, "untouched");

    LeftDrag(QPoint(150, 350), QPoint(160, 360), 1.0);
    ASSERT_TRUE(GetSession().ChangedSinceSaved());
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(GetSession().ChangedSinceSaved());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(htmlsim::testing::ReadFileBytes(path), "untouched");
    EXPECT_TRUE(dialogs.asked.empty());
}

// The editor as a new user meets it: the toolbar's commands, the changed mark in the title.
class ToolbarSimulation : public DesignedPageWindow {
  protected:
    ToolbarSimulation() : DesignedPageWindow(htmlsim::testing::DesignDocument("")) {}

    QAction* Command(const char* name) { return Find<QAction>(window, name); }
    // A click on the command's toolbar button, as the user makes it.
    void Click(const char* name) {
        auto* toolbar = window.findChild<QToolBar*>("tbMain");
        ASSERT_NE(toolbar, nullptr);
        QWidget* button = toolbar->widgetForAction(Command(name));
        ASSERT_NE(button, nullptr) << name;
        ASSERT_TRUE(button->isEnabled()) << name << ": " << Command(name)->toolTip().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();
    }
    std::string Title() { return window.windowTitle().toStdString(); }
    std::string Status() { return window.statusBar()->currentMessage().toStdString(); }
};

TEST_F(ToolbarSimulation, TwoPagesAreMadeWithTheToolbarAlone) {
    // Nothing to draw on yet: the command says why it cannot run.
    EXPECT_FALSE(Command("tbDrawArea")->isEnabled());
    EXPECT_EQ(Command("tbDrawArea")->toolTip().toStdString(),
              "Draw Area: Insert a picture first, or right-click a picture to choose it.");

    dialogs.fileAnswers.push_back(folder.File("login"));
    Click("mnuFileNewPage");
    ASSERT_EQ(GetSession().PathAndName(), folder.File("login.html"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("HTMLSimulation.js")));
    EXPECT_NE(Status().find(folder.File("login.html")), std::string::npos) << Status();

    dialogs.fileAnswers.push_back(folder.File("shot.png"));
    Click("tbInsertImage");
    EXPECT_EQ(Title(), folder.File("login.html") + " *");
    Click("tbDrawArea");
    LeftDrag(QPoint(20, 20), QPoint(120, 80), 0.5);
    ASSERT_EQ(Design().Areas.Count(), 1);

    ChooseInDialog(QPoint(50, 50), "mnuAreaProperties", [&](QDialog& dialog) {
        QLineEdit* link = Find<QComboBox>(dialog, "cboLinkAddress")->lineEdit();
        link->selectAll();
        QTest::keyClicks(link, "welcome.html");
        PushButton(dialog, "cmdOK");
    });
    EXPECT_TRUE(SectionHolds("CanvasScript_Top", "Areas.push('20,20,120,80,welcome.html,left');"));

    LeftDrag(QPoint(50, 50), QPoint(50, 50), 0.1);  // a quick click follows the link
    ASSERT_EQ(GetSession().PathAndName(), folder.File("welcome.html"));
    dialogs.fileAnswers.push_back(folder.File("other.png"));
    Click("tbInsertImage");
    EXPECT_EQ(Title(), folder.File("welcome.html") + " *");
    Click("mnuFileSave");
    EXPECT_EQ(Title(), folder.File("welcome.html"));
    EXPECT_EQ(Status(), "Saved 'welcome.html'");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages[0].text;
    KeepPagesForBrowser(folder.Path(), "toolbar");
}

// The images of DesignedPageWindow's three-image page, or none, on a page made from the
// template (so a browser runs its scripts).
class InsertedPictures : public DesignedPageWindow {
  protected:
    InsertedPictures() : InsertedPictures(OnTemplate(htmlsim::testing::ThreeImagesPage())) {}
    explicit InsertedPictures(const std::string& page) : DesignedPageWindow(page) {}

    void InsertFromFile(const std::string& name) {
        dialogs.fileAnswers.push_back(folder.File(name));
        Choose(QPoint(800, 650), "mnuFileAddImage");
    }
    // Draws an area from `from` to `to` on the image under `from`.
    void DrawArea(const QPoint& from, const QPoint& to) {
        Choose(from, "mnuPalDefineClickableArea");
        LeftDrag(from, to, 0.5);
    }
    static std::string OnTemplate(const std::string& designPage) {
        std::string page = NewDocumentTemplate();
        FakeDialogs quiet;
        for (const char* name : {"Images", "CanvasScript_Top"}) {
            ReplaceSectionBody(page, name, GetSectionText(designPage, name) + "\r\n", quiet);
        }
        return page;
    }
};

class EmptyPage : public InsertedPictures {
  protected:
    EmptyPage() : InsertedPictures(NewDocumentTemplate()) {}
};

TEST_F(InsertedPictures, APictureInsertedIntoACanvasPageBecomesAnImageMapAndNothingIsLost) {
    InsertFromFile("other.png");
    ASSERT_EQ(Design().ImageCount(), 4);
    EXPECT_EQ(Design().Image(4).ImageType, kImageMap);
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"This page has a canvas already and a page holds one: "
                                       "the picture is inserted as an image map."});
    EXPECT_TRUE(SectionHolds("Images",
                             "<IMG SRC='other.png' Name='other' BORDER='0' Width='60' "
                             "Height='40' STYLE='position:absolute; left:0px; top:0px' "
                             "UseMap='#other'/>\r\n<map name='other'>\r\n</map>"));

    // A balloon on the new picture is written, and the canvas keeps its areas.
    Choose(QPoint(20, 20), "mnuImageDrawBalloon");
    LeftDrag(QPoint(10, 10), QPoint(40, 30), 0.5);
    EXPECT_TRUE(SectionHolds("Balloons",
                             "<div id='Balloon_4' style='position:absolute; z-index:1; "
                             "left:10px; top:10px; width:30; height:20px;"));
    EXPECT_EQ(Section("CanvasScript_Top"),
              "var Areas = new Array();\r\nmScale = .7;\r\n"
              "Areas.push('10,10,40,30,left.html,left');\r\n"
              "Areas.push('50,10,80,30,right.html,right');");
    EXPECT_TRUE(SectionHolds("CanvasScript_Bottom", "getElementById('Canvas_3')"));

    // Read back, the balloon is on its own picture again.
    GetSession().SwitchTab(kDocumentEditorTab);
    GetSession().SwitchTab(kImageDesignTab);
    int balloonsOnTheNewPicture = 0;
    for (const ClickableAreaPtr& area : Design().Areas) {
        balloonsOnTheNewPicture += area->AreaType == kAreaBalloon && area->ImageID == 4 &&
                                   area->Left == 10 && area->Top == 10;
    }
    EXPECT_EQ(balloonsOnTheNewPicture, 1);

    // Nor can an image map become a second canvas.
    ChooseInDialog(QPoint(250, 150), "mnuImageProperties",
                   [&](QDialog& dialog) { Find<QRadioButton>(dialog, "optImageType3")->click(); });
    EXPECT_EQ(Design().Image(1).ImageType, kImageMap);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].text,
              "This page has a canvas already and a page holds one: the image stays as it is.");
    ASSERT_TRUE(GetSession().SaveCommand());
    KeepPagesForBrowser(folder.Path(), "canvas-page");
}

TEST_F(EmptyPage, AnInsertedPictureIsWrittenAsACanvasAtOnce) {
    InsertFromFile("other.png");
    EXPECT_EQ(Section("Images").find("<canvas id='Canvas_1' SRC='other.png' width='60' "
                                     "Height='40' style='position:absolute; left:0px; top:0px'"),
              0u)
        << Section("Images");
    EXPECT_EQ(Section("Images").find("rotate"), std::string::npos);
    EXPECT_TRUE(SectionHolds("CanvasScript_Bottom", "background.src = 'other.png';"));
    ASSERT_TRUE(GetSession().SaveCommand());
    KeepPagesForBrowser(folder.Path(), "inserted");
}

TEST_F(EmptyPage, EveryPagesFirstAreaLeadsToAPageOfItsOwn) {
    InsertFromFile("other.png");
    DrawArea(QPoint(10, 10), QPoint(30, 30));
    const std::string first = Design().CurrentClickableArea->LinkAddress;
    EXPECT_EQ(first, "Canvas_1_Area_0.html");
    EXPECT_TRUE(SectionHolds("CanvasScript_Top", "," + first + ",left"));

    // Follow it: the new page's first area cannot lead to the page itself.
    LeftDrag(QPoint(20, 20), QPoint(20, 20), 0.1);
    ASSERT_EQ(GetSession().PathAndName(), folder.File(first));
    InsertFromFile("other.png");
    DrawArea(QPoint(10, 10), QPoint(30, 30));
    const std::string second = Design().CurrentClickableArea->LinkAddress;
    EXPECT_EQ(second, "Canvas_1_Area_0_Area_0.html");
    EXPECT_FALSE(std::filesystem::exists(folder.File(second)));
    EXPECT_TRUE(SectionHolds("CanvasScript_Top", "," + second + ",left"));
    EXPECT_NE(Selection().find("'Canvas_1_Area_0_Area_0'"), std::string::npos) << Selection();
}

}  // namespace
}  // namespace htmlsim::gui::testing
