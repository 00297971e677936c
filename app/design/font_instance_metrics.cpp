#include "design/font_instance_metrics.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include "design/font_face.h"
#include "design/font_tables.h"

using fontBytes::put16;

namespace {

struct MetricPlace {
  qsizetype at;  // in its table
  qint32 value;
};

void putAll(QByteArray& table, std::initializer_list<MetricPlace> places) {
  for (const MetricPlace& place : places) put16(table, place.at, quint16(place.value));
}

void putLineMetrics(const TT_OS2& os2, QByteArray& table) {
  putAll(table, {{10, os2.ySubscriptXSize},
                 {12, os2.ySubscriptYSize},
                 {14, os2.ySubscriptXOffset},
                 {16, os2.ySubscriptYOffset},
                 {18, os2.ySuperscriptXSize},
                 {20, os2.ySuperscriptYSize},
                 {22, os2.ySuperscriptXOffset},
                 {24, os2.ySuperscriptYOffset},
                 {26, os2.yStrikeoutSize},
                 {28, os2.yStrikeoutPosition},
                 {68, os2.sTypoAscender},
                 {70, os2.sTypoDescender},
                 {72, os2.sTypoLineGap},
                 {74, os2.usWinAscent},
                 {76, os2.usWinDescent}});
  // Heights of the letters: from version 2 on.
  if (os2.version >= 2) putAll(table, {{86, os2.sxHeight}, {88, os2.sCapHeight}});
}

void putHeaderMetrics(const TT_HoriHeader& hhea, QByteArray& table) {
  putAll(table, {{4, hhea.Ascender},
                 {6, hhea.Descender},
                 {8, hhea.Line_Gap},
                 {18, hhea.caret_Slope_Rise},
                 {20, hhea.caret_Slope_Run},
                 {22, hhea.caret_Offset}});
}

void putUnderline(const TT_Postscript& post, QByteArray& table) {
  putAll(table, {{8, post.underlinePosition}, {10, post.underlineThickness}});
}

}  // namespace

void putInstanceMetrics(FT_FaceRec_* face, std::map<quint32, QByteArray>& tables) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST));
  // A table the font lacks is neither read nor written.
  if (os2 && os2->version != 0xFFFF && tables.contains(tableTag("OS/2")))
    putLineMetrics(*os2, tables[tableTag("OS/2")]);
  if (hhea && tables.contains(tableTag("hhea"))) putHeaderMetrics(*hhea, tables[tableTag("hhea")]);
  if (post && tables.contains(tableTag("post"))) putUnderline(*post, tables[tableTag("post")]);
}
