// Velloro: designs relief titles and logos on a canvas; with --render it
// renders titles from the command line without any window.
//
// The program itself links only Qt Core and Gui: its window lives in a
// library loaded when the window is wanted, so a render from the command
// line starts as fast as a plain Qt program.
#include <dlfcn.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QStringDecoder>
#include <cstdio>

#include "headless/document_thumbnail.h"
#include "headless/printable_text.h"
#include "headless/render_command.h"
#include "headless/render_run.h"
#include "platform/program_folder.h"
#include "service/service_command.h"
#include "window_entry.h"

namespace {

// A leading byte-order mark stays the character it is, so an argument
// reaches its reader as typed.
QStringList argumentsAfterProgramName(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    arguments << QString(utf8(argv[i]));
  }
  return arguments;
}

// An argument may hold a terminal's control sequences; they are shown as
// codes, never acted on.
void say(const QString& line) {
  std::fputs(qPrintable(QStringLiteral("Velloro: ") + printableText(line) + u'\n'), stderr);
}

// The program's own folder, known before any application object exists:
// the window library makes its own.
QString executableFolder() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(); }

int renderFromCommandLine(int argc, char** argv, const QStringList& arguments) {
  prepareHeadlessRun();
  QGuiApplication application(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Velloro"));
  QCoreApplication::setApplicationName(QStringLiteral("Velloro"));
  const QString engine = programLayout(QCoreApplication::applicationDirPath()).engineLibrary;
  const RenderEnvironment environment{programFolder(), engine};
  if (wantsService(arguments)) return runServiceCommand(arguments, environment);
  if (wantsThumbnail(arguments)) return runThumbnailCommand(arguments, stderr);
  return runRenderCommand(arguments, environment);
}

// Qt would abort without a window system to open the window on.
bool hasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The window library sits beside the engine library.
int openWindow(int& argc, char** argv, const QStringList& files) {
  const QString engine = programLayout(executableFolder()).engineLibrary;
  const QString library = QFileInfo(engine).path() + u'/' + QLatin1String(windowLibraryFile);
  void* handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
  const auto run =
      handle == nullptr
          ? nullptr
          : reinterpret_cast<decltype(&runVelloroWindow)>(dlsym(handle, windowEntryName));
  if (run == nullptr) {
    say(QStringLiteral("cannot load the window: ") + QString::fromLocal8Bit(dlerror()));
    return exitStatus::Failed;
  }
  return run(&argc, argv, &files);
}

}  // namespace

int main(int argc, char** argv) {
  const QStringList arguments = argumentsAfterProgramName(argc, argv);
  if (wantsCommandLine(arguments) || wantsService(arguments) || wantsThumbnail(arguments))
    return renderFromCommandLine(argc, argv, arguments);
  if (const std::optional<QString> problem = windowArgumentProblem(arguments)) {
    say(*problem);
    return exitStatus::BadArguments;
  }
  if (!hasDisplay()) {
    say(QStringLiteral("the window needs a display; use --render to render without one"));
    return exitStatus::Failed;
  }
  return openWindow(argc, argv, arguments);
}
