#include "tools/symbol_fonts.h"

#include <QChar>
#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <algorithm>
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

// Where a symbol font without a table row keeps its signs: its 8-bit code
// page, Greek, and the arrows, mathematical signs, technical signs, shapes
// and dingbats of Unicode.
const Ranges searchedCodes{{33, 255}, {0x370, 0x3ff}, {0x2190, 0x27bf}};
// A list of more signs than this is no longer browsable.
constexpr std::size_t mostCodes = 255;

std::vector<int> codesDrawnBy(const QString& family) {
  const QRawFont font = QRawFont::fromFont(QFont(family));
  std::vector<int> codes;
  for (int code : codesOf(searchedCodes)) {
    if (codes.size() == mostCodes) break;
    if (font.supportsCharacter(char32_t(code))) codes.push_back(code);
  }
  return codes;
}

// The font database tells families of several foundries apart as
// "Name [Foundry]"; a font asked for by its name alone is any of them.
QString withoutFoundry(const QString& family) {
  const qsizetype bracket = family.indexOf(QStringLiteral(" ["));
  return bracket < 0 ? family : family.left(bracket);
}

bool sameFamily(const QString& a, const QString& b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
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

std::vector<SymbolFont> installedSymbolFonts() {
  const QStringList installed = QFontDatabase::families();
  auto isInstalled = [&installed](const QString& family) {
    return std::any_of(installed.begin(), installed.end(), [&family](const QString& name) {
      return sameFamily(withoutFoundry(name), family);
    });
  };
  std::vector<SymbolFont> offered;
  for (const SymbolFont& known : symbolFonts())
    if (isInstalled(known.name)) offered.push_back(known);
  for (const QString& listed : QFontDatabase::families(QFontDatabase::Symbol)) {
    const QString family = withoutFoundry(listed);
    // Fonts of the table come first, with their own codes; one line per
    // family whatever its foundries.
    const bool offeredAlready =
        std::any_of(offered.begin(), offered.end(),
                    [&family](const SymbolFont& f) { return sameFamily(f.name, family); });
    if (offeredAlready) continue;
    std::vector<int> codes = codesDrawnBy(family);
    if (!codes.empty()) offered.push_back({family, std::move(codes)});
  }
  return offered;
}

// A symbol font draws its glyph for code c at the character c of its 8-bit
// code page, which is Latin-1 for the fonts of the table; the fonts found
// installed are listed by Unicode code point.
QStringList symbolCharacters(const SymbolFont& font) {
  QStringList characters;
  for (int code : font.codes) {
    const char32_t point = char32_t(code);
    characters << QString::fromUcs4(&point, 1);
  }
  return characters;
}
