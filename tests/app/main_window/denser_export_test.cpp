#include <QDialogButtonBox>

#include "main_window_fixture.h"
#include "output/image_element_dialog.h"
#include "output/web_export_dialog.h"
#include "output/web_export_memory.h"
#include "shrunk_difference.h"
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

}  // namespace

using DenserExportTest = MainWindowTest;

TEST_F(DenserExportTest, CopiesAreDrawnAnewButNotForAShapeAndTheElementOffersThem) {
  textBox()->setText(u"A&B"_s);
  window->draw();
  const QSize canvasSize = canvas().size();
  const QImage windowDesign = designAlone(canvasSize, engine.entryPoints());
  seam->modalAnswers.push_back(exportAlsoDenser);
  seam->modalAnswers.push_back(copyElement);
  seam->fileAnswers.push_back(path("outputs/my title"));
  run("mnuFileExportWeb");
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
  EXPECT_EQ(designAlone(canvasSize, engine.entryPoints()), windowDesign);
  design().kindSettings[SourceKind::Shape].available = true;
  seam->modalAnswers.push_back(exportAlsoDenser);  // ticks the box, which stays disabled
  seam->fileAnswers.push_back(path("outputs/shape"));
  run("mnuFileExportWeb");
  EXPECT_TRUE(QFile::exists(path("outputs/shape.png")));
  EXPECT_EQ(QDir(path("outputs")).entryList(QDir::Files).size(), 4);
}
