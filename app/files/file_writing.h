// Writing files so that a failure never leaves a half-written file over a good
// one: the new content goes to a temporary file beside the target, every
// write and the final sync are checked, and only then does the temporary
// file replace the target in one step; the folder is synced after, so the
// new name survives a crash. On any failure the target stays as it was, the
// temporary file is removed, and a Failure classified from the system's
// error code is thrown. Every file the program writes goes through
// writeFileReplacing.
//
// A link as the target is followed only where the kernel's protected-link
// rule would follow it: not a link in a sticky folder that anyone may write
// to, owned by someone else than the writer and the folder's owner. Only a
// plain file is ever replaced: a folder, a device or a pipe in the way is
// refused.
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

// What a link as the target's own name means: followed where it is safe to
// (above), or refused, for writers that must stay inside their folder.
enum class FinalLink { FollowWhereSafe, Refuse };

// Replaces `target` with what `writeContent` puts; an exception thrown by
// `writeContent` also leaves the target untouched and travels on.
void writeFileReplacing(const QString& target, const ContentWriter& writeContent,
                        FinalLink finalLink = FinalLink::FollowWhereSafe);

// Replaces `target` with `content`.
void writeFileReplacing(const QString& target, const QByteArray& content,
                        FinalLink finalLink = FinalLink::FollowWhereSafe);

// The plain file a write of `target` would replace, or the name a new file
// would take, with the links to it followed by the rule above; for writers
// that cannot go through writeFileReplacing. Throws the failure the writer
// would.
QString replacedFile(const QString& target);

// Replaces `target` with a copy of `source`.
void copyFileReplacing(const QString& source, const QString& target);

// Opens `file` for reading or throws the failure.
void openForReading(QFile& file);

// Puts what is left of `input` into `output`, or throws the failure.
void appendRest(QFile& input, FileOutput& output);
