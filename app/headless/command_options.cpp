#include "headless/command_options.h"

#include <QRegularExpression>
#include <algorithm>

#include "design/effect_entry_text.h"
#include "design/font_file.h"
#include "design/gradient_fill.h"
#include "design/setting_declarations.h"
#include "design/text_picture.h"
#include "design/title_fit.h"
#include "headless/render_command.h"
#include "headless/scaled_scene.h"
#include "headless/service_options.h"
#include "rendering/design_overrun.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int farthestPosition = 100000;
constexpr int largestMargin = 1000;
constexpr int largestQuality = 100;

[[noreturn]] void refuse(const QString& option, const QString& problem) {
  throw UsageError(option + u": "_s + problem);
}

QString quoted(const QString& value) { return u'\'' + value + u'\''; }

QString rangeText(double low, double high) { return u"from %1 to %2"_s.arg(low).arg(high); }

int wholeNumber(const QString& option, const QString& value, int low, int high) {
  bool isNumber = false;
  const int number = value.trimmed().toInt(&isNumber);
  if (!isNumber || number < low || number > high)
    refuse(option, quoted(value) + u" is not a whole number "_s + rangeText(low, high));
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
// reported as a title. Bytes that are no UTF-8 arrive as U+FFFD, which
// would be drawn as a box in place of what was meant.
QString drawable(const QString& option, const QString& value) {
  if (value.isEmpty()) return value;
  if (value.contains(QChar::ReplacementCharacter)) refuse(option, u"the text is not UTF-8"_s);
  if (const QString problem = titleProblem(value); !problem.isEmpty()) refuse(option, problem);
  return value;
}

// Bytes of a name that are no UTF-8 text arrive as U+FFFD: the file under
// that name would be another one than the user meant.
QString fileName(const QString& option, const QString& value) {
  if (value.contains(QChar::ReplacementCharacter))
    refuse(option, quoted(value) + u" is not a file name in UTF-8"_s);
  return nonEmpty(option, value);
}

// A design setting's value as its type reads it from the command line.
SettingValue settingValue(const SettingDeclaration& setting, const QString& option,
                          const QString& value) {
  switch (setting.type) {
    case SettingType::WholeNumber:
      return int32_t(wholeNumber(option, value, int(setting.low), int(setting.high)));
    case SettingType::Number: {
      bool isNumber = false;
      const double number = value.trimmed().toDouble(&isNumber);
      if (!isNumber || !(number >= setting.low && number <= setting.high))
        refuse(option, quoted(value) + u" is not "_s + QLatin1String(setting.rangeNoun) + u' ' +
                           rangeText(setting.low, setting.high));
      return number;
    }
    case SettingType::Colour: {
      const QColor colour = colourOf(option, value);
      return StyleColour{colour.red(), colour.green(), colour.blue()};
    }
    case SettingType::Choice: {
      const std::optional<int> number = choiceNumber(setting, value);
      if (!number) refuse(option, quoted(value) + u" is none of "_s + joinedNames(setting.choices));
      return int32_t(*number);
    }
    case SettingType::Text: return nonEmpty(option, value);
    case SettingType::ColourList: {
      const GradientStopsReading reading = readGradientStops(value);
      if (!reading.problem.isEmpty()) refuse(option, quoted(value) + u": "_s + reading.problem);
      ColourList colours;
      for (const QColor& colour : reading.stops)
        colours.push_back({colour.red(), colour.green(), colour.blue()});
      return colours;
    }
    case SettingType::Flag:
    case SettingType::WholeList:
    case SettingType::EffectStack: break;
  }
  refuse(option, u"takes no value"_s);
}

// Each --effect lays one more entry on the stack the ones before it gave;
// "none" is the whole stack, alone.
EffectStack stackedEffect(const std::optional<SettingValue>& given, const QString& option,
                          const QString& value) {
  const EffectEntryText read = readEffectEntryText(value);
  if (!read.problem.isEmpty()) refuse(option, read.problem);
  if (!given) return read.entries;
  EffectStack stack = std::get<EffectStack>(*given);
  if (read.entries.empty() || stack.empty())
    refuse(option, u"'none' cannot be stacked with other effects"_s);
  if (stack.size() >= size_t(mostEffects))
    refuse(option, u"at most %1 effects can be stacked"_s.arg(mostEffects));
  stack.push_back(read.entries.front());
  return stack;
}

CommandOption designOption(const SettingDeclaration& setting) {
  CommandOption option{
      setting.flag, setting.otherFlag, setting.valueName, settingHelp(setting), {}, {}};
  if (!setting.otherFlag.isEmpty()) option.help += u" (also "_s + setting.otherFlag + u')';
  const Setting id = setting.id;
  if (setting.type == SettingType::Flag)
    option.set = [id](RenderRequest& r) { r.overrides[id] = true; };
  else if (setting.type == SettingType::EffectStack)
    option.read = [id](RenderRequest& r, const QString& o, const QString& v) {
      const auto given = r.overrides.find(id);
      r.overrides[id] = stackedEffect(
          given == r.overrides.end() ? std::nullopt : std::optional(given->second), o, v);
    };
  else
    option.read = [id](RenderRequest& r, const QString& o, const QString& v) {
      r.overrides[id] = settingValue(declaration(id), o, v);
    };
  return option;
}

std::vector<CommandOption> runOptionsBefore() {
  return {
      {u"--render"_s,
       {},
       {},
       u"render without a window (the offscreen platform is\nused when QT_QPA_PLATFORM is not set)"_s,
       {},
       [](RenderRequest&) {}},
      {u"--text"_s,
       {},
       u"TEXT"_s,
       u"the title to render; a line break in TEXT starts a\nnew line (at most %1 lines)"_s.arg(
           largestLineCount),
       [](RenderRequest& r, const QString& o, const QString& v) { r.text = drawable(o, v); },
       {}},
      {u"-o"_s,
       u"--output"_s,
       u"OUT"_s,
       u"the picture to write; its extension gives the\nformat: .png, .webp, .jpg (or .jpeg) or .bmp"_s,
       [](RenderRequest& r, const QString& o, const QString& v) { r.outputFile = fileName(o, v); },
       {}},
      {u"--batch"_s,
       {},
       u"LIST"_s,
       u"render one title per line of LIST, a UTF-8 text file\nof lines \"text<TAB>file name\"; "
       u"lines starting with #\nare comments"_s,
       [](RenderRequest& r, const QString& o, const QString& v) { r.batchList = fileName(o, v); },
       {}},
      {u"--out-dir"_s,
       {},
       u"DIR"_s,
       u"the folder, which must exist, for the pictures of a\nbatch"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.outputFolder = fileName(o, v);
       },
       {}},
      {u"--style"_s,
       {},
       u"FILE"_s,
       u"start from the style file FILE (.vstyle) instead of\nthe fresh-start design"_s,
       [](RenderRequest& r, const QString& o, const QString& v) { r.styleFile = fileName(o, v); },
       {}},
      {u"--document"_s,
       {},
       u"FILE"_s,
       u"start from the Velloro document FILE (.velloro): its\ntitle, style, canvas and place; "
       u"--style and every\nother option given override them; with --batch the\ndocument is "
       u"the template of every title"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.documentFile = fileName(o, v);
       },
       {}},
  };
}

std::vector<CommandOption> runOptionsAfter() {
  return {
      {u"--allow-missing-glyphs"_s,
       {},
       {},
       u"write a title even when no font draws some of its\ncharacters (they are named on "
       u"standard error\nall the same); without it such a title fails"_s,
       {},
       [](RenderRequest& r) { r.allowMissingGlyphs = true; }},
      {u"--font-file"_s,
       {},
       u"PATH"_s,
       u"add the font file PATH (TTF, OTF, WOFF, WOFF2, at\nmost %1 MB; PATH#N for face N of a "
       u"collection)\nto this run's fonts, for --font or the style to name;\nmay be given more "
       u"than once"_s.arg(largestFontFile >> 20),
       [](RenderRequest& r, const QString& o, const QString& v) { r.fontFiles << fileName(o, v); },
       {}},
      {u"--strict-fonts"_s,
       {},
       {},
       u"fail when the font family the title names is not\ninstalled and no font file provides it, "
       u"instead of\ndrawing it in another font with a warning"_s,
       {},
       [](RenderRequest& r) { r.strictFonts = true; }},
      {u"--canvas"_s,
       {},
       u"WxH"_s,
       u"canvas size in pixels, 1x1 to %1x%1 (default:\nthe size of the background picture, or a "
       u"canvas that\nfits the design)"_s.arg(largestCanvasSide),
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.canvasSize = canvasSizeOf(o, v);
       },
       {}},
      {u"--box"_s,
       {},
       u"WxH"_s,
       u"fit each title's whole design, effects included, to\nWxH pixels: its lines wrap at "
       u"word boundaries, then\nits size is lowered down to %1 points; what still\ndoes not fit "
       u"is cut with an ellipsis, and said so"_s.arg(smallestFittedSize),
       [](RenderRequest& r, const QString& o, const QString& v) { r.box = canvasSizeOf(o, v); },
       {}},
      {u"--margin"_s,
       {},
       u"PX"_s,
       u"pixels around the design on a canvas that fits it,\n0 to %1 (default %2)"_s
           .arg(largestMargin)
           .arg(fittedCanvasMargin),
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.fitMargin = wholeNumber(o, v, 0, largestMargin);
       },
       {}},
      {u"--background"_s,
       {},
       u"BG"_s,
       u"canvas colour #RRGGBB (default white) or a picture FILE; with --canvas the picture is "
       u"tiled over it"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.backgroundColour.reset();
         r.backgroundPicture.clear();
         if (v.startsWith(u'#'))
           r.backgroundColour = colourOf(o, v);
         else
           r.backgroundPicture = fileName(o, v);
       },
       {}},
      {u"--at"_s,
       {},
       u"X,Y"_s,
       u"where the design goes on a canvas given by --canvas\nor a background picture (default 5,5)"_s,
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.designPosition = positionOf(o, v);
       },
       {}},
      {u"--transparent"_s,
       {},
       {},
       u"write the design alone on a transparent background,\nas File > Export for the web does, "
       u"without the\ncanvas's colour or picture (png and webp only); the\npicture always holds "
       u"the whole design"_s,
       {},
       [](RenderRequest& r) { r.transparent = true; }},
      {u"--trim"_s,
       {},
       u"MARGIN"_s,
       u"with --transparent, cut the picture to what can be\nseen of the design plus MARGIN pixels "
       u"(0 to %1)\non each side; a title with nothing to see fails"_s.arg(largestMargin),
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.trimMargin = wholeNumber(o, v, 0, largestMargin);
       },
       {}},
      {u"--quality"_s,
       {},
       u"Q"_s,
       u"quality 0 to %1 of jpg pictures; webp pictures are lossless without it and lossy below "
       u"%1"_s.arg(largestQuality),
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.quality = wholeNumber(o, v, 0, largestQuality);
       },
       {}},
      {u"--scale"_s,
       {},
       u"N"_s,
       u"draw at N times the pixel density, 1 to %1, for\nscreens of high density (@2x, @3x): "
       u"font size,\neffect widths, canvas, --at and --trim grow N times"_s.arg(largestScale),
       [](RenderRequest& r, const QString& o, const QString& v) {
         r.scale = wholeNumber(o, v, 1, largestScale);
       },
       {}},
  };
}

// --help and --version close the list.
std::vector<CommandOption> closingOptions() {
  return {
      {u"-h"_s, u"--help"_s, {}, u"show this help and end"_s, {}, {}},
      {u"--version"_s, {}, {}, u"show the version and end"_s, {}, {}},
  };
}

}  // namespace

const std::vector<CommandOption>& commandOptions() {
  static const std::vector<CommandOption> options = [] {
    std::vector<CommandOption> all = runOptionsBefore();
    for (const SettingDeclaration& setting : settingDeclarations())
      if (!setting.flag.isEmpty()) all.push_back(designOption(setting));
    std::ranges::move(runOptionsAfter(), std::back_inserter(all));
    std::ranges::move(serviceOptions(), std::back_inserter(all));
    std::ranges::move(closingOptions(), std::back_inserter(all));
    return all;
  }();
  return options;
}

const CommandOption* findOption(const QString& word) {
  for (const CommandOption& option : commandOptions())
    if (word == option.flag || (!option.otherFlag.isEmpty() && word == option.otherFlag))
      return &option;
  return nullptr;
}

SpelledOption spelledOption(const QString& word) {
  if (!word.startsWith(u"--"_s) || !word.contains(u'=')) return {word, std::nullopt};
  return {word.section(u'=', 0, 0), word.section(u'=', 1)};
}

void applyOption(const CommandOption& known, const SpelledOption& spelled,
                 const QStringList& arguments, qsizetype& at, RenderRequest& request) {
  if (known.set) {
    if (spelled.value) refuse(known.flag, u"takes no value"_s);
    known.set(request);
    return;
  }
  if (!spelled.value && at + 1 >= arguments.size()) refuse(known.flag, u"needs a value"_s);
  known.read(request, known.flag, spelled.value ? *spelled.value : arguments[++at]);
}
