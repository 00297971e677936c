#include "headless/render_command.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <map>

#include "state/gradient_fill.h"
#include "state/style_names.h"
#include "state/text_picture.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int farthestPosition = 100000;
constexpr int largestTrimMargin = 1000;
constexpr double largestFontSize = 300;

[[noreturn]] void refuse(const QString& option, const QString& problem) {
  throw UsageError(option + u": "_s + problem);
}

QString quoted(const QString& value) { return u'\'' + value + u'\''; }

int wholeNumber(const QString& option, const QString& value, int low, int high) {
  bool isNumber = false;
  const int number = value.trimmed().toInt(&isNumber);
  if (!isNumber || number < low || number > high)
    refuse(option, quoted(value) + u" is not a whole number from %1 to %2"_s.arg(low).arg(high));
  return number;
}

QColor colourOf(const QString& option, const QString& value) {
  static const QRegularExpression rgb(u"^#[0-9A-Fa-f]{6}$"_s);
  if (!rgb.match(value).hasMatch())
    refuse(option, quoted(value) + u" is not a colour written #RRGGBB"_s);
  return QColor::fromString(value);
}

QSize canvasSizeOf(const QString& option, const QString& value) {
  static const QRegularExpression size(u"^(\\d{1,5})[xX](\\d{1,5})$"_s);
  const QRegularExpressionMatch match = size.match(value);
  const int width = match.hasMatch() ? match.captured(1).toInt() : 0;
  const int height = match.hasMatch() ? match.captured(2).toInt() : 0;
  if (width < 1 || height < 1 || width > largestCanvasSide || height > largestCanvasSide)
    refuse(option,
           quoted(value) + u" is not a size WxH from 1x1 to %1x%1"_s.arg(largestCanvasSide));
  return {width, height};
}

QPoint positionOf(const QString& option, const QString& value) {
  static const QRegularExpression position(u"^\\s*(-?\\d{1,6})\\s*,\\s*(-?\\d{1,6})\\s*$"_s);
  const QRegularExpressionMatch match = position.match(value);
  const int x = match.hasMatch() ? match.captured(1).toInt() : 0;
  const int y = match.hasMatch() ? match.captured(2).toInt() : 0;
  if (!match.hasMatch() || std::abs(x) > farthestPosition || std::abs(y) > farthestPosition)
    refuse(option, quoted(value) + u" is not a position X,Y in pixels"_s);
  return {x, y};
}

QString nonEmpty(const QString& option, const QString& value) {
  if (value.isEmpty()) refuse(option, u"the value is empty"_s);
  return value;
}

// A text of spaces or invisible characters alone would give the bare canvas,
// reported as a title.
QString drawable(const QString& option, const QString& value) {
  const bool drawsSomething =
      std::any_of(value.begin(), value.end(), [](QChar c) { return c.isPrint() && !c.isSpace(); });
  if (!value.isEmpty() && !drawsSomething) refuse(option, u"the text holds nothing to draw"_s);
  if (const QString problem = titleLinesProblem(value); !problem.isEmpty()) refuse(option, problem);
  return value;
}

// Bytes of a name that are no UTF-8 text arrive as U+FFFD: the file under
// that name would be another one than the user meant.
QString fileName(const QString& option, const QString& value) {
  if (value.contains(QChar::ReplacementCharacter))
    refuse(option, quoted(value) + u" is not a file name in UTF-8"_s);
  return nonEmpty(option, value);
}

using ValueReader = std::function<void(RenderRequest&, const QString& option, const QString&)>;
using FlagSetter = std::function<void(RenderRequest&)>;

const std::map<QString, ValueReader>& valueOptions() {
  static const std::map<QString, ValueReader> options{
      {u"--text"_s,
       [](RenderRequest& r, const QString& o, const QString& v) { r.text = drawable(o, v); }},
      {u"--batch"_s,
       [](RenderRequest& r, const QString& o, const QString& v) { r.batchList = fileName(o, v); }},
      {u"--out-dir"_s, [](RenderRequest& r, const QString& o,
                          const QString& v) { r.outputFolder = fileName(o, v); }},
      {u"-o"_s,
       [](RenderRequest& r, const QString& o, const QString& v) { r.outputFile = fileName(o, v); }},
      {u"--style"_s,
       [](RenderRequest& r, const QString& o, const QString& v) { r.styleFile = fileName(o, v); }},
      {u"--font"_s, [](RenderRequest& r, const QString& o,
                       const QString& v) { r.overrides.fontFamily = nonEmpty(o, v); }},
      {u"--size"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         bool isNumber = false;
         const double size = v.trimmed().toDouble(&isNumber);
         if (!isNumber || !(size >= 1 && size <= largestFontSize))
           refuse(o, quoted(v) + u" is not a size in points from 1 to 300"_s);
         r.overrides.fontSize = size;
       }},
      {u"--colour"_s, [](RenderRequest& r, const QString& o,
                         const QString& v) { r.overrides.colour = colourOf(o, v); }},
      {u"--material"_s, [](RenderRequest& r, const QString& o,
                           const QString& v) { r.overrides.material = wholeNumber(o, v, 0, 7); }},
      {u"--effect"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         const std::optional<int> effect = numberOfName(effectNames(), v);
         if (!effect) refuse(o, quoted(v) + u" is none of "_s + joinedNames(effectNames()));
         r.overrides.effectType = effect;
       }},
      {u"--letter-spacing"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.overrides.letterSpacing = wholeNumber(o, v, -largestLetterSpacing, largestLetterSpacing);
       }},
      {u"--align"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         const QString word = v == u"center"_s ? u"centre"_s : v;
         const std::optional<int> alignment = numberOfName(alignmentNames(), word);
         if (!alignment) refuse(o, quoted(v) + u" is none of "_s + joinedNames(alignmentNames()));
         r.overrides.alignment = alignment;
       }},
      {u"--line-spacing"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         bool isNumber = false;
         const double factor = v.trimmed().toDouble(&isNumber);
         if (!isNumber || !(factor >= smallestLineSpacing && factor <= largestLineSpacing))
           refuse(o, quoted(v) + u" is not a factor from %1 to %2"_s.arg(smallestLineSpacing)
                                     .arg(largestLineSpacing));
         r.overrides.lineSpacing = factor;
       }},
      {u"--gradient"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         const GradientStopsReading reading = readGradientStops(v);
         if (!reading.problem.isEmpty()) refuse(o, quoted(v) + u": "_s + reading.problem);
         r.overrides.gradientStops = reading.stops;
       }},
      {u"--gradient-angle"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         bool isNumber = false;
         const double angle = v.trimmed().toDouble(&isNumber);
         if (!isNumber || !(std::abs(angle) <= largestGradientAngle))
           refuse(o, quoted(v) +
                         u" is not an angle in degrees from -%1 to %1"_s.arg(largestGradientAngle));
         r.overrides.gradientAngle = angle;
       }},
      {u"--canvas"_s, [](RenderRequest& r, const QString& o,
                         const QString& v) { r.canvasSize = canvasSizeOf(o, v); }},
      {u"--background"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.backgroundColour.reset();
         r.backgroundPicture.clear();
         if (v.startsWith(u'#'))
           r.backgroundColour = colourOf(o, v);
         else
           r.backgroundPicture = fileName(o, v);
       }},
      {u"--at"_s, [](RenderRequest& r, const QString& o,
                     const QString& v) { r.designPosition = positionOf(o, v); }},
      {u"--trim"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.trimMargin = wholeNumber(o, v, 0, largestTrimMargin);
       }},
      {u"--quality"_s, [](RenderRequest& r, const QString& o,
                          const QString& v) { r.quality = wholeNumber(o, v, 0, 100); }},
  };
  return options;
}

const std::map<QString, FlagSetter>& flagOptions() {
  static const std::map<QString, FlagSetter> options{
      {u"--render"_s, [](RenderRequest&) {}},
      {u"--bold"_s, [](RenderRequest& r) { r.overrides.bold = true; }},
      {u"--italic"_s, [](RenderRequest& r) { r.overrides.italic = true; }},
      {u"--underline"_s, [](RenderRequest& r) { r.overrides.underline = true; }},
      {u"--transparent"_s, [](RenderRequest& r) { r.transparent = true; }},
  };
  return options;
}

QString canonicalName(const QString& option) {
  if (option == u"--output"_s) return u"-o"_s;
  if (option == u"--color"_s) return u"--colour"_s;
  return option;
}

void checkOutputName(const QString& option, const QString& fileName) {
  if (outputFormatOf(fileName).isEmpty())
    refuse(option, quoted(fileName) + u" does not end in ."_s + outputFormats().join(u", ."_s));
}

void checkCombination(const RenderRequest& request) {
  const bool single = !request.text.isEmpty();
  const bool batch = !request.batchList.isEmpty();
  if (single && batch) throw UsageError(u"--text and --batch cannot go together"_s);
  if (!single && !batch) throw UsageError(u"--text TEXT or --batch LIST is needed"_s);
  if (single && request.outputFile.isEmpty()) throw UsageError(u"-o OUT is needed"_s);
  if (single && !request.outputFolder.isEmpty())
    throw UsageError(u"--out-dir goes with --batch; one title is written to -o OUT"_s);
  if (batch && request.outputFolder.isEmpty()) throw UsageError(u"--out-dir DIR is needed"_s);
  if (batch && !request.outputFile.isEmpty())
    throw UsageError(u"-o goes with --text; a batch is written to --out-dir DIR"_s);
  if (request.trimMargin && !request.transparent) throw UsageError(u"--trim needs --transparent"_s);
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

std::optional<QString> windowArgumentProblem(const QStringList& arguments) {
  for (const QString& word : arguments) {
    if (!word.startsWith(u'-')) continue;
    const QString option = word.section(u'=', 0, 0);
    const QString known = canonicalName(option);
    if (flagOptions().contains(known) || valueOptions().contains(known))
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
    QString option = arguments[i];
    std::optional<QString> value;
    if (option.startsWith(u"--"_s) && option.contains(u'=')) {
      value = option.section(u'=', 1);
      option = option.section(u'=', 0, 0);
    }
    option = canonicalName(option);
    if (const auto flag = flagOptions().find(option); flag != flagOptions().end()) {
      if (value) refuse(option, u"takes no value"_s);
      flag->second(request);
    } else if (const auto reader = valueOptions().find(option); reader != valueOptions().end()) {
      if (!value && i + 1 >= arguments.size()) refuse(option, u"needs a value"_s);
      reader->second(request, option, value ? *value : arguments[++i]);
    } else if (option.startsWith(u'-')) {
      throw UsageError(u"unknown option "_s + quoted(option) + u" (see --help)"_s);
    } else {
      throw UsageError(u"unexpected argument "_s + quoted(option) + u" (see --help)"_s);
    }
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
