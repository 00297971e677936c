#include "tools/symbol_fonts.h"

#include <QChar>
#include <initializer_list>
#include <utility>

namespace {

using Ranges = std::initializer_list<std::pair<int, int>>;

std::vector<int> codesOf(Ranges ranges) {
  std::vector<int> codes;
  for (const auto& [first, last] : ranges)
    for (int code = first; code <= last; ++code) codes.push_back(code);
  return codes;
}

}  // namespace

const std::vector<SymbolFont>& symbolFonts() {
  static const std::vector<SymbolFont> fonts{
      {QStringLiteral("Bookshelf symbol 3"), codesOf({{65, 71}, {74, 85}, {87, 92}, {95, 98}})},
      {QStringLiteral("Sappy Mugs"), codesOf({{36, 36}, {38, 38}, {48, 57}, {66, 90}, {97, 122}})},
      {QStringLiteral("Monotype Sorts"),
       codesOf({{33, 126}, {128, 141}, {162, 171}, {212, 239}, {241, 254}})},
      {QStringLiteral("Webdings"), codesOf({{33, 255}})},
      {QStringLiteral("Wingdings"),
       codesOf({{33, 98}, {100, 100}, {102, 102}, {104, 105}, {107, 127}, {150, 182}, {195, 255}})},
      {QStringLiteral("Wingdings 2"), codesOf({{33, 88}, {97, 249}})},
  };
  return fonts;
}

// A symbol font draws its glyph for code c at the character c of its 8-bit
// code page, which is Latin-1 for these fonts.
QStringList symbolCharacters(const SymbolFont& font) {
  QStringList characters;
  for (int code : font.codes) characters << QString(QChar::fromLatin1(char(code)));
  return characters;
}
