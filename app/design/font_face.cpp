#include "design/font_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H
#include FT_TRUETYPE_TABLES_H

#include <QFile>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

// Largest table copied from a face: a font's own tables stay far below it.
constexpr FT_ULong largestTable = FT_ULong(64) << 20;

bool englishUnicode(const FT_SfntName& entry) {
  return entry.platform_id == TT_PLATFORM_MICROSOFT &&
         (entry.encoding_id == TT_MS_ID_UNICODE_CS || entry.encoding_id == TT_MS_ID_UCS_4) &&
         entry.language_id == TT_MS_LANGID_ENGLISH_UNITED_STATES;
}

bool englishRoman(const FT_SfntName& entry) {
  return entry.platform_id == TT_PLATFORM_MACINTOSH && entry.encoding_id == TT_MAC_ID_ROMAN &&
         entry.language_id == TT_MAC_LANGID_ENGLISH;
}

QString decodedName(const FT_SfntName& entry) {
  const QByteArrayView bytes(entry.string, qsizetype(entry.string_len));
  if (entry.platform_id == TT_PLATFORM_MICROSOFT)
    return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes);
  return QString::fromLatin1(bytes);
}

}  // namespace

bool FontFace::libraryStarted() {
  if (FT_Init_FreeType(&library_) == 0) return true;
  library_ = nullptr;
  problem_ = u"the font library cannot start"_s;
  return false;
}

void FontFace::faceOpened(int error) {
  if (error == 0) return;
  face_ = nullptr;
  problem_ = u"the font is damaged or of a kind this system cannot draw"_s;
}

FontFace::FontFace(const QByteArray& bytes, int index) : bytes_(bytes) {
  if (!libraryStarted()) return;
  faceOpened(FT_New_Memory_Face(library_, reinterpret_cast<const FT_Byte*>(bytes_.constData()),
                                FT_Long(bytes_.size()), FT_Long(index), &face_));
}

FontFace::FontFace(const QString& path, int index) {
  if (!libraryStarted()) return;
  faceOpened(FT_New_Face(library_, QFile::encodeName(path).constData(), FT_Long(index), &face_));
}

FontFace::~FontFace() {
  if (face_) FT_Done_Face(face_);
  if (library_) FT_Done_FreeType(library_);
}

std::optional<QByteArray> FontFace::table(quint32 tag) const {
  FT_ULong length = 0;
  if (FT_Load_Sfnt_Table(face_, tag, 0, nullptr, &length) != 0 || length > largestTable)
    return std::nullopt;
  QByteArray bytes(qsizetype(length), Qt::Uninitialized);
  if (FT_Load_Sfnt_Table(face_, tag, 0, reinterpret_cast<FT_Byte*>(bytes.data()), &length) != 0)
    return std::nullopt;
  return bytes;
}

QString FontFace::name(int nameId) const {
  QString roman;
  const FT_UInt count = FT_Get_Sfnt_Name_Count(face_);
  for (FT_UInt i = 0; i < count; ++i) {
    FT_SfntName entry;
    if (FT_Get_Sfnt_Name(face_, i, &entry) != 0 || entry.name_id != nameId) continue;
    if (englishUnicode(entry)) return decodedName(entry);
    if (englishRoman(entry) && roman.isEmpty()) roman = decodedName(entry);
  }
  return roman;
}
