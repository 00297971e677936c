#include "headless/font_files.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

#include "design/font_file.h"
#include "design/font_installed_instances.h"
#include "design/style.h"
#include "files/failure.h"
#include "headless/render_command.h"

using namespace Qt::StringLiterals;

namespace {

QString quoted(const QString& text) { return u'\'' + text + u'\''; }

void addOrRefuse(const QString& written, const QString& named) {
  const AddedFont added = addFontFile(written);
  if (!added.problem.isEmpty()) throw UsageError(named + u": "_s + added.problem);
}

bool installed(const QString& family) {
  return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

void addFontFilesOf(const RenderRequest& request, const Style& style) {
  for (const QString& file : request.fontFiles) addOrRefuse(file, u"--font-file "_s + quoted(file));
  if (style.font.file.isEmpty() || request.styleFile.isEmpty()) return;
  const QString file = QDir(QFileInfo(request.styleFile).absolutePath()).filePath(style.font.file);
  addOrRefuse(file, u"--style "_s + quoted(request.styleFile) + u": font file "_s +
                        quoted(style.font.file));
}

void addInstalledInstanceOf(const Style& style) {
  if (const QString problem = provideInstalledInstance(style.font.family); !problem.isEmpty())
    throw UsageError(u"the font family "_s + quoted(style.font.family) + u": "_s + problem);
}

std::optional<QString> missingFamilyNotice(const RenderRequest& request, const Style& style) {
  const bool named =
      request.overrides.contains(Setting::FontFamily) || style.font.family != Style().font.family;
  if (!named || installed(style.font.family)) return std::nullopt;
  const QString notice = u"the font family "_s + quoted(style.font.family) +
                         u" is not installed and no font file provides it"_s;
  if (request.strictFonts)
    throw Failure(errorNumber::InvalidArgument,
                  notice + u" (--strict-fonts; --font-file PATH adds the font)"_s);
  return notice + u"; drawn in "_s + quoted(QFontInfo(QFont(style.font.family)).family());
}
