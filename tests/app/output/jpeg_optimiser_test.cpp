#include "output/jpeg_optimiser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include "files/bmp_file.h"
#include "output/format_choice.h"
#include "output/jpeg_encoding.h"
#include "output/jpeg_target.h"
#include "output/size_readout.h"
#include "output_fixture.h"
#include "test_files.h"
#include "test_pictures.h"
#include "widgets/picture_box.h"

class JpegOptimiserTest : public OutputTest {
 protected:
  void open(QSize size, const QString& mode = QStringLiteral("save"),
            const QString& chosen = QString()) {
    picture = patterned(size.width(), size.height());
    dialog = std::make_unique<JpegOptimiser>(picture, JpegSave{mode, chosen, currentName},
                                             ScreenScale{}, *seam);
    dialog->load();
    dialog->activate();
  }

  // As the program writes it: with its mark in a comment.
  QByteArray jpegAt(int quality) const {
    return encodedPicture(picture.convertToFormat(QImage::Format_RGB888), "jpeg",
                          [quality](QImageWriter& writer) {
                            writer.setQuality(quality);
                            writer.setText(QStringLiteral("Software"), QStringLiteral("Velloro"));
                          });
  }

  QString currentName = path("logo.bmp");
  QImage picture;
  std::unique_ptr<JpegOptimiser> dialog;
};

// Never saved, the current size is that of the picture as a BMP; the new one
// follows the slider, as do the PNG and WebP sizes (WebP at its quality).
TEST_F(JpegOptimiserTest, LoadEncodesAtHighestQualityTheSliderEncodesAgainAndApplyWritesIt) {
  open({50, 40});
  const FormatChoice& formats = *dialog->formatChoice();
  const bool webp = writableWebFormats().contains(WebFormat::Webp);
  EXPECT_EQ(formats.webpOption->isHidden(), !webp);
  const auto expectSizes = [&](int webpQuality) {
    const QByteArray png = encodeWebPicture(picture, {WebFormat::Png, true, 100});
    EXPECT_EQ(formats.pngSizeLabel->text(), bytesReadout(png.size()));
    if (!webp) return;
    const WebEncoding lossyBelow100{WebFormat::Webp, webpQuality == 100, webpQuality};
    EXPECT_EQ(formats.webpSizeLabel->text(),
              bytesReadout(encodeWebPicture(picture, lossyBelow100).size()));
  };
  expectSizes(100);
  EXPECT_EQ(contentOf(dialog->temporaryBmp()), bmpFileBytes(picture));
  EXPECT_EQ(contentOf(dialog->temporaryJpeg()), jpegAt(100));
  EXPECT_EQ(dialog->previewBox()->picture().size(), QSize(50, 40));
  EXPECT_EQ(dialog->currentBytesLabel()->text(), bytesReadout(bmpFileBytes(picture).size()));
  EXPECT_EQ(dialog->newBytesLabel()->text(), bytesReadout(jpegAt(100).size()));
  EXPECT_EQ(dialog->newKilobytesLabel()->text(), kilobytesReadout(jpegAt(100).size()));

  dialog->qualitySlider()->setValue(20);
  EXPECT_EQ(contentOf(dialog->temporaryJpeg()), jpegAt(20));
  EXPECT_EQ(dialog->newBytesLabel()->text(), bytesReadout(jpegAt(20).size()));
  expectSizes(20);
  EXPECT_EQ(seam->busyDepth, 0);
  emit dialog->qualitySlider()->sliderMoved(7);
  EXPECT_EQ(dialog->qualityNumber()->text(), QStringLiteral("Quality: 7"));
  // Apply writes that JPEG under the name the target rules give, alone.
  dialog->applyButton()->click();
  EXPECT_TRUE(dialog->jpegSucceeded());
  EXPECT_EQ(dialog->savedName(), path("logo.jpg"));
  EXPECT_EQ(contentOf(path("logo.jpg")), jpegAt(20));
  EXPECT_EQ(entriesOf(folder.path()), QStringList{"logo.jpg"});
}

// A JPEG the temporary folder did not take is reported as not written, not
// as a file that was not found, and nothing is saved.
TEST_F(JpegOptimiserTest, ApplyAfterAFailedEncodingSaysTheJpegWasNotWritten) {
  open({30, 30});
  const QString jpeg = dialog->temporaryJpeg();
  QFile::remove(jpeg);
  ASSERT_TRUE(QDir().mkdir(jpeg));  // no file can take its place
  dialog->qualitySlider()->setValue(50);
  dialog->applyButton()->click();
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("Error on file write."));  // the encoder's
  EXPECT_EQ(seam->messages[1].text, QStringLiteral("The JPEG could not be written to %1: the "
                                                   "write failed. Nothing was saved.")
                                        .arg(QFileInfo(jpeg).absolutePath()));
  QDir().rmdir(jpeg);
}

// Cancel after a failed apply leaves no temporary file and the name as it was.
TEST_F(JpegOptimiserTest, AnApplyThatCannotWriteReportsAndKeepsTheDialogAndTheName) {
  currentName = path("logo.jpg");
  writeContent(currentName, QByteArray(2500, 'x'));
  open({30, 30}, QStringLiteral("saveas"), path("missing/logo.jpg"));
  EXPECT_EQ(dialog->currentBytesLabel()->text(), QStringLiteral("2,500  bytes"));
  EXPECT_EQ(dialog->currentKilobytesLabel()->text(), QStringLiteral("( 2.44 KB )"));
  dialog->applyButton()->click();
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.contains(QStringLiteral("/59\r\n")));
  EXPECT_FALSE(dialog->jpegSucceeded());
  const QString bmp = dialog->temporaryBmp();
  const QString jpeg = dialog->temporaryJpeg();
  EXPECT_TRUE(QFile::exists(jpeg));
  dialog->cancelButton()->click();
  EXPECT_EQ(dialog->savedName(), path("logo.jpg"));
  EXPECT_FALSE(QFile::exists(bmp));
  EXPECT_FALSE(QFile::exists(jpeg));
}

// A preview that fits has no scroll bars and ignores dragging; a larger one
// pans with its bars and by dragging, up to its ends.
TEST_F(JpegOptimiserTest, APreviewPansOnlyWhenLargerThanItsView) {
  open({100, 80});
  EXPECT_TRUE(dialog->horizontalScroll()->isHidden());
  EXPECT_TRUE(dialog->verticalScroll()->isHidden());
  dialog->previewPressed({50, 40});
  dialog->previewMoved(Qt::LeftButton, {10, 10});
  EXPECT_EQ(dialog->previewBox()->pos(), QPoint(0, 0));

  open({700, 300});
  ASSERT_FALSE(dialog->horizontalScroll()->isHidden());
  EXPECT_EQ(dialog->horizontalScroll()->maximum(), 700 - dialog->viewport()->width());
  EXPECT_EQ(dialog->verticalScroll()->maximum(), 300 - dialog->viewport()->height());
  dialog->horizontalScroll()->setValue(100);
  dialog->previewPressed({200, 50});
  dialog->previewMoved(Qt::LeftButton, {170, 40});  // dragged left and up
  EXPECT_EQ(dialog->horizontalScroll()->value(), 130);
  EXPECT_EQ(dialog->previewBox()->pos(), QPoint(-130, -10));
  dialog->horizontalScroll()->setValue(0);
  dialog->previewPressed({200, 50});
  dialog->previewMoved(Qt::LeftButton, {230, 50});  // would go below 0: stops there
  EXPECT_EQ(dialog->horizontalScroll()->value(), 0);
  dialog->previewMoved(Qt::LeftButton, {200, 50});  // the drag starts over at 230
  EXPECT_EQ(dialog->horizontalScroll()->value(), 30);
}

// Another file of the picked format is replaced only when the user says so.
TEST_F(JpegOptimiserTest, ApplyWritesThePickedFormatUnderItsOwnExtension) {
  for (const auto& [option, name] : {std::pair{&FormatChoice::pngOption, "logo.png"},
                                     std::pair{&FormatChoice::webpOption, "logo.webp"}}) {
    const QString written = path(QLatin1String(name));
    writeContent(written, "earlier");
    currentName = path("logo.jpg");
    open({40, 30});
    if ((dialog->formatChoice()->*option)->isHidden()) continue;
    (dialog->formatChoice()->*option)->setChecked(true);
    seam->messages.clear();
    seam->messageAnswers = {MessageAnswer::No, MessageAnswer::Yes};
    dialog->applyButton()->click();
    ASSERT_EQ(seam->messages.size(), 1u);
    EXPECT_EQ(seam->messages[0].text,
              QStringLiteral("%1 already exists.\r\nDo you want to replace it?").arg(name));
    EXPECT_EQ(seam->messages[0].owner, dialog.get());
    EXPECT_EQ(contentOf(written), QByteArray("earlier"));
    EXPECT_FALSE(dialog->jpegSucceeded());
    dialog->applyButton()->click();
    EXPECT_TRUE(dialog->jpegSucceeded());
    EXPECT_EQ(dialog->savedName(), written);
    EXPECT_EQ(QImage(written).convertToFormat(QImage::Format_RGB888),
              picture.convertToFormat(QImage::Format_RGB888));  // lossless at 100
    EXPECT_FALSE(QFileInfo::exists(path("logo.jpg")));
    EXPECT_FALSE(QFileInfo::exists(dialog->temporaryJpeg()));
  }
}

// Bytes grouped by thousands, without a separator below a thousand;
// kilobytes with up to two decimals.
TEST(SizeReadoutAndTarget, BytesKilobytesAndTheWrittenName) {
  const std::pair<QString, const char*> shown[] = {
      {bytesReadout(512), "512  bytes"},           {bytesReadout(12345), "12,345  bytes"},
      {bytesReadout(1234567), "1,234,567  bytes"}, {bytesReadout(0), "  bytes"},
      {kilobytesReadout(12350), "( 12.06 KB )"},   {kilobytesReadout(1024 * 1500), "( 1,500 KB )"},
      {kilobytesReadout(1536), "( 1.5 KB )"},      {kilobytesReadout(512), "( .5 KB )"},
  };
  for (const auto& [text, expected] : shown) EXPECT_EQ(text.toStdString(), expected);
  // Save gives the current name a JPEG extension, Save As takes the chosen
  // name; a name that already ends in a JPEG extension keeps it in its own case.
  const std::tuple<const char*, const char*, const char*, const char*> targets[] = {
      {"save", "/o/logo.bmp", "", "/o/logo.jpg"},
      {"save", "/o.d/logo.v2.bmp", "", "/o.d/logo.v2.jpg"},
      {"save", "/o/photo.JPEG", "", "/o/photo.JPEG"},
      {"save", "/o/photo.jpeg", "", "/o/photo.jpeg"},
      {"save", "/o/photo.JPG", "", "/o/photo.JPG"},
      {"saveas", "/o/x.bmp", "/o/new.Jpg", "/o/new.Jpg"},
      {"saveas", "/o/x.bmp", "/o/MyWork3", "/o/MyWork3.jpg"},
      {"saveas", "/o/x.bmp", "/o/logo.bmp", "/o/logo.jpg"}};
  for (const auto& [mode, current, chosen, target] : targets)
    EXPECT_EQ(jpegTargetName(mode, current, chosen), QLatin1String(target)) << current << chosen;
}

TEST_F(OutputTest, AMissingJpegSourceIsReportedOnce) {
  EXPECT_FALSE(encodeJpeg(path("none.bmp"), path("out.jpg"), 80, *seam));
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("Error on file write."));
  EXPECT_FALSE(QFile::exists(path("out.jpg")));
}
