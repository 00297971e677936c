#include "headless/canvas_limit.h"

#include "headless/render_command.h"

using namespace Qt::StringLiterals;

bool withinCanvasLimit(QSize size) {
  return size.width() <= largestCanvasSide && size.height() <= largestCanvasSide;
}

QString pastCanvasLimit(const QString& what, QSize size) {
  return u"the %1 would be %2x%3 pixels, more than %4 a side"_s.arg(what)
      .arg(size.width())
      .arg(size.height())
      .arg(largestCanvasSide);
}
