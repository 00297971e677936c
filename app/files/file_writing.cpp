#include "files/file_writing.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <climits>
#include <optional>

#include "files/failure.h"
#include "files/removal_on_signal.h"

void FileOutput::put(QByteArrayView bytes) {
  // Written straight to the descriptor, never through a buffer: each failing
  // write is seen here, with the system's own error code.
  const char* next = bytes.data();
  qsizetype left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(descriptor_, next, size_t(left));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) throw failureFromSystemError(written < 0 ? errno : ENOSPC, path_);
    next += written;
    left -= written;
  }
}

namespace {

// The kernel gives up after this many links in a row; so does the writer.
constexpr int mostLinksFollowed = 40;
constexpr int namesTried = 100;

class Descriptor {
 public:
  explicit Descriptor(int number = -1) : number_(number) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (number_ >= 0) ::close(number_);
  }
  void reset(int number) { number_ = number; }
  int get() const { return number_; }
  // Closes now and tells how it went: some file systems report a failed
  // write only when the file is closed.
  int close() { return ::close(std::exchange(number_, -1)); }

 private:
  int number_;
};

QByteArray folderPart(const QByteArray& path) {
  const qsizetype slash = path.lastIndexOf('/');
  if (slash < 0) return QByteArrayLiteral(".");
  return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray namePart(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

// The kernel's protected-link rule: in a sticky folder anyone may write to,
// a link is followed only by its owner or when the folder's owner owns it,
// so that nobody can plant a link there for another user to write through.
bool safeToFollow(const struct stat& link, const QByteArray& folder) {
  struct stat holder {};
  if (::stat(folder.constData(), &holder) != 0) return false;
  const bool shared = (holder.st_mode & S_ISVTX) && (holder.st_mode & S_IWOTH);
  return !shared || link.st_uid == ::geteuid() || link.st_uid == holder.st_uid;
}

QByteArray linkText(const QByteArray& link, const QString& target) {
  char text[PATH_MAX];
  const ssize_t length = ::readlink(link.constData(), text, sizeof text);
  if (length < 0) throw failureFromSystemError(errno, target);
  if (size_t(length) == sizeof text) throw failureFromSystemError(ENAMETOOLONG, target);
  return QByteArray(text, length);
}

// Where the bytes for `target` go: the path itself, or what its links lead
// to where following them is safe.
QByteArray resolvedTarget(const QString& target, FinalLink finalLink) {
  QByteArray path = QFile::encodeName(target);
  // The system would end the name at the zero and write another file.
  if (path.contains('\0'))
    throw Failure(errorNumber::BadFileName, QStringLiteral("Bad file name or number: ") + target);
  for (int followed = 0; followed <= mostLinksFollowed; ++followed) {
    struct stat entry {};
    if (::lstat(path.constData(), &entry) != 0) {
      // A new file; a missing folder shows when the folder is opened.
      if (errno == ENOENT) return path;
      throw failureFromSystemError(errno, target);
    }
    if (!S_ISLNK(entry.st_mode)) return path;
    if (finalLink == FinalLink::Refuse)
      throw notAPlainFile(QStringLiteral("Is a symbolic link"), target);
    const QByteArray folder = folderPart(path);
    if (!safeToFollow(entry, folder)) throw failureFromSystemError(EACCES, target);
    const QByteArray linked = linkText(path, target);
    path = linked.startsWith('/') ? linked : folder + '/' + linked;
  }
  throw failureFromSystemError(ELOOP, target);
}

// A temporary file beside the target that takes the target's place in one
// step when it is complete, and is removed when it is not.
class Replacement {
 public:
  Replacement(const QString& target, FinalLink finalLink) : target_(target) {
    const QByteArray path = resolvedTarget(target, finalLink);
    folder_.reset(::open(folderPart(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder_.get() < 0) throw failureFromSystemError(errno, target);
    name_ = namePart(path);
    if (name_.isEmpty()) throw failureFromSystemError(EISDIR, target);
    struct stat old {};
    const bool replacing = checkReplaceable(old);
    makeTemporaryFile();
    if (replacing) keepModeAndOwner(old);
  }

  ~Replacement() {
    if (!committed_ && !temporaryName_.isEmpty())
      ::unlinkat(folder_.get(), temporaryName_.constData(), 0);
  }

  FileOutput output() const { return FileOutput(file_.get(), target_); }

  // A disk that accepts writes into its cache may still refuse them on the
  // way to the device; syncing shows that before the old file goes.
  void commit() {
    if (::fsync(file_.get()) != 0 && errno != EINVAL && errno != EROFS) fail(errno);
    if (file_.close() != 0 && errno != EINTR) fail(errno);
    if (::renameat(folder_.get(), temporaryName_.constData(), folder_.get(), name_.constData()) !=
        0)
      fail(errno);
    committed_ = true;
    if (::fsync(folder_.get()) != 0 && errno != EINVAL && errno != EROFS) fail(errno);
  }

 private:
  [[noreturn]] void fail(int systemError) const {
    throw failureFromSystemError(systemError, target_);
  }

  // Whether a file of the name is there to replace; throws when what is
  // there is no plain file or may not be written.
  bool checkReplaceable(struct stat& old) const {
    if (::fstatat(folder_.get(), name_.constData(), &old, AT_SYMLINK_NOFOLLOW) != 0) {
      if (errno != ENOENT) fail(errno);
      return false;
    }
    if (S_ISDIR(old.st_mode)) fail(EISDIR);
    // Put there since the name was looked at: never written through.
    if (S_ISLNK(old.st_mode)) throw notAPlainFile(QStringLiteral("Is a symbolic link"), target_);
    if (!S_ISREG(old.st_mode)) throw notAPlainFile(QStringLiteral("Not a regular file"), target_);
    if (::faccessat(folder_.get(), name_.constData(), W_OK, AT_EACCESS) != 0) fail(errno);
    return true;
  }

  void makeTemporaryFile() {
    for (int tried = 0; tried < namesTried; ++tried) {
      const QByteArray name =
          ".velloro-" + QByteArray::number(QRandomGenerator::global()->generate64(), 36);
      // New files get the usual permissions, as the user's umask trims them.
      const int file = ::openat(folder_.get(), name.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (file >= 0) {
        file_.reset(file);
        temporaryName_ = name;
        removalOnSignal_.emplace(folder_.get(), temporaryName_);
        return;
      }
      if (errno != EEXIST) fail(errno);
    }
    fail(EEXIST);
  }

  // The replaced file's permissions stay; its owner too, where the writer
  // may give files away.
  void keepModeAndOwner(const struct stat& old) const {
    ::fchmod(file_.get(), old.st_mode & 07777);
    if (::geteuid() == 0) (void)::fchown(file_.get(), old.st_uid, old.st_gid);
  }

  QString target_;
  Descriptor folder_;
  QByteArray name_;
  QByteArray temporaryName_;
  Descriptor file_;
  bool committed_ = false;
  // Last, so it goes first: the folder's descriptor is still open then.
  std::optional<RemovalOnSignal> removalOnSignal_;
};

}  // namespace

QString replacedFile(const QString& target) {
  const QByteArray path = resolvedTarget(target, FinalLink::FollowWhereSafe);
  struct stat entry {};
  if (::stat(path.constData(), &entry) != 0) {
    if (errno == ENOENT) return QFile::decodeName(path);
    throw failureFromSystemError(errno, target);
  }
  if (S_ISDIR(entry.st_mode)) throw failureFromSystemError(EISDIR, target);
  if (!S_ISREG(entry.st_mode)) throw notAPlainFile(QStringLiteral("Not a regular file"), target);
  return QFile::decodeName(path);
}

void writeFileReplacing(const QString& target, const ContentWriter& writeContent,
                        FinalLink finalLink) {
  Replacement replacement(target, finalLink);
  FileOutput output = replacement.output();
  writeContent(output);
  replacement.commit();
}

void writeFileReplacing(const QString& target, const QByteArray& content, FinalLink finalLink) {
  writeFileReplacing(
      target, [&content](FileOutput& output) { output.put(content); }, finalLink);
}

void openForReading(QFile& file) {
  errno = 0;
  if (!file.open(QIODevice::ReadOnly)) throw fileFailure(file, errno);
}

void appendRest(QFile& input, FileOutput& output) {
  constexpr qint64 chunkSize = 1 << 20;
  while (!input.atEnd()) {
    errno = 0;
    const QByteArray chunk = input.read(chunkSize);
    if (chunk.isEmpty()) throw fileFailure(input, errno);
    output.put(chunk);
  }
}

void copyFileReplacing(const QString& source, const QString& target) {
  QFile input(source);
  openForReading(input);
  writeFileReplacing(target, [&input](FileOutput& output) { appendRest(input, output); });
}
