#include "tools/symbol_fonts.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <algorithm>

TEST(SymbolFonts, SixFontsWithTheirCharacterCounts) {
  const std::vector<SymbolFont>& fonts = symbolFonts();
  ASSERT_EQ(fonts.size(), 6u);
  const std::vector<std::size_t> counts{
      29, 63, 94 + 14 + 10 + 28 + 14, 223, 66 + 2 + 2 + 21 + 33 + 61, 56 + 153};
  for (std::size_t i = 0; i < fonts.size(); ++i) EXPECT_EQ(fonts[i].codes.size(), counts[i]) << i;
  EXPECT_EQ(fonts[5].name, QStringLiteral("Wingdings 2"));
}

TEST(SymbolFonts, BookshelfSkipsItsFiveGaps) {
  const std::vector<int>& codes = symbolFonts()[0].codes;
  for (int gap : {72, 73, 86, 93, 94}) EXPECT_EQ(std::count(codes.begin(), codes.end(), gap), 0);
  EXPECT_EQ(codes.front(), 65);
  EXPECT_EQ(codes.back(), 98);
}

TEST(SymbolFonts, EachCodeIsOneCharacterOfThatCode) {
  const QStringList characters = symbolCharacters(symbolFonts()[3]);
  EXPECT_EQ(characters.first(), QStringLiteral("!"));
  EXPECT_EQ(characters.last(), QString(QChar(255)));
}

// Only installed fonts are offered, each with characters it really draws:
// a missing font would show its codes as plain letters of a substitute.
TEST(SymbolFonts, OffersOnlyInstalledFontsWithCharactersTheyDraw) {
  const QStringList installed = QFontDatabase::families();
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
