// A variable font's named instances ("Bold", "Condensed Light", as the font
// names them) made static fonts of their own, so that the font database of
// this Qt, which registers a variable font file at its default instance
// alone, offers each one: the glyphs' outlines and advances, the line
// metrics (design/font_instance_metrics.h) and the kerning
// (design/font_instance_kerning.h) at the instance's point of the design
// space, the font's character map and shaping tables otherwise as they
// are, new names and the instance's weight, width and slant in its OS/2
// table. A PostScript (CFF2) font's curves become TrueType ones.
#pragma once

#include <QByteArray>
#include <QString>
#include <variant>
#include <vector>

// More named instances than this are no design's: the font is refused.
inline constexpr int mostNamedInstances = 64;
// The glyphs of all instances of one font file (all its faces) drawn to
// make them, at most: about 30 microseconds each, a quarter of a minute in
// all. A Latin family's eight instances of 2,500 glyphs take half a second.
inline constexpr qint64 mostInstancedGlyphs = qint64(1) << 19;

struct InstanceFonts {
  QString problem;  // why the face's variations cannot be used; empty when they can
  std::vector<QByteArray> fonts = {};  // static TrueType fonts
};

// For face `index` of `bytes`, which the font database calls `family`: two
// fonts for each named instance but the one the face draws by default. One
// is a family of its own, "<family> <instance>", listed with the others;
// the other a style of `family` itself, with the instance's weight, width
// and slant, which the design's bold and italic choose. Nothing for a face
// without variations. Damaged variation tables and more instances than
// the limit above, or more glyphs to draw than `glyphsLeft`, give a problem
// instead; the glyphs drawn are taken from `glyphsLeft`.
InstanceFonts instanceFontsOf(const QByteArray& bytes, int index, const QString& family,
                              qint64& glyphsLeft);

struct InstanceNaming {
  QString family;
  QString style;
};

// Face `index` of `bytes` at named instance `instance` (counted from 1; 0
// is the face's default) as a static TrueType font named `naming`, or why
// it cannot be made.
std::variant<QByteArray, QString> staticFontOf(const QByteArray& bytes, int index, int instance,
                                               const InstanceNaming& naming);

struct InstanceName {
  int number = 0;  // counted from 1, as staticFontOf() counts
  QString name;    // as the font names it: "Bold"
};

// The named instances of face `index` of the font file at `path` but the
// one the face draws by default, read from its axes' table and names alone
// (the other variation tables are checked when an instance is made); or
// why they cannot be read. Nothing for a face without variations.
std::variant<std::vector<InstanceName>, QString> namedInstancesOf(const QString& path, int index);
