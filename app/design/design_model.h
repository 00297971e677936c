// The design's settings for the source kind being worked on, kept in one
// place. Everything that changes a setting (a panel, a style, a source
// switch, the command line) goes through `set`, which takes only what the
// setting's declaration allows and tells every listener which setting
// changed; everything that reads one (the panels, the render, the style
// writer) reads `style()`.
#pragma once

#include <functional>
#include <vector>

#include "design/curve_points.h"
#include "design/gradient_fill.h"
#include "design/setting_declarations.h"

class DesignModel {
 public:
  using Listener = std::function<void(Setting)>;

  DesignModel() = default;
  // A moved model keeps its listeners; a copy would tell the original's.
  DesignModel(DesignModel&&) = default;
  DesignModel& operator=(DesignModel&&) = default;
  DesignModel(const DesignModel&) = delete;
  DesignModel& operator=(const DesignModel&) = delete;

  const Style& style() const { return style_; }

  // Gives `setting` the value `value` when its declaration takes it and
  // tells the listeners when the value differs from the one held. Returns
  // whether the declaration took it.
  bool set(Setting setting, const SettingValue& value);

  // Every setting of `style`, each through `set`: how a style is applied
  // in the window and on the command line alike.
  void apply(const Style& style);

  void listen(Listener listener) { listeners_.push_back(std::move(listener)); }

 private:
  Style style_;
  std::vector<Listener> listeners_;
};

// Whether `value` has the type and lies in the range or choices that
// `setting` declares.
bool declarationTakes(const SettingDeclaration& setting, const SettingValue& value);

// The model's settings in the shapes the render and the panels draw with.
Rgb fillRgb(const Style& style);
Rgb entryRgb(const EffectEntry& entry);
FillGradient fillGradient(const Style& style);
CurvePoints curvePoints(const Style& style);
StyleColour styleColour(const Rgb& colour);
StyleColour styleColour(const QColor& colour);

// The gradient's stops and angle, the curve's points and an enumeration
// setting as the model takes them.
void setGradient(DesignModel& model, const FillGradient& gradient);
void setCurve(DesignModel& model, const CurvePoints& curve);
template <typename Kind>
void setKind(DesignModel& model, Setting setting, Kind kind) {
  model.set(setting, int32_t(kind));
}
