#include "files/folder_removal.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QByteArrayList>

namespace {

// A folder tree deeper than this is not one a run made; the walk stops
// rather than run out of descriptors.
constexpr int deepestFolder = 64;

// O_NOFOLLOW refuses a link as the last name, so what opens is the folder
// itself or nothing.
int openFolderBelow(int parent, const QByteArray& name) {
  return ::openat(parent, name.constData(),
                  O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
}

bool ownedFolder(int folder, struct stat& status) {
  return ::fstat(folder, &status) == 0 && S_ISDIR(status.st_mode) && status.st_uid == ::geteuid();
}

bool sameFile(const struct stat& one, const struct stat& other) {
  return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

void emptyFolder(int folder, int depth);

// A name that is no folder goes by unlinking it; a folder is emptied
// through its own descriptor first.
void removeEntry(int folder, const QByteArray& name, int depth) {
  if (::unlinkat(folder, name.constData(), 0) == 0) return;
  if (depth >= deepestFolder) return;
  const int below = openFolderBelow(folder, name);
  if (below < 0) return;
  emptyFolder(below, depth + 1);
  ::close(below);
  ::unlinkat(folder, name.constData(), AT_REMOVEDIR);
}

void emptyFolder(int folder, int depth) {
  for (const QByteArray& name : namesInFolder(folder)) removeEntry(folder, name, depth);
}

}  // namespace

// The listing has its own descriptor, so the folder's stays usable for the
// removals.
QByteArrayList namesInFolder(int folder) {
  QByteArrayList names;
  const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (listing < 0) return names;
  DIR* entries = ::fdopendir(listing);
  if (!entries) {
    ::close(listing);
    return names;
  }
  while (const dirent* entry = ::readdir(entries)) {
    const QByteArray name(entry->d_name);
    if (name != "." && name != "..") names << name;
  }
  ::closedir(entries);
  return names;
}

bool removeOwnedFolder(int parent, const QByteArray& name) {
  const int folder = openFolderBelow(parent, name);
  if (folder < 0) return false;
  // Asked of the open folder, not of the name: the name may lead elsewhere
  // by now.
  struct stat opened {};
  const bool owned = ownedFolder(folder, opened);
  if (owned) emptyFolder(folder, 0);
  ::close(folder);
  // The name is removed only while it is still the folder that was emptied.
  struct stat named {};
  return owned && ::fstatat(parent, name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
         sameFile(opened, named) && ::unlinkat(parent, name.constData(), AT_REMOVEDIR) == 0;
}
