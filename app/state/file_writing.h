// Writing files so that a failure never leaves a half-written file over a good
// one: the new content goes to a temporary file beside the target, every
// write and the final sync are checked, and only then does the temporary
// file replace the target in one step. On any failure the target stays as it
// was, the temporary file is removed, and a Failure classified from the
// system's error code is thrown. Every file the program writes goes through
// writeFileReplacing.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

class QFile;

// Where a content writer puts the bytes of the file being written.
class FileOutput {
 public:
  FileOutput(int descriptor, QString path) : descriptor_(descriptor), path_(std::move(path)) {}

  // Writes all of `bytes`, or throws the failure of the write.
  void put(QByteArrayView bytes);

 private:
  int descriptor_;
  QString path_;
};

using ContentWriter = std::function<void(FileOutput&)>;

// Replaces `target` with what `writeContent` puts; an exception thrown by
// `writeContent` also leaves the target untouched and travels on.
void writeFileReplacing(const QString& target, const ContentWriter& writeContent);

// Replaces `target` with `content`.
void writeFileReplacing(const QString& target, const QByteArray& content);

// Replaces `target` with a copy of `source`.
void copyFileReplacing(const QString& source, const QString& target);

// Opens `file` for reading or throws the failure.
void openForReading(QFile& file);

// Puts what is left of `input` into `output`, or throws the failure.
void appendRest(QFile& input, FileOutput& output);
