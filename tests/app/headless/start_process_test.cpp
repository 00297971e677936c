// How the program answers the words it is started with, run as a process
// without any display.
#include <sys/stat.h>

#include <QProcess>

#include "render_run_fixture.h"

TEST(StartProcess, AnswersEachCommandLine) {
  // The words ("%" a file in the test's folder), the exit status, standard
  // error and whether the picture is written.
  const std::tuple<const char*, int, const char*, bool> cases[] = {
      {"--text Hi --render -o %", 0, "", true},
      {"-o % --text Hi --render", 0, "", true},
      {"--help", 0, "", false},
      {"--render --text \xEF\xBB\xBF -o %", 2, "Velloro: --text: the text holds nothing to draw\n",
       false},
      {"% -h", 0, "", false},
      {"--render --bogus --help", 0, "", false},
      {"--version --size abc", 0, "", false},
      {"--text Hi -o %", 2, "Velloro: option '--text' needs --render (see --help)\n", false},
      {"--output=% --text Hi", 2, "Velloro: option '--output' needs --render (see --help)\n",
       false},
      {"% --bold --renders", 2, "Velloro: option '--bold' needs --render (see --help)\n", false},
      {"--frobnicate", 2, "Velloro: unknown option '--frobnicate' (see --help)\n", false},
      {"-", 2, "Velloro: unknown option '-' (see --help)\n", false},
      {"-\x1B]0;PWNED\x07 %", 2, "Velloro: unknown option '-\\x1B]0;PWNED\\x07' (see --help)\n",
       false},
      {"", 1, "Velloro: the window needs a display; use --render to render without one\n", false},
      {"%", 1, "Velloro: the window needs a display; use --render to render without one\n", false},
  };
  for (const auto& [words, status, errors, writesPicture] : cases) {
    SCOPED_TRACE(words);
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("title.png"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(QLatin1String(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELLORO_PROGRAM), commandWords(words, {picture}));
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), status);
    EXPECT_EQ(program.readAllStandardError().toStdString(), errors);
    EXPECT_EQ(QFile::exists(picture), writesPicture);
  }
}

// What is no regular file would hold the window in its first open: refused
// before any window, its name shown without its control characters.
TEST(StartProcess, RefusesHandedFilesThatAreNoRegularFiles) {
  QTemporaryDir folder;
  const QString fifo = folder.filePath(QStringLiteral("pipe\x1B[2J.png"));
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  const QString shownFifo = folder.filePath(QStringLiteral("pipe\\x1B[2J.png"));
  const std::pair<QString, QString> cases[] = {
      {fifo, shownFifo},
      {QStringLiteral("/dev/zero"), QStringLiteral("/dev/zero")},
      {folder.path(), folder.path()},
  };
  for (const auto& [file, shown] : cases) {
    QProcess program;
    program.start(QStringLiteral(VELLORO_PROGRAM), {file});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_EQ(program.readAllStandardError(),
              "Velloro: '" + shown.toUtf8() + "' is not a regular file\n");
  }
}
