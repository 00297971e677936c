#include "design/fill_preview.h"

#include <QPainter>
#include <algorithm>
#include <functional>

#include "design/design_state.h"
#include "design/rounding.h"

namespace {

// How one line shades a channel value c of the fill colour; the result is
// rounded and kept within 0..255.
using Shade = std::function<double(double c)>;

QColor shaded(const Rgb& fill, const Shade& shade) {
  auto channel = [&](int c) { return std::clamp(roundHalfEven(shade(c)), 0, 255); };
  return QColor(channel(fill.red), channel(fill.green), channel(fill.blue));
}

void line(QPainter& painter, const Rgb& fill, QLineF where, const Shade& shade) {
  painter.setPen(shaded(fill, shade));
  painter.drawLine(where);
}

void topToBottom(QPainter& painter, const Rgb& fill) {
  for (int i = 0; i <= 10; ++i)
    line(painter, fill, {0, double(i), 106, double(i)},
         [i](double c) { return c - (i - 10) * (255 - c) / 20; });
  for (int i = 10; i <= 20; ++i)
    line(painter, fill, {0, double(i), 106, double(i)},
         [i](double c) { return c - (i - 10) * c / 20; });
}

void leftToRight(QPainter& painter, const Rgb& fill) {
  for (int i = 0; i <= 53; ++i)
    line(painter, fill, {double(i), 0, double(i), 20},
         [i](double c) { return c - (i - 53) * (255 - c) / 106; });
  for (int i = 53; i <= 106; ++i)
    line(painter, fill, {double(i), 0, double(i), 20},
         [i](double c) { return c - (i - 53) * c / 106; });
}

// A pyramid seen from above: the inner lines first, then the outer ones
// over them, columns before rows.
void centreToEdge(QPainter& painter, const Rgb& fill) {
  auto columns = [&](int from, int to) {
    for (int i = from; i <= to; ++i) {
      const Shade shade = [i](double c) { return c - (27 - i) * (255 - c) / 53; };
      const double top = 10.0 * i / 53, bottom = 20 - 10.0 * i / 53;
      line(painter, fill, {double(i), top, double(i), bottom}, shade);
      line(painter, fill, {double(105 - i), top, double(105 - i), bottom}, shade);
    }
  };
  auto rows = [&](int from, int to) {
    for (int j = from; j <= to; ++j) {
      const Shade shade = [j](double c) { return c - (5 - j) * (255 - c) / 10; };
      const double left = 53.0 * j / 10, right = 106 - 53.0 * j / 10;
      line(painter, fill, {left, double(j), right, double(j)}, shade);
      line(painter, fill, {left, double(19 - j), right, double(19 - j)}, shade);
    }
  };
  columns(27, 53);
  columns(0, 27);
  rows(5, 10);
  rows(0, 5);
}

}  // namespace

void drawFillPreview(DesignState& state, QImage& swatch) {
  // A material with its own colour does not change the colour the kind keeps.
  const Style& current = state.model.style();
  const Rgb fill = fillRgb(current);
  if (!materialRow(current.material).ownLook)
    state.kindSettings[state.sourceKind].fillColour = fill;
  QPainter painter(&swatch);
  switch (current.curveAxis) {
    case CurveAxis::TopToBottom: topToBottom(painter, fill); break;
    case CurveAxis::LeftToRight: leftToRight(painter, fill); break;
    default: centreToEdge(painter, fill); break;
  }
}
