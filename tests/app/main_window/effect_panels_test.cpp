#include <QLabel>
#include <QListWidget>
#include <QRadioButton>

#include "main_window/panel_pictures.h"
#include "main_window_fixture.h"
#include "state/curve_file.h"
#include "state/design_state.h"
#include "state/render_pipeline.h"
#include "test_files.h"

namespace {

Rgb rgb(const QColor& colour) { return {colour.red(), colour.green(), colour.blue()}; }

}  // namespace

class EffectPanelsTest : public MainWindowTest {
 protected:
  void chooseEffect(EffectType effect) {
    window->panels()->effectList()->setCurrentRow(velloro::toInt(effect));
    window->effectListClicked();
  }
  velloro::ActionArguments arguments() const {
    return engineArguments(design(), window->panelReadings(), {});
  }
  QString curves() const { return folder.filePath(QStringLiteral("curves")); }
  // The fill colour the palette gives at one of its pixels.
  Rgb pressFillPalette(QPoint at) {
    window->fillPalettePressed(Qt::LeftButton, at);
    return rgb(window->panels()->fillPalette()->picture().pixelColor(at));
  }
};

TEST_F(EffectPanelsTest, Outline1AndGlowEachKeepTheirWidthAndColour) {
  chooseEffect(EffectType::Outline1);
  window->panels()->outlineSlider()->setValue(40);
  seam->colourAnswers.push_back(Qt::red);
  window->outlineButtonClicked();
  chooseEffect(EffectType::Glow);
  EXPECT_EQ(window->panels()->outlineSlider()->Value(), 20);
  EXPECT_EQ(window->panels()->outlineCaption()->text(), QStringLiteral("G. width :"));
  EXPECT_EQ(window->panels()->outlineValueLabel()->text(), QStringLiteral("20 %"));
  EXPECT_EQ(window->panels()->outlineButtonColour(), QColor(0, 255, 0));
  EXPECT_EQ(arguments().effectValue1, 0);
  EXPECT_EQ(arguments().effectValue2, 255);

  chooseEffect(EffectType::Outline1);
  EXPECT_EQ(window->panels()->outlineCaption()->text(), QStringLiteral("O. width :"));
  EXPECT_EQ(window->panels()->outlineButtonColour(), QColor(Qt::red));
  const velloro::ActionArguments a = arguments();
  EXPECT_EQ(a.effectType, EffectType::Outline1);
  EXPECT_EQ(a.effectAmount, 40);
  EXPECT_EQ((Rgb{a.effectValue1, a.effectValue2, a.effectValue3}), (Rgb{255, 0, 0}));
  EXPECT_EQ(design().glowColour, (Rgb{0, 255, 0}));
}

TEST_F(EffectPanelsTest, ShadowLabelsFollowTheShadowChosen) {
  chooseEffect(EffectType::CastShadow);
  EXPECT_EQ(window->panels()->shadowCaptions()[1]->text(), QStringLiteral("S. height :"));
  EXPECT_EQ(window->panels()->shadowValueLabel(3)->text(),
            QStringLiteral("25 °"));  // orientation 7
  window->panels()->shadowSlider(3)->setValue(100);
  EXPECT_EQ(window->panels()->shadowValueLabel(3)->text(), QStringLiteral("360 °"));
  chooseEffect(EffectType::DropShadow);
  EXPECT_EQ(window->panels()->shadowCaptions()[2]->text(), QStringLiteral("S. offset Y :"));
  EXPECT_EQ(window->panels()->shadowValueLabel(3)->text(), QStringLiteral("+ 5"));
  EXPECT_TRUE(window->panels()->shadowFrame()->isVisibleTo(window->panels()->panelFrames()[2]));
  chooseEffect(EffectType::CastShadow);
  EXPECT_EQ(arguments().effectValue2, 100);  // orientation
}

TEST_F(EffectPanelsTest, ReleasingAnEffectSliderWithNoContourWarnsButNotTheOpacity) {
  chooseEffect(EffectType::NoContour);
  window->shadowSliderReleased(1);
  EXPECT_TRUE(seam->messages.empty());
  window->shadowSliderReleased(2);
  window->outlineSliderReleased();
  window->engravedSliderReleased();
  ASSERT_EQ(seam->messages.size(), 3u);
  for (const Message& shown : seam->messages) {
    EXPECT_EQ(shown.text, QStringLiteral(" \"No contour\" selected !"));
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  }
}

TEST_F(EffectPanelsTest, PaletteAndColourDialogSetTheFillColourCancelKeepsIt) {
  const Rgb picked = pressFillPalette({10, 12});
  EXPECT_EQ(design().fillColour, picked);
  EXPECT_EQ(design().kindSettings[SourceKind::Text].fillColour, picked);
  window->fillPaletteMoved(Qt::NoButton, {80, 3});
  window->fillPaletteMoved(Qt::LeftButton, {500, 3});  // off the palette
  EXPECT_EQ(design().fillColour, picked);
  window->insideCommandClicked(0);  // cancelled
  EXPECT_EQ(design().fillColour, picked);
  seam->colourAnswers.push_back(QColor(1, 2, 3));
  window->insideCommandClicked(0);
  const velloro::ActionArguments a = arguments();
  EXPECT_EQ((Rgb{a.fillRed, a.fillGreen, a.fillBlue}), (Rgb{1, 2, 3}));
}

TEST_F(EffectPanelsTest, GoldThenMaterial2BringsBackTheOwnColourAndCurve) {
  const Rgb own = pressFillPalette({10, 12});
  design().curve.y = {0, 10, 20, 30, 40, 50, 60, 0};
  const CurvePoints ownCurve = design().curve;
  window->curveAxisClicked(CurveAxis::CentreToEdge);
  window->selectMaterial(Material::Gold, 10);
  EXPECT_EQ(design().fillColour, (Rgb{204, 177, 24}));
  EXPECT_EQ(design().curve, readCurveFile(curves() + QStringLiteral("/gold.txt"), *seam));
  EXPECT_TRUE(window->panels()->curveAxisButtons()[1]->isChecked());
  EXPECT_EQ(velloro::toInt(arguments().material), 7);

  window->selectMaterial(Material::BevelHighlight, 10);
  EXPECT_EQ(design().fillColour, own);
  EXPECT_EQ(design().curve, ownCurve);
  EXPECT_EQ(design().curveAxis, CurveAxis::CentreToEdge);
  EXPECT_TRUE(window->panels()->curveAxisButtons()[2]->isChecked());
  EXPECT_EQ(window->panels()->materialPictures()[7]->picture(), materialThumbnail(7, {52, 52}));
  EXPECT_NE(window->panels()->materialPictures()[2]->picture(), materialThumbnail(2, {52, 52}));
}

TEST_F(EffectPanelsTest, EachKindKeepsItsOwnFillColourAcrossSwitchesEvenInGold) {
  const Rgb own = pressFillPalette({10, 12});
  window->selectMaterial(Material::Gold, 10);
  window->selectSource(SourceKind::Shape, Qt::RightButton);
  EXPECT_EQ(design().fillColour, (Rgb{0, 0, 200}));
  window->selectSource(SourceKind::Text, Qt::RightButton);
  EXPECT_EQ(design().material, Material::Gold);
  EXPECT_EQ(design().fillColour, (Rgb{204, 177, 24}));
  window->selectMaterial(Material::Profile, 10);
  EXPECT_EQ(design().fillColour, own);
}

TEST_F(EffectPanelsTest, LoadTextureFillsTheBufferAndThePreview) {
  QImage tile(10, 10, QImage::Format_RGB888);
  tile.fill(Qt::yellow);
  tile.setPixelColor(5, 5, Qt::red);
  const QString path = folder.filePath(QStringLiteral("tile.bmp"));
  ASSERT_TRUE(tile.save(path));
  seam->fileAnswers.push_back(path);
  window->insideCommandClicked(1);
  const FileDialogRequest& asked = seam->openRequests.at(0);
  EXPECT_EQ(asked.title, QStringLiteral("Textures"));
  EXPECT_EQ(asked.folder, folder.filePath(QStringLiteral("textures")));
  EXPECT_TRUE(asked.fileName.isEmpty());
  EXPECT_TRUE(static_cast<bool>(asked.preview));
  EXPECT_EQ(design().textureNames[SourceKind::Text], path);
  EXPECT_EQ(design().geometry.textureRows, 10);
  EXPECT_EQ(design().geometry.textureStride, 32);
  EXPECT_EQ(design().texturePicture.size(), QSize(10, 10));
  EXPECT_EQ(window->panels()->fillPreviews()[1]->picture().pixelColor(25, 15), QColor(Qt::red));
  EXPECT_TRUE(seam->messages.empty());
}

TEST_F(EffectPanelsTest, MissingOrUnreadableTextureKeepsTheOneChosenBefore) {
  const QString kept = folder.filePath(QStringLiteral("kept.bmp"));
  design().textureNames[SourceKind::Shape] =
      kept;  // another kind's texture is where the dialog starts
  seam->fileAnswers.push_back(folder.filePath(QStringLiteral("gone.bmp")));
  window->insideCommandClicked(1);
  EXPECT_EQ(seam->openRequests.at(0).folder, folder.path());
  EXPECT_EQ(seam->openRequests.at(0).fileName, QStringLiteral("kept.bmp"));
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text, QStringLiteral("File not found !"));
  EXPECT_EQ(seam->messages[0].icon, MessageIcon::Exclamation);

  const QString broken = folder.filePath(QStringLiteral("broken.bmp"));
  writeContent(broken, "BM not a picture");
  seam->fileAnswers.push_back(broken);
  window->insideCommandClicked(1);
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_TRUE(seam->messages[1].text.startsWith(QStringLiteral("error number : 50003/104\r\n")));
  EXPECT_TRUE(design().textureNames[SourceKind::Text].isEmpty());
  EXPECT_TRUE(design().buffers.texture.isEmpty());
}

TEST_F(EffectPanelsTest, PatternAxisAndDeformationReachTheRender) {
  window->surfacePatternClicked(SurfacePatternType::Ripples);
  window->curveAxisClicked(CurveAxis::LeftToRight);
  window->panels()->deformationButtons()[2]->setChecked(true);
  window->deformationClicked();
  EXPECT_EQ(window->panels()->deformValueLabel()->text(), QStringLiteral("-180 °"));
  window->panels()->deformSlider()->setValue(49);
  EXPECT_EQ(window->panels()->deformValueLabel()->text(), QStringLiteral("0 °"));
  window->panels()->deformationButtons()[0]->setChecked(true);
  window->panels()->deformSlider()->setValue(80);
  EXPECT_EQ(window->panels()->deformValueLabel()->text(), QStringLiteral("0 °"));
  const velloro::ActionArguments a = arguments();
  EXPECT_EQ(velloro::toInt(a.surfacePattern), 3);
  EXPECT_EQ(velloro::toInt(a.curveAxis), 1);
  EXPECT_EQ(a.deformationAmount, 80);
}
