#include "tools/symbol_fonts.h"

#include <gtest/gtest.h>

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
