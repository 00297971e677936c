// An installed variable font's named instance (Debian's Inter) is chosen
// from the window's font list by its own name and draws as the command
// line draws it; one that cannot be made is drawn in a substitute.
#include <QProcess>

#include "design/variable_font_files.h"
#include "main_window/main_window_fixture.h"

namespace {

// Chooses `family` from the font list as a user does with the arrow keys,
// from the family above it.
void walkFontListTo(QComboBox& box, const QString& family) {
  const int listed = box.findText(family);
  ASSERT_GT(listed, 0) << family.toStdString();
  box.setCurrentIndex(listed - 1);
  box.setFocus();
  QTest::keyClick(&box, Qt::Key_Down);
}

}  // namespace

TEST_F(MainWindowTest, AnInstalledInstanceIsListedChosenAndDrawnAsTheCommandLineDraws) {
  loadDefaultCurve();
  QComboBox* box = window->fontNameBox();
  ASSERT_NO_FATAL_FAILURE(walkFontListTo(*box, u"Inter Semi Bold"_s));
  EXPECT_TRUE(seam->messages.empty());
  EXPECT_EQ(box->currentText(), u"Inter Semi Bold"_s);
  EXPECT_EQ(design().textPicture.font.family(), u"Inter Semi Bold"_s);
  stackEffects({EffectType::Glow});
  setTitle(u"Semi"_s, 40, {200, 120});
  expectDrawnAsRendered(
      u"--text|Semi|--size|40|--effect|glow|--at|200,120|--canvas|631x331|"
      u"--font|Inter Semi Bold|--strict-fonts"_s);
}

namespace {

// Set to the damaged font's file in the program that the test below starts
// with a font configuration that installs that font.
const char* const damagedFontVariable = "VELLORO_TEST_DAMAGED_INSTANCE";

// A variable font "Wreck" whose axes are sound, so that its instances are
// listed, and whose outlines' variations are damaged, installed in
// `folder` beside the system's fonts; returns the font configuration.
QString installDamagedVariableFont(const QDir& folder, const QString& font) {
  writeContent(font, withDamagedOutlineVariations("Wreck"));
  const QString configuration = folder.filePath(u"fonts.conf"_s);
  writeContent(configuration, fontConfigurationAdding(QFileInfo(font).absolutePath(),
                                                      folder.filePath(u"cache"_s)));
  return configuration;
}

}  // namespace

// The fonts a program lists are read once, from the system's configuration:
// the test runs itself again with a configuration that installs the font.
TEST_F(MainWindowTest, AnInstalledInstanceThatCannotBeMadeIsDrawnInASubstituteAndTheStatusSaysWhy) {
  const QString damagedFont = qEnvironmentVariable(damagedFontVariable);
  if (damagedFont.isEmpty()) {
    const QString font = path("fonts/wreck.ttf");
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"FONTCONFIG_FILE"_s, installDamagedVariableFont(QDir(folder.path()), font));
    environment.insert(QString::fromLatin1(damagedFontVariable), font);
    program.setProcessEnvironment(environment);
    const QString self = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    program.start(QCoreApplication::applicationFilePath(),
                  {u"--gtest_filter=MainWindowTest."_s + self});
    ASSERT_TRUE(program.waitForFinished(300000));
    const QByteArray output = program.readAllStandardOutput();
    EXPECT_EQ(program.exitCode(), 0) << output.constData();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.constData();
    return;
  }
  QComboBox* box = window->fontNameBox();
  ASSERT_NO_FATAL_FAILURE(walkFontListTo(*box, u"Wreck Thin"_s));
  const QString substitute = QFontInfo(QFont(u"Wreck Thin"_s)).family();
  EXPECT_NE(substitute, u"Wreck Thin"_s);
  EXPECT_EQ(box->currentText(), substitute);
  EXPECT_EQ(design().textPicture.font.family(), substitute);
  EXPECT_EQ(window->statusPane(0)->text(),
            u"The font family 'Wreck Thin': %1: the font's variation table 'gvar' is damaged; "
            u"drawn in '%2'"_s.arg(damagedFont, substitute));
  EXPECT_TRUE(seam->messages.empty());
}
