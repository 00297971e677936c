// A style: everything that decides how a source looks, apart from what the
// source is. Saved as a small JSON document, shipped as presets and applied
// to any title, in the window or on the command line. What each setting
// holds at first is declared in design/setting_declarations.cpp.
#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "design/effect_stack.h"
#include "design/kind_settings.h"
#include "design/style_colour.h"

struct StyleFont {
  QString family;
  double pointSize = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int32_t letterSpacing = 0;  // pixels added between letters
  int32_t alignment = 0;      // of the lines: 0 left, 1 centre, 2 right, 3 start, 4 end
  double lineSpacing = 0;     // times the font's line step
  QString file = {};  // a font file that provides the family, relative to the style file's folder
  bool operator==(const StyleFont&) const = default;
};

inline constexpr int styleCurvePoints = 6;

struct Style {
  // The start values of every setting.
  Style();

  FillKind fillKind = FillKind::Colour;
  StyleColour fillColour;
  QString texture;  // a picture of the textures folder by name, or a full path
  std::vector<StyleColour> gradientStops;  // 2..5 colours, evenly spaced
  double gradientAngle = 0;                // degrees: 0 left to right, 90 top to bottom

  SurfacePatternType surfacePattern = SurfacePatternType::None;
  CurveAxis curveAxis = CurveAxis::TopToBottom;
  std::array<int32_t, styleCurvePoints> curvePositions{};
  std::array<int32_t, styleCurvePoints> curveValues{};
  Material material = Material::Profile;

  EffectStack effects;

  DeformationType deformationType = DeformationType::None;
  int32_t deformationAmount = 0;

  StyleFont font;  // used by text sources only

  bool operator==(const Style&) const = default;
};
