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

  void loadStyle(const QString& path) {
    seam->fileAnswers.push_back(path);
    run("mnuFileLoadStyle");
  }
};

TEST_F(StylesTest, SaveWritesTheCurrentSettingsWhichTheStylesMenuListsWithThePresets) {
  run("mnuFileSaveStyle");  // cancelled: nothing written
  EXPECT_EQ(QDir(styles()).entryList(QDir::Files).size(), 3);
  window->panels()->effectList()->setCurrentRow(7);
  const QString path = styles() + u"/Neon.vstyle"_s;
  seam->fileAnswers.push_back(path);
  run("mnuFileSaveStyle");
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
  QMenu* menu = window->menu(u"mnuFileStyles"_s);
  emit menu->aboutToShow();
  QStringList shown;
  for (QAction* entry : menu->actions()) shown << entry->text();
  EXPECT_EQ(shown, (QStringList{u"Glow on dark"_s, u"Gold"_s, u"Neon"_s, u"Steel"_s}));
  menu->actions()[1]->trigger();
  EXPECT_EQ(design().model.style().material, Material::Gold);
}

TEST_F(StylesTest, LoadedStyleDrawsWhatTheCommandLineRenders) {
  for (const char* preset : {"gold.vstyle", "glow-on-dark.vstyle", "steel.vstyle"}) {
    const QString path = styles() + u'/' + QLatin1String(preset);
    const Style before = window->currentStyle();
    loadStyle(path);
    for (const Message& shown : seam->messages)
      ASSERT_EQ(shown.icon, MessageIcon::Information) << shown.text.toStdString();
    EXPECT_EQ(window->currentStyle(), readStyleFile(path, before)) << preset;
    EXPECT_EQ(drawnPng(), rendered({u"--text"_s, u"Velloro"_s, u"--style"_s, path, u"--canvas"_s,
                                    u"631x331"_s}))
        << preset;
  }
}

// A fill kind ticked by hand gives way to the preset's: one kind stays
// ticked, the curve axis keeps its own button, and the title drawn is the
// preset's.
TEST_F(StylesTest, APresetReplacesTheFillKindTickedByHand) {
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
      QRadioButton* kind = panels.fillSourceButtons()[size_t(byHand)];
      QTest::mouseClick(kind, Qt::LeftButton, {}, QPoint(6, kind->height() / 2));
      ASSERT_EQ(ticked(panels.fillSourceButtons()), QList<int>{byHand});
      QMenu* menu = window->menu(u"mnuFileStyles"_s);
      emit menu->aboutToShow();
      const QList<QAction*> entries = menu->actions();
      const auto entry = std::ranges::find(entries, QLatin1String(name), &QAction::text);
      ASSERT_NE(entry, entries.end());
      (*entry)->trigger();
      const Style preset = readStyleFile(presetPath, Style{});
      EXPECT_EQ(ticked(panels.fillSourceButtons()), QList<int>{int(preset.fillKind)});
      EXPECT_EQ(ticked(panels.curveAxisButtons()), QList<int>{velloro::toInt(preset.curveAxis)});
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
  window->panels()->deformationButtons()[1]->setChecked(true);
  window->panels()->deformSlider()->setValue(10);
  loadStyle(styles() + u"/glow-on-dark.vstyle"_s);
  EXPECT_EQ(window->panels()->effectList()->currentRow(), 7);
  EXPECT_EQ(window->panels()->outlineSlider()->Value(), 40);
  EXPECT_TRUE(window->panels()->curveAxisButtons()[2]->isChecked());
  EXPECT_EQ(design().textPicture.font.pointSizeF(), 48);
  EXPECT_EQ(window->fontNameBox()->currentText(), family);
  EXPECT_EQ(window->panels()->deformValueLabel()->text(), u"0 °"_s);
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
  loadStyle(path);
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
  const auto openStyles = [this] {
    emit window->menu(u"mnuFileStyles"_s)->aboutToShow();
    return window->menu(u"mnuFileStyles"_s)->actions();
  };
  textBox()->setText(u"Hi"_s);
  window->draw();
  const QSize canvasSize = canvas().size();
  const QImage windowDesign = designAlone(canvasSize, engine.entryPoints());

  QList<QAction*> entries = openStyles();
  ASSERT_EQ(entries.size(), 3);
  window->styleGallery()->waitForThumbnails();
  EXPECT_EQ(entries[0]->text(), u"broken"_s);
  EXPECT_TRUE(entries[0]->icon().isNull());
  EXPECT_GT(blueOverRed(entries[1]->icon()), 40);   // "Engraved blue"
  EXPECT_LT(blueOverRed(entries[2]->icon()), -40);  // "Gold"
  EXPECT_EQ(designAlone(canvasSize, engine.entryPoints()), windowDesign);

  // Drawn before, the thumbnails come with the menu.
  entries = openStyles();
  EXPECT_FALSE(entries[1]->icon().isNull());
  EXPECT_FALSE(entries[2]->icon().isNull());
}
