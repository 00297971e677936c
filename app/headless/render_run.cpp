#include "headless/render_run.h"

#include <QFile>
#include <QFileInfo>
#include <future>
#include <optional>
#include <system_error>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "headless/batch_list.h"
#include "headless/batch_progress.h"
#include "headless/console_platform.h"
#include "headless/picture_output.h"
#include "headless/printable_text.h"
#include "headless/render_command.h"
#include "headless/scaled_scene.h"
#include "headless/title_scene.h"
#include "state/bounded_read.h"
#include "state/engine_library.h"
#include "state/failure.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 largestBatchList = 64 << 20;

void print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
  std::fflush(stream);
}

QString quoted(const QString& text) { return u'\'' + text + u'\''; }

// The picture is written all the same: a fixed canvas is what was asked for.
QString cutNotice(const EdgeOverrun& cut) {
  return u"the design runs past the canvas: "_s + overrunText(cut);
}

class RenderRun {
 public:
  explicit RenderRun(const RenderEnvironment& environment)
      : environment_(environment), console_(environment.errors) {}

  int run(const QStringList& arguments) {
    try {
      const ParsedCommand command = parseRenderCommand(arguments);
      if (command.action == CommandAction::ShowHelp) return printed(commandLineHelpText());
      if (command.action == CommandAction::ShowVersion) return printed(commandLineVersionText());
      return render(command.request);
    } catch (const UsageError& error) {
      say(error.message());
      return exitStatus::BadArguments;
    } catch (const Failure& failure) {
      say(failure.description());
      return exitStatus::Failed;
    } catch (const std::bad_alloc&) {
      say(currentFailure().description());
      return exitStatus::Failed;
    }
  }

 private:
  int printed(const QString& text) {
    print(environment_.output, text);
    return exitStatus::Success;
  }

  void say(const QString& line) {
    print(environment_.errors, u"Velloro: "_s + printableText(line) + u'\n');
  }

  int render(const RenderRequest& request) {
    const TitleScene scene =
        scaledScene(titleSceneFor(request, environment_.programFolder, console_), request.scale);
    const BatchList batch = request.batchList.isEmpty() ? BatchList{} : readBatch(request);
    if (!request.batchList.isEmpty()) checkOutputFolder(request.outputFolder);
    EngineLibrary engine(environment_.enginePath);
    TitleRenderer renderer(scene, engine.entryPoints(), console_);
    if (request.batchList.isEmpty()) return renderOne(renderer, request);
    return renderBatch(renderer, request, batch);
  }

  int renderOne(TitleRenderer& renderer, const RenderRequest& request) {
    try {
      const RenderedTitle title =
          renderedTitle(renderer, request, request.text, request.outputFile);
      writePicture(title.picture, request.outputFile, request.quality);
      if (title.cut.any()) say(cutNotice(title.cut));
      return exitStatus::Success;
    } catch (const Failure& failure) {
      say(quoted(request.outputFile) + u": "_s + failure.description());
      return exitStatus::Failed;
    }
  }

  // The picture to write under `path`; throws a Failure.
  static RenderedTitle renderedTitle(TitleRenderer& renderer, const RenderRequest& request,
                                     const QString& text, const QString& path) {
    if (!request.transparent) return renderer.render(text);
    // A batch line names its own format; one title's was checked with its arguments.
    if (!keepsTransparency(outputFormatOf(path)))
      throw Failure(errorNumber::InvalidArgument, u"--transparent needs a .png or .webp picture"_s);
    return {renderer.renderAlone(text, request.trimMargin), {}};
  }

  BatchList readBatch(const RenderRequest& request) {
    QFile file(request.batchList);
    const QString option = u"--batch "_s + quoted(request.batchList);
    if (!file.open(QIODevice::ReadOnly))
      throw UsageError(option + u": cannot read: "_s + file.errorString());
    // Read with the limit itself: a pipe or a device reports no size.
    std::optional<QByteArray> content;
    try {
      content = readRestWithin(file, largestBatchList);
    } catch (const Failure&) {
      throw UsageError(option + u": cannot read: "_s + file.errorString());
    }
    if (!content) throw UsageError(option + u": the list is too large"_s);
    BatchList batch = parseBatchList(*content);
    if (batch.titles.empty() && batch.problems.empty())
      throw UsageError(option + u": the list holds no titles"_s);
    return batch;
  }

  static void checkOutputFolder(const QString& folder) {
    const QFileInfo info(folder);
    const QString option = u"--out-dir "_s + quoted(folder);
    if (!info.isDir()) throw Failure(errorNumber::PathNotFound, option + u": no such folder"_s);
    if (!info.isWritable())
      throw Failure(errorNumber::PermissionDenied, option + u": the folder cannot be written"_s);
  }

  // Encoding and writing one title runs on a second thread while the next
  // title renders, so a batch keeps both cores busy; outcomes are still
  // reported in the order of the list.
  int renderBatch(TitleRenderer& renderer, const RenderRequest& request, const BatchList& batch) {
    BatchProgress progress(environment_.errors, isTerminal(environment_.errors),
                           int(batch.titles.size()));
    const QString listName = request.batchList;
    for (const BatchProblem& problem : batch.problems)
      progress.report(
          u"Velloro: %1:%2: %3"_s.arg(listName).arg(problem.lineNumber).arg(problem.message));
    int failed = int(batch.problems.size());
    int done = 0;
    const auto finishTitle = [&](const BatchTitle& title, const std::optional<QString>& problem) {
      if (problem) {
        ++failed;
        progress.report(u"Velloro: %1:%2: %3: %4"_s.arg(listName)
                            .arg(title.lineNumber)
                            .arg(quoted(title.fileName), *problem));
      }
      progress.titleDone(++done, title.text);
    };
    std::future<std::optional<QString>> writing;
    const BatchTitle* written = nullptr;
    for (const BatchTitle& title : batch.titles) {
      const QString path = request.outputFolder + u'/' + title.fileName;
      RenderedTitle rendered;
      std::optional<QString> problem;
      try {
        rendered = renderedTitle(renderer, request, title.text, path);
      } catch (const Failure& failure) {
        problem = failure.description();
      }
      if (written) finishTitle(*written, writing.get());
      written = nullptr;
      if (problem) {
        finishTitle(title, problem);
        continue;
      }
      if (rendered.cut.any())
        progress.report(u"Velloro: %1:%2: %3: %4"_s.arg(listName)
                            .arg(title.lineNumber)
                            .arg(quoted(title.fileName), cutNotice(rendered.cut)));
      writing = startWriting(rendered.picture, path, request.quality);
      written = &title;
    }
    if (written) finishTitle(*written, writing.get());
    progress.finish();
    return failed == 0 ? exitStatus::Success : exitStatus::Failed;
  }

  // On a second thread when one can be started, else when its outcome is asked for.
  static std::future<std::optional<QString>> startWriting(const QImage& picture,
                                                          const QString& path,
                                                          std::optional<int> quality) {
    try {
      return std::async(std::launch::async, writingProblem, picture, path, quality);
    } catch (const std::system_error&) {
      return std::async(std::launch::deferred, writingProblem, picture, path, quality);
    }
  }

  // Writes `picture` under `path`; what went wrong, if anything. A link
  // under the name is refused, so a batch writes only inside its folder.
  static std::optional<QString> writingProblem(QImage picture, QString path,
                                               std::optional<int> quality) {
    try {
      writePicture(picture, path, quality, FinalLink::Refuse);
      return std::nullopt;
    } catch (const Failure& failure) {
      return failure.description();
    }
  }

  const RenderEnvironment& environment_;
  ConsolePlatform console_;
};

}  // namespace

int runRenderCommand(const QStringList& arguments, const RenderEnvironment& environment) {
  return RenderRun(environment).run(arguments);
}

void prepareHeadlessRun() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#ifdef __GLIBC__
  // Every title allocates and frees working arrays of the same few
  // megabytes; kept in the heap instead of mapped afresh, they are reused
  // without faulting in new pages for each title of a batch.
  constexpr int keptInHeap = 256 << 20;
  mallopt(M_MMAP_THRESHOLD, keptInHeap);
  mallopt(M_TRIM_THRESHOLD, 2 * keptInHeap);
#endif
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
      print(stderr, u"Velloro: "_s + message + u'\n');
  });
}
