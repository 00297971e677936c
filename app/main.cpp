// Velloro: designs relief titles and logos on a canvas; with --render it
// renders titles from the command line without any window.
//
// The program itself links only Qt Core and Gui: its window and its render
// service live in libraries loaded when they are wanted, so a render from
// the command line starts as fast as a plain Qt program.
#include <dlfcn.h>

#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>

#include "headless/document_thumbnail.h"
#include "headless/printable_text.h"
#include "headless/render_command.h"
#include "headless/render_run.h"
#include "headless/windowless_run.h"
#include "platform/program_folder.h"
#include "service/service_wanted.h"
#include "service_entry.h"
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
// the libraries make their own.
QString executableFolder() { return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath(); }

int renderFromCommandLine(int& argc, char** argv, const QStringList& arguments) {
  return runWithoutWindow(argc, argv, [&arguments](const RenderEnvironment& environment) {
    if (wantsThumbnail(arguments)) return runThumbnailCommand(arguments, stderr);
    return runRenderCommand(arguments, environment);
  });
}

// Qt would abort without a window system to open the window on.
bool hasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The entry `name` of the program's library `file`, which sits beside the
// engine library; none when it cannot be loaded, which is said as what
// could not be loaded.
template <typename Entry>
Entry* libraryEntry(const char* file, const char* name, const QString& what) {
  const QString engine = programLayout(executableFolder()).engineLibrary;
  const QString library = QFileInfo(engine).path() + u'/' + QLatin1String(file);
  void* handle = dlopen(QFile::encodeName(library).constData(), RTLD_NOW | RTLD_LOCAL);
  auto* entry = handle == nullptr ? nullptr : reinterpret_cast<Entry*>(dlsym(handle, name));
  if (entry == nullptr)
    say(QStringLiteral("cannot load the ") + what + QStringLiteral(": ") +
        QString::fromLocal8Bit(dlerror()));
  return entry;
}

int serve(int& argc, char** argv, const QStringList& arguments) {
  const auto run = libraryEntry<decltype(runVelloroService)>(serviceLibraryFile, serviceEntryName,
                                                             QStringLiteral("service"));
  return run == nullptr ? exitStatus::Failed : run(&argc, argv, &arguments);
}

int openWindow(int& argc, char** argv, const QStringList& files) {
  const auto run = libraryEntry<decltype(runVelloroWindow)>(windowLibraryFile, windowEntryName,
                                                            QStringLiteral("window"));
  return run == nullptr ? exitStatus::Failed : run(&argc, argv, &files);
}

}  // namespace

int main(int argc, char** argv) {
  const QStringList arguments = argumentsAfterProgramName(argc, argv);
  if (wantsService(arguments)) return serve(argc, argv, arguments);
  if (wantsCommandLine(arguments) || wantsThumbnail(arguments))
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
