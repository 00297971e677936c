// A named instance of an installed variable font (Debian's Inter) drawn on
// the command line by its own family name: each run a program of its own,
// so that nothing a run before added stands in for it.
#include <QProcess>

#include "render_run_fixture.h"

namespace {

const QString interFile = u"/usr/share/fonts/truetype/inter-vf/Inter-roman.var.ttf"_qs;

struct ProgramRun {
  int status = -1;
  QByteArray errors;
  QByteArray picture;
};

ProgramRun runProgram(const QStringList& words, const QString& picture) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(u"QT_QPA_PLATFORM"_qs, u"offscreen"_qs);
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

// Written in another case, the family is the instance all the same; a
// weight the font does not name is no family.
TEST_F(InstalledInstanceRenderTest, AnInstancesNameIsTakenInAnyCase) {
  EXPECT_EQ(
      rendered("--text Velloro --font % --strict-fonts -o %", "lower.png", {u"inter black"_qs}),
      rendered("--text Velloro --font % --strict-fonts -o %", "named.png", {u"Inter Black"_qs}));
  expectTold("--text Velloro --font % --strict-fonts -o %", {u"Inter Heavy"_qs}, 1,
             "Velloro: the font family 'Inter Heavy' is not installed and no font file provides "
             "it (--strict-fonts; --font-file PATH adds the font)\n");
}
