// Which of the copies of Velloro open at the same time this window is. The
// first copy takes slot 0, each further one the lowest free slot, so it can
// open offset from the others instead of exactly on top of them. A slot is a
// lock file in the temporary folder, held while the window lives; a copy
// that ended without letting go leaves a stale lock the next copy takes over.
#pragma once

#include <QLockFile>
#include <QPoint>
#include <QRect>
#include <memory>

class WindowSlot {
 public:
  WindowSlot();

  // 0 for the first copy; `slotCount` when every slot is taken.
  int number() const { return number_; }
  // The window closes: a copy started from now on may take the slot.
  void release() { lock_.reset(); }

  static constexpr int slotCount = 16;

 private:
  std::unique_ptr<QLockFile> lock_;
  int number_ = slotCount;
};

// Where copy `number` puts a window of `size` whose first copy stands at
// `first`: `step` pixels lower and to the right per copy, so the ones below
// still show; past the `screen`'s free area the steps start again from its
// corner.
QPoint placeOfCopy(QPoint first, QSize size, const QRect& screen, int number, int step);
