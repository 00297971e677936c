// A style: everything that decides how a source looks, apart from what the
// source is. Saved as a small JSON document, shipped as presets and applied
// to any title, in the window or on the command line. What each setting
// holds at first is declared in state/setting_declarations.cpp.
#pragma once

#include <QString>
#include <array>
#include <cstdint>

struct StyleColour {
  int32_t red = 0;
  int32_t green = 0;
  int32_t blue = 0;
  bool operator==(const StyleColour&) const = default;
};

struct StyleFont {
  QString family;
  double pointSize = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool operator==(const StyleFont&) const = default;
};

inline constexpr int styleCurvePoints = 6;
inline constexpr int styleEffectValues = 3;

struct Style {
  // The start values of every setting.
  Style();

  bool textureFill = false;
  StyleColour fillColour;
  QString texture;  // a picture of the textures folder by name, or a full path

  int32_t surfacePattern = 0;  // a velloro::SurfacePatternType
  int32_t curveAxis = 0;       // a velloro::CurveAxis
  std::array<int32_t, styleCurvePoints> curvePositions{};
  std::array<int32_t, styleCurvePoints> curveValues{};
  int32_t material = 0;  // a velloro::Material

  int32_t effectType = 0;  // a velloro::EffectType
  // The effect's slider positions in the order of its panel; unused ones stay 0.
  std::array<int32_t, styleEffectValues> effectValues{};
  StyleColour effectColour;  // the outline colour, or the glow colour for a glow

  int32_t deformationType = 0;  // 0 none, 1 rotate, 2 curve
  int32_t deformationAmount = 0;

  StyleFont font;  // used by text sources only

  bool operator==(const Style&) const = default;
};
