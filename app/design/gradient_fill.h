// The gradient fill: a linear gradient of 2 to 5 colour stops at an angle,
// laid over the design as a texture picture of the design's own size, so
// the engine shades it as it shades a texture.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>

inline constexpr int fewestGradientStops = 2;
inline constexpr int mostGradientStops = 5;
inline constexpr double largestGradientAngle = 360;  // either way round

struct FillGradient {
  QList<QColor> stops{QColor(0, 0, 200), QColor(120, 200, 255)};  // evenly spaced
  double angle = 0;  // degrees: 0 left to right, 90 top to bottom
  bool operator==(const FillGradient&) const = default;
};

// The stops of "#RRGGBB,#RRGGBB[,...]", or the reason they are refused in
// `problem`.
struct GradientStopsReading {
  QList<QColor> stops;
  QString problem;
};
GradientStopsReading readGradientStops(const QString& text);

// The stops written "#rrggbb,#rrggbb...".
QString gradientStopsText(const QList<QColor>& stops);

// Paints all of `picture` with the gradient laid across `box`: its first
// stop at the side of the box the angle comes from, its last at the side it
// goes to, the end colours carried on beyond.
void paintGradient(QImage& picture, const QRectF& box, const FillGradient& gradient);

// The texture picture of a gradient fill for `mask` (dark design pixels on
// bright): the mask's rows, one column more than its width, the gradient
// spread over the design pixels' bounding box.
QImage gradientTexture(const QImage& mask, const FillGradient& gradient);
