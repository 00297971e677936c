// Class `File`: making an object creates a new, empty, uniquely named file in
// this run's own folder inside the system's temporary folder; `Path` is that
// folder (ending in "/") and `Filename` the file's name inside it. The file
// outlives the object: its owner deletes it when done, and the run's folder
// goes with everything in it when the program ends.
#pragma once

#include <QString>

class File {
 public:
  // Throws a Failure when the folder takes no new file.
  File();

  const QString& Path() const { return path_; }
  const QString& Filename() const { return filename_; }
  QString fullPath() const { return path_ + filename_; }

 private:
  QString path_;
  QString filename_;
};
