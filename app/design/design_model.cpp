#include "design/design_model.h"

#include <algorithm>

namespace {

bool colourTaken(const StyleColour& colour) {
  auto inByte = [](int32_t part) { return part >= 0 && part <= 255; };
  return inByte(colour.red) && inByte(colour.green) && inByte(colour.blue);
}

template <typename List>
bool everyInRange(const List& numbers, const SettingDeclaration& setting) {
  return std::ranges::all_of(
      numbers, [&](int32_t number) { return number >= setting.low && number <= setting.high; });
}

template <typename T>
const T* held(const SettingValue& value) {
  return std::get_if<T>(&value);
}

}  // namespace

bool declarationTakes(const SettingDeclaration& setting, const SettingValue& value) {
  switch (setting.type) {
    case SettingType::WholeNumber: {
      const int32_t* number = held<int32_t>(value);
      return number && *number >= setting.low && *number <= setting.high;
    }
    case SettingType::Number: {
      const double* number = held<double>(value);
      return number && *number >= setting.low && *number <= setting.high;
    }
    case SettingType::Choice: {
      const int32_t* number = held<int32_t>(value);
      return number && *number >= 0 && size_t(*number) < setting.choices.size();
    }
    case SettingType::Flag: return held<bool>(value);
    case SettingType::Text: return held<QString>(value);
    case SettingType::Colour: {
      const StyleColour* colour = held<StyleColour>(value);
      return colour && colourTaken(*colour);
    }
    case SettingType::ColourList: {
      const ColourList* colours = held<ColourList>(value);
      return colours && double(colours->size()) >= setting.low &&
             double(colours->size()) <= setting.high && std::ranges::all_of(*colours, colourTaken);
    }
    case SettingType::WholeList: {
      const CurveList* numbers = held<CurveList>(value);
      return numbers && everyInRange(*numbers, setting);
    }
    case SettingType::EffectStack: {
      const EffectStack* stack = held<EffectStack>(value);
      return stack && stackTaken(*stack);
    }
  }
  return false;
}

bool DesignModel::set(Setting setting, const SettingValue& value) {
  const SettingDeclaration& declared = declaration(setting);
  if (!declarationTakes(declared, value)) return false;
  if (declared.get(style_) == value) return true;
  declared.put(style_, value);
  for (const Listener& listener : listeners_) listener(setting);
  return true;
}

void DesignModel::apply(const Style& style) {
  for (const SettingDeclaration& setting : settingDeclarations())
    set(setting.id, setting.get(style));
}

Rgb fillRgb(const Style& style) {
  return {style.fillColour.red, style.fillColour.green, style.fillColour.blue};
}

Rgb entryRgb(const EffectEntry& entry) {
  return {entry.colour.red, entry.colour.green, entry.colour.blue};
}

FillGradient fillGradient(const Style& style) {
  FillGradient gradient;
  gradient.stops.clear();
  for (const StyleColour& stop : style.gradientStops)
    gradient.stops.emplace_back(stop.red, stop.green, stop.blue);
  gradient.angle = style.gradientAngle;
  return gradient;
}

CurvePoints curvePoints(const Style& style) { return {style.curvePositions, style.curveValues}; }

StyleColour styleColour(const Rgb& colour) { return {colour.red, colour.green, colour.blue}; }

StyleColour styleColour(const QColor& colour) {
  return {colour.red(), colour.green(), colour.blue()};
}

void setGradient(DesignModel& model, const FillGradient& gradient) {
  ColourList stops;
  for (const QColor& stop : gradient.stops) stops.push_back(styleColour(stop));
  model.set(Setting::GradientStops, stops);
  model.set(Setting::GradientAngle, gradient.angle);
}

void setCurve(DesignModel& model, const CurvePoints& curve) {
  model.set(Setting::CurvePositions, curve.x);
  model.set(Setting::CurveValues, curve.y);
}
