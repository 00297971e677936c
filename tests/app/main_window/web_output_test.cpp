#include <QFileInfo>
#include <QLocale>

#include "main_window_fixture.h"
#include "output/image_element_dialog.h"
#include "output/web_export_memory.h"
#include "rendering/visible_extent.h"
#include "shrunk_difference.h"

using WebOutputTest = MainWindowTest;

// The bytes written are compared with `--render --trim` in ALongTitleIsToldFitted...
// A WebP export tells its size and is remembered with its quality.
TEST_F(WebOutputTest, ExportAsksItsDialogsWritesOnlyWhenBothSayYesReportsAFailureRemembersWebp) {
  run("mnuFileExportWeb");
  EXPECT_EQ(onlyMessage().text, u"Nothing to export: draw a design first."_s);
  EXPECT_TRUE(seam->modalDialogs.empty());
  seam->messages.clear();
  const QImage drawn = drawnAgain();
  const int undoSteps = design().undo.counters.top;
  focusTextBox();
  QTest::keyClick(textBox(), Qt::Key_E, Qt::ControlModifier);  // the export dialog is cancelled
  EXPECT_EQ(seam->modalDialogs, std::vector<QString>{u"Export for the web"_s});
  EXPECT_TRUE(seam->saveRequests.empty());
  seam->modalAnswers.push_back(pressOk);
  run("mnuFileExportWeb");  // then the file dialog
  EXPECT_EQ(QDir(path("outputs")).entryList(QDir::Files | QDir::Hidden), QStringList());
  seam->modalAnswers.push_back(pressOk);
  run("mnuFileExportWeb", path("outputs/title"));
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();
  ASSERT_EQ(seam->saveRequests.size(), 2u);
  EXPECT_EQ(seam->saveRequests[1].fileName, u"MyWork1.png"_s);
  EXPECT_EQ(seam->saveRequests[1].folder, path("outputs"));
  EXPECT_EQ(seam->saveRequests[1].filter, u"PNG (*.png)"_s);
  EXPECT_TRUE(QFile::exists(path("outputs/title.png")));
  EXPECT_EQ(canvas(), drawn);
  EXPECT_EQ(design().undo.counters.top, undoSteps);
  seam->modalAnswers.push_back(pressOk);
  run("mnuFileExportWeb", path("absent/title.png"));
  EXPECT_TRUE(onlyMessage().text.contains(u"/148\r\n"_s));
  EXPECT_FALSE(QDir(path("absent")).exists());
  if (!writableWebFormats().contains(WebFormat::Webp)) return;  // no WebP writer
  seam->modalAnswers.push_back([](QDialog& shown) {
    auto& dialog = static_cast<WebExportDialog&>(shown);
    dialog.formatBox->setCurrentIndex(1);
    dialog.losslessBox->setChecked(false);
    dialog.qualityBox->setValue(61);
    pressOk(dialog);
  });
  run("mnuFileExportWeb", path("outputs/title"));
  EXPECT_EQ(window->statusPane(0)->text(),
            u"Exported title.webp (%1 bytes)"_s.arg(
                QLocale().toString(QFileInfo(path("outputs/title.webp")).size())));
  const WebExportChoice kept = rememberedWebExportChoice();
  EXPECT_EQ(std::pair(kept.encoding.format, kept.encoding.quality), std::pair(WebFormat::Webp, 61));
}

TEST_F(WebOutputTest, CopyOffersTheCanvasAndTheTransparentDesignAsPngThatPastesOnWhite) {
  run("mnuEditCopy");
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasImage());
  EXPECT_FALSE(QApplication::clipboard()->mimeData()->formats().contains(u"image/png"_s));
  window->draw();
  run("mnuEditCopy");
  const QMimeData* copied = QApplication::clipboard()->mimeData();
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).convertToFormat(QImage::Format_RGB888),
            canvas().convertToFormat(QImage::Format_RGB888));
  const QByteArray png = copied->data(u"image/png"_s);
  EXPECT_EQ(QImage::fromData(png, "PNG").convertToFormat(QImage::Format_ARGB32),
            trimmedToVisible(designAlone(canvas().size(), engine.entryPoints()), 4));
  // A pasted transparent picture lies on white.
  QImage cutOut(12, 8, QImage::Format_ARGB32);
  cutOut.fill(Qt::transparent);
  cutOut.setPixel(3, 4, qRgba(200, 10, 20, 255));
  QApplication::clipboard()->setImage(cutOut);
  run("mnuEditPaste");
  ASSERT_EQ(canvas().size(), QSize(12, 8));
  EXPECT_EQ(canvas().pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(canvas().pixelColor(3, 4), QColor(200, 10, 20));
}

TEST_F(WebOutputTest, CopiesAreDrawnAnewButNotForAShapeAndTheElementOffersThem) {
  const auto exportAlsoDenser = [](QDialog& dialog) {
    static_cast<WebExportDialog&>(dialog).denserBox->setChecked(true);
    pressOk(dialog);
  };
  textBox()->setText(u"A&B\n  C"_s);
  window->draw();
  const QSize canvasSize = canvas().size();
  const QImage windowDesign = designAlone(canvasSize, engine.entryPoints());
  seam->modalAnswers.push_back(exportAlsoDenser);
  seam->modalAnswers.push_back([](QDialog& dialog) {
    QTest::mouseClick(static_cast<ImageElementDialog&>(dialog).copyButton, Qt::LeftButton);
  });
  run("mnuFileExportWeb", path("outputs/my title"));
  ASSERT_TRUE(seam->messages.empty()) << seam->messages[0].text.toStdString();

  const QImage one(path("outputs/my title.png"));
  ASSERT_FALSE(one.isNull());
  for (const int scale : {2, 3}) {
    const QImage dense(path("outputs/my title@%1x.png").arg(scale));
    ASSERT_EQ(dense.size(), one.size() * scale) << scale;
    const double difference = shrunkDifference(one, dense, scale);
    EXPECT_GT(difference, 0.5) << scale;  // drawn anew, not enlarged pixels
    EXPECT_LT(difference, 15) << scale;   // the engraving fades over fixed pixels
  }
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("<img src=\"my%20title.png\" srcset=\"my%20title@2x.png 2x, "
                           "my%20title@3x.png 3x\" width=\"%1\" height=\"%2\" alt=\"A&amp;B C\">")
                .arg(one.width())
                .arg(one.height()));
  EXPECT_EQ(QDir(path("outputs")).entryList(QDir::Files).size(), 3);
  EXPECT_TRUE(rememberedWebExportChoice().alsoDenser);
  EXPECT_EQ(designAlone(canvasSize, engine.entryPoints()), windowDesign);
  // A design with a shape or a picture: the box shows unticked and greyed,
  // with the reason under it; the choice made for text stays remembered.
  const struct {
    SourceKind kind;
    const char* name;
    const char* reason;
  } refusals[] = {{SourceKind::Shape, "shape", "A shape is drawn"},
                  {SourceKind::Picture, "picture", "A picture cut out of a photo"}};
  int files = 3;
  for (const auto& refusal : refusals) {
    SCOPED_TRACE(refusal.name);
    design().kindSettings[refusal.kind].available = true;
    seam->modalAnswers.push_back([&](QDialog& shown) {
      auto& dialog = static_cast<WebExportDialog&>(shown);
      EXPECT_FALSE(dialog.denserBox->isChecked());
      EXPECT_FALSE(dialog.denserBox->isEnabled());
      EXPECT_FALSE(dialog.denserRefusal->isHidden());
      EXPECT_TRUE(dialog.denserRefusal->text().startsWith(QLatin1String(refusal.reason)))
          << dialog.denserRefusal->text().toStdString();
      dialog.denserBox->setChecked(true);  // a script can tick it; nothing follows
      pressOk(dialog);
    });
    run("mnuFileExportWeb", path("outputs/%1").arg(refusal.name));
    EXPECT_TRUE(QFile::exists(path("outputs/%1.png").arg(refusal.name)));
    EXPECT_EQ(QDir(path("outputs")).entryList(QDir::Files).size(), ++files);
    EXPECT_TRUE(rememberedWebExportChoice().alsoDenser);
  }
}
