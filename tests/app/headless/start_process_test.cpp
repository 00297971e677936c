// How the program answers the words it is started with, run as a process
// without any display.
#include <QProcess>

#include "render_run_fixture.h"

TEST(StartProcess, AnswersEachCommandLine) {
  // The words ("%" a file in the test's folder), the exit status, standard
  // error and whether the picture is written.
  const std::tuple<const char*, int, const char*, bool> cases[] = {
      {"--text Hi --render -o %", 0, "", true},
      {"-o % --text Hi --render", 0, "", true},
      {"--help", 0, "", false},
      {"% -h", 0, "", false},
      {"--render --bogus --help", 0, "", false},
      {"--version --size abc", 0, "", false},
      {"--text Hi -o %", 2, "Velloro: option '--text' needs --render (see --help)\n", false},
      {"--output=% --text Hi", 2, "Velloro: option '--output' needs --render (see --help)\n",
       false},
      {"% --bold --renders", 2, "Velloro: option '--bold' needs --render (see --help)\n", false},
      {"--frobnicate", 2, "Velloro: unknown option '--frobnicate' (see --help)\n", false},
      {"-", 2, "Velloro: unknown option '-' (see --help)\n", false},
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
