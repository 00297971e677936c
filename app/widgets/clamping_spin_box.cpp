#include "widgets/clamping_spin_box.h"

#include <algorithm>

namespace {

// A sign alone or nothing yet may still become a number.
bool unfinishedNumber(const QString& text) {
  return text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+");
}

}  // namespace

QValidator::State ClampingSpinBox::validate(QString& input, int&) const {
  const QString text = input.trimmed();
  if (unfinishedNumber(text)) return QValidator::Intermediate;
  bool isNumber = false;
  const qlonglong number = text.toLongLong(&isNumber);
  if (!isNumber) return QValidator::Invalid;
  return number >= minimum() && number <= maximum() ? QValidator::Acceptable
                                                    : QValidator::Intermediate;
}

void ClampingSpinBox::fixup(QString& input) const {
  bool isNumber = false;
  const qlonglong number = input.trimmed().toLongLong(&isNumber);
  if (isNumber) input = QString::number(std::clamp<qlonglong>(number, minimum(), maximum()));
}
