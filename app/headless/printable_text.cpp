#include "headless/printable_text.h"

namespace {

// The C0 and C1 controls and DEL: what terminals act on instead of showing.
bool isControl(char16_t unit) { return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F); }

}  // namespace

QString printableText(const QString& text) {
  QString shown;
  shown.reserve(text.size());
  for (const QChar character : text) {
    if (isControl(character.unicode()))
      shown += QStringLiteral("\\x") +
               QString::number(character.unicode(), 16).rightJustified(2, u'0').toUpper();
    else
      shown += character;
  }
  return shown;
}
