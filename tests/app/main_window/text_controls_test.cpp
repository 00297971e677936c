#include <QFontDatabase>
#include <QTextBlock>

#include "main_window/gradient_editor.h"
#include "main_window/text_layout_controls.h"
#include "main_window_fixture.h"

// Above 300 is refused once, then drawn at 300; a four-digit size is cut to three.
TEST_F(MainWindowTest, TheSizeBoxIsCheckedOnDraw) {
  const std::pair<const char*, const char*> refused[] = {
      {"big", "big is not a figure !"},
      {"0", "0 is not a figure !"},
      {"", " is not a figure !"},
      {"350", "Size above 300 pts not allowed !"}};
  for (const auto& [typed, message] : refused) {
    seam->messages.clear();
    window->fontSizeBox()->setEditText(QLatin1String(typed));
    window->draw();
    EXPECT_EQ(onlyMessage().text, QLatin1String(message)) << typed;
    EXPECT_EQ(onlyMessage().icon, MessageIcon::Exclamation);
    EXPECT_EQ(design().textPicture.font.pointSizeF(), 75);
    EXPECT_EQ(design().textPicture.picture.size(), QSize(1, 1));  // nothing printed
  }
  EXPECT_EQ(window->fontSizeBox()->currentText(), u"300"_s);
  window->draw();
  EXPECT_EQ(design().textPicture.font.pointSizeF(), 300);
  EXPECT_GT(design().textPicture.picture.height(), 300);
  window->fontSizeBox()->setEditText(u"1000"_s);
  window->draw();
  EXPECT_EQ(window->fontSizeBox()->currentText(), u"100"_s);
  EXPECT_EQ(design().textPicture.font.pointSizeF(), 100);
  EXPECT_EQ(seam->messages.size(), 1u);
}

TEST_F(MainWindowTest, StyleButtonsToggleTheTextAndThePrintedFont) {
  QAction* bold = window->toolButton(u"Bold"_s);
  bold->trigger();
  EXPECT_FALSE(bold->isChecked());
  EXPECT_FALSE(textBox()->font().bold());
  EXPECT_FALSE(design().textPicture.font.bold());
  window->toolButton(u"Italic"_s)->trigger();
  EXPECT_TRUE(design().textPicture.font.italic());
  EXPECT_TRUE(textBox()->font().italic());
  EXPECT_TRUE(window->toolButton(u"Italic"_s)->isChecked());
}

// Tahoma is missing on most Linux systems: the box and the design name the
// family the title is really drawn in.
TEST_F(MainWindowTest, FontBoxAndFontDialogSetThePrintedFontButNotTheTextSize) {
  const QString shown = window->fontNameBox()->currentText();
  EXPECT_TRUE(QFontDatabase::families().contains(shown)) << shown.toStdString();
  EXPECT_EQ(design().textPicture.font.family(), shown);
  QFont chosen(u"DejaVu Serif"_s, 12);
  chosen.setItalic(true);
  seam->fontAnswers.push_back(chosen);
  const double shownSize = textBox()->font().pointSizeF();
  run("mnuEditFont");
  EXPECT_EQ(design().textPicture.font.family(), u"DejaVu Serif"_s);
  EXPECT_EQ(design().textPicture.font.pointSizeF(), 20);  // the dialog's sizes start at 20
  EXPECT_EQ(textBox()->font().pointSizeF(), shownSize);
  EXPECT_TRUE(textBox()->font().italic());
  EXPECT_EQ(window->fontNameBox()->currentText(), u"DejaVu Serif"_s);
  EXPECT_EQ(window->fontSizeBox()->currentText(), u"20"_s);
  run("mnuEditFont");  // cancelled
  EXPECT_EQ(design().textPicture.font.pointSizeF(), 20);
}

TEST_F(MainWindowTest, LeftClickOnAnEmptySourceHintsAtTheTool) {
  const std::tuple<SourceKind, const char*, const char*> kinds[] = {
      {SourceKind::Shape, "No shape drawn !",
       "\r\nRight-click on the \"shape\" button to call the shape drawing tool."},
      {SourceKind::Picture, "No picture loaded !",
       "\r\nRight-click on the \"pic\" button to call the picture tool."}};
  for (const auto& [kind, missing, hint] : kinds) {
    seam->messages.clear();
    window->selectSource(kind, Qt::LeftButton);
    EXPECT_EQ(design().sourceKind, kind);
    EXPECT_EQ(onlyMessage().text, QLatin1String(missing) + QLatin1String(hint));
    EXPECT_EQ(onlyMessage().icon, MessageIcon::Information);
    window->draw();
    EXPECT_EQ(seam->messages.back().text, QLatin1String(missing));
  }
}

// A kind never visited starts with "Rotate"; the rest of the text's style
// coming back is checked with a loaded style in the styles tests.
TEST_F(MainWindowTest, SwitchingRestoresTheTextFrameAndGoesOnWhenTheCurveCannotBeKept) {
  design().designFrame.left = 40;
  setKind(design().model, Setting::SurfacePattern, SurfacePatternType::Grain);
  window->selectSource(SourceKind::Shape, Qt::RightButton);
  EXPECT_EQ(design().designFrame.left, 5);
  EXPECT_TRUE(window->panels()->deformation().buttons()[1]->isChecked());
  window->selectSource(SourceKind::Text, Qt::LeftButton);
  EXPECT_EQ(design().designFrame.left, 40);
  EXPECT_EQ(design().model.style().surfacePattern, SurfacePatternType::Grain);
  EXPECT_TRUE(window->panels()->deformation().buttons()[0]->isChecked());
  // A removed folder is made again; a file in its place cannot be.
  QDir(path("curves")).removeRecursively();
  writeContent(path("curves"), "not a folder");
  window->selectSource(SourceKind::Shape, Qt::RightButton);
  // Only the curve loader speaks, in its own report without a site tag.
  EXPECT_TRUE(onlyMessage().text.startsWith(u"error number : "_s));
  EXPECT_FALSE(onlyMessage().text.section(u"\r\n"_s, 0, 0).contains('/'));
  EXPECT_EQ(design().designFrame.left, 5);
  EXPECT_EQ(design().kindSettings[SourceKind::Text].frameLeft, 40);
}

TEST_F(MainWindowTest, EnterStartsALineCtrlEnterDrawsAndTooManyLinesAreRefusedByName) {
  focusTextBox();
  textBox()->setText(QString());
  const QImage blank = canvas();
  QTest::keyClicks(textBox(), u"Top"_s);
  QTest::keyClick(textBox(), Qt::Key_Return);
  QTest::keyClicks(textBox(), u"Low"_s);
  EXPECT_EQ(textBox()->text(), u"Top\nLow"_s);
  EXPECT_EQ(canvas(), blank);
  QTest::keyClick(textBox(), Qt::Key_Return, Qt::ControlModifier);
  EXPECT_EQ(textBox()->text(), u"Top\nLow"_s);
  EXPECT_NE(canvas(), blank);
  textBox()->setText(QString(20, u'\n') + u'A');
  const QImage before = canvas();
  window->draw();
  EXPECT_EQ(onlyMessage().text, u"Text: the text has 21 lines; a title holds at most 20"_s);
  EXPECT_EQ(onlyMessage().icon, MessageIcon::Exclamation);
  EXPECT_EQ(canvas(), before);
}

TEST_F(MainWindowTest, EditedGradientBecomesTheFill) {
  seam->colourAnswers = {QColor(255, 0, 0), QColor(0, 0, 255)};
  seam->modalAnswers.push_back([](QDialog& dialog) {
    auto& editor = dynamic_cast<GradientEditor&>(dialog);
    QTest::mouseClick(editor.addStopButton(), Qt::LeftButton);
    QTest::mouseClick(editor.stopButton(0), Qt::LeftButton);
    QTest::mouseClick(editor.stopButton(2), Qt::LeftButton);
    editor.angleBox()->setValue(90);
    pressOk(dialog);
  });
  const QColor middle = fillGradient(design().model.style()).stops.back();
  QTest::mouseClick(window->panels()->inside().gradientButton(), Qt::LeftButton);
  ASSERT_TRUE(seam->messages.empty());
  EXPECT_EQ(fillGradient(design().model.style()).stops, (QList<QColor>{Qt::red, middle, Qt::blue}));
  EXPECT_EQ(design().model.style().gradientAngle, 90);
  EXPECT_TRUE(window->panels()->inside().fillSourceButtons()[2]->isChecked());
  // The swatch runs top to bottom: red on its first row, blue on its last.
  const QImage swatch = window->panels()->inside().gradientPreview()->picture();
  EXPECT_GT(swatch.pixelColor(10, 0).red(), 230);
  EXPECT_GT(swatch.pixelColor(10, swatch.height() - 1).blue(), 230);
}

// An emoji in its own colours too.
TEST_F(MainWindowTest, DrawGivesTheBytesOfTheCommandLineWithTheSameSettings) {
  loadDefaultCurve();
  stackEffects({EffectType::Glow});
  setTitle(u"Sunny\nBakery"_s, 40, {200, 120});
  TextLayoutControls& layout = *window->textLayoutControls();
  layout.show({LineAlignment::Centre, 1.25, 7});
  design().textPicture.arrangement = layout.arrangement();
  setGradient(design().model, {{QColor(0xff, 0x80, 0), QColor(0x20, 0x40, 0xc0)}, 30});
  window->panels()->inside().fillSourceButtons()[2]->setChecked(true);
  for (const QString& title : {u"Sunny\nBakery"_s, u"Sunny\nBakery \U0001F370"_s}) {
    textBox()->setText(title);
    expectDrawnAsRendered(u"--text|"_s + title +
                          u"|--size|40|--effect|glow|--at|200,120|--align|centre|--line-spacing|"
                          u"1.25|--letter-spacing|7|--gradient|#ff8000,#2040c0|--gradient-angle|30|"
                          u"--canvas|631x331"_s);
    EXPECT_EQ(seam->busyDepth, 0);
  }
}

// Each line of a title up to three shows whole in the text box, typed or
// set; the box's own font stays as the window set it, and a single line
// keeps that font.
TEST_F(MainWindowTest, EveryLineOfAShortTitleShowsWholeInTheTextBox) {
  focusTextBox();
  textBox()->selectAll();
  QTest::keyClicks(textBox(), u"One"_s);
  QTest::keyClick(textBox(), Qt::Key_Return);
  QTest::keyClicks(textBox(), u"Two"_s);
  const QFont boxFont = textBox()->font();
  const auto expectWholeLines = [&](int lines) {
    QApplication::processEvents();
    int shown = 0;
    for (QTextBlock block = textBox()->document()->begin(); block.isValid() && shown < lines;
         block = block.next(), ++shown) {
      const QRect line = textBox()->cursorRect(QTextCursor(block));
      SCOPED_TRACE(shown);
      EXPECT_GE(line.top(), 0);
      EXPECT_LE(line.bottom(), textBox()->viewport()->height());
    }
    EXPECT_EQ(shown, lines);
    EXPECT_EQ(textBox()->font(), boxFont);
  };
  expectWholeLines(2);
  const std::pair<const char*, int> titles[] = {
      {"One\nTwo\nThree", 3}, {"One\nTwo\nThree\nFour", 3}, {"One", 1}};
  for (const auto& [title, whole] : titles) {
    SCOPED_TRACE(title);
    textBox()->setText(QLatin1String(title));
    textBox()->verticalScrollBar()->setValue(0);
    expectWholeLines(whole);
  }
  EXPECT_EQ(textBox()->document()->defaultFont(), boxFont);
}
