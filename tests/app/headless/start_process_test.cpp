// How the program answers the words it is started with, run as a process
// without any display.
#include <QProcess>

#include "render_run_fixture.h"

namespace {

struct StartCase {
  const char* words;  // "%" stands for a file in the test's folder
  int status;
  const char* errors;
  bool writesPicture;
};

const StartCase startCases[] = {
    {"--text Hi --render -o %", 0, "", true},
    {"-o % --text Hi --render", 0, "", true},
    {"--help", 0, "", false},
    {"% -h", 0, "", false},
    {"--render --bogus --help", 0, "", false},
    {"--version --size abc", 0, "", false},
    {"--text Hi -o %", 2, "Velloro: option '--text' needs --render (see --help)\n", false},
    {"--output=% --text Hi", 2, "Velloro: option '--output' needs --render (see --help)\n", false},
    {"% --bold --renders", 2, "Velloro: option '--bold' needs --render (see --help)\n", false},
    {"--frobnicate", 2, "Velloro: unknown option '--frobnicate' (see --help)\n", false},
    {"-", 2, "Velloro: unknown option '-' (see --help)\n", false},
    {"", 1, "Velloro: the window needs a display; use --render to render without one\n", false},
    {"%", 1, "Velloro: the window needs a display; use --render to render without one\n", false},
};

TEST(StartProcess, AnswersEachCommandLine) {
  for (const StartCase& start : startCases) {
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("title.png"));
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      environment.remove(QLatin1String(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(VELLORO_PROGRAM), commandWords(start.words, {picture}));
    ASSERT_TRUE(program.waitForFinished(60000)) << start.words;
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit) << start.words;
    EXPECT_EQ(program.exitCode(), start.status) << start.words;
    EXPECT_EQ(program.readAllStandardError().toStdString(), start.errors) << start.words;
    EXPECT_EQ(QFile::exists(picture), start.writesPicture) << start.words;
  }
}

}  // namespace
