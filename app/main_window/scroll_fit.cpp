#include "main_window/scroll_fit.h"

#include <algorithm>

ScrollFit fitScrollBars(QSize canvas, QSize viewport) {
  const int H = canvas.height(), W = canvas.width();
  const int VW = viewport.width(), VH = viewport.height();
  constexpr int bar = scrollBarThickness;
  ScrollFit fit;
  if (H <= VH - bar) fit.verticalShown = false;
  if (W <= VW - bar) {
    fit.horizontalShown = false;
    if (VH - bar < H && H <= VH) fit.verticalShown = false;
  }
  if (VW - bar < W && W <= VW && H <= VH) {
    fit.horizontalShown = false;
    fit.verticalShown = false;
  }
  fit.verticalLength = fit.horizontalShown ? VH - bar : VH;
  fit.verticalMax = std::max(0, H - fit.verticalLength);
  fit.horizontalLength = fit.verticalShown ? VW - bar : VW;
  fit.horizontalMax = std::max(0, W - fit.horizontalLength);
  fit.horizontalLargeChange = VW;
  fit.verticalLargeChange = VH;
  return fit;
}

QPoint canvasPosition(QSize canvas, QSize viewport, const ScrollFit& fit, int horizontalValue,
                      int verticalValue) {
  const int verticalBar = fit.verticalShown ? scrollBarThickness : 0;
  const int horizontalBar = fit.horizontalShown ? scrollBarThickness : 0;
  const int left = canvas.width() >= viewport.width()
                       ? -horizontalValue
                       : (viewport.width() - canvas.width() - verticalBar) / 2;
  const int top = canvas.height() < viewport.height() - horizontalBar
                      ? (viewport.height() - canvas.height() - horizontalBar) / 2
                      : -verticalValue;
  return {left, top};
}
