// Export for the web "also at 2x and 3x": copies drawn anew at each density
// beside the picture, and the HTML element that offers them.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "empty_layers.h"
#include "main_window/source_frame.h"
#include "main_window_fixture.h"
#include "output/image_element_dialog.h"
#include "output/web_export_dialog.h"
#include "output/web_export_memory.h"
#include "state/design_state.h"
#include "state/stored_layers.h"

namespace {

void exportAlsoDenser(QDialog& dialog) {
  auto& exportDialog = static_cast<WebExportDialog&>(dialog);
  exportDialog.denserBox->setChecked(true);
  QTest::mouseClick(exportDialog.buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

QString copiedElement;

void copyElement(QDialog& dialog) {
  auto& element = static_cast<ImageElementDialog&>(dialog);
  QTest::mouseClick(element.copyButton, Qt::LeftButton);
  copiedElement = QGuiApplication::clipboard()->text();
}

// Mean absolute difference per channel, alpha included, of `small` and
// `dense` shrunk by `scale` with a box filter.
double shrunkDifference(const QImage& small, const QImage& dense, int scale) {
  double sum = 0;
  for (int y = 0; y < small.height(); ++y)
    for (int x = 0; x < small.width(); ++x) {
      int channels[4] = {};
      for (int d = 0; d < scale * scale; ++d) {
        const QRgb p = dense.pixel(x * scale + d % scale, y * scale + d / scale);
        const int alpha = qAlpha(p);  // laid over white, as a page shows it
        channels[0] += (qRed(p) * alpha + 255 * (255 - alpha)) / 255;
        channels[1] += (qGreen(p) * alpha + 255 * (255 - alpha)) / 255;
        channels[2] += (qBlue(p) * alpha + 255 * (255 - alpha)) / 255;
      }
      const QRgb p = small.pixel(x, y);
      const int alpha = qAlpha(p);
      const int own[3] = {(qRed(p) * alpha + 255 * (255 - alpha)) / 255,
                          (qGreen(p) * alpha + 255 * (255 - alpha)) / 255,
                          (qBlue(p) * alpha + 255 * (255 - alpha)) / 255};
      for (int c = 0; c < 3; ++c) sum += std::abs(own[c] - channels[c] / (scale * scale));
    }
  return sum / (3.0 * small.width() * small.height());
}

}  // namespace

class DenserExportTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    QDir(folder.path()).mkpath(QStringLiteral("outputs"));
    emptyEveryLayer(engine.entryPoints());
  }

  QString path(const char* relative) { return folder.filePath(QLatin1String(relative)); }
};

TEST_F(DenserExportTest, CopiesAreDrawnAnewAndTheElementOffersThem) {
  window->findChild<SourceFrame*>()->textBox()->setText(QStringLiteral("A&B"));
  window->draw();
  const QSize canvasSize = window->canvasView()->picture().size();
  const QImage windowDesign = designAlone(canvasSize, engine.entryPoints());
  seam->modalAnswers.push_back(exportAlsoDenser);
  seam->modalAnswers.push_back(copyElement);
  seam->fileAnswers.push_back(path("outputs/my title"));
  window->menuEntry(QStringLiteral("mnuFileExportWeb"))->trigger();
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
  EXPECT_EQ(copiedElement,
            QStringLiteral("<img src=\"my%20title.png\" srcset=\"my%20title@2x.png 2x, "
                           "my%20title@3x.png 3x\" width=\"%1\" height=\"%2\" alt=\"A&amp;B\">")
                .arg(one.width())
                .arg(one.height()));
  EXPECT_EQ(QDir(path("outputs")).entryList(QDir::Files).size(), 3);
  EXPECT_TRUE(rememberedWebExportChoice().alsoDenser);
  // The window's own design stays as it was drawn.
  EXPECT_EQ(designAlone(canvasSize, engine.entryPoints()), windowDesign);
}

TEST_F(DenserExportTest, ADesignWithAShapeIsNotDrawnAnew) {
  window->draw();
  design().kindSettings[SourceKind::Shape].available = true;
  bool offered = true;
  seam->modalAnswers.push_back([&offered](QDialog& dialog) {
    auto& exportDialog = static_cast<WebExportDialog&>(dialog);
    offered = exportDialog.denserBox->isEnabled();
    exportDialog.denserBox->setChecked(true);
    QTest::mouseClick(exportDialog.buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  seam->fileAnswers.push_back(path("outputs/shape"));
  window->menuEntry(QStringLiteral("mnuFileExportWeb"))->trigger();
  EXPECT_FALSE(offered);
  EXPECT_EQ(QDir(path("outputs")).entryList(QDir::Files), QStringList{QStringLiteral("shape.png")});
}
