#include "state/design_overrun.h"

#include <QStringList>
#include <algorithm>

EdgeOverrun overrunOf(QRect picture, QRect design) {
  if (design.isEmpty()) return {};
  return {std::max(0, picture.left() - design.left()), std::max(0, picture.top() - design.top()),
          std::max(0, design.right() - picture.right()),
          std::max(0, design.bottom() - picture.bottom())};
}

QString overrunText(const EdgeOverrun& overrun) {
  QStringList edges;
  const auto add = [&edges](const char* edge, int pixels) {
    if (pixels > 0) edges << QStringLiteral("%1 by %2 px").arg(QLatin1String(edge)).arg(pixels);
  };
  add("left", overrun.left);
  add("top", overrun.top);
  add("right", overrun.right);
  add("bottom", overrun.bottom);
  return edges.join(QStringLiteral(", "));
}
