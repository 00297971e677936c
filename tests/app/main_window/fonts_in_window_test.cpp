// The window's fonts: a font file added beside the font list draws as
// `--render --font-file` does, a file that cannot be used is refused with
// its cause, and a title with characters no font draws gets a notice.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QJsonDocument>
#include <QToolButton>
#include "document/document_file.h"

#include "main_window/box_fit_option.h"
#include "main_window/font_file_command.h"
#include "main_window/main_window_fixture.h"
#include "main_window/missing_glyphs_notice.h"
#include "test_fonts.h"

namespace {

// Adds the font file `file` with the button beside the font list.
void addFontFile(MainWindow& window, ScriptedPlatform& seam, const QString& file) {
  auto* button = window.toolBar()->findChild<QToolButton*>(u"FontFileButton"_s);
  ASSERT_NE(button, nullptr);
  seam.fileAnswers.push_back(file);
  QTest::mouseClick(button, Qt::LeftButton);
}

// Types `text` into `box` as key presses, as a keyboard layout of its
// script sends them: a key with no key code of its own carries its text.
void typeInto(QWidget* box, const QString& text) {
  for (const QChar letter : text)
    QTest::sendKeyEvent(QTest::Click, box, letter == u'\b' ? Qt::Key_Backspace : Qt::Key_unknown,
                        QString(letter), Qt::NoModifier);
}

}  // namespace

TEST_F(MainWindowTest, AFontFileJoinsTheListAndDrawsAsTheCommandLineDraws) {
  loadDefaultCurve();
  const QString brand = path("fonts/brand.woff");
  writeContent(brand, webFontOf(brandFontFile("Window")));
  addFontFile(*window, *seam, brand);
  ASSERT_TRUE(seam->messages.empty());
  EXPECT_EQ(window->fontNameBox()->currentText(), u"Window Sans"_s);
  EXPECT_NE(window->fontNameBox()->findText(u"Window Sans"_s), -1);
  EXPECT_EQ(design().textPicture.font.family(), u"Window Sans"_s);
  stackEffects({EffectType::Glow});
  setTitle(u"Brand"_s, 40, {200, 120});
  expectDrawnAsRendered(
      u"--text|Brand|--size|40|--effect|glow|--at|200,120|--canvas|631x331|"
      u"--font-file|%1|--font|Window Sans|--strict-fonts"_s.arg(brand));
}

TEST_F(MainWindowTest, AFontFileThatCannotBeUsedIsRefusedWithItsCause) {
  const QString family = design().textPicture.font.family();
  const int families = window->fontNameBox()->count();
  const QString cut = path("cut.ttf");
  writeContent(cut, brandFontFile("Cutoff").left(3000));
  addFontFile(*window, *seam, cut);
  EXPECT_EQ(onlyMessage().text, u"The font file 'cut.ttf' cannot be used: the file is truncated"_s);
  EXPECT_EQ(design().textPicture.font.family(), family);
  EXPECT_EQ(window->fontNameBox()->count(), families);
  addFontFile(*window, *seam, {});  // cancelled: nothing happens
  EXPECT_EQ(seam->messages.size(), 1u);
}

TEST_F(MainWindowTest, ATitleWithCharactersNoFontDrawsIsDrawnWithANotice) {
  auto* notice = window->findChild<QLabel*>(u"MissingGlyphsNotice"_s);
  ASSERT_NE(notice, nullptr);
  EXPECT_TRUE(notice->isHidden());
  textBox()->setText(QString::fromUtf8("Linear \U00010600\U00010601"));
  drawnAgain();
  EXPECT_FALSE(notice->isHidden());
  EXPECT_EQ(notice->text(),
            QString::fromUtf8("No font draws '\U00010600' (U+10600), '\U00010601' (U+10601)"));
  EXPECT_TRUE(design().layersStored);  // what can be drawn is drawn
  textBox()->setText(u"Linear"_s);
  drawnAgain();
  EXPECT_TRUE(notice->isHidden());
}

// Fitted in the window, the title has the bytes `--box` gives it; the size
// box keeps the size chosen.
TEST_F(MainWindowTest, FitToBoxDrawsAsTheCommandLineFitsIt) {
  loadDefaultCurve();
  seam->modalAnswers.push_back([](QDialog& dialog) {
    auto& fitting = dynamic_cast<BoxFitDialog&>(dialog);
    fitting.fitBox()->setChecked(true);
    fitting.widthBox()->setValue(300);
    fitting.heightBox()->setValue(200);
    pressOk(dialog);
  });
  run("mnuToolsFitToBox");
  stackEffects({EffectType::Glow});
  setTitle(u"Velloro draws titles for the web"_s, 60, {20, 20});
  expectDrawnAsRendered(
      u"--text|Velloro draws titles for the web|--size|60|--effect|glow|--at|"
      u"20,20|--canvas|631x331|--box|300x200"_s);
  EXPECT_LT(design().textPicture.font.pointSizeF(), 60);
  EXPECT_EQ(window->fontSizeBox()->currentText(), u"60"_s);
}

// Save style offers to keep the font file beside the style; a style that
// names its font file brings the family along when it is applied.
TEST_F(MainWindowTest, SaveStyleKeepsTheFontFileBesideTheStyleWhenAsked) {
  const QString brand = path("fonts/keep.ttf");
  writeContent(brand, brandFontFile("Keeper"));
  addFontFile(*window, *seam, brand);
  const QString style = path("styles/kept.vstyle");
  QDir().mkpath(path("styles"));
  seam->fileAnswers.push_back(style);
  seam->messageAnswers.push_back(MessageAnswer::Yes);
  run("mnuFileSaveStyle");
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_EQ(seam->messages[0].text,
            u"The font \"Keeper Sans\" comes from the font file 'keep.ttf'. Keep a copy of the "
            u"file beside the style, so that the style draws in this font on any machine?"_s);
  EXPECT_EQ(contentOf(path("styles/keep.ttf")), brandFontFile("Keeper"));
  EXPECT_TRUE(contentOf(style).contains("\"file\": \"keep.ttf\""));
  // Declined, the style names no file and nothing is copied.
  const QString other = path("styles/plain.vstyle");
  seam->fileAnswers.push_back(other);
  seam->messageAnswers.push_back(MessageAnswer::No);
  QFile::remove(path("styles/keep.ttf"));
  run("mnuFileSaveStyle");
  EXPECT_FALSE(QFileInfo::exists(path("styles/keep.ttf")));
  EXPECT_FALSE(contentOf(other).contains("\"file\""));
}

// A style brings its font file along; a family nothing provides is named
// in the status pane with the font drawn instead.
TEST_F(MainWindowTest, AStylesFontFileIsAddedAndAMissingFamilyIsTold) {
  writeContent(path("styles/fonts/own.ttf"), brandFontFile("Styler"));
  const QString own = path("styles/own.vstyle");
  writeContent(own, R"({"format": "Velloro style", "version": 1,
                        "font": {"family": "Styler Sans", "file": "fonts/own.ttf"}})");
  run("mnuFileLoadStyle", own);
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(design().textPicture.font.family(), u"Styler Sans"_s);
  EXPECT_EQ(window->statusPane(0)->text(), QString());
  const QString missing = path("styles/missing.vstyle");
  writeContent(missing, R"({"format": "Velloro style", "version": 1,
                            "font": {"family": "Nowhere Sans"}})");
  run("mnuFileLoadStyle", missing);
  EXPECT_EQ(window->statusPane(0)->text(),
            u"The font family 'Nowhere Sans' is not installed and no font file provides it; "
            u"drawn in 'DejaVu Sans'"_s);
  const QString broken = path("styles/broken.vstyle");
  writeContent(broken, R"({"format": "Velloro style", "version": 1,
                           "font": {"family": "Gone Sans", "file": "gone.ttf"}})");
  run("mnuFileLoadStyle", broken);
  ASSERT_EQ(seam->messages.size(), 1u);
  EXPECT_TRUE(seam->messages[0].text.contains(u"\"font.file\" 'gone.ttf': no such file"_s))
      << seam->messages[0].text.toStdString();
}

// A document keeps the font file of its title's family, and opening it
// brings that family back from memory: here a family this run never had,
// its font file gone from the disk.
TEST_F(MainWindowTest, ADocumentCarriesItsFontFileWhereNoFileHasIt) {
  const QString brand = path("fonts/carried.ttf");
  writeContent(brand, brandFontFile("Carry1"));
  addFontFile(*window, *seam, brand);
  const QImage drawn = drawnAgain();
  saveAs(path("outputs/carried.velloro"), 0);
  VelloroDocument document = readDocumentFile(path("outputs/carried.velloro"));
  EXPECT_EQ(document.font.name, u"carried.ttf"_s);
  EXPECT_EQ(document.font.bytes, brandFontFile("Carry1"));
  // As on another machine: a family this run never had, in the document only.
  document.font.bytes = brandFontFile("Carry2");
  document.design =
      QJsonDocument::fromJson(QJsonDocument(document.design).toJson().replace("Carry1", "Carry2"))
          .object();
  writeDocumentFile(path("outputs/carried.velloro"), document);
  window->openHandedFiles({path("outputs/carried.velloro")});
  EXPECT_EQ(QFontInfo(design().textPicture.font).family(), u"Carry2 Sans"_s);
  EXPECT_EQ(window->fontNameBox()->currentText(), u"Carry2 Sans"_s);
  EXPECT_EQ(canvas(), drawn);
  run("mnuFileSave");  // and it still carries the file it came with
  EXPECT_EQ(readDocumentFile(path("outputs/carried.velloro")).font.bytes, brandFontFile("Carry2"));
  // Save style keeps it beside the style as it keeps a file the user added.
  QDir().mkpath(path("styles"));
  seam->fileAnswers.push_back(path("styles/carried.vstyle"));
  seam->messageAnswers.push_back(MessageAnswer::Yes);
  run("mnuFileSaveStyle");
  EXPECT_EQ(contentOf(path("styles/carried.ttf")), brandFontFile("Carry2"));
}

// The notice follows the title as it is typed, before any Draw and with or
// without the live preview, and goes away once every character draws.
TEST_F(MainWindowTest, TheMissingGlyphsNoticeFollowsTheTyping) {
  auto* notice = window->findChild<QLabel*>(u"MissingGlyphsNotice"_s);
  const QString vai(QChar(0xA500));
  const std::pair<QString, QString> steps[] = {
      {u"Ab"_s, {}},
      {vai, u"No font draws '%1' (U+A500)"_s.arg(vai)},
      {u"\b"_s, {}},
  };
  textBox()->setFocus();
  for (bool live : {false, true}) {
    window->menuEntry(u"mnuToolsLivePreview"_s)->setChecked(live);
    for (const auto& [typed, shown] : steps) {
      typeInto(textBox(), typed);
      QCoreApplication::processEvents();
      EXPECT_EQ(notice->isHidden(), shown.isEmpty()) << live;
      EXPECT_EQ(notice->text(), shown) << live;
    }
  }
}

// A theme's larger font still shows the family whole in the font box; a
// name past its widest is shown from its start, also when chosen with the
// arrow keys, and given whole in the tooltip.
TEST_F(MainWindowTest, TheFontBoxShowsTheFamilyWhole) {
  QComboBox* box = window->fontNameBox();
  const QLineEdit* shown = box->lineEdit();
  EXPECT_EQ(shown->cursorPosition(), 0) << shown->text().toStdString();
  QFont large = box->font();
  large.setPixelSize(20);
  box->setFont(large);
  const std::pair<QString, bool> cases[] = {
      {u"DejaVu Sans Mono"_s, true}, {u"DejaVu Sans"_s, true}, {QString(80, u'W'), false}};
  for (const auto& [family, whole] : cases) {
    box->setEditText(family);
    QCoreApplication::processEvents();
    EXPECT_EQ(shown->width() >= shown->fontMetrics().horizontalAdvance(family) + 4, whole)
        << family.toStdString();
    EXPECT_EQ(shown->toolTip() == family, !whole) << family.toStdString();
    EXPECT_EQ(shown->cursorPosition(), 0) << family.toStdString();
  }
  focusTextBox();
  box->setFocus();
  for (int step = 0; step < 3; ++step) {
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(shown->cursorPosition(), 0) << shown->text().toStdString();
  }
}
