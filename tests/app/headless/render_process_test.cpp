// The program itself, started the way a script starts it: no display, no
// platform chosen, only the exit status and the error stream to go by.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "command_words.h"

namespace {

struct Finished {
  int status = -1;
  QString errors;
};

Finished runProgram(const QStringList& arguments) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QLatin1String(name));
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VELLORO_PROGRAM), arguments);
  if (!program.waitForFinished(60000)) return {};
  return {program.exitCode(), QString::fromUtf8(program.readAllStandardError())};
}

}  // namespace

TEST(RenderProcess, RendersWithoutAnyDisplay) {
  QTemporaryDir folder;
  const QString out = folder.filePath(QStringLiteral("title.png"));
  const Finished finished = runProgram(commandWords("--render --text Velloro -o %", {out}));
  EXPECT_EQ(finished.status, 0) << finished.errors.toStdString();
  EXPECT_FALSE(QImage(out).isNull());
  EXPECT_EQ(finished.errors, QString());
}

TEST(RenderProcess, ExitStatusTellsWhatWentWrong) {
  QTemporaryDir folder;
  const Finished bad = runProgram(commandWords("--render --text A --canvas 0x5 -o %",
                                               {folder.filePath(QStringLiteral("a.png"))}));
  EXPECT_EQ(bad.status, 2);
  EXPECT_TRUE(bad.errors.endsWith(
      QStringLiteral("Velloro: --canvas: '0x5' is not a size WxH from 1x1 to 8192x8192\n")))
      << bad.errors.toStdString();
  const Finished failed = runProgram(
      commandWords("--render --text A -o %", {folder.filePath(QStringLiteral("missing/a.png"))}));
  EXPECT_EQ(failed.status, 1);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_EQ(runProgram(commandWords("--help")).status, 0);
}
