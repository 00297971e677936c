#include "headless/render_command.h"

#include <QFileInfo>
#include <algorithm>

#include "headless/command_options.h"

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void refuse(const QString& option, const QString& problem) {
  throw UsageError(option + u": "_s + problem);
}

QString quoted(const QString& value) { return u'\'' + value + u'\''; }

void checkOutputName(const QString& option, const QString& fileName) {
  if (outputFormatOf(fileName).isEmpty())
    refuse(option, quoted(fileName) + u" does not end in ."_s + outputFormats().join(u", ."_s));
}

void checkCombination(const RenderRequest& request) {
  const bool batch = !request.batchList.isEmpty();
  if (!request.text.isEmpty() && batch)
    throw UsageError(u"--text and --batch cannot go together"_s);
  // A document brings its own title.
  const bool single = !request.text.isEmpty() || (!batch && !request.documentFile.isEmpty());
  if (!single && !batch)
    throw UsageError(u"--text TEXT, --document FILE or --batch LIST is needed"_s);
  if (single && request.outputFile.isEmpty()) throw UsageError(u"-o OUT is needed"_s);
  if (single && !request.outputFolder.isEmpty())
    throw UsageError(u"--out-dir goes with --batch; one title is written to -o OUT"_s);
  if (batch && request.outputFolder.isEmpty()) throw UsageError(u"--out-dir DIR is needed"_s);
  if (batch && !request.outputFile.isEmpty())
    throw UsageError(u"-o goes with --text; a batch is written to --out-dir DIR"_s);
  if (request.largestLineCount && !request.box) throw UsageError(u"--max-lines needs --box WxH"_s);
  if (request.trimMargin && !request.transparent) throw UsageError(u"--trim needs --transparent"_s);
  // Each would be dropped without a word: the title has one fill.
  if (request.overrides.contains(Setting::FillColour) &&
      request.overrides.contains(Setting::GradientStops))
    throw UsageError(u"--colour and --gradient cannot go together: a title has one fill"_s);
  if (request.designPosition && !request.fixedCanvas())
    throw UsageError(
        u"--at needs a canvas of its own: --canvas WxH, --background FILE or --document FILE"_s);
  if (request.fitMargin && request.fixedCanvas())
    throw UsageError(
        u"--margin goes with a canvas that fits the design, not with --canvas, a background "
        u"picture or a document"_s);
  if (single) checkOutputName(u"-o"_s, request.outputFile);
  if (single && request.transparent && !keepsTransparency(outputFormatOf(request.outputFile)))
    throw UsageError(u"--transparent needs a .png or .webp picture"_s);
}

}  // namespace

UsageError::UsageError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString UsageError::message() const { return QString::fromStdString(what()); }

bool wantsCommandLine(const QStringList& arguments) {
  return std::ranges::any_of(arguments, [](const QString& word) {
    return word == u"--render"_s || word == u"--help"_s || word == u"-h"_s ||
           word == u"--version"_s;
  });
}

// A pipe or a device would hold the window in its first open, before it
// can answer anything, a signal included.
std::optional<QString> windowArgumentProblem(const QStringList& arguments) {
  for (const QString& word : arguments) {
    if (!word.startsWith(u'-')) {
      const QFileInfo file(word);
      if (file.exists() && !file.isFile()) return quoted(word) + u" is not a regular file"_s;
      continue;
    }
    const QString option = word.section(u'=', 0, 0);
    if (findOption(option))
      return u"option "_s + quoted(option) + u" needs --render (see --help)"_s;
    return u"unknown option "_s + quoted(option) + u" (see --help)"_s;
  }
  return std::nullopt;
}

ParsedCommand parseRenderCommand(const QStringList& arguments) {
  ParsedCommand command;
  if (arguments.contains(u"--help"_s) || arguments.contains(u"-h"_s))
    return {CommandAction::ShowHelp, {}};
  if (arguments.contains(u"--version"_s)) return {CommandAction::ShowVersion, {}};
  RenderRequest& request = command.request;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const SpelledOption spelled = spelledOption(arguments[i]);
    const CommandOption* known = findOption(spelled.option);
    if (known && (known->set || known->read))
      applyOption(*known, spelled, arguments, i, request);
    else if (spelled.option.startsWith(u'-'))
      throw UsageError(u"unknown option "_s + quoted(spelled.option) + u" (see --help)"_s);
    else
      throw UsageError(u"unexpected argument "_s + quoted(spelled.option) + u" (see --help)"_s);
  }
  checkCombination(request);
  return command;
}

QStringList outputFormats() { return {u"png"_s, u"webp"_s, u"jpg"_s, u"bmp"_s}; }

bool keepsTransparency(const QString& format) { return format == u"png"_s || format == u"webp"_s; }

QString outputFormatOf(const QString& fileName) {
  const QString extension = QFileInfo(fileName).suffix().toLower();
  if (extension == u"jpeg"_s) return u"jpg"_s;
  return outputFormats().contains(extension) ? extension : QString();
}
