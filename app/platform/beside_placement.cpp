#include "platform/beside_placement.h"

#include <algorithm>

BesidePlacement besideOwner(const QRect& owner, QSize wanted, const QRect& screen, int narrowest) {
  const int height = std::min(wanted.height(), screen.height());
  const int top = std::clamp(owner.top(), screen.top(), screen.bottom() + 1 - height);
  const int roomRight = screen.right() - owner.right();
  const int roomLeft = owner.left() - screen.left();
  const bool right =
      wanted.width() <= roomRight || (wanted.width() > roomLeft && roomRight >= roomLeft);
  QRect ownerFrame = owner;
  int width = std::min(wanted.width(), std::max(roomRight, roomLeft));
  if (width < narrowest && owner.width() + narrowest <= screen.width()) {
    width = std::min(wanted.width(), screen.width() - owner.width());
    ownerFrame.moveLeft(right ? screen.right() + 1 - width - owner.width() : screen.left() + width);
  } else if (width < narrowest) {
    width = std::min(wanted.width(), screen.width());
    return {{right ? screen.right() + 1 - width : screen.left(), top, width, height},
            owner.topLeft()};
  }
  const int left = right ? ownerFrame.right() + 1 : ownerFrame.left() - width;
  return {{left, top, width, height}, ownerFrame.topLeft()};
}
