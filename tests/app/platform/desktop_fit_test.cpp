// Where the help opens beside the main window, and which colour scheme the
// desktop's hints select.
#include <gtest/gtest.h>

#include "platform/beside_placement.h"
#include "platform/colour_scheme.h"

namespace {

struct Beside {
  QRect owner;
  QRect expected;
};

// A 1280 x 800 screen and a 720 x 540 help window that may shrink to 360.
TEST(BesidePlacement, RightThenLeftThenTheRoomierSideNarrowedThenOnTheScreen) {
  const QRect screen(0, 0, 1280, 800);
  const Beside cases[] = {
      {{0, 100, 500, 600}, {500, 100, 720, 540}},   {{760, 100, 500, 600}, {40, 100, 720, 540}},
      {{0, 100, 800, 600}, {800, 100, 480, 540}},   {{700, 100, 500, 600}, {0, 100, 700, 540}},
      {{300, 100, 660, 600}, {560, 100, 720, 540}}, {{200, 500, 880, 200}, {560, 260, 720, 540}},
  };
  for (const Beside& one : cases)
    EXPECT_EQ(besideOwner(one.owner, {720, 540}, screen, 360), one.expected) << one.owner.x();
}

TEST(ColourScheme, TheSchemeSettingDecidesBeforeThemeNamesAndThePalette) {
  struct Case {
    DesktopHints hints;
    ColourScheme expected;
  };
  const Case cases[] = {
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
  for (const Case& one : cases)
    EXPECT_EQ(schemeOf(one.hints), one.expected) << one.hints.themeVariable.toStdString();
}

TEST(ColourScheme, TheDarkPaletteReadsLightOnDarkAndDimsDisabledText) {
  const QPalette dark = darkPalette();
  EXPECT_LT(dark.color(QPalette::Window).lightness(), 80);
  EXPECT_GT(dark.color(QPalette::WindowText).lightness(), 200);
  EXPECT_GT(dark.color(QPalette::ButtonText).lightness(), 200);
  EXPECT_LT(dark.color(QPalette::Disabled, QPalette::Text).lightness(),
            dark.color(QPalette::Active, QPalette::Text).lightness());
}

}  // namespace
