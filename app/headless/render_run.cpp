#include "headless/render_run.h"

#include <QFile>
#include <QFileInfo>
#include <memory>
#include <optional>
#include <vector>

#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "design/missing_glyphs.h"
#include "files/bounded_read.h"
#include "files/failure.h"
#include "files/removal_on_signal.h"
#include "headless/background_write.h"
#include "headless/batch_lanes.h"
#include "headless/batch_list.h"
#include "headless/batch_progress.h"
#include "headless/console_platform.h"
#include "headless/picture_output.h"
#include "headless/printable_text.h"
#include "headless/private_engine.h"
#include "headless/render_command.h"
#include "headless/scaled_scene.h"
#include "headless/title_scene.h"
#include "rendering/engine_library.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 largestBatchList = 64 << 20;

void print(std::FILE* stream, const QString& text) {
  const QByteArray bytes = text.toUtf8();
  std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
  std::fflush(stream);
}

QString quoted(const QString& text) { return u'\'' + text + u'\''; }

QString boxCutNotice(const TitleScene& scene) {
  return u"the title does not fit the box %1x%2: it is cut"_s.arg(scene.box->width())
      .arg(scene.box->height());
}

// The picture is written all the same: a fixed canvas is what was asked for.
QString cutNotice(const EdgeOverrun& cut) {
  return u"the design runs past the canvas: "_s + overrunText(cut);
}

// The notice of a title with characters that no font draws, which is
// written only when the request allows it; otherwise throws a Failure.
std::optional<QString> missingGlyphsNotice(const TitleRenderer& renderer,
                                           const RenderRequest& request, const QString& text) {
  const QList<char32_t> missing = renderer.missingCharacters(text);
  if (missing.isEmpty()) return std::nullopt;
  if (!request.allowMissingGlyphs)
    throw Failure(errorNumber::InvalidArgument,
                  missingGlyphsText(missing) +
                      u"; not written (--allow-missing-glyphs writes it all the same)"_s);
  return missingGlyphsText(missing);
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
    if (scene.fontNotice) say(*scene.fontNotice);
    const BatchList batch = request.batchList.isEmpty() ? BatchList{} : readBatch(request);
    if (!request.batchList.isEmpty()) checkOutputFolder(request.outputFolder);
    EngineLibrary engine(environment_.enginePath);
    TitleRenderer renderer(scene, engine.entryPoints(), console_);
    if (request.batchList.isEmpty()) return renderOne(renderer, scene, request);
    return renderBatch(renderer, scene, request, batch);
  }

  int renderOne(TitleRenderer& renderer, const TitleScene& scene, const RenderRequest& request) {
    try {
      const QString& text = request.text.isEmpty() ? scene.documentText : request.text;
      const std::optional<QString> missing = missingGlyphsNotice(renderer, request, text);
      const TitleFit fit = renderer.fitToBox(text);
      const RenderedTitle title = renderedTitle(renderer, request, fit.text, request.outputFile);
      writePicture(title.picture, request.outputFile, request.quality);
      if (missing) say(quoted(request.outputFile) + u": "_s + *missing);
      if (fit.cut) say(quoted(request.outputFile) + u": "_s + boxCutNotice(scene));
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
    if (info.exists() && !info.isDir())
      throw Failure(errorNumber::PathNotFound, option + u": not a folder"_s);
    if (!info.isDir()) throw Failure(errorNumber::PathNotFound, option + u": no such folder"_s);
    if (!info.isWritable())
      throw Failure(errorNumber::PermissionDenied, option + u": the folder cannot be written"_s);
  }

  // Titles are rendered and written on as many threads as the machine has
  // cores for; what became of each is still reported in the order of the list.
  int renderBatch(TitleRenderer& renderer, const TitleScene& scene, const RenderRequest& request,
                  const BatchList& batch) {
    BatchProgress progress(environment_.errors, isTerminal(environment_.errors),
                           int(batch.titles.size()));
    const QString listName = request.batchList;
    for (const BatchProblem& problem : batch.problems)
      progress.report(
          u"Velloro: %1:%2: %3"_s.arg(listName).arg(problem.lineNumber).arg(problem.message));
    int failed = int(batch.problems.size());
    std::vector<std::unique_ptr<PrivateEngine>> engines;
    std::vector<std::unique_ptr<TitleRenderer>> renderers;
    std::vector<TitleRenderer*> lanes{&renderer};
    while (lanes.size() < batchLaneCount(batch.titles.size())) {
      TitleRenderer* further = furtherRenderer(scene, engines, renderers);
      if (!further) break;
      lanes.push_back(further);
    }
    BatchLanes running(lanes.size(), batch.titles.size(), [&](size_t lane, size_t index) {
      return titleOutcome(*lanes[lane], scene, request, batch.titles[index]);
    });
    for (size_t index = 0; index < batch.titles.size(); ++index) {
      const BatchTitle& title = batch.titles[index];
      const TitleOutcome outcome = running.nextOutcome();
      const QString line =
          u"Velloro: %1:%2: %3: "_s.arg(listName).arg(title.lineNumber).arg(quoted(title.fileName));
      if (outcome.missingGlyphsNotice) progress.report(line + *outcome.missingGlyphsNotice);
      if (outcome.boxCutNotice) progress.report(line + *outcome.boxCutNotice);
      if (outcome.cutNotice) progress.report(line + *outcome.cutNotice);
      if (outcome.problem) {
        ++failed;
        progress.report(line + *outcome.problem);
      }
      progress.titleDone(int(index) + 1, title.text);
    }
    progress.finish();
    return failed == 0 ? exitStatus::Success : exitStatus::Failed;
  }

  // A renderer on an engine object of its own, on one thread as the lanes
  // keep the cores busy, kept in `engines` and `renderers`; null when the
  // object cannot be made, and the batch goes on with the renderers it has.
  TitleRenderer* furtherRenderer(const TitleScene& scene,
                                 std::vector<std::unique_ptr<PrivateEngine>>& engines,
                                 std::vector<std::unique_ptr<TitleRenderer>>& renderers) {
    try {
      engines.push_back(std::make_unique<PrivateEngine>(environment_.enginePath, 1));
      renderers.push_back(
          std::make_unique<TitleRenderer>(scene, engines.back()->entryPoints(), console_));
      return renderers.back().get();
    } catch (const Failure&) {
      return nullptr;
    }
  }

  // Renders `title` and starts writing it into the output folder. A link
  // under its name is refused, so a batch writes only inside its folder.
  static TitleOutcome titleOutcome(TitleRenderer& renderer, const TitleScene& scene,
                                   const RenderRequest& request, const BatchTitle& title) {
    const QString path = request.outputFolder + u'/' + title.fileName;
    TitleOutcome outcome;
    try {
      outcome.missingGlyphsNotice = missingGlyphsNotice(renderer, request, title.text);
      const TitleFit fit = renderer.fitToBox(title.text);
      if (fit.cut) outcome.boxCutNotice = boxCutNotice(scene);
      const RenderedTitle rendered = renderedTitle(renderer, request, fit.text, path);
      if (rendered.cut.any()) outcome.cutNotice = cutNotice(rendered.cut);
      QByteArray bytes = encodedPicture(rendered.picture, outputFormatOf(path), request.quality);
      outcome.writing = writeInBackground(path, std::move(bytes), FinalLink::Refuse);
    } catch (const Failure& failure) {
      outcome.problem = failure.description();
    } catch (const std::bad_alloc&) {
      // One title too large for the memory left fails alone: the memory it
      // took is free again for the titles after it.
      outcome.problem = currentFailure().description();
    }
    return outcome;
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
  // A render ends at once on a signal, leaving no half-written picture.
  removeOnEndingSignals();
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
