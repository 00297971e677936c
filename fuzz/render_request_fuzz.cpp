// Drives a whole `Velloro --render` from bytes, in-process: options, a style
// file and a background picture. The input is three parts separated by the
// first two double zero bytes: the arguments (split at single zero bytes),
// the style file's bytes, and the background picture's bytes (any bytes).
// Options that name files are dropped and the output goes to a file of this
// run, so a run writes nowhere else; the font size, the canvas and every
// value that sets a size are held small, and the engine stays loaded from
// one input to the next, so each input renders in a few milliseconds. The run must end with exit
// status 0, 1 or 2, never an escaping exception, and a run that succeeds must
// leave a picture that loads.
#include <dlfcn.h>

#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <map>

#include "files/failure.h"
#include "files/picture_loading.h"
#include "fuzz_file.h"
#include "headless/render_command.h"
#include "headless/render_run.h"

namespace {

// Options that name no file, with whether each takes a value.
const std::map<QString, bool>& harmlessOptions() {
  static const std::map<QString, bool> options{
      {"--text", true},         {"--font", true},           {"--size", true},
      {"--colour", true},       {"--color", true},          {"--material", true},
      {"--effect", true},       {"--canvas", true},         {"--at", true},
      {"--trim", true},         {"--quality", true},        {"--bold", false},
      {"--italic", false},      {"--underline", false},     {"--transparent", false},
      {"--gradient", true},     {"--gradient-angle", true}, {"--letter-spacing", true},
      {"--line-spacing", true}, {"--align", true},          {"--scale", true},
      {"--margin", true}};
  return options;
}

// The longest value kept of each option whose value sets a size: a
// render's cost grows with its pixels, and short values still reach every
// rule of the option (the command line target tries the parser on values of
// any length). A title of 24 characters still holds a letter and the breaks
// of one line more than a title may have.
const std::map<QString, qsizetype>& longestSizeValues() {
  static const std::map<QString, qsizetype> longest{{"--text", 24}, {"--canvas", 5},
                                                    {"--at", 5},    {"--margin", 2},
                                                    {"--trim", 2},  {"--letter-spacing", 3}};
  return longest;
}
constexpr qsizetype longestOtherValue = 64;

// Every pixel measure grows by the scale, the pixel count by its square; a
// scale of 2 already takes every path a larger one does.
constexpr int largestFuzzedScale = 2;

QString cappedValue(const QString& option, const QString& value) {
  if (option == QLatin1String("--scale")) {
    bool whole = false;
    if (value.toInt(&whole) > largestFuzzedScale && whole)
      return QString::number(largestFuzzedScale);
  }
  const auto longest = longestSizeValues().find(option);
  return value.left(longest == longestSizeValues().end() ? longestOtherValue : longest->second);
}

QStringList harmlessArguments(const QByteArray& part) {
  QStringList kept;
  const QList<QByteArray> words = part.isEmpty() ? QList<QByteArray>{} : part.split('\0');
  for (qsizetype i = 0; i < words.size(); ++i) {
    const QString word = QString::fromUtf8(words[i]);
    const QString name = word.section(u'=', 0, 0);
    const auto option = harmlessOptions().find(name);
    if (option == harmlessOptions().end()) continue;
    if (word.contains(u'='))
      kept << name + u'=' + cappedValue(name, word.section(u'=', 1));
    else
      kept << name;
    if (option->second && !word.contains(u'=') && i + 1 < words.size())
      kept << cappedValue(name, QString::fromUtf8(words[++i]));
  }
  return kept;
}

QString fileOf(const QTemporaryDir& folder, const char* name, const QByteArray& content) {
  const QString path = folder.filePath(QLatin1String(name));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
  file.write(content);
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication application(*argc, *argv);
  // Held open for the whole run: each input's own load of the engine then
  // only counts up, instead of mapping and relocating the library anew.
  if (!dlopen(ENGINE_PATH, RTLD_NOW | RTLD_LOCAL)) std::abort();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir folder(fuzzFolderTemplate());
  static std::FILE* nowhere = std::fopen("/dev/null", "w");
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const qsizetype first = bytes.indexOf(QByteArrayView("\0\0", 2));
  const qsizetype second = first < 0 ? -1 : bytes.indexOf(QByteArrayView("\0\0", 2), first + 2);
  const QByteArray options = first < 0 ? bytes : bytes.left(first);
  const QByteArray style =
      first < 0 ? QByteArray() : bytes.mid(first + 2, second < 0 ? -1 : second - first - 2);
  const QByteArray background = second < 0 ? QByteArray() : bytes.mid(second + 2);

  QStringList arguments{"--render", "--text", "Fuzz"};
  arguments << harmlessArguments(options);
  if (!style.isEmpty()) arguments << "--style" << fileOf(folder, "style.vstyle", style);
  if (!background.isEmpty())
    arguments << "--background" << fileOf(folder, "background", background);
  const QString output = folder.filePath(QStringLiteral("out.png"));
  QFile::remove(output);
  // A margin asks for the canvas that fits the design, itself small at
  // this size; any other run gets a small canvas of its own.
  arguments << "--size"
            << "8";
  if (arguments.filter(QRegularExpression(QStringLiteral("^--margin"))).isEmpty())
    arguments << "--canvas"
              << "48x32";
  arguments << "-o" << output;

  const int status = runRenderCommand(arguments, {QStringLiteral(VELLORO_DATA_FOLDER),
                                                  QStringLiteral(ENGINE_PATH), nowhere, nowhere});
  if (status < 0 || status > 2) std::abort();
  if (status == exitStatus::Success) {
    try {
      loadPicture(output);
    } catch (const Failure&) {
      std::abort();
    }
  }
  return 0;
}
