#include "main_window/effect_labels.h"

#include <cmath>

#include "state/kind_settings.h"

namespace {

const QString degrees = QStringLiteral(" °");

// Integer parts round towards minus infinity, so a curve bent left shows
// -180 at the slider's left end rather than -175.
int integerPart(double value) { return int(std::floor(value)); }

// A full turn over the slider in steps of 5 degrees.
int angle(int value) { return integerPart(value * 3.6 / 5) * 5; }

QString signedOffset(int value) {
  const int offset = integerPart(value / 2.0) - 25;
  if (offset > 0) return QStringLiteral("+ %1").arg(offset);
  if (offset < 0) return QStringLiteral("- %1").arg(-offset);
  return QStringLiteral("0");
}

}  // namespace

QString percentLabel(int value) {
  return QString::number(integerPart(value / 2.0) * 2) + QStringLiteral(" %");
}

std::optional<ShadowLabels> shadowLabels(int k, int value, int effect) {
  if (k == 1) return ShadowLabels{percentLabel(value), {}, {}};
  if (effect == effectType::DropShadow)
    return ShadowLabels{signedOffset(value), QStringLiteral("S. offset X :"),
                        QStringLiteral("S. offset Y :")};
  if (effect != effectType::CastShadow) return std::nullopt;
  const QString shown = k == 2 ? QString::number(integerPart(value / 2.0) * 2)
                               : QString::number(angle(value)) + degrees;
  return ShadowLabels{shown, QStringLiteral("S. height :"), QStringLiteral("S. orient. :")};
}

std::optional<QString> deformationLabel(int deformationType, int value) {
  if (deformationType == 1) return QString::number(angle(value)) + degrees;
  // 49, not 50, is where the curve stays straight.
  if (deformationType == 2) return QString::number(angle(value - 49)) + degrees;
  return std::nullopt;
}
