#include "service/title_query.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

#include "headless/command_options.h"
#include "headless/render_command.h"
#include "service/query_error.h"

using namespace Qt::StringLiterals;

namespace {

// Options of the run that a query may give; every design setting's option
// may be given too.
const QStringList& runParameters() {
  static const QStringList names{u"text"_s,        u"style"_s, u"canvas"_s, u"margin"_s,
                                 u"background"_s,  u"at"_s,    u"trim"_s,   u"quality"_s,
                                 u"transparent"_s, u"scale"_s};
  return names;
}

bool isDesignParameter(const QString& name) {
  return std::ranges::any_of(settingDeclarations(), [&](const SettingDeclaration& setting) {
    return !setting.flag.isEmpty() && setting.flag == u"--"_s + name;
  });
}

const CommandOption& optionFor(const QString& name) {
  const CommandOption* option = findOption(u"--"_s + name);
  if (!option || !(runParameters().contains(name) || isDesignParameter(name)))
    throw QueryError(name + u": unknown parameter"_s);
  return *option;
}

bool isFontFile(const QString& name) {
  static const QRegularExpression fontExtension(u"\\.(ttf|otf)$"_s,
                                                QRegularExpression::CaseInsensitiveOption);
  return fontExtension.match(name).hasMatch();
}

// A value as the option reads it: a style or a font file by its name in its
// folder, a background only as a colour.
QString valueFor(const QueryPair& pair, const TitleFolders& folders) {
  if (pair.name == u"style"_s)
    return fileInFolder(pair.name, pair.value + u".vstyle"_s, folders.styles, u"style"_s);
  if (pair.name == u"font"_s && isFontFile(pair.value)) {
    if (folders.fonts.isEmpty()) throw QueryError(u"font: no font files are served"_s);
    return folders.fontFamily(fileInFolder(pair.name, pair.value, folders.fonts, u"font file"_s));
  }
  if (pair.name == u"background"_s && !pair.value.startsWith(u'#'))
    throw QueryError(u"background: '%1' is not a colour written #RRGGBB"_s.arg(pair.value));
  return pair.value;
}

// The option list's refusal names the option; a query names the parameter.
QString withParameterName(const QString& message, const QString& name) {
  const QString flag = u"--"_s + name;
  return message.startsWith(flag) ? name + message.mid(flag.size()) : message;
}

// A flag is given as "name" or "name=" and its canonical form is "name".
QueryPair readPair(const QueryPair& pair, const TitleFolders& folders, RenderRequest& request) {
  const CommandOption& option = optionFor(pair.name);
  try {
    if (option.set) {
      if (!pair.value.isEmpty()) throw QueryError(pair.name + u": takes no value"_s);
      option.set(request);
      return {pair.name, {}, false};
    }
    option.read(request, option.flag, valueFor(pair, folders));
  } catch (const UsageError& error) {
    throw QueryError(withParameterName(error.message(), pair.name));
  }
  return {pair.name, pair.value, true};
}

void checkCombination(const RenderRequest& request) {
  if (request.text.isEmpty()) throw QueryError(u"text: missing"_s);
  if (request.trimMargin && !request.transparent) throw QueryError(u"trim: needs transparent"_s);
  if (request.designPosition && !request.canvasSize) throw QueryError(u"at: needs canvas"_s);
  if (request.fitMargin && request.canvasSize)
    throw QueryError(u"margin: goes with a canvas that fits the design, not with canvas"_s);
}

void checkLimits(const RenderRequest& request, const QueryLimits& limits) {
  if (request.text.size() > limits.longestText)
    throw QueryError(u"text: longer than %1 characters"_s.arg(limits.longestText));
  if (request.text.count(u'\n') + 1 > limits.mostLines)
    throw QueryError(u"text: more than %1 lines"_s.arg(limits.mostLines));
  if (request.canvasSize) {
    const qint64 side = request.scale;
    if (qint64(request.canvasSize->width()) * request.canvasSize->height() * side * side >
        limits.mostPixels)
      throw QueryError(u"canvas: more than %1 pixels"_s.arg(limits.mostPixels));
  }
}

}  // namespace

QString fileInFolder(const QString& parameter, const QString& name, const QString& folder,
                     const QString& what) {
  static const QRegularExpression plainName(u"^[A-Za-z0-9_][A-Za-z0-9 ._-]{0,127}$"_s);
  const QString refusal = parameter + u": '%1' is no %2 of the %3 folder"_s;
  const QString shownName = parameter == u"style"_s ? name.chopped(7) : name;
  if (!plainName.match(name).hasMatch() || name.contains(u".."_s))
    throw QueryError(
        refusal.arg(shownName, what, parameter == u"style"_s ? u"styles"_s : u"fonts"_s));
  const QString home = QDir(folder).canonicalPath();
  const QFileInfo file(folder + u'/' + name);
  const QString real = file.canonicalFilePath();
  if (home.isEmpty() || !file.isFile() || !real.startsWith(home + u'/'))
    throw QueryError(
        refusal.arg(shownName, what, parameter == u"style"_s ? u"styles"_s : u"fonts"_s));
  return real;
}

TitleQuery readTitleQuery(const std::vector<QueryPair>& pairs, const TitleFolders& folders,
                          const QueryLimits& limits) {
  TitleQuery title;
  std::vector<QueryPair> canonicalPairs;
  for (const QueryPair& pair : pairs)
    canonicalPairs.push_back(readPair(pair, folders, title.request));
  checkCombination(title.request);
  checkLimits(title.request, limits);
  title.canonical = canonicalQuery(std::move(canonicalPairs));
  return title;
}
