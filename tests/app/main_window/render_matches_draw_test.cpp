// "Draw it !" in the window and `Velloro --render` with the same settings
// give the same picture, to the byte.
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "headless/picture_output.h"
#include "headless/render_run.h"
#include "main_window/text_layout_controls.h"
#include "main_window_fixture.h"
#include "state/curve_file.h"
#include "state/design_state.h"
#include "test_files.h"

class RenderMatchesDrawTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    // A fresh start loads the default curve, as the command line does.
    ASSERT_TRUE(loadCurve(design().curve, QStringLiteral("default.txt"),
                          folder.filePath(QStringLiteral("curves")), *seam));
  }

  QByteArray rendered(QStringList arguments) {
    const QString path = folder.filePath(QStringLiteral("rendered.png"));
    arguments << QStringLiteral("-o") << path;
    arguments.prepend(QStringLiteral("--render"));
    std::FILE* errors = std::tmpfile();
    const int status =
        runRenderCommand(arguments, {folder.path(), QStringLiteral(ENGINE_PATH), stdout, errors});
    std::fclose(errors);
    EXPECT_EQ(status, 0);
    return contentOf(path);
  }

  QByteArray drawn() {
    window->draw();
    EXPECT_TRUE(seam->messages.empty());
    return encodedPicture(window->canvasView()->picture(), QStringLiteral("png"), std::nullopt);
  }
};

TEST_F(RenderMatchesDrawTest, DefaultTitle) {
  const QByteArray picture = drawn();
  ASSERT_FALSE(picture.isEmpty());
  EXPECT_EQ(rendered({QStringLiteral("--text"), QStringLiteral("Velloro"),
                      QStringLiteral("--canvas"), QStringLiteral("631x331")}),
            picture);
}

TEST_F(RenderMatchesDrawTest, OtherSizeEffectAndPlace) {
  window->fontSizeBox()->setEditText(QStringLiteral("40"));
  window->panels()->effectList()->setCurrentRow(7);
  window->effectListClicked();
  window->sourceFrame()->textBox()->setText(QStringLiteral("Contact"));
  design().designFrame.left = 200;
  design().designFrame.top = 120;
  EXPECT_EQ(rendered({QStringLiteral("--text"), QStringLiteral("Contact"), QStringLiteral("--size"),
                      QStringLiteral("40"), QStringLiteral("--effect"), QStringLiteral("glow"),
                      QStringLiteral("--canvas"), QStringLiteral("631x331"), QStringLiteral("--at"),
                      QStringLiteral("200,120")}),
            drawn());
}

TEST_F(RenderMatchesDrawTest, LinesLetterSpacingAndGradient) {
  window->sourceFrame()->textBox()->setText(QStringLiteral("Sunny\nBakery"));
  TextLayoutControls& layout = *window->textLayoutControls();
  layout.show({LineAlignment::Centre, 1.25, 7});
  design().textPicture.arrangement = layout.arrangement();
  design().gradient = {{QColor(0xff, 0x80, 0), QColor(0x20, 0x40, 0xc0)}, 30};
  window->panels()->fillSourceButtons()[2]->setChecked(true);
  EXPECT_EQ(
      rendered(
          {QStringLiteral("--text"), QStringLiteral("Sunny\nBakery"), QStringLiteral("--align"),
           QStringLiteral("centre"), QStringLiteral("--line-spacing"), QStringLiteral("1.25"),
           QStringLiteral("--letter-spacing"), QStringLiteral("7"), QStringLiteral("--gradient"),
           QStringLiteral("#ff8000,#2040c0"), QStringLiteral("--gradient-angle"),
           QStringLiteral("30"), QStringLiteral("--canvas"), QStringLiteral("631x331")}),
      drawn());
}

// `--transparent --trim 4` writes what File > Export for the web writes for
// the same title with its default choice: the cut-out PNG with a margin of 4.
TEST_F(RenderMatchesDrawTest, TransparentTitleIsTheWebExport) {
  window->draw();
  seam->modalAnswers.push_back([](QDialog& dialog) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
  });
  QDir(folder.path()).mkpath(QStringLiteral("outputs"));
  const QString exported = folder.filePath(QStringLiteral("outputs/title.png"));
  seam->fileAnswers.push_back(exported);
  window->menuEntry(QStringLiteral("mnuFileExportWeb"))->trigger();
  ASSERT_TRUE(seam->messages.empty());
  const QByteArray exportedBytes = contentOf(exported);
  ASSERT_FALSE(exportedBytes.isEmpty());
  EXPECT_EQ(
      rendered({QStringLiteral("--text"), QStringLiteral("Velloro"),
                QStringLiteral("--transparent"), QStringLiteral("--trim"), QStringLiteral("4")}),
      exportedBytes);
}
