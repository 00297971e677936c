// How far a design runs past the picture it is drawn on, edge by edge, and
// the words that tell it.
#pragma once

#include <QRect>
#include <QString>

// Pixels left around the design on a canvas made to fit it.
inline constexpr int fittedCanvasMargin = 10;

struct EdgeOverrun {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool any() const { return left > 0 || top > 0 || right > 0 || bottom > 0; }
  bool operator==(const EdgeOverrun&) const = default;
};

class QImage;
struct DesignState;

// Whether `shown`, the canvas with the design drawn, shows anything but the
// captured background of `state` on its outermost rows or columns: a design
// that runs past an edge does, unless its frame left the canvas. A picture
// of another size than the canvas counts as showing.
bool showsOnCanvasBorder(const QImage& shown, const DesignState& state);

// How far `design` reaches past each edge of `picture`, 0 where it stays inside.
EdgeOverrun overrunOf(QRect picture, QRect design);

// "right by 212 px, bottom by 4 px": the edges that cut, in the order left,
// top, right, bottom; empty when none does.
QString overrunText(const EdgeOverrun& overrun);
