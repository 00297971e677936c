#include "design/style_json.h"
#include "main_window/style_gallery.h"
#include "main_window_fixture.h"

class StylesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    loadDefaultCurve();
    copyFiles(QStringLiteral(SHIPPED_STYLES), "styles",
              {"gold.vstyle", "glow-on-dark.vstyle", "steel.vstyle"});
  }

  QString styles() const { return path("styles"); }
};

TEST_F(StylesTest, SaveWritesTheCurrentSettingsWhichTheStylesMenuListsWithThePresets) {
  run("mnuFileSaveStyle");  // cancelled: nothing written
  EXPECT_EQ(QDir(styles()).entryList(QDir::Files).size(), 3);
  stackEffects({EffectType::Glow});
  const QString path = styles() + u"/Neon.vstyle"_s;
  run("mnuFileSaveStyle", path);
  ASSERT_EQ(seam->saveRequests.size(), 2u);
  EXPECT_EQ(seam->saveRequests[1].folder, styles());
  EXPECT_EQ(seam->saveRequests[1].filter, u"Velloro styles (*.vstyle)"_s);
  const QByteArray document = contentOf(path);
  EXPECT_EQ(styleName(document), u"Neon"_s);
  const Style saved = readStyle(document, Style{});
  EXPECT_EQ(saved, window->currentStyle());
  ASSERT_EQ(saved.effects.size(), 1u);
  EXPECT_EQ(saved.effects[0].type, EffectType::Glow);
  EXPECT_TRUE(seam->messages.empty());
  QStringList shown;
  for (QAction* entry : openedMenu("mnuFileStyles")) shown << entry->text();
  EXPECT_EQ(shown, (QStringList{u"Glow on dark"_s, u"Gold"_s, u"Neon"_s, u"Steel"_s}));
  openedMenu("mnuFileStyles")[1]->trigger();
  EXPECT_EQ(design().model.style().material, Material::Gold);
}

// A fill kind ticked by hand gives way to the preset's, loaded through Load
// Style or chosen in the Styles menu: one kind stays ticked, the curve axis
// keeps its own button, and the title drawn is what the command line draws.
TEST_F(StylesTest, APresetReplacesTheFillKindTickedByHandAndDrawsAsTheCommandLine) {
  TabPanels& panels = *window->panels();
  const auto ticked = [](const std::array<QRadioButton*, 3>& buttons) {
    QList<int> on;
    for (size_t i = 0; i < buttons.size(); ++i)
      if (buttons[i]->isChecked()) on << int(i);
    return on;
  };
  const std::pair<const char*, const char*> presets[] = {
      {"Gold", "gold.vstyle"}, {"Steel", "steel.vstyle"}, {"Glow on dark", "glow-on-dark.vstyle"}};
  for (const auto& [name, file] : presets) {
    const QString presetPath = styles() + u'/' + QLatin1String(file);
    for (const int byHand : {1, 2}) {
      SCOPED_TRACE(std::string(name) + " after fill kind " + std::to_string(byHand));
      QRadioButton* kind = panels.inside().fillSourceButtons()[size_t(byHand)];
      QTest::mouseClick(kind, Qt::LeftButton, {}, QPoint(6, kind->height() / 2));
      ASSERT_EQ(ticked(panels.inside().fillSourceButtons()), QList<int>{byHand});
      const Style before = window->currentStyle();
      if (byHand == 1) {
        run("mnuFileLoadStyle", presetPath);
      } else {
        const QList<QAction*> entries = openedMenu("mnuFileStyles");
        const auto entry = std::ranges::find(entries, QLatin1String(name), &QAction::text);
        ASSERT_NE(entry, entries.end());
        (*entry)->trigger();
      }
      for (const Message& shown : seam->messages)
        ASSERT_EQ(shown.icon, MessageIcon::Information) << shown.text.toStdString();
      EXPECT_EQ(window->currentStyle(), readStyleFile(presetPath, before));
      const Style preset = readStyleFile(presetPath, Style{});
      EXPECT_EQ(ticked(panels.inside().fillSourceButtons()), QList<int>{int(preset.fillKind)});
      EXPECT_EQ(ticked(panels.inside().curveAxisButtons()),
                QList<int>{velloro::toInt(preset.curveAxis)});
      EXPECT_NE(design().model.style().fillKind, FillKind::Gradient);
    }
    EXPECT_EQ(drawnPng(), rendered({u"--text"_s, u"Velloro"_s, u"--style"_s, presetPath,
                                    u"--canvas"_s, u"631x331"_s}));
  }
}

TEST_F(StylesTest, LoadingSetsTheControlsThatASourceSwitchKeeps) {
  window->fontSizeBox()->setEditText(u"48"_s);
  emit window->fontSizeBox()->lineEdit()->editingFinished();
  const QString family = window->fontNameBox()->currentText();
  window->panels()->deformation().buttons()[1]->setChecked(true);
  window->panels()->deformation().amountSlider()->setValue(10);
  run("mnuFileLoadStyle", styles() + u"/glow-on-dark.vstyle"_s);
  EXPECT_EQ(window->panels()->outside().effectList()->currentRow(), 0);  // the loaded top entry
  EXPECT_EQ(design().model.style().effects.back().type, EffectType::Glow);
  EXPECT_EQ(window->panels()->outside().outlineSlider()->Value(), 40);
  EXPECT_TRUE(window->panels()->inside().curveAxisButtons()[2]->isChecked());
  EXPECT_EQ(design().textPicture.font.pointSizeF(), 48);
  EXPECT_EQ(window->fontNameBox()->currentText(), family);
  EXPECT_EQ(window->panels()->deformation().valueLabel()->text(), u"0 °"_s);
  EXPECT_EQ(onlyMessage().text.toStdString(),
            "The style \"Glow on dark\" draws a light title, which hardly shows on this light "
            "canvas: try it on a dark one (File > New, Open or Paste).");
  const Style loaded = window->currentStyle();
  window->selectSource(SourceKind::Shape, Qt::LeftButton);
  EXPECT_TRUE(design().model.style().effects.empty());
  window->selectSource(SourceKind::Text, Qt::LeftButton);
  EXPECT_EQ(window->currentStyle(), loaded);
}

TEST_F(StylesTest, RefusedStyleIsNamedAndChangesNothing) {
  const QString path = styles() + u"/bad.vstyle"_s;
  writeContent(path, R"({"format": "Velloro style", "version": 1, "material": 7,
                         "fill": {"kind": "texture", "texture": "nowhere.bmp"}})");
  const Style before = window->currentStyle();
  run("mnuFileLoadStyle", path);
  EXPECT_EQ(onlyMessage().text.toStdString(),
            "Cannot load the style \"bad.vstyle\": \"fill.texture\" names no texture file: "
            "nowhere.bmp");
  EXPECT_EQ(onlyMessage().icon, MessageIcon::Exclamation);
  EXPECT_EQ(window->currentStyle(), before);
}

// How much bluer than red the pixels a thumbnail covers are, on average.
static double blueOverRed(const QIcon& icon) {
  const QImage picture = icon.pixmap(StyleGallery::thumbnailSize()).toImage();
  double sum = 0;
  int covered = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (const QRgb p = picture.pixel(x, y); qAlpha(p) >= 128) {
        sum += qBlue(p) - qRed(p);
        ++covered;
      }
  return sum / std::max(covered, 1);
}

TEST_F(MainWindowTest, EachReadableStyleGetsItsTitleAsThumbnail) {
  copyFiles(QStringLiteral(SHIPPED_STYLES), "styles", {"gold.vstyle", "engraved-blue.vstyle"});
  writeContent(path("styles/broken.vstyle"), "{\"format\": ");
  textBox()->setText(u"Hi"_s);
  window->draw();
  const QSize canvasSize = canvas().size();
  const QImage windowDesign = designAlone(canvasSize, engine.entryPoints());

  QList<QAction*> entries = openedMenu("mnuFileStyles");
  ASSERT_EQ(entries.size(), 3);
  window->styleGallery()->waitForThumbnails();
  EXPECT_EQ(entries[0]->text(), u"broken"_s);
  EXPECT_TRUE(entries[0]->icon().isNull());
  EXPECT_GT(blueOverRed(entries[1]->icon()), 40);   // "Engraved blue"
  EXPECT_LT(blueOverRed(entries[2]->icon()), -40);  // "Gold"
  EXPECT_EQ(designAlone(canvasSize, engine.entryPoints()), windowDesign);

  // Drawn before, the thumbnails come with the menu.
  entries = openedMenu("mnuFileStyles");
  EXPECT_FALSE(entries[1]->icon().isNull());
  EXPECT_FALSE(entries[2]->icon().isNull());
}
