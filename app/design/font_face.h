// One face of a font file opened with FreeType, the library Qt itself draws
// fonts with on Linux: it reads every format a font file may come in (WOFF
// and WOFF2 unpacked, collections by face), checks the variation tables
// before it uses them and applies a point of a variable font's design
// space to its outlines and advances.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

struct FT_LibraryRec_;
struct FT_FaceRec_;

class FontFace {
 public:
  // Opens face `index` of `bytes`; problem() says why when it cannot.
  FontFace(const QByteArray& bytes, int index);
  // Opens face `index` of the file at `path`, reading only what is asked
  // of it: an installed font's names and axes, not its outlines.
  FontFace(const QString& path, int index);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  const QString& problem() const { return problem_; }
  FT_FaceRec_* face() const { return face_; }
  FT_LibraryRec_* library() const { return library_; }

  // The font's own table `tag` as it stands in the file (unpacked), or
  // nothing when the font has none.
  std::optional<QByteArray> table(quint32 tag) const;

  // Name `nameId` of the name table, in English where the font has it.
  QString name(int nameId) const;

 private:
  bool libraryStarted();
  void faceOpened(int error);

  QByteArray bytes_;  // FreeType reads the face from these while it is open
  FT_LibraryRec_* library_ = nullptr;
  FT_FaceRec_* face_ = nullptr;
  QString problem_;
};

// A table tag as four letters, the way the font formats spell them.
constexpr quint32 tableTag(const char (&letters)[5]) {
  return quint32(uchar(letters[0])) << 24 | quint32(uchar(letters[1])) << 16 |
         quint32(uchar(letters[2])) << 8 | quint32(uchar(letters[3]));
}
