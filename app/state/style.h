// A style: everything that decides how a source looks, apart from what the
// source is. Saved as a small JSON document, shipped as presets and applied
// to any title, in the window or on the command line.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

struct StyleColour {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const StyleColour&) const = default;
};

struct StyleFont {
  QString family = QStringLiteral("Tahoma");
  double pointSize = 75;
  bool bold = true;
  bool italic = false;
  bool underline = false;
  int32_t letterSpacing = 0;  // pixels between letters, -200..200
  int32_t alignment = 0;      // of the lines: 0 left, 1 centre, 2 right
  double lineSpacing = 1;     // times the font's line step, 0.5..3
  bool operator==(const StyleFont&) const = default;
};

inline constexpr int styleCurvePoints = 6;
inline constexpr int styleEffectValues = 3;

struct Style {
  bool textureFill = false;
  bool gradientFill = false;  // takes the place of a texture fill
  StyleColour fillColour{0, 0, 200};
  QString texture;  // a picture of the textures folder by name, or a full path
  std::vector<StyleColour> gradientStops{{0, 0, 200}, {120, 200, 255}};  // 2..5 colours
  double gradientAngle = 0;  // degrees: 0 left to right, 90 top to bottom

  int32_t surfacePattern = 0;  // 0 none, 1 streaks, 2 grain, 3 ripples
  int32_t curveAxis = 0;       // 0 top to bottom, 1 left to right, 2 centre to edge
  std::array<int32_t, styleCurvePoints> curvePositions{0, 50, 100, 150, 200, 255};
  std::array<int32_t, styleCurvePoints> curveValues{128, 128, 128, 128, 128, 128};
  int32_t material = 0;  // 0..7; 6 steel, 7 gold

  int32_t effectType = 3;  // "Engraved"
  // The effect's slider positions in the order of its panel; unused ones stay 0.
  std::array<int32_t, styleEffectValues> effectValues{20, 0, 0};
  StyleColour effectColour;  // the outline colour, or the glow colour for a glow

  int32_t deformationType = 0;  // 0 none, 1 rotate, 2 curve
  int32_t deformationAmount = 0;

  StyleFont font;  // used by text sources only

  bool operator==(const Style&) const = default;
};
