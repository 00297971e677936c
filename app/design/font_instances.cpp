#include "design/font_instances.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_MULTIPLE_MASTERS_H

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>

#include "design/font_face.h"
#include "design/font_instance_kerning.h"
#include "design/font_instance_metrics.h"
#include "design/font_outlines.h"
#include "design/font_tables.h"
#include "design/font_variation_check.h"

using namespace Qt::StringLiterals;
using namespace fontBytes;

namespace {

struct Axis {
  FT_ULong tag = 0;
  FT_Fixed defaultValue = 0;
};

struct NamedInstance {
  int number = 0;  // FreeType's, counted from 1
  QString name;
  std::vector<FT_Fixed> coordinates;
};

struct Variations {
  QString problem;
  std::vector<Axis> axes = {};
  std::vector<NamedInstance> instances = {};
};

bool atDefault(const Variations& variations, const NamedInstance& instance) {
  for (size_t axis = 0; axis < variations.axes.size(); ++axis)
    if (instance.coordinates[axis] != variations.axes[axis].defaultValue) return false;
  return true;
}

const QString damaged = u"the font's variation tables are damaged"_s;

// FreeType's record of the variations, given back when done with.
struct MasterRecord {
  const FontFace& font;
  FT_MM_Var* master;
  ~MasterRecord() { FT_Done_MM_Var(font.library(), master); }
};

// What is read of the variation tables: the axes alone to list the
// instances, every table before an instance is drawn.
enum class TablesRead { Axes, All };

VariationTables variationTablesOf(const FontFace& font, TablesRead read) {
  VariationTables tables{font.table(tableTag("fvar")), {}, {}, int(font.face()->num_glyphs)};
  if (read == TablesRead::Axes) return tables;
  tables.gvar = font.table(tableTag("gvar"));
  tables.avar = font.table(tableTag("avar"));
  tables.mvar = font.table(tableTag("MVAR"));
  tables.hvar = font.table(tableTag("HVAR"));
  return tables;
}

Variations variationsOf(const FontFace& font, TablesRead read = TablesRead::All) {
  FT_Face face = font.face();
  const VariationTables tables = variationTablesOf(font, read);
  if (QString problem = variationTablesProblem(tables); !problem.isEmpty()) return {problem};
  Variations variations;
  // FreeType gives up a variable font whose tables it finds damaged.
  if (!FT_HAS_MULTIPLE_MASTERS(face)) return tables.fvar ? Variations{damaged} : variations;
  FT_MM_Var* master = nullptr;
  if (FT_Get_MM_Var(face, &master) != 0) return {damaged};
  const MasterRecord owned{font, master};
  if (master->num_namedstyles > FT_UInt(mostNamedInstances))
    return {u"the font names %1 instances, more than %2"_s.arg(master->num_namedstyles)
                .arg(mostNamedInstances)};
  for (FT_UInt axis = 0; axis < master->num_axis; ++axis)
    variations.axes.push_back({master->axis[axis].tag, master->axis[axis].def});
  for (FT_UInt number = 0; number < master->num_namedstyles; ++number) {
    const FT_Var_Named_Style& style = master->namedstyle[number];
    NamedInstance instance{int(number + 1),
                           font.name(int(style.strid)),
                           {style.coords, style.coords + master->num_axis}};
    if (instance.name.trimmed().isEmpty()) instance.name = u"Instance %1"_s.arg(number + 1);
    variations.instances.push_back(std::move(instance));
  }
  return variations;
}

// The OS/2 table's weight, width class and slant of a point of the design
// space; what no axis sets stays as the font says.
struct InstanceStyle {
  std::optional<int> weight;
  std::optional<int> widthClass;
  bool italic = false;
};

// The width classes' percentages of the normal width, 1 to 9.
constexpr std::array<double, 9> widthClassPercent{50, 62.5, 75, 87.5, 100, 112.5, 125, 150, 200};

int widthClassOf(double percent) {
  const auto nearest = std::min_element(
      widthClassPercent.begin(), widthClassPercent.end(),
      [percent](double a, double b) { return std::abs(a - percent) < std::abs(b - percent); });
  return int(nearest - widthClassPercent.begin()) + 1;
}

InstanceStyle styleAt(const std::vector<Axis>& axes, const std::vector<FT_Fixed>& coordinates) {
  InstanceStyle style;
  for (size_t axis = 0; axis < axes.size(); ++axis) {
    const double value = coordinates[axis] / 65536.0;
    switch (axes[axis].tag) {
      case FT_MAKE_TAG('w', 'g', 'h', 't'):
        style.weight = std::clamp(int(std::lround(value)), 1, 1000);
        break;
      case FT_MAKE_TAG('w', 'd', 't', 'h'): style.widthClass = widthClassOf(value); break;
      case FT_MAKE_TAG('i', 't', 'a', 'l'): style.italic = style.italic || value >= 0.5; break;
      case FT_MAKE_TAG('s', 'l', 'n', 't'): style.italic = style.italic || value != 0; break;
      default: break;
    }
  }
  return style;
}

// The glyph tables of the face at its current point of the design space.
struct GlyphTables {
  QByteArray glyf, loca, hmtx;
  int count = 0;
  int mostPoints = 0, mostContours = 0;
  int xMin = 0, yMin = 0, xMax = 0, yMax = 0;
  int widestAdvance = 0;
};

void addGlyph(GlyphTables& tables, const TrueTypeGlyph& glyph, int advance) {
  append32(tables.loca, quint32(tables.glyf.size()));
  tables.glyf += glyph.record;
  append16(tables.hmtx, quint16(std::clamp(advance, 0, 0xFFFF)));
  append16(tables.hmtx, quint16(qint16(glyph.xMin)));
  tables.mostPoints = std::max(tables.mostPoints, glyph.points);
  tables.mostContours = std::max(tables.mostContours, glyph.contours);
  tables.widestAdvance = std::max(tables.widestAdvance, advance);
  if (glyph.record.isEmpty()) return;
  const bool first = tables.xMin == 0 && tables.xMax == 0 && tables.yMin == 0 && tables.yMax == 0;
  tables.xMin = first ? glyph.xMin : std::min(tables.xMin, glyph.xMin);
  tables.yMin = first ? glyph.yMin : std::min(tables.yMin, glyph.yMin);
  tables.xMax = first ? glyph.xMax : std::max(tables.xMax, glyph.xMax);
  tables.yMax = first ? glyph.yMax : std::max(tables.yMax, glyph.yMax);
}

constexpr FT_Int32 outlineLoading =
    FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP | FT_LOAD_LINEAR_DESIGN | FT_LOAD_IGNORE_TRANSFORM;

// Each glyph at one pixel per font unit: its outline in font units.
std::variant<GlyphTables, QString> glyphTablesOf(const FontFace& font) {
  FT_Face face = font.face();
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return u"the font has no outlines"_s;
  if (face->num_glyphs <= 0) return u"the font has no glyphs"_s;
  if (FT_Set_Char_Size(face, 0, FT_F26Dot6(face->units_per_EM) * 64, 72, 72) != 0)
    return u"the font cannot be sized"_s;
  GlyphTables tables;
  tables.count = int(face->num_glyphs);
  for (FT_Long index = 0; index < face->num_glyphs; ++index) {
    if (FT_Load_Glyph(face, FT_UInt(index), outlineLoading) != 0 ||
        face->glyph->format != FT_GLYPH_FORMAT_OUTLINE)
      return u"glyph %1 cannot be drawn"_s.arg(index);
    const std::variant<TrueTypeGlyph, QString> glyph = trueTypeGlyph(face->glyph->outline);
    if (const QString* problem = std::get_if<QString>(&glyph)) return *problem;
    // In font units: FT_LOAD_LINEAR_DESIGN.
    const int advance = int(face->glyph->linearHoriAdvance);
    addGlyph(tables, std::get<TrueTypeGlyph>(glyph), advance);
  }
  append32(tables.loca, quint32(tables.glyf.size()));
  return tables;
}

QByteArray maximumProfile(const GlyphTables& glyphs) {
  QByteArray maxp;
  append32(maxp, 0x00010000);
  append16(maxp, quint16(glyphs.count));
  append16(maxp, quint16(glyphs.mostPoints));
  append16(maxp, quint16(glyphs.mostContours));
  append16(maxp, 0);  // composite points: none, composite glyphs are drawn whole
  append16(maxp, 0);
  append16(maxp, 1);  // zones: no instructions use the twilight zone
  for (int field = 0; field < 8; ++field) append16(maxp, 0);  // no instructions, no components
  return maxp;
}

QByteArray headOf(QByteArray head, const GlyphTables& glyphs) {
  put32(head, 8, 0);  // the whole font's checksum adjustment, set last
  put16(head, 36, quint16(qint16(glyphs.xMin)));
  put16(head, 38, quint16(qint16(glyphs.yMin)));
  put16(head, 40, quint16(qint16(glyphs.xMax)));
  put16(head, 42, quint16(qint16(glyphs.yMax)));
  put16(head, 50, 1);  // long glyph offsets
  put16(head, 52, 0);
  return head;
}

QByteArray horizontalHeaderOf(QByteArray hhea, const GlyphTables& glyphs) {
  put16(hhea, 10, quint16(glyphs.widestAdvance));
  put16(hhea, 34, quint16(glyphs.count));
  return hhea;
}

// Glyph names are left out: version 3 of the table.
QByteArray postScriptTableOf(const std::optional<QByteArray>& post) {
  QByteArray table = post && post->size() >= 32 ? post->left(32) : QByteArray(32, '\0');
  put32(table, 0, 0x00030000);
  return table;
}

constexpr quint16 italicSelection = 0x0001, boldSelection = 0x0020, regularSelection = 0x0040;
constexpr int boldWeight = 700;

QByteArray os2Of(QByteArray os2, const InstanceStyle& style) {
  if (os2.size() < 64) return os2;
  if (style.weight) put16(os2, 4, quint16(*style.weight));
  if (style.widthClass) put16(os2, 6, quint16(*style.widthClass));
  const int weight = read16(os2, 4);
  quint16 selection = read16(os2, 62) & ~(italicSelection | boldSelection | regularSelection);
  if (style.italic) selection |= italicSelection;
  if (weight >= boldWeight) selection |= boldSelection;
  if (!style.italic && weight < boldWeight) selection |= regularSelection;
  put16(os2, 62, selection);
  return os2;
}

// A PostScript name: printable ASCII without spaces or brackets, 63 at most.
QString postScriptName(const InstanceNaming& naming) {
  QString name;
  for (const QChar letter : naming.family + u'-' + naming.style)
    if (letter.unicode() > 32 && letter.unicode() < 127 && !u"[](){}<>/%"_s.contains(letter))
      name += letter;
  return name.left(63);
}

QByteArray namesOf(const InstanceNaming& naming) {
  return nameTable({{1, naming.family},
                    {2, naming.style},
                    {4, naming.family + u' ' + naming.style},
                    {6, postScriptName(naming)}});
}

// The face's current point of the design space, normalized (the axes' own
// mapping applied); empty for a face without variations.
std::vector<double> normalizedCoordinates(const FontFace& font) {
  FT_MM_Var* master = nullptr;
  if (!FT_HAS_MULTIPLE_MASTERS(font.face()) || FT_Get_MM_Var(font.face(), &master) != 0) return {};
  const MasterRecord owned{font, master};
  std::vector<FT_Fixed> fixed(master->num_axis);
  if (FT_Get_Var_Blend_Coordinates(font.face(), master->num_axis, fixed.data()) != 0) return {};
  std::vector<double> coordinates;
  for (const FT_Fixed value : fixed) coordinates.push_back(value / 65536.0);
  return coordinates;
}

// The kerning at the instance, where the font varies it.
void putInstanceKerning(const FontFace& font, std::map<quint32, QByteArray>& tables) {
  const auto gpos = tables.find(tableTag("GPOS"));
  const auto gdef = tables.find(tableTag("GDEF"));
  if (gpos == tables.end() || gdef == tables.end()) return;
  const std::vector<double> coordinates = normalizedCoordinates(font);
  if (!coordinates.empty()) gpos->second = positioningAt(gpos->second, gdef->second, coordinates);
}

// The tables that say how to shape and space the glyphs, kept as they are.
constexpr std::array<quint32, 5> keptTables{tableTag("cmap"), tableTag("GDEF"), tableTag("GSUB"),
                                            tableTag("GPOS"), tableTag("kern")};

std::variant<QByteArray, QString> fontOf(const FontFace& font, const GlyphTables& glyphs,
                                         const InstanceNaming& naming, const InstanceStyle& style) {
  const std::optional<QByteArray> head = font.table(tableTag("head"));
  const std::optional<QByteArray> hhea = font.table(tableTag("hhea"));
  if (!head || head->size() < 54 || !hhea || hhea->size() < 36)
    return u"the font's header tables are damaged"_s;
  std::map<quint32, QByteArray> tables;
  for (const quint32 tag : keptTables)
    if (std::optional<QByteArray> table = font.table(tag)) tables[tag] = *table;
  if (!tables.contains(tableTag("cmap"))) return u"the font has no character map"_s;
  if (std::optional<QByteArray> os2 = font.table(tableTag("OS/2")))
    tables[tableTag("OS/2")] = os2Of(*os2, style);
  tables[tableTag("head")] = headOf(*head, glyphs);
  tables[tableTag("hhea")] = horizontalHeaderOf(*hhea, glyphs);
  tables[tableTag("maxp")] = maximumProfile(glyphs);
  tables[tableTag("post")] = postScriptTableOf(font.table(tableTag("post")));
  tables[tableTag("name")] = namesOf(naming);
  tables[tableTag("glyf")] = glyphs.glyf;
  tables[tableTag("loca")] = glyphs.loca;
  tables[tableTag("hmtx")] = glyphs.hmtx;
  putInstanceMetrics(font.face(), tables);
  putInstanceKerning(font, tables);
  return trueTypeFontOf(tables);
}

std::variant<QByteArray, QString> instanceFont(const FontFace& font, const InstanceNaming& naming,
                                               const InstanceStyle& style) {
  const std::variant<GlyphTables, QString> glyphs = glyphTablesOf(font);
  if (const QString* problem = std::get_if<QString>(&glyphs)) return *problem;
  return fontOf(font, std::get<GlyphTables>(glyphs), naming, style);
}

// The instance as a family of its own and as a style of the face's family.
QString addInstanceFonts(const FontFace& font, const Variations& variations,
                         const NamedInstance& instance, const QString& family,
                         std::vector<QByteArray>& fonts) {
  if (FT_Set_Named_Instance(font.face(), FT_UInt(instance.number)) != 0) return damaged;
  const InstanceStyle style = styleAt(variations.axes, instance.coordinates);
  const std::variant<GlyphTables, QString> glyphs = glyphTablesOf(font);
  if (const QString* problem = std::get_if<QString>(&glyphs)) return *problem;
  const QString ownFamily = family + u' ' + instance.name;
  for (const InstanceNaming& naming :
       {InstanceNaming{ownFamily, instance.name}, InstanceNaming{family, instance.name}}) {
    std::variant<QByteArray, QString> made =
        fontOf(font, std::get<GlyphTables>(glyphs), naming, style);
    if (const QString* problem = std::get_if<QString>(&made)) return *problem;
    fonts.push_back(std::get<QByteArray>(std::move(made)));
  }
  return {};
}

}  // namespace

InstanceFonts instanceFontsOf(const QByteArray& bytes, int index, const QString& family,
                              qint64& glyphsLeft) {
  const FontFace font(bytes, index);
  if (!font.problem().isEmpty()) return {font.problem()};
  const Variations variations = variationsOf(font);
  if (!variations.problem.isEmpty()) return {variations.problem};
  std::vector<const NamedInstance*> made;
  for (const NamedInstance& instance : variations.instances)
    if (!atDefault(variations, instance)) made.push_back(&instance);
  const qint64 glyphs = qint64(made.size()) * font.face()->num_glyphs;
  if (glyphs > glyphsLeft)
    return {u"the font's instances are more than %1 glyphs to draw"_s.arg(mostInstancedGlyphs)};
  glyphsLeft -= glyphs;
  InstanceFonts instances;
  for (const NamedInstance* instance : made)
    if (QString problem = addInstanceFonts(font, variations, *instance, family, instances.fonts);
        !problem.isEmpty())
      return {problem};
  return instances;
}

std::variant<QByteArray, QString> staticFontOf(const QByteArray& bytes, int index, int instance,
                                               const InstanceNaming& naming) {
  const FontFace font(bytes, index);
  if (!font.problem().isEmpty()) return font.problem();
  const Variations variations = variationsOf(font);
  if (!variations.problem.isEmpty()) return variations.problem;
  if (instance < 0 || size_t(instance) > variations.instances.size())
    return u"the font has no instance %1"_s.arg(instance);
  if (instance == 0) return instanceFont(font, naming, {});
  const NamedInstance& named = variations.instances[size_t(instance - 1)];
  if (FT_Set_Named_Instance(font.face(), FT_UInt(named.number)) != 0) return damaged;
  return instanceFont(font, naming, styleAt(variations.axes, named.coordinates));
}

std::variant<std::vector<InstanceName>, QString> namedInstancesOf(const QString& path, int index) {
  const FontFace font(path, index);
  if (!font.problem().isEmpty()) return font.problem();
  const Variations variations = variationsOf(font, TablesRead::Axes);
  if (!variations.problem.isEmpty()) return variations.problem;
  std::vector<InstanceName> names;
  for (const NamedInstance& instance : variations.instances)
    if (!atDefault(variations, instance)) names.push_back({instance.number, instance.name});
  return names;
}
