#include "platform/beside_placement.h"

#include <algorithm>

QRect besideOwner(const QRect& owner, QSize wanted, const QRect& screen, int narrowest) {
  const int height = std::min(wanted.height(), screen.height());
  const int top = std::clamp(owner.top(), screen.top(), screen.bottom() + 1 - height);
  const int roomRight = screen.right() - owner.right();
  const int roomLeft = owner.left() - screen.left();
  if (wanted.width() <= roomRight) return {owner.right() + 1, top, wanted.width(), height};
  if (wanted.width() <= roomLeft)
    return {owner.left() - wanted.width(), top, wanted.width(), height};
  const bool right = roomRight >= roomLeft;
  const int room = std::max(roomRight, roomLeft);
  if (room >= narrowest) {
    const int width = room;
    return {right ? owner.right() + 1 : owner.left() - width, top, width, height};
  }
  const int width = std::min(wanted.width(), screen.width());
  const int left = right ? screen.right() + 1 - width : screen.left();
  return {left, top, width, height};
}
