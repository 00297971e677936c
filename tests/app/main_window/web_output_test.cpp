// Export for the web, Copy's transparent PNG and the PNG and WebP saves,
// driven through the menu entries, the shortcut and the scripted seam.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTest>

#include "empty_layers.h"
#include "main_window/source_frame.h"
#include "main_window_fixture.h"
#include "output/web_export.h"
#include "output/web_export_memory.h"
#include "state/design_state.h"
#include "state/picture_formats.h"
#include "state/stored_layers.h"
#include "state/visible_extent.h"
#include "test_files.h"

namespace {

const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

void pressExport(QDialog& dialog) {
  auto* buttons = dialog.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

}  // namespace

class WebOutputTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QDir(folder.path()).mkpath(QStringLiteral("outputs"));
    emptyEveryLayer(engine.entryPoints());
  }

  void run(const char* entry) { window->menuEntry(QLatin1String(entry))->trigger(); }
  QString path(const char* relative) { return folder.filePath(QLatin1String(relative)); }

  QImage trimmedDesign() {
    return trimmedToVisible(
        designAlone(window->canvasView()->picture().size(), engine.entryPoints()), 4);
  }
};

TEST_F(WebOutputTest, ExportWithNothingDrawnSaysSoAndAsksNothing) {
  run("mnuFileExportWeb");
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("Nothing to export: draw a design first."));
  EXPECT_TRUE(seam->modalDialogs.empty());
  EXPECT_TRUE(seam->saveRequests.empty());
}

TEST_F(WebOutputTest, ExportWritesTheTrimmedDesignAndLeavesTheCanvas) {
  window->draw();
  const QImage canvas = window->canvasView()->picture();
  const int undoSteps = design().undo.counters.top;
  seam->modalAnswers.push_back(pressExport);
  seam->fileAnswers.push_back(path("outputs/title"));
  run("mnuFileExportWeb");
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  EXPECT_EQ(seam->modalDialogs, std::vector<QString>{QStringLiteral("Export for the web")});
  ASSERT_EQ(seam->saveRequests.size(), 1u);
  EXPECT_EQ(seam->saveRequests[0].fileName, QStringLiteral("MyWork1.png"));
  EXPECT_EQ(seam->saveRequests[0].folder, path("outputs"));
  EXPECT_EQ(seam->saveRequests[0].filter, QStringLiteral("PNG (*.png)"));

  const QImage written = QImage(path("outputs/title.png")).convertToFormat(QImage::Format_ARGB32);
  EXPECT_EQ(written, trimmedDesign());
  EXPECT_LT(written.width(), canvas.width());
  EXPECT_EQ(qAlpha(written.pixel(0, 0)), 0);  // the margin
  EXPECT_EQ(window->canvasView()->picture(), canvas);
  EXPECT_EQ(design().undo.counters.top, undoSteps);
}

// WebP at the user's quality is kept for the next export; the write is
// confirmed in the status bar.
TEST_F(WebOutputTest, ExportRemembersWebpAndItsQualityAndConfirmsTheWrite) {
  if (!writableWebFormats().contains(WebFormat::Webp)) GTEST_SKIP() << "no WebP writer";
  window->draw();
  seam->modalAnswers.push_back([](QDialog& shown) {
    auto& dialog = static_cast<WebExportDialog&>(shown);
    dialog.formatBox->setCurrentIndex(1);
    dialog.losslessBox->setChecked(false);
    dialog.qualityBox->setValue(61);
    pressExport(dialog);
  });
  seam->fileAnswers.push_back(path("outputs/title"));
  run("mnuFileExportWeb");
  EXPECT_EQ(window->statusPane(0)->text(),
            QStringLiteral("Exported title.webp (%1 bytes)")
                .arg(QLocale().toString(QFileInfo(path("outputs/title.webp")).size())));
  const WebExportChoice kept = rememberedWebExportChoice();
  EXPECT_EQ(kept.encoding.format, WebFormat::Webp);
  EXPECT_EQ(kept.encoding.quality, 61);
  QSettings(QStringLiteral("Velloro"), QStringLiteral("Velloro"))
      .remove(QStringLiteral("WebExport"));
}

TEST_F(WebOutputTest, CancelledExportDialogOrFileDialogWritesNothing) {
  window->draw();
  run("mnuFileExportWeb");  // the export dialog is cancelled
  EXPECT_TRUE(seam->saveRequests.empty());
  seam->modalAnswers.push_back(pressExport);
  run("mnuFileExportWeb");  // then the file dialog
  EXPECT_EQ(seam->saveRequests.size(), 1u);
  EXPECT_EQ(QDir(path("outputs")).entryList(QDir::Files | QDir::Hidden), QStringList());
  EXPECT_TRUE(seam->messages.empty());
}

TEST_F(WebOutputTest, ExportIntoAMissingFolderIsReportedAndLeavesNothing) {
  window->draw();
  seam->modalAnswers.push_back(pressExport);
  seam->fileAnswers.push_back(path("absent/title.png"));
  run("mnuFileExportWeb");
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.contains(QStringLiteral("/148\r\n")));
  EXPECT_FALSE(QDir(path("absent")).exists());
}

TEST_F(WebOutputTest, ControlEOpensTheExportFromTheShownWindow) {
  window->draw();
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  // The focus stays in the text box, where a user leaves it after typing.
  ASSERT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(window->sourceFrame()->textBox()));
  QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier);
  EXPECT_EQ(seam->modalDialogs, std::vector<QString>{QStringLiteral("Export for the web")});
  EXPECT_EQ(window->menuEntry(QStringLiteral("mnuFileExportWeb"))->text(),
            QStringLiteral("&Export for the web..."));
}

TEST_F(WebOutputTest, CopyOffersTheCanvasAndTheTransparentDesignAsPng) {
  window->draw();
  run("mnuEditCopy");
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB888),
            window->canvasView()->picture().convertToFormat(QImage::Format_RGB888));
  const QByteArray png = copied->data(QStringLiteral("image/png"));
  EXPECT_TRUE(png.startsWith(pngSignature));
  EXPECT_EQ(QImage::fromData(png).convertToFormat(QImage::Format_ARGB32), trimmedDesign());
}

TEST_F(WebOutputTest, CopyWithNothingDrawnOffersTheCanvasOnly) {
  run("mnuEditCopy");
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_TRUE(copied->hasImage());
  EXPECT_FALSE(copied->formats().contains(QStringLiteral("image/png")));
}

TEST_F(WebOutputTest, SaveAsPngOrWebpWritesThatFormatAndSaveKeepsIt) {
  struct Case {
    WebFormat format;
    const char* chosen;
    const char* written;
  };
  for (const Case& c : {Case{WebFormat::Png, "outputs/work.txt", "outputs/work.png"},
                        Case{WebFormat::Webp, "outputs/work", "outputs/work.webp"}}) {
    if (!writableWebFormats().contains(c.format)) continue;
    seam->filterAnswers.push_back(c.format == WebFormat::Png ? 2 : 3);
    seam->fileAnswers.push_back(path(c.chosen));
    run("mnuFileSaveAs");
    const QString written = path(c.written);
    EXPECT_EQ(design().currentPictureName, written);
    EXPECT_EQ(QImage(written).convertToFormat(QImage::Format_RGB888),
              window->canvasView()->picture().convertToFormat(QImage::Format_RGB888));
    EXPECT_FALSE(QFile::exists(path(c.chosen)) && QString(c.chosen) != QString(c.written));
    QFile::remove(written);
    run("mnuFileSave");
    EXPECT_EQ(webFormatOfName(written), c.format);
    EXPECT_EQ(QImage(written).convertToFormat(QImage::Format_RGB888),
              window->canvasView()->picture().convertToFormat(QImage::Format_RGB888));
  }
  EXPECT_TRUE(seam->messages.empty());
}

TEST_F(WebOutputTest, SavingAnOpenedPngKeepsItAPng) {
  QImage photo(30, 20, QImage::Format_RGB888);
  photo.fill(QColor(12, 34, 56));
  photo.save(path("outputs/photo.png"));
  seam->fileAnswers.push_back(path("outputs/photo.png"));
  run("mnuFileOpen");
  run("mnuFileSave");
  EXPECT_TRUE(contentOf(path("outputs/photo.png")).startsWith(pngSignature));
  EXPECT_EQ(QImage(path("outputs/photo.png")).convertToFormat(QImage::Format_RGB888), photo);
  EXPECT_EQ(design().currentPictureName, path("outputs/photo.png"));
}

TEST_F(WebOutputTest, PastedTransparentPictureLiesOnWhite) {
  QImage cutOut(12, 8, QImage::Format_ARGB32);
  cutOut.fill(Qt::transparent);
  cutOut.setPixel(3, 4, qRgba(200, 10, 20, 255));
  QApplication::clipboard()->setImage(cutOut);
  run("mnuEditPaste");
  const QImage canvas = window->canvasView()->picture();
  ASSERT_EQ(canvas.size(), QSize(12, 8));
  EXPECT_EQ(canvas.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(canvas.pixelColor(3, 4), QColor(200, 10, 20));
}
