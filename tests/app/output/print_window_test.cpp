#include "output/print_window.h"

#include <QFile>
#include <QPageLayout>
#include <QPushButton>
#include <QTest>

#include "output/print_placement.h"
#include "output_fixture.h"
#include "test_files.h"
#include "widgets/picture_box.h"

class PrintWindowTest : public OutputTest {
 protected:
  void open(QSize size) {
    relief = QImage(size, QImage::Format_RGB888);
    relief.fill(QColor(200, 30, 40));
    window = new PrintWindow([this] { return relief; }, ScreenScale{}, *seam, nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    QPrinter& printer = window->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("page.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    window->load();
    window->activate();
  }
  void TearDown() override { delete window; }

  QImage relief;
  PrintWindow* window = nullptr;
};

// The printer set-up turns the paper as a user would in its dialog, and the
// page is laid out again; Cancel closes without printing.
TEST_F(PrintWindowTest, TheMiniatureShowsTheCentredPictureOnThePaperChosen) {
  open({631, 331});
  const QImage page = window->pageView()->picture();
  EXPECT_EQ(page.size(), QSize(183, 259));  // 210 / 297 of 259 wide
  const QRect box = window->pictureBox();
  EXPECT_EQ(box, centredPicture(window->preview(), {631, 331}));
  EXPECT_NEAR(box.width(), 183 * 190.0 / 210, 1.0);  // the printable width
  EXPECT_EQ(window->pageView()->rubberBand(), box);
  EXPECT_EQ(page.pixelColor(box.center()), QColor(200, 30, 40));
  EXPECT_EQ(page.pixelColor(box.left() - 2, box.center().y()), QColor(Qt::white));

  window->shrinkButton()->click();
  window->printer().setPageOrientation(QPageLayout::Landscape);
  seam->printerAnswers = {true};
  window->moreButton()->click();
  EXPECT_EQ(seam->printerOwners, std::vector<QWidget*>{window});
  EXPECT_EQ(window->pageView()->picture().size(), QSize(259, 183));
  EXPECT_EQ(window->pictureBox(), centredPicture(window->preview(), {631, 331}));
  window->show();
  window->cancelButton()->click();
  EXPECT_FALSE(QFile::exists(path("page.pdf")));
  EXPECT_FALSE(window->isVisible());
}

// A failed print leaves the page as laid out for the next activation.
TEST_F(PrintWindowTest, PlusMinusAndDraggingPlaceTheBoxAFailedPrintKeepsItOkPrintsAndCloses) {
  open({631, 331});
  window->show();
  const QRect before = window->pictureBox();
  window->shrinkButton()->click();
  const QRect small = window->pictureBox();
  EXPECT_EQ(small, shrunk(before, window->preview()));
  window->previewPressed(Qt::LeftButton, {60, 100});
  window->previewMoved(Qt::LeftButton, {63, 98});
  const QRect moved = small.translated(3, -2);
  EXPECT_EQ(window->pictureBox(), moved);
  window->growButton()->click();
  const QRect placed = window->pictureBox();
  EXPECT_EQ(placed, grown(moved, window->preview()));
  const PagePreview preview = window->preview();
  window->printer().setOutputFileName(path("missing/page.pdf"));
  window->okButton()->click();
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.contains(QStringLiteral("Printer error")))
      << seam->messages[0].text.toStdString();
  EXPECT_FALSE(window->printer().fullPage());
  window->activate();
  EXPECT_EQ(window->pictureBox(), placed);
  EXPECT_EQ(window->preview().unprintableX, preview.unprintableX);
  EXPECT_EQ(window->preview().unprintableY, preview.unprintableY);

  window->printer().setOutputFileName(path("page.pdf"));
  window->okButton()->click();
  EXPECT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(contentOf(path("page.pdf")).startsWith("%PDF"));
  EXPECT_FALSE(window->isVisible());
}

// OK with no printer fails; the user then picks a PDF file in the printer
// set-up and presses OK again, which prints the page.
TEST_F(PrintWindowTest, AfterAPrintWithNoPrinterTheNextPrinterChosenPrints) {
  open({631, 331});
  window->show();
  window->printer().setOutputFileName(QString());
  QTest::mouseClick(window->okButton(), Qt::LeftButton);
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("error number : 68/74\r\nPrinter error"));
  seam->printerAnswers = {true};
  seam->printerChoice = [this](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("chosen.pdf"));
  };
  QTest::mouseClick(window->moreButton(), Qt::LeftButton);
  QTest::mouseClick(window->okButton(), Qt::LeftButton);
  EXPECT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(contentOf(path("chosen.pdf")).startsWith("%PDF"));
  EXPECT_FALSE(window->isVisible());
}

// Letter-like portrait sheet at 300 units per inch with 100 units unprintable.
const PrinterPage portrait{{2400, 3300}, {2300, 3200}};
const PagePreview preview = previewOf(portrait, 15, 15);

// Shrinking keeps the corner and stops at one layout unit; growing stops at
// the printable limit keeping the proportions.
TEST(PrintPlacement, AWidePictureIsCentredShrinkingAndGrowingStopAtTheirLimits) {
  // 2707 x 1420 twips of the 2825 x 3885 page, centred, in pixels.
  EXPECT_EQ(centredPicture(preview, {631, 331}), QRect(QPoint(4, 82), QPoint(183, 176)));
  EXPECT_EQ(shrunk(QRect(10, 20, 100, 50), preview), QRect(10, 20, 95, 48));
  EXPECT_EQ(shrunk(QRect(10, 20, 15, 40), preview), QRect(10, 20, 15, 40));
  QRect box(10, 20, 40, 20);
  EXPECT_EQ(grown(box, preview), QRect(10, 20, 42, 21));
  for (int i = 0; i < 100; ++i) box = grown(box, preview);
  EXPECT_LE(box.left() + box.width(), preview.rightLimit());
  EXPECT_GE(box.left() + box.width(), preview.rightLimit() - 1);
  EXPECT_NEAR(double(box.width()) / box.height(), 2.0, 0.08);  // whole pixels at each step
  EXPECT_EQ(grown(box, preview), box);
}

// Dragging stops at the printable edges, about 3.9 and 184.4; the box is
// printed at 2400 printer units for 2825 twips (15 a pixel).
TEST(PrintPlacement, DraggingStopsAtThePrintableEdgesAndTheBoxIsPrintedInPrinterUnits) {
  const QRect box(50, 50, 40, 20);
  EXPECT_EQ(dragged(box, {5, -3}, preview), QRect(55, 47, 40, 20));
  EXPECT_EQ(dragged(box, {-100, -100}, preview).topLeft(), QPoint(4, 4));
  EXPECT_EQ(dragged(box, {500, 500}, preview).topLeft(), QPoint(184 - 40, 255 - 20));
  EXPECT_EQ(onPrinter(QRect(4, 82, 180, 95), preview), QRect(51, 1045, 2294, 1211));
}
