// Font files of the service's fonts folder, loaded into the program at their
// first use and known by their family from then on. A file that holds no
// font Qt can read is refused. (Loading font files is done here from the
// file's bytes until the program has a font-file loading of its own.)
#pragma once

#include <QHash>
#include <QString>
#include <mutex>

class FontFolder {
 public:
  // The family of the font file at `path`; throws a QueryError naming the
  // font parameter when the file is no font or is too large.
  QString familyOf(const QString& path);

 private:
  std::mutex mutex_;
  QHash<QString, QString> families_;
};
