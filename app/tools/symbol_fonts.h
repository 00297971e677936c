// The symbol fonts the symbol picker offers and the characters of each, by
// their codes in the font's 8-bit code page.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct SymbolFont {
  QString name;
  std::vector<int> codes;  // increasing
};

const std::vector<SymbolFont>& symbolFonts();

// One single-character item per code.
QStringList symbolCharacters(const SymbolFont& font);
