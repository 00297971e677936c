#include "tools/symbol_fonts.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <algorithm>

// Only installed fonts are offered, each with characters it really draws:
// a missing font would show its codes as plain letters of a substitute.
TEST(SymbolFonts, OffersOnlyInstalledFontsWithCharactersTheyDraw) {
  QStringList installed = QFontDatabase::families();
  for (QString& family : installed) family = family.section(QStringLiteral(" ["), 0, 0);
  const std::vector<SymbolFont> offered = installedSymbolFonts();
  for (const SymbolFont& font : offered) {
    EXPECT_TRUE(installed.contains(font.name, Qt::CaseInsensitive)) << font.name.toStdString();
    ASSERT_FALSE(font.codes.empty()) << font.name.toStdString();
    EXPECT_TRUE(std::is_sorted(font.codes.begin(), font.codes.end()));
    const QRawFont raw = QRawFont::fromFont(QFont(font.name));
    EXPECT_TRUE(raw.supportsCharacter(char32_t(font.codes.front()))) << font.name.toStdString();
  }
  for (const SymbolFont& known : symbolFonts()) {
    const bool listed = std::any_of(offered.begin(), offered.end(),
                                    [&](const SymbolFont& f) { return f.name == known.name; });
    EXPECT_EQ(listed, installed.contains(known.name, Qt::CaseInsensitive))
        << known.name.toStdString();
  }
}

TEST(SymbolFonts, CodesAboveTheCodePageBecomeTheirUnicodeCharacters) {
  const QStringList characters = symbolCharacters({QStringLiteral("Any"), {0x3b1, 0x2192}});
  EXPECT_EQ(characters, (QStringList{QStringLiteral("\u03b1"), QStringLiteral("\u2192")}));
}
