// Documents in the window: the first save of a new design asks where, with
// the document first; a document opens as the design it keeps, drawn to the
// same bytes, after the question about the work it replaces and without an
// undo step; a picture this program wrote opens flat.
#include "design/curve_file.h"
#include "document/document_file.h"
#include "files/velloro_mark.h"
#include "main_window_fixture.h"
#include "platform/recent_files.h"
#include "tools/shape_tool.h"

namespace {

class DocumentCommandsTest : public MainWindowTest {
 protected:
  // A design away from the fresh start: two lines in a glow on a photo.
  void makeBakeryTitle() {
    useCanvas({300, 160});
    window->canvasView()->setPicture(patterned(300, 160));
    window->canvasArea().captureCanvas();
    const QString style = path("glow.vstyle");
    writeContent(style, R"({"format": "Velloro style", "version": 1,
        "fill": {"kind": "gradient", "gradient": {"stops": ["#ff0000", "#ffff00"], "angle": 90}},
        "effect": {"type": "glow", "colour": "#00ff80"}, "material": 3,
        "font": {"size": 30, "align": "center"}})");
    window->applyStyleFile(style);
    textBox()->setText(u"Sunny Bakery\nsince 1987"_s);
    window->draw();
  }

  void pressSave() {
    focusTextBox();
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
  }

  QString statusText() const { return window->statusPane(0)->text(); }
};

}  // namespace

TEST_F(DocumentCommandsTest, FirstSaveOfANewDesignAsksWhereWithTheDocumentFirst) {
  design().currentPictureName.clear();
  makeBakeryTitle();
  EXPECT_EQ(window->windowTitle(), u"Untitled"_s);
  seam->fileAnswers.push_back(path("outputs/bakery"));
  seam->filterAnswers.push_back(0);
  pressSave();
  ASSERT_EQ(seam->saveRequests.size(), 1u);
  EXPECT_EQ(seam->saveRequests[0].selectedFilter, 0);
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  const QString saved = path("outputs/bakery.velloro");
  EXPECT_EQ(design().currentPictureName, saved);
  EXPECT_EQ(window->windowTitle(), saved);
  EXPECT_EQ(readDocumentFile(saved).design[u"text"_s].toString(), u"Sunny Bakery\nsince 1987"_s);
  // The next Ctrl+S writes the document again without asking.
  textBox()->setText(u"since 1988"_s);
  pressSave();
  EXPECT_EQ(seam->saveRequests.size(), 1u);
  EXPECT_EQ(readDocumentFile(saved).design[u"text"_s].toString(), u"since 1988"_s);
}

TEST_F(DocumentCommandsTest, OpenedDocumentDrawsTheSameBytesWithoutAnUndoStep) {
  makeBakeryTitle();
  const QImage drawn = canvas();
  const QString saved = path("outputs/bakery.velloro");
  saveAs(saved, 0);
  textBox()->setText(u"Closed"_s);
  window->applyStyleFile(QStringLiteral(SHIPPED_STYLES "/gold.vstyle"));
  // Opening a picture is an undo step of this other design.
  patterned(90, 60).save(path("inputs/photo.png"));
  seam->messageAnswers.push_back(MessageAnswer::Discard);
  window->openHandedFiles({path("inputs/photo.png")});
  ASSERT_TRUE(window->menuEntry(u"mnuEditUndo"_s)->isEnabled());
  const size_t before = seam->messages.size();
  seam->messageAnswers.push_back(MessageAnswer::Discard);
  window->openHandedFiles({saved});
  ASSERT_EQ(seam->messages.size(), before + 1);
  EXPECT_EQ(seam->messages.back().text, u"Do you want to save the changes to photo.png ?"_s);
  EXPECT_EQ(textBox()->text(), u"Sunny Bakery\nsince 1987"_s);
  EXPECT_EQ(canvas(), drawn);
  EXPECT_EQ(drawnAgain(), drawn);
  EXPECT_EQ(design().undo.counters.top, 0);
  EXPECT_FALSE(window->menuEntry(u"mnuEditUndo"_s)->isEnabled());
  EXPECT_EQ(window->windowTitle(), saved);
  // Opened as saved: closing asks nothing.
  EXPECT_TRUE(window->close());
  EXPECT_EQ(seam->messages.size(), before + 1);
}

TEST_F(DocumentCommandsTest, RefusedDocumentLeavesTheDesignAsItWas) {
  makeBakeryTitle();
  const QImage drawn = canvas();
  const QString newer = path("inputs/newer.velloro");
  writeContent(newer, "VELLORO DOCUMENT 9\n");
  seam->messageAnswers = {MessageAnswer::Discard};
  window->openHandedFiles({newer});
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_EQ(seam->messages[1].text,
            u"error number : 50004/118\r\nUnreadable document (made by a newer Velloro: format 9, "
            u"this one reads format 1): "_s +
                newer);
  EXPECT_EQ(textBox()->text(), u"Sunny Bakery\nsince 1987"_s);
  EXPECT_EQ(canvas(), drawn);
  EXPECT_EQ(design().currentPictureName, path("inputs/MyPic.bmp"));
}

// The saved PNG holds the title: it opens as it is, asks nothing when
// replaced, and the status bar names the document beside it.
TEST_F(DocumentCommandsTest, PictureThisProgramWroteOpensFlat) {
  makeBakeryTitle();
  saveAs(path("outputs/bakery.velloro"), 0);
  saveAs(path("outputs/bakery.png"), 3);
  const QImage saved = canvas();
  EXPECT_TRUE(carriesVelloroMark(path("outputs/bakery.png")));
  window->openHandedFiles({path("outputs/bakery.png")});
  EXPECT_EQ(canvas().convertToFormat(QImage::Format_RGB888),
            saved.convertToFormat(QImage::Format_RGB888));
  EXPECT_EQ(statusText(),
            u"A flat picture: its title is part of the picture. Its design is in "
            u"bakery.velloro."_s);
  auto* offer = window->findChild<QPushButton*>(u"OpenDocumentOffer"_s);
  ASSERT_NE(offer, nullptr);
  EXPECT_TRUE(offer->isVisible());
  EXPECT_EQ(offer->text(), u"Open bakery.velloro"_s);
  const size_t asked = seam->messages.size();
  patterned(40, 30).save(path("inputs/photo.png"));
  window->openHandedFiles({path("inputs/photo.png")});
  EXPECT_EQ(seam->messages.size(), asked);
  EXPECT_FALSE(carriesVelloroMark(path("inputs/photo.png")));
  EXPECT_FALSE(offer->isVisible());
  // Nothing was drawn since: the photo holds no design either.
  QFile::remove(path("outputs/bakery.velloro"));
  window->openHandedFiles({path("outputs/bakery.png")});
  EXPECT_EQ(seam->messages.size(), asked);
  EXPECT_EQ(statusText(), u"A flat picture: its title is part of the picture."_s);
  EXPECT_FALSE(offer->isVisible());
}

// The offer opens the document beside the picture, as a dropped document
// opens; each is then the newest of the recent files.
TEST_F(DocumentCommandsTest, OfferedOrDroppedDocumentOpensItsDesign) {
  makeBakeryTitle();
  const QImage drawn = canvas();
  saveAs(path("outputs/bakery.velloro"), 0);
  saveAs(path("outputs/bakery.png"), 3);
  window->openHandedFiles({path("outputs/bakery.png")});
  QTest::mouseClick(window->findChild<QPushButton*>(u"OpenDocumentOffer"_s), Qt::LeftButton);
  EXPECT_EQ(design().currentPictureName, path("outputs/bakery.velloro"));
  EXPECT_EQ(textBox()->text(), u"Sunny Bakery\nsince 1987"_s);
  EXPECT_EQ(canvas(), drawn);
  EXPECT_EQ(recentFiles().value(0), path("outputs/bakery.velloro"));
  useCanvas({50, 40});
  textBox()->setText(u"Other"_s);
  window->draw();
  seam->messageAnswers.push_back(MessageAnswer::Discard);
  ASSERT_TRUE(drop(window.get(), {path("outputs/bakery.velloro")}));
  EXPECT_EQ(canvas(), drawn);
  EXPECT_EQ(textBox()->text(), u"Sunny Bakery\nsince 1987"_s);
}

// A drawn shape travels in the document: opened in a window whose shape
// tool never ran, it draws the same bytes.
TEST_F(DocumentCommandsTest, DrawnShapeOpensAsItWasSaved) {
  window->menuEntry(u"mnuToolsDrawing"_s)->trigger();
  ShapeTool* tool = window->shapeTool();
  tool->pressed(Qt::LeftButton, {20, 20});
  tool->moved(Qt::LeftButton, {90, 60});
  tool->released({90, 60});
  tool->applyButton()->click();
  ASSERT_EQ(design().sourceKind, SourceKind::Shape);
  window->draw();
  const QImage drawn = canvas();
  saveAs(path("outputs/shape.velloro"), 0);
  TearDown(), SetUp();  // a fresh window
  window->openHandedFiles({path("outputs/shape.velloro")});
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  EXPECT_EQ(design().sourceKind, SourceKind::Shape);
  EXPECT_TRUE(design().kindSettings[SourceKind::Shape].available);
  EXPECT_EQ(canvas(), drawn);
}

// Each kind keeps a curve per material group while another is worked on:
// the document brings back those of the design saved, and none of another.
TEST_F(DocumentCommandsTest, EachKindsStoredCurvesComeBackWithTheDocument) {
  makeBakeryTitle();
  CurvePoints zigzag;
  zigzag.y = {0, 255, 0, 255, 0, 255};
  writeCurveFile(path("curves/temp21.txt"), zigzag);
  QFile::remove(path("curves/temp32.txt"));
  saveAs(path("outputs/curves.velloro"), 0);
  // Another design's curves, as another run would leave them.
  writeCurveFile(path("curves/temp21.txt"), CurvePoints{});
  writeCurveFile(path("curves/temp32.txt"), zigzag);
  window->openHandedFiles({path("outputs/curves.velloro")});
  EXPECT_EQ(readCurveFile(path("curves/temp21.txt"), *seam), zigzag);
  EXPECT_FALSE(QFile::exists(path("curves/temp32.txt")));
}
