#include "output/jpeg_optimiser.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include "output/format_choice.h"
#include "output/size_readout.h"
#include "output_fixture.h"
#include "state/bmp_file.h"
#include "test_files.h"
#include "widgets/picture_box.h"

class JpegOptimiserTest : public OutputTest {
 protected:
  void open(QSize size, const QString& mode = QStringLiteral("save"),
            const QString& chosen = QString()) {
    picture = relief(size);
    dialog = std::make_unique<JpegOptimiser>(picture, JpegSave{mode, chosen, currentName},
                                             ScreenScale{}, *seam);
    dialog->load();
    dialog->activate();
  }

  QByteArray jpegAt(int quality) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(picture.convertToFormat(QImage::Format_RGB888));
    return bytes;
  }

  QString currentName;
  QImage picture;
  std::unique_ptr<JpegOptimiser> dialog;
};

TEST_F(JpegOptimiserTest, LoadEncodesAtHighestQualityAndShowsBothSizes) {
  currentName = path("logo.bmp");
  open({50, 40});
  EXPECT_EQ(dialog->qualitySlider()->value(), 100);
  EXPECT_EQ(contentOf(dialog->temporaryBmp()), bmpFileBytes(picture));
  EXPECT_EQ(contentOf(dialog->temporaryJpeg()), jpegAt(100));
  EXPECT_EQ(dialog->previewBox()->picture().size(), QSize(50, 40));
  const qint64 bmpSize = bmpFileBytes(picture).size();  // never saved: the size as a BMP
  EXPECT_EQ(dialog->currentBytesLabel()->text(), bytesReadout(bmpSize));
  EXPECT_EQ(dialog->currentKilobytesLabel()->text(), kilobytesReadout(bmpSize));
  EXPECT_EQ(dialog->newBytesLabel()->text(), bytesReadout(jpegAt(100).size()));
  EXPECT_EQ(dialog->newKilobytesLabel()->text(), kilobytesReadout(jpegAt(100).size()));
}

TEST_F(JpegOptimiserTest, TheCurrentSizeIsThatOfTheSavedFile) {
  writeContent(path("logo.jpg"), QByteArray(2500, 'x'));
  currentName = path("logo.jpg");
  open({20, 20});
  EXPECT_EQ(dialog->currentBytesLabel()->text(), QStringLiteral("2,500  bytes"));
  EXPECT_EQ(dialog->currentKilobytesLabel()->text(), QStringLiteral("( 2.44 KB )"));
}

TEST_F(JpegOptimiserTest, MovingTheSliderEncodesAgainAtItsQuality) {
  open({60, 50});
  dialog->qualitySlider()->setValue(20);
  EXPECT_EQ(contentOf(dialog->temporaryJpeg()), jpegAt(20));
  EXPECT_LT(jpegAt(20).size(), jpegAt(100).size());
  EXPECT_EQ(dialog->newBytesLabel()->text(), bytesReadout(jpegAt(20).size()));
  EXPECT_EQ(seam->busyDepth, 0);
}

// The number follows the slider, also while it is dragged.
TEST_F(JpegOptimiserTest, TheQualityIsShownAsANumber) {
  open({20, 20});
  emit dialog->qualitySlider()->sliderMoved(7);
  EXPECT_EQ(dialog->qualityNumber()->text(), QStringLiteral("Quality: 7"));
}

// A JPEG the temporary folder did not take is reported as not written, not
// as a file that was not found, and nothing is saved.
TEST_F(JpegOptimiserTest, ApplyAfterAFailedEncodingSaysTheJpegWasNotWritten) {
  currentName = path("logo.bmp");
  open({30, 30});
  const QString jpeg = dialog->temporaryJpeg();
  QFile::remove(jpeg);
  ASSERT_TRUE(QDir().mkdir(jpeg));  // no file can take its place
  dialog->qualitySlider()->setValue(50);
  dialog->applyButton()->click();
  ASSERT_EQ(seam->messages.size(), 2u);  // the encoder's "Error on file write.", then this
  EXPECT_EQ(seam->messages[1].text, QStringLiteral("The JPEG could not be written to %1: the "
                                                   "write failed. Nothing was saved.")
                                        .arg(QFileInfo(jpeg).absolutePath()));
  QDir().rmdir(jpeg);
}

TEST_F(JpegOptimiserTest, CancelLeavesNoTemporaryFileAndTheNameUnchanged) {
  currentName = path("logo.bmp");
  open({30, 30});
  const QString bmp = dialog->temporaryBmp();
  const QString jpeg = dialog->temporaryJpeg();
  dialog->cancelButton()->click();
  EXPECT_FALSE(dialog->jpegSucceeded());
  EXPECT_EQ(dialog->savedName(), path("logo.bmp"));
  EXPECT_FALSE(QFile::exists(bmp));
  EXPECT_FALSE(QFile::exists(jpeg));
}

// Apply writes the JPEG at the slider's quality under the picture's name with
// a JPEG extension, replacing an older file. The user's own JPEG extension
// stays: on a case-sensitive file system ".jpg" would be another file, left
// beside the one the user saved.
TEST_F(JpegOptimiserTest, ApplyWritesTheJpegUnderTheNameItKeeps) {
  struct Case {
    const char* current;
    const char* mode;
    const char* chosen;
    int quality;
    const char* written;
  };
  for (const Case& c :
       {Case{"logo.bmp", "save", "", 40, "logo.jpg"}, Case{"logo.jpg", "save", "", 100, "logo.jpg"},
        Case{"photo.jpeg", "save", "", 100, "photo.jpeg"},
        Case{"photo.JPG", "save", "", 100, "photo.JPG"},
        Case{"photo.Jpeg", "save", "", 100, "photo.Jpeg"},
        Case{"logo.bmp", "saveas", "MyWork3", 100, "MyWork3.jpg"}}) {
    SCOPED_TRACE(std::string(c.current) + " " + c.mode);
    const QString current = path(QLatin1String(c.current));
    if (!current.endsWith(QStringLiteral(".bmp"))) writeContent(current, "old");
    currentName = current;
    open({30, 30}, QLatin1String(c.mode), *c.chosen ? path(QLatin1String(c.chosen)) : QString());
    dialog->qualitySlider()->setValue(c.quality);
    const QString temporaryJpeg = dialog->temporaryJpeg();
    dialog->applyButton()->click();
    const QString written = path(QLatin1String(c.written));
    EXPECT_TRUE(dialog->jpegSucceeded());
    EXPECT_EQ(dialog->savedName(), written);
    EXPECT_EQ(contentOf(written), jpegAt(c.quality));
    EXPECT_FALSE(QFile::exists(temporaryJpeg));
    EXPECT_FALSE(QFile::exists(dialog->temporaryBmp()));
    if (QString(c.current).startsWith(QStringLiteral("photo"))) {
      EXPECT_FALSE(QFileInfo::exists(path("photo.jpg")));
    }
  }
}

TEST_F(JpegOptimiserTest, AnApplyThatCannotWriteReportsAndKeepsTheDialogAndTheName) {
  currentName = path("logo.bmp");
  open({30, 30}, QStringLiteral("saveas"), path("missing/logo.jpg"));
  dialog->applyButton()->click();
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.contains(QStringLiteral("/59\r\n")));
  EXPECT_FALSE(dialog->jpegSucceeded());
  EXPECT_TRUE(QFile::exists(dialog->temporaryJpeg()));
  dialog->cancelButton()->click();
  EXPECT_EQ(dialog->savedName(), path("logo.bmp"));
}

TEST_F(JpegOptimiserTest, ASmallPreviewHasNoScrollBarsAndIgnoresDragging) {
  open({100, 80});
  EXPECT_TRUE(dialog->horizontalScroll()->isHidden());
  EXPECT_TRUE(dialog->verticalScroll()->isHidden());
  dialog->previewPressed({50, 40});
  dialog->previewMoved(Qt::LeftButton, {10, 10});
  EXPECT_EQ(dialog->previewBox()->pos(), QPoint(0, 0));
}

TEST_F(JpegOptimiserTest, ALargePreviewPansWithItsBarsAndByDraggingUpToItsEnds) {
  open({700, 300});
  ASSERT_FALSE(dialog->horizontalScroll()->isHidden());
  EXPECT_EQ(dialog->horizontalScroll()->maximum(), 700 - dialog->viewport()->width());
  EXPECT_EQ(dialog->verticalScroll()->maximum(), 300 - dialog->viewport()->height());
  dialog->horizontalScroll()->setValue(100);
  EXPECT_EQ(dialog->previewBox()->pos(), QPoint(-100, 0));
  dialog->previewPressed({200, 50});
  dialog->previewMoved(Qt::LeftButton, {170, 40});  // dragged left and up
  EXPECT_EQ(dialog->horizontalScroll()->value(), 130);
  EXPECT_EQ(dialog->verticalScroll()->value(), 10);
  EXPECT_EQ(dialog->previewBox()->pos(), QPoint(-130, -10));
  dialog->horizontalScroll()->setValue(0);
  dialog->previewPressed({200, 50});
  dialog->previewMoved(Qt::LeftButton, {230, 50});  // would go below 0: stops there
  EXPECT_EQ(dialog->horizontalScroll()->value(), 0);
  dialog->previewMoved(Qt::LeftButton, {200, 50});  // the drag starts over at 230
  EXPECT_EQ(dialog->horizontalScroll()->value(), 30);
}

// The same picture as PNG and as WebP at the slider's quality, each really
// encoded; WebP follows the slider, PNG has no quality.
TEST_F(JpegOptimiserTest, FormatRowShowsTheEncodedSizesOfPngAndWebp) {
  open({60, 50});
  FormatChoice& formats = *dialog->formatChoice();
  EXPECT_TRUE(formats.jpegOption->isChecked());
  const QByteArray png = encodeWebPicture(picture, {WebFormat::Png, true, 100});
  EXPECT_EQ(formats.pngSizeLabel->text(), bytesReadout(png.size()));
  if (!writableWebFormats().contains(WebFormat::Webp)) {
    EXPECT_TRUE(formats.webpOption->isHidden());
    return;
  }
  const QByteArray lossless = encodeWebPicture(picture, {WebFormat::Webp, true, 100});
  EXPECT_EQ(formats.webpSizeLabel->text(), bytesReadout(lossless.size()));
  dialog->qualitySlider()->setValue(30);
  const QByteArray lossy = encodeWebPicture(picture, {WebFormat::Webp, false, 30});
  EXPECT_EQ(formats.webpSizeLabel->text(), bytesReadout(lossy.size()));
  EXPECT_EQ(formats.pngSizeLabel->text(), bytesReadout(png.size()));
}

TEST_F(JpegOptimiserTest, ApplyWritesThePickedFormatUnderItsOwnExtension) {
  struct Case {
    QRadioButton* FormatChoice::*option;
    const char* written;
  };
  for (const Case& c :
       {Case{&FormatChoice::pngOption, "logo.png"}, Case{&FormatChoice::webpOption, "logo.webp"}}) {
    currentName = path("logo.jpg");
    open({40, 30});
    if ((dialog->formatChoice()->*c.option)->isHidden()) continue;
    dialog->qualitySlider()->setValue(100);
    (dialog->formatChoice()->*c.option)->setChecked(true);
    dialog->applyButton()->click();
    const QString written = path(QLatin1String(c.written));
    EXPECT_TRUE(dialog->jpegSucceeded());
    EXPECT_EQ(dialog->savedName(), written);
    EXPECT_EQ(QImage(written).convertToFormat(QImage::Format_RGB888),
              picture.convertToFormat(QImage::Format_RGB888));  // lossless at 100
    EXPECT_FALSE(QFileInfo::exists(path("logo.jpg")));
    EXPECT_FALSE(QFileInfo::exists(dialog->temporaryJpeg()));
  }
}

TEST_F(JpegOptimiserTest, ApplyAsksBeforeReplacingAnotherFileOfThePickedFormat) {
  writeContent(path("logo.png"), "earlier");
  currentName = path("logo.jpg");
  open({40, 30});
  dialog->formatChoice()->pngOption->setChecked(true);
  seam->messageAnswers = {MessageAnswer::No};
  dialog->applyButton()->click();
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text,
            QStringLiteral("logo.png already exists.\r\nDo you want to replace it?"));
  EXPECT_EQ(seam->messages[0].owner, dialog.get());
  EXPECT_EQ(contentOf(path("logo.png")), QByteArray("earlier"));
  EXPECT_FALSE(dialog->jpegSucceeded());
  EXPECT_TRUE(dialog->isVisible() || dialog->result() != QDialog::Accepted);
}
