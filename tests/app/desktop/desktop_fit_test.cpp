// Where the help opens beside the main window, and which colour scheme the
// desktop's hints select.
#include <gtest/gtest.h>

#include "desktop/colour_scheme.h"
#include "platform/beside_placement.h"

// A 1280 x 800 screen and a 720 x 540 help window that may shrink to 360.
TEST(BesidePlacement, RightLeftNarrowedThenTheOwnerMovesAsideThenOverlapping) {
  const QRect screen(0, 0, 1280, 800);
  const std::tuple<QRect, QRect, QPoint> cases[] = {
      {{0, 100, 500, 600}, {500, 100, 720, 540}, {0, 100}},
      {{760, 100, 500, 600}, {40, 100, 720, 540}, {760, 100}},
      {{0, 100, 800, 600}, {800, 100, 480, 540}, {0, 100}},
      {{700, 100, 500, 600}, {0, 100, 700, 540}, {700, 100}},
      {{300, 100, 660, 600}, {660, 100, 620, 540}, {0, 100}},
      {{330, 500, 660, 200}, {0, 260, 620, 540}, {620, 500}},
      {{100, 100, 1000, 600}, {560, 100, 720, 540}, {100, 100}},
  };
  for (const auto& [owner, help, ownerAt] : cases) {
    const BesidePlacement placed = besideOwner(owner, {720, 540}, screen, 360);
    EXPECT_EQ(placed.companion, help) << owner.x();
    EXPECT_EQ(placed.owner, ownerAt) << owner.x();
  }
}

TEST(ColourScheme, TheSchemeSettingDecidesBeforeThemeNamesAndThePalette) {
  const std::pair<DesktopHints, ColourScheme> cases[] = {
      {{}, ColourScheme::Light},
      {{QStringLiteral("'prefer-dark'"), {}, {}, false}, ColourScheme::Dark},
      {{QStringLiteral("'prefer-light'"), QStringLiteral("Adwaita:dark"), {}, true},
       ColourScheme::Light},
      {{QStringLiteral("'default'"), QStringLiteral("Adwaita:dark"), {}, false},
       ColourScheme::Dark},
      {{{}, {}, QStringLiteral("'Yaru-Dark'"), false}, ColourScheme::Dark},
      {{{}, QStringLiteral("Darkly"), QStringLiteral("'Adwaita'"), false}, ColourScheme::Light},
      {{{}, {}, {}, true}, ColourScheme::Dark},
  };
  for (const auto& [hints, expected] : cases)
    EXPECT_EQ(schemeOf(hints), expected) << hints.themeVariable.toStdString();
}
