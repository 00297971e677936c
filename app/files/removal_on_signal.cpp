#include "files/removal_on_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>
#include <cstring>

namespace {

constexpr int slotCount = 64;
constexpr size_t longestName = 1024;

enum SlotState : int { Free, Filling, Held };

// Filled before it is marked held, so the handler reads only whole entries.
struct Slot {
  std::atomic<int> state{Free};
  int folder = AT_FDCWD;
  int flags = 0;
  char name[longestName] = {};
};

std::array<Slot, slotCount> table;

int takeSlot() {
  for (int index = 0; index < slotCount; ++index) {
    int expected = Free;
    if (table[size_t(index)].state.compare_exchange_strong(expected, Filling)) return index;
  }
  return -1;
}

extern "C" void removeAndEnd(int signal) {
  removeHeldEntries();
  ::signal(signal, SIG_DFL);
  ::raise(signal);
}

}  // namespace

RemovalOnSignal::RemovalOnSignal(int folder, const QByteArray& name, bool isFolder)
    : slot_(size_t(name.size()) < longestName ? takeSlot() : -1) {
  if (slot_ < 0) return;
  Slot& slot = table[size_t(slot_)];
  slot.folder = folder;
  slot.flags = isFolder ? AT_REMOVEDIR : 0;
  std::memcpy(slot.name, name.constData(), size_t(name.size()) + 1);
  slot.state.store(Held);
}

RemovalOnSignal::~RemovalOnSignal() {
  if (slot_ >= 0) table[size_t(slot_)].state.store(Free);
}

// Files first, so that a folder held with its file is empty by its turn.
void removeHeldEntries() {
  for (int flags : {0, AT_REMOVEDIR}) {
    for (const Slot& slot : table) {
      if (slot.state.load() == Held && slot.flags == flags)
        ::unlinkat(slot.folder, slot.name, slot.flags);
    }
  }
}

void removeOnEndingSignals() {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    struct sigaction action {};
    action.sa_handler = removeAndEnd;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal, &action, nullptr);
  }
}
