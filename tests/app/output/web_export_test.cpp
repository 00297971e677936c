#include "output/web_export.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "files/failure.h"
#include "output/output_fixture.h"
#include "test_files.h"

static QImage designWithAHole() {
  QImage design(40, 30, QImage::Format_ARGB32);
  design.fill(Qt::transparent);
  for (int y = 10; y < 20; ++y)
    for (int x = 5; x < 25; ++x) design.setPixel(x, y, qRgba(200, x * 8, y * 9, 40 + x * 5));
  return design;
}

// A click on the box or circle at the start of a check box or option.
static void clickIndicator(QWidget* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

using WebExportTest = OutputTest;

// PNG is lossless only; the quality goes with lossy WebP, the margin with a
// trimmed picture.
TEST_F(WebExportTest, DialogReadsBackWhatTheUserSet) {
  WebExportDialog dialog({WebFormat::Png, WebFormat::Webp}, WebExportChoice{});
  EXPECT_FALSE(dialog.losslessBox->isEnabled());
  EXPECT_FALSE(dialog.qualityBox->isEnabled());
  dialog.show();
  dialog.formatBox->setCurrentIndex(1);
  EXPECT_TRUE(dialog.losslessBox->isEnabled());
  clickIndicator(dialog.losslessBox);
  EXPECT_TRUE(dialog.qualityBox->isEnabled());
  clickIndicator(dialog.wholeCanvasOption);
  EXPECT_FALSE(dialog.marginBox->isEnabled());

  EXPECT_FALSE(dialog.choice().encoding.lossless);
  EXPECT_TRUE(dialog.choice().wholeCanvas);
  dialog.formatBox->setCurrentIndex(0);  // back to PNG: lossless again
  EXPECT_TRUE(dialog.choice().encoding.lossless);
}

// WebP remembered from a run that had it.
TEST_F(WebExportTest, DialogWithoutWebpOffersPngAloneAndTakesItsKeys) {
  WebExportDialog dialog({WebFormat::Png}, {.encoding = {.format = WebFormat::Webp}});
  ASSERT_EQ(dialog.formatBox->count(), 1);
  EXPECT_EQ(dialog.choice().encoding.format, WebFormat::Png);
  dialog.show();  // Return in the margin box presses OK
  QTest::keyClick(dialog.marginBox, Qt::Key_Return);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(WebExportTest, TrimmedOrWholeCanvas) {
  WebExportChoice choice{.margin = 3};
  EXPECT_EQ(exportedPicture(designWithAHole(), choice).size(), QSize(26, 16));
  choice.wholeCanvas = true;
  EXPECT_EQ(exportedPicture(designWithAHole(), choice), designWithAHole());
}

// What cannot be encoded leaves the earlier file; a write replaces the file
// with the same pixels and leaves nothing beside it.
TEST_F(WebExportTest, AFailedEncodingLeavesTheEarlierFileAndAWriteReplacesIt) {
  const QString target = path(QStringLiteral("title.png"));
  writeContent(target, "earlier");
  EXPECT_THROW(writeWebPicture(QImage(), {}, target), Failure);
  EXPECT_EQ(contentOf(target), QByteArray("earlier"));
  writeWebPicture(designWithAHole(), {WebFormat::Png, true, 90}, target);
  EXPECT_EQ(QImage(target).convertToFormat(QImage::Format_ARGB32), designWithAHole());
  EXPECT_EQ(entriesOf(folder.path()), QStringList{QStringLiteral("title.png")});
}
