// The symbol fonts the symbol picker knows, the ones it offers (those that
// are installed) and the characters of each.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct SymbolFont {
  QString name;
  std::vector<int> codes;  // increasing
  bool operator==(const SymbolFont&) const = default;
};

// The fonts the picker was made for, with their codes in their 8-bit code
// page.
const std::vector<SymbolFont>& symbolFonts();

// What the picker offers: the fonts of the table that are installed, then
// the other installed fonts of the symbol writing system with the characters
// each really draws. A font that is missing is never offered: the system
// would draw its codes as plain letters of a substitute.
std::vector<SymbolFont> installedSymbolFonts();

// One single-character item per code (a Unicode code point).
QStringList symbolCharacters(const SymbolFont& font);
