// Files and folders that must not outlive a signal that ends the program,
// such as a half-written picture beside its target. Each is kept in a
// fixed table while it exists; on SIGTERM, SIGINT or SIGHUP the
// handler removes what the table holds, with the system's own calls alone,
// and the signal then ends the program as it would have.
#pragma once

#include <QByteArray>

// Holds one entry of the table for as long as it lives. An entry that does
// not fit the table (too many at once, too long a name) is not held.
class RemovalOnSignal {
 public:
  // `name` inside the open folder `folder` (AT_FDCWD for a path), removed
  // as a folder when `isFolder`.
  RemovalOnSignal(int folder, const QByteArray& name, bool isFolder = false);
  RemovalOnSignal(const RemovalOnSignal&) = delete;
  RemovalOnSignal& operator=(const RemovalOnSignal&) = delete;
  ~RemovalOnSignal();

 private:
  int slot_;
};

// Installs the handler for the ending signals, for a program that ends at
// once on them.
void removeOnEndingSignals();

// Removes what the table holds now; the handler's work, also for a program
// that ends itself on a signal.
void removeHeldEntries();
