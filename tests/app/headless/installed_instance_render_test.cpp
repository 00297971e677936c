// A named instance of an installed variable font (Debian's Inter) drawn on
// the command line by its own family name: each run a program of its own,
// so that nothing a run before added stands in for it.
#include <QProcess>

#include "design/variable_font_files.h"
#include "render_run_fixture.h"

namespace {

const QString interFile = u"/usr/share/fonts/truetype/inter-vf/Inter-roman.var.ttf"_qs;

struct ProgramRun {
  int status = -1;
  QByteArray errors;
  QByteArray picture;
};

// `fontConfiguration`, when given, is the font configuration the program
// reads instead of the system's.
ProgramRun runProgram(const QStringList& words, const QString& picture,
                      const QString& fontConfiguration = {}) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
  if (!fontConfiguration.isEmpty()) environment.insert(u"FONTCONFIG_FILE"_qs, fontConfiguration);
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VELLORO_PROGRAM),
                QStringList{u"--render"_qs, u"--text"_qs, u"Velloro"_qs} + words +
                    QStringList{u"-o"_qs, picture});
  if (!program.waitForFinished(120000)) return {};
  QFile written(picture);
  return {program.exitCode(), program.readAllStandardError(),
          written.open(QIODevice::ReadOnly) ? written.readAll() : QByteArray()};
}

}  // namespace

using InstalledInstanceRenderTest = RenderRunFixture;

TEST_F(InstalledInstanceRenderTest, AnInstalledInstanceDrawsAsTheSameFontFileDoes) {
  const ProgramRun installed =
      runProgram({u"--font"_qs, u"Inter Thin"_qs, u"--strict-fonts"_qs}, out("installed.png"));
  EXPECT_EQ(installed.status, 0);
  EXPECT_EQ(installed.errors, QByteArray());
  const ProgramRun fromFile =
      runProgram({u"--font-file"_qs, interFile, u"--font"_qs, u"Inter Thin"_qs}, out("file.png"));
  EXPECT_EQ(fromFile.status, 0);
  EXPECT_EQ(fromFile.errors, QByteArray());
  ASSERT_FALSE(installed.picture.isEmpty());
  EXPECT_EQ(installed.picture, fromFile.picture);
  const ProgramRun regular = runProgram({u"--font"_qs, u"Inter"_qs}, out("regular.png"));
  EXPECT_EQ(regular.status, 0);
  EXPECT_NE(regular.picture, installed.picture);
}

// Variable fonts installed in a folder of their own, beside the system's
// fonts: one whose outlines' variations are damaged is listed, its axes
// being sound, and refused in one line when an instance is to be drawn;
// one whose axes are damaged names no instance.
TEST_F(InstalledInstanceRenderTest, AnInstalledFontWithDamagedVariationsIsRefusedInOneLine) {
  const QString fonts = files.filePath(u"fonts"_qs);
  const QString wreck = fonts + u"/wreck.ttf"_qs;
  writeContent(wreck, withDamagedOutlineVariations("Wreck"));
  QByteArray fvar = tablesOf(renamedVariableFont("Askew"))[QByteArray("fvar")];
  qToBigEndian(quint16(24), fvar.data() + 10);  // axis records of 24 bytes
  writeContent(fonts + u"/askew.ttf"_qs, withTable(renamedVariableFont("Askew"), "fvar", fvar));
  const QString configuration = files.filePath(u"fonts.conf"_qs);
  writeContent(configuration, fontConfigurationAdding(fonts, files.filePath(u"cache"_qs)));
  const ProgramRun damaged =
      runProgram({u"--font"_qs, u"Wreck Thin"_qs}, out("wreck.png"), configuration);
  EXPECT_EQ(damaged.status, 2);
  EXPECT_EQ(damaged.errors, "Velloro: the font family 'Wreck Thin': " + wreck.toUtf8() +
                                ": the font's variation table 'gvar' is damaged\n");
  EXPECT_TRUE(damaged.picture.isEmpty());
  const ProgramRun unlisted = runProgram({u"--font"_qs, u"Askew Thin"_qs, u"--strict-fonts"_qs},
                                         out("askew.png"), configuration);
  EXPECT_EQ(unlisted.status, 1);
  EXPECT_EQ(unlisted.errors,
            "Velloro: the font family 'Askew Thin' is not installed and no font file provides it "
            "(--strict-fonts; --font-file PATH adds the font)\n");
  const ProgramRun sound = runProgram({u"--font"_qs, u"Inter Thin"_qs, u"--strict-fonts"_qs},
                                      out("inter.png"), configuration);
  EXPECT_EQ(sound.status, 0);
  EXPECT_EQ(sound.errors, QByteArray());
}
