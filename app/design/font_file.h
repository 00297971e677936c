// Font files the user holds (the brand's own font, not installed on the
// system), added to this run's fonts: their families can then be chosen
// like installed ones until the program ends. Nothing of a font file is
// copied anywhere.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>

// Larger font files are refused: the largest families of the world's
// scripts stay well under it, and a file past it is no title's font.
inline constexpr qint64 largestFontFile = qint64(64) << 20;

// A font file named as the user writes it: "PATH", or "PATH#N" for face N
// (counted from 0) of a collection. A file whose own name ends in "#N" is
// taken whole.
struct FontFileName {
  QString path;
  int face = 0;
};
FontFileName fontFileName(const QString& written);

struct AddedFont {
  int id = -1;       // the font database's number of the file, -1 when it was refused
  QString family;    // of the face asked for
  QString problem;   // why it was refused: "no such file", "the file is empty", ...
  QByteArray bytes;  // the file as it was added, so that a document can carry it
  // The families of a variable font's named instances, "<family> <instance>",
  // and the font database's numbers of all fonts made for its instances.
  QStringList instanceFamilies;
  QList<int> instanceIds;
};

// The bytes of the font file at `path`, or why they cannot be read: not a
// regular file, unreadable, or larger than largestFontFile.
std::variant<QByteArray, QString> fontFileBytes(const QString& path);

// Reads `written` and adds it to the fonts of this run, with the named
// instances of a variable font's faces (design/font_instances.h); the same
// bytes are added once, and their fonts are kept until the program ends. A
// refused file leaves nothing behind.
AddedFont addFontFile(const QString& written);

// Adds a font file held in memory (one a document carries), face `face`:
// nothing is written anywhere for it.
AddedFont addFontBytes(const QByteArray& bytes, int face = 0);
