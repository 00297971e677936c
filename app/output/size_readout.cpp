#include "output/size_readout.h"

#include <cmath>

namespace {

// Digits of a whole number grouped by three; nothing for 0, as the digit
// placeholders of the readout pattern are all optional.
QString groupedDigits(qint64 whole) {
  if (whole == 0) return {};
  QString digits = QString::number(whole);
  for (qsizetype at = digits.size() - 3; at > 0; at -= 3) digits.insert(at, QLatin1Char(','));
  return digits;
}

}  // namespace

QString bytesReadout(qint64 size) { return groupedDigits(size) + QStringLiteral("  bytes"); }

QString kilobytesReadout(qint64 size) {
  const qint64 hundredths = std::llround(static_cast<double>(size) * 100.0 / 1024.0);
  QString text = groupedDigits(hundredths / 100);
  const qint64 fraction = hundredths % 100;
  if (fraction != 0) {
    QString decimals = QStringLiteral("%1").arg(fraction, 2, 10, QLatin1Char('0'));
    if (decimals.endsWith(QLatin1Char('0'))) decimals.chop(1);
    text += QLatin1Char('.') + decimals;
  }
  return QStringLiteral("( ") + text + QStringLiteral(" KB )");
}
