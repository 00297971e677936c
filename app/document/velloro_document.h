// What a Velloro document holds, apart from its container: the design as a
// JSON object (its layout is the design mapping's, design/ never sees it),
// the pictures by name and, when the design uses one, its font file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QJsonObject>
#include <QString>
#include <map>

inline constexpr int deepestDesignNesting = 16;

struct DocumentFontFile {
  QString name;  // the file's own name, without its folder
  QByteArray bytes;
};

struct VelloroDocument {
  QJsonObject design;
  // RGB888 pictures, or ARGB32 where they keep transparency; "preview" is
  // the design as it was drawn when saved.
  std::map<QString, QImage> pictures;
  DocumentFontFile font;  // empty when the design names no font file
};
