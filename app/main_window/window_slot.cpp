#include "main_window/window_slot.h"

#include <QDir>

WindowSlot::WindowSlot() {
  for (int slot = 0; slot < slotCount; ++slot) {
    auto lock = std::make_unique<QLockFile>(QDir::tempPath() +
                                            QStringLiteral("/Velloro-window-%1.lock").arg(slot));
    // Never waits: a held slot is passed over at once.
    if (lock->tryLock(0)) {
      lock_ = std::move(lock);
      number_ = slot;
      return;
    }
  }
}

QPoint placeOfCopy(QPoint first, QSize size, const QRect& screen, int number, int step) {
  const QPoint at = first + QPoint(number, number) * step - screen.topLeft();
  const QSize room = (screen.size() - size).expandedTo({step, step});
  // A first copy left of or above the screen wraps the same way.
  const auto wrapped = [](int offset, int length) { return (offset % length + length) % length; };
  return screen.topLeft() + QPoint(wrapped(at.x(), room.width()), wrapped(at.y(), room.height()));
}
