#include "design/font_installed_instances.h"

#include <fontconfig/fontconfig.h>

#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <tuple>
#include <variant>

#include "design/font_file.h"
#include "design/font_instances.h"

using namespace Qt::StringLiterals;

namespace {

struct VariableFace {
  QString path;
  int face = 0;
  QString family;
};

struct PatternDone {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDone {
  void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetDone {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};

std::optional<VariableFace> variableFaceOf(FcPattern* font) {
  FcChar8* file = nullptr;
  FcChar8* family = nullptr;
  int index = 0;
  if (FcPatternGetString(font, FC_FILE, 0, &file) != FcResultMatch ||
      FcPatternGetString(font, FC_FAMILY, 0, &family) != FcResultMatch ||
      FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch)
    return std::nullopt;
  // The face's number is in the low half; the high half names an instance.
  return VariableFace{QFile::decodeName(reinterpret_cast<const char*>(file)), index & 0xFFFF,
                      QString::fromUtf8(reinterpret_cast<const char*>(family))};
}

// The installed variable fonts' faces, as the system's font configuration
// knows them: one entry for the face itself beside one for each instance.
std::vector<VariableFace> installedVariableFaces() {
  const std::unique_ptr<FcPattern, PatternDone> pattern(
      FcPatternBuild(nullptr, FC_VARIABLE, FcTypeBool, FcTrue, nullptr));
  const std::unique_ptr<FcObjectSet, ObjectSetDone> objects(
      FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, nullptr));
  if (!pattern || !objects) return {};
  const std::unique_ptr<FcFontSet, FontSetDone> fonts(
      FcFontList(nullptr, pattern.get(), objects.get()));
  std::vector<VariableFace> faces;
  for (int font = 0; fonts && font < fonts->nfont; ++font)
    if (std::optional<VariableFace> face = variableFaceOf(fonts->fonts[font]))
      faces.push_back(*face);
  std::sort(faces.begin(), faces.end(), [](const VariableFace& a, const VariableFace& b) {
    return std::tie(a.path, a.face) < std::tie(b.path, b.face);
  });
  faces.erase(std::unique(faces.begin(), faces.end(),
                          [](const VariableFace& a, const VariableFace& b) {
                            return a.path == b.path && a.face == b.face;
                          }),
              faces.end());
  return faces;
}

QString addedInstance(const InstalledInstance& instance) {
  const std::variant<QByteArray, QString> bytes = fontFileBytes(instance.path);
  if (const QString* problem = std::get_if<QString>(&bytes)) return *problem;
  const std::variant<QByteArray, QString> made =
      staticFontOf(std::get<QByteArray>(bytes), instance.face, instance.instance,
                   {instance.family, instance.style});
  if (const QString* problem = std::get_if<QString>(&made)) return *problem;
  if (QFontDatabase::addApplicationFontFromData(std::get<QByteArray>(made)) < 0)
    return u"the font is damaged or of a kind this system cannot draw"_s;
  return {};
}

struct ProvidedInstances {
  std::mutex mutex;
  QHash<QString, QString> problemOf;  // by the instance's family, as it is listed
};

}  // namespace

std::vector<InstalledInstance> readInstalledInstances() {
  QStringList taken = QFontDatabase::families();
  std::vector<InstalledInstance> instances;
  for (const VariableFace& face : installedVariableFaces()) {
    const auto names = namedInstancesOf(face.path, face.face);
    if (!std::holds_alternative<std::vector<InstanceName>>(names)) continue;
    for (const InstanceName& name : std::get<std::vector<InstanceName>>(names)) {
      const QString family = face.family + u' ' + name.name;
      if (taken.contains(family, Qt::CaseInsensitive)) continue;
      taken << family;
      instances.push_back({family, name.name, face.path, face.face, name.number});
    }
  }
  return instances;
}

const std::vector<InstalledInstance>& installedInstances() {
  static const std::vector<InstalledInstance> instances = readInstalledInstances();
  return instances;
}

QStringList listedFamilies() {
  QStringList families = QFontDatabase::families();
  for (const InstalledInstance& instance : installedInstances())
    if (!families.contains(instance.family)) families << instance.family;
  families.sort(Qt::CaseInsensitive);
  return families;
}

QString provideInstalledInstance(const QString& family) {
  // A family the font database has (nearly every title's) needs no
  // instance, nor the instances read.
  if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) return {};
  const std::vector<InstalledInstance>& instances = installedInstances();
  const auto named = std::find_if(instances.begin(), instances.end(), [&](const auto& instance) {
    return instance.family.compare(family, Qt::CaseInsensitive) == 0;
  });
  if (named == instances.end()) return {};
  static ProvidedInstances provided;
  const std::lock_guard lock(provided.mutex);
  if (const auto known = provided.problemOf.constFind(named->family);
      known != provided.problemOf.constEnd())
    return *known;
  const QString problem = addedInstance(*named);
  return provided.problemOf[named->family] =
             problem.isEmpty() ? problem : named->path + u": "_s + problem;
}
