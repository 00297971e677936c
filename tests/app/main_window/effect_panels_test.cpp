#include "design/outside_effects.h"
#include "main_window/panel_pictures.h"
#include "main_window_fixture.h"

class EffectPanelsTest : public MainWindowTest {
 protected:
  TabPanels& panels() const { return *window->panels(); }
  velloro::ActionArguments arguments() const {
    return engineArguments(design(), RenderMeasures{}, {});
  }
  void chooseMaterial(Material material) {
    emit panels().edge().materialPictures()[velloro::toInt(material)]->mousePressed(
        Qt::LeftButton, Qt::LeftButton, QPoint(5, 10));
  }
  // The captions the effect's declaration gives its sliders.
  static QString widthCaption(EffectType type) {
    return QLatin1String(outsideEffect(type).widthCaption);
  }
  static QString shadowCaption(EffectType type, bool ofThirdSlider = false) {
    const ShadowLabels labels = shadowLabels(2, 0, outsideEffect(type)).value();
    const std::optional<QString>& caption = ofThirdSlider ? labels.second : labels.first;
    return caption.value_or(QString());
  }
};

TEST_F(EffectPanelsTest, EachEntryKeepsItsWidthAndColourShadowLabelsFollowTheShadow) {
  stackEffects({EffectType::Outline1, EffectType::Glow});  // the glow on top, in row 0
  OutsidePanel& outside = panels().outside();
  panels().tabStrip()->setCurrentIndex(2);
  outside.effectList()->setCurrentRow(1);
  outside.outlineSlider()->setValue(40);
  seam->colourAnswers.push_back(Qt::red);
  outside.outlineColourButton()->click();
  outside.effectList()->setCurrentRow(0);
  EXPECT_EQ(outside.outlineSlider()->Value(), 20);
  EXPECT_EQ(outside.outlineCaption()->text(), widthCaption(EffectType::Glow));
  EXPECT_EQ(outside.outlineValueLabel()->text(), u"20 %"_s);
  EXPECT_EQ(outside.outlineButtonColour(), QColor(0, 255, 0));
  EXPECT_EQ(arguments().effectValue1, 0);
  EXPECT_EQ(arguments().effectValue2, 255);

  outside.effectList()->setCurrentRow(1);
  EXPECT_EQ(outside.outlineCaption()->text(), widthCaption(EffectType::Outline1));
  EXPECT_EQ(outside.outlineButtonColour(), QColor(Qt::red));
  const EffectEntry& outline = design().model.style().effects[0];
  EXPECT_EQ(outline.type, EffectType::Outline1);
  EXPECT_EQ(outline.values[0], 40);
  EXPECT_EQ(entryRgb(outline), (Rgb{255, 0, 0}));
  EXPECT_EQ(entryRgb(design().model.style().effects[1]), (Rgb{0, 255, 0}));

  stackEffects({EffectType::CastShadow});
  EXPECT_EQ(panels().outside().shadowCaptions()[1]->text(), shadowCaption(EffectType::CastShadow));
  EXPECT_EQ(panels().outside().shadowValueLabel(3)->text(), u"25 °"_s);  // orientation 7
  panels().outside().shadowSlider(3)->setValue(100);
  EXPECT_EQ(panels().outside().shadowValueLabel(3)->text(), u"360 °"_s);
  EXPECT_EQ(arguments().effectValue2, 100);  // orientation
  stackEffects({EffectType::DropShadow});
  EXPECT_EQ(panels().outside().shadowCaptions()[2]->text(),
            shadowCaption(EffectType::DropShadow, true));
  EXPECT_EQ(panels().outside().shadowValueLabel(3)->text(), u"+ 5"_s);
  EXPECT_TRUE(panels().outside().shadowFrame()->isVisibleTo(panels().panelFrames()[2]));
}

TEST_F(EffectPanelsTest, PaletteOrColourDialogSetTheOwnColourThatGoldThenMaterial2BringsBack) {
  QTest::mouseClick(panels().inside().fillPalette(), Qt::LeftButton, {}, {10, 12});
  const QColor picked = panels().inside().fillPalette()->picture().pixelColor(10, 12);
  const Rgb own{picked.red(), picked.green(), picked.blue()};
  EXPECT_EQ(fillRgb(design().model.style()), own);
  EXPECT_EQ(design().kindSettings[SourceKind::Text].fillColour, own);
  emit panels().inside().fillPalette()->mouseMoved(Qt::NoButton, {80, 3});
  emit panels().inside().fillPalette()->mouseMoved(Qt::LeftButton, {500, 3});  // off the palette
  panels().inside().fillButtons()[0]->click();                                 // cancelled
  EXPECT_EQ(fillRgb(design().model.style()), own);
  design().model.set(Setting::CurveValues, CurveList{10, 20, 30, 40, 50, 60});
  const CurvePoints ownCurve = curvePoints(design().model.style());
  panels().inside().curveAxisButtons()[2]->click();
  chooseMaterial(Material::Gold);
  EXPECT_EQ(fillRgb(design().model.style()), (Rgb{204, 177, 24}));
  EXPECT_EQ(curvePoints(design().model.style()), readCurveFile(path("curves/gold.txt"), *seam));
  EXPECT_TRUE(panels().inside().curveAxisButtons()[1]->isChecked());
  EXPECT_EQ(velloro::toInt(arguments().material), 7);

  chooseMaterial(Material::BevelHighlight);
  EXPECT_EQ(fillRgb(design().model.style()), own);
  EXPECT_EQ(curvePoints(design().model.style()), ownCurve);
  EXPECT_EQ(design().model.style().curveAxis, CurveAxis::CentreToEdge);
  EXPECT_TRUE(panels().inside().curveAxisButtons()[2]->isChecked());
  EXPECT_EQ(panels().edge().materialPictures()[7]->picture(), materialThumbnail(7, {52, 52}));
  EXPECT_NE(panels().edge().materialPictures()[2]->picture(), materialThumbnail(2, {52, 52}));

  // Each kind keeps its own fill colour across switches, even in gold.
  chooseMaterial(Material::Gold);
  window->selectSource(SourceKind::Shape, Qt::RightButton);
  EXPECT_EQ(fillRgb(design().model.style()), (Rgb{0, 0, 200}));
  window->selectSource(SourceKind::Text, Qt::RightButton);
  EXPECT_EQ(design().model.style().material, Material::Gold);
  EXPECT_EQ(fillRgb(design().model.style()), (Rgb{204, 177, 24}));
  chooseMaterial(Material::Profile);
  EXPECT_EQ(fillRgb(design().model.style()), own);
  seam->colourAnswers.push_back(QColor(1, 2, 3));
  panels().inside().fillButtons()[0]->click();
  const velloro::ActionArguments a = arguments();
  EXPECT_EQ((Rgb{a.fillRed, a.fillGreen, a.fillBlue}), (Rgb{1, 2, 3}));
}

TEST_F(EffectPanelsTest, LoadTextureRefusesWhatItCannotReadAndFillsThePreview) {
  seam->fileAnswers.push_back(path("gone.bmp"));
  panels().inside().fillButtons()[1]->click();
  const FileDialogRequest& asked = seam->openRequests.at(0);
  EXPECT_EQ(asked.title, u"Textures"_s);
  EXPECT_EQ(asked.folder, path("textures"));
  EXPECT_TRUE(asked.fileName.isEmpty());
  EXPECT_TRUE(static_cast<bool>(asked.preview));
  EXPECT_EQ(onlyMessage().text, u"File not found !"_s);
  EXPECT_EQ(onlyMessage().icon, MessageIcon::Exclamation);

  design().textureNames[SourceKind::Shape] = path("kept.bmp");
  writeContent(path("broken.bmp"), "BM not a picture");
  seam->fileAnswers.push_back(path("broken.bmp"));
  panels().inside().fillButtons()[1]->click();
  EXPECT_EQ(seam->openRequests.at(1).folder, folder.path());
  EXPECT_EQ(seam->openRequests.at(1).fileName, u"kept.bmp"_s);
  ASSERT_EQ(seam->messages.size(), 2u);
  EXPECT_TRUE(seam->messages[1].text.startsWith(u"error number : 50003/104\r\n"_s));
  EXPECT_TRUE(design().textureNames[SourceKind::Text].isEmpty());
  EXPECT_TRUE(design().buffers.texture.isEmpty());

  QImage tile = filled({10, 10}, Qt::yellow);
  tile.setPixelColor(5, 5, Qt::red);
  ASSERT_TRUE(tile.save(path("tile.bmp")));
  seam->fileAnswers.push_back(path("tile.bmp"));
  panels().inside().fillButtons()[1]->click();
  EXPECT_EQ(design().textureNames[SourceKind::Text], path("tile.bmp"));
  EXPECT_EQ(design().geometry.textureRows, 10);
  EXPECT_EQ(design().geometry.textureStride, 32);
  EXPECT_EQ(panels().inside().fillPreviews()[1]->picture().pixelColor(25, 15), QColor(Qt::red));
  EXPECT_EQ(seam->messages.size(), 2u);
}

TEST_F(EffectPanelsTest, NoContourWarnsOnEffectSlidersPatternAxisAndDeformationReachTheRender) {
  stackEffects({});  // "No contour"
  emit panels().outside().shadowSlider(1)->released();
  EXPECT_TRUE(seam->messages.empty());
  for (TrackSlider* slider :
       {panels().outside().shadowSlider(2), panels().outside().outlineSlider(),
        panels().outside().engravedSlider()})
    emit slider->released();
  ASSERT_EQ(seam->messages.size(), 3u);
  for (const Message& shown : seam->messages) {
    EXPECT_EQ(shown.text, u" \"No contour\" selected !"_s);
    EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  }
  QTest::mouseClick(panels().inside().patternPictures()[3], Qt::LeftButton, {}, QPoint(5, 5));
  panels().inside().curveAxisButtons()[1]->click();
  panels().tabStrip()->setCurrentIndex(3);
  panels().deformation().buttons()[2]->click();
  EXPECT_EQ(panels().deformation().valueLabel()->text(), u"-180 °"_s);
  panels().deformation().buttons()[0]->setChecked(true);
  panels().deformation().amountSlider()->setValue(80);
  EXPECT_EQ(panels().deformation().valueLabel()->text(), u"0 °"_s);
  const velloro::ActionArguments a = arguments();
  EXPECT_EQ(velloro::toInt(a.surfacePattern), 3);
  EXPECT_EQ(velloro::toInt(a.curveAxis), 1);
  EXPECT_EQ(a.deformationAmount, 80);
}
