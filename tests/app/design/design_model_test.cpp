// The model takes a setting's value only within its declaration and tells
// its listeners of each change, walked over every declared setting.
#include "design/design_model.h"

#include <gtest/gtest.h>

namespace {

struct Edges {
  SettingValue taken;                 // at the edge of the range or choices
  std::vector<SettingValue> refused;  // just past it, or of another type
};

template <typename List>
List filled(int32_t number) {
  List list{};
  list.fill(number);
  return list;
}

Edges edgesOf(const SettingDeclaration& setting, const Style& style) {
  const auto low = int32_t(setting.low), high = int32_t(setting.high);
  switch (setting.type) {
    case SettingType::WholeNumber: return {high, {high + 1, low - 1, double(high)}};
    case SettingType::Number: return {setting.high, {setting.high + 1, setting.low - 1, high}};
    case SettingType::Choice: {
      const auto last = int32_t(setting.choices.size()) - 1;
      return {last, {last + 1, int32_t(-1), QString()}};
    }
    case SettingType::Flag: return {!std::get<bool>(setting.get(style)), {int32_t(1)}};
    case SettingType::Text: return {QStringLiteral("x"), {int32_t(0)}};
    case SettingType::Colour:
      return {StyleColour{255, 255, 255}, {StyleColour{256, 0, 0}, StyleColour{0, -1, 0}}};
    case SettingType::ColourList:
      return {ColourList(size_t(high), {1, 2, 3}),
              {ColourList(size_t(high) + 1, {1, 2, 3}), ColourList(size_t(low) - 1, {1, 2, 3}),
               ColourList(size_t(high), {0, 0, 300})}};
    case SettingType::WholeList:
      return {filled<CurveList>(high), {filled<CurveList>(high + 1), filled<CurveList>(low - 1)}};
    case SettingType::EffectStack: {
      const EffectEntry glow{EffectType::Glow, {100, 0, 0}, {255, 255, 255}, false};
      auto with = [&glow](auto change) {
        EffectEntry entry = glow;
        change(entry);
        return EffectStack{entry};
      };
      return {EffectStack(size_t(high), glow),
              {EffectStack(size_t(high) + 1, glow), with([](EffectEntry& e) { e.values[0] = 101; }),
               with([](EffectEntry& e) { e.values[0] = -1; }),
               with([](EffectEntry& e) { e.values[2] = 1; }),  // a slider glow has not
               with([](EffectEntry& e) { e.colour.blue = 256; }),
               with([](EffectEntry& e) { e.type = EffectType::NoContour; }),
               with([](EffectEntry& e) { e.type = EffectType{8}; })}};
    }
  }
  return {};
}

}  // namespace

TEST(DesignModel, EverySettingTakesItsEdgeRefusesPastItAndTellsEachChangeOnce) {
  for (const SettingDeclaration& setting : settingDeclarations()) {
    SCOPED_TRACE(setting.key.data());
    DesignModel model;
    std::vector<Setting> told;
    model.listen([&told](Setting changed) { told.push_back(changed); });
    const Edges edges = edgesOf(setting, model.style());
    for (const SettingValue& refused : edges.refused) {
      const Style before = model.style();
      EXPECT_FALSE(model.set(setting.id, refused));
      EXPECT_EQ(model.style(), before);
    }
    EXPECT_TRUE(told.empty());
    ASSERT_TRUE(model.set(setting.id, edges.taken));
    EXPECT_EQ(setting.get(model.style()), edges.taken);
    EXPECT_EQ(told, std::vector{setting.id});
    // The value held already changes nothing and tells nobody.
    EXPECT_TRUE(model.set(setting.id, edges.taken));
    EXPECT_EQ(told.size(), 1u);
  }
}

// A style reaches the model setting by setting, the whole stack of effects
// as one.
TEST(DesignModel, ApplyingAStyleTellsEachSettingItChanges) {
  Style style;
  style.effects = {{EffectType::Glow, {33, 0, 0}, {9, 8, 7}},
                   {EffectType::DropShadow, {1, 2, 3}, {}, false}};
  style.material = Material::Gold;
  DesignModel model;
  std::vector<Setting> told;
  model.listen([&told](Setting changed) { told.push_back(changed); });
  model.apply(style);
  EXPECT_EQ(model.style(), style);
  EXPECT_EQ(told, (std::vector{Setting::Material, Setting::Effects}));
}
