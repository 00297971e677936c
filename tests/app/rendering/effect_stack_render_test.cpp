// A stack of outside effects renders as its entries rendered alone and laid
// in order. An entry's pictures over black and over white tell what it
// lays over any background b, channel by channel: dark + (light - dark) *
// b / 255. Laid in stack order over a background, those give the stack's
// picture within the level a blend rounds, wherever the relief alone shows
// fully or not at all. On the relief's soft edge each entry alone lays the
// relief again, so there the stack is held to its top entry alone, byte for
// byte, wherever the entries under it lay no more than the relief does.
#include <QPainter>
#include <algorithm>

#include "core_test.h"
#include "design/design_state.h"
#include "design/effect_stack.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "test_pictures.h"

namespace {

using enum velloro::EffectType;

// A picture of each pixel and channel, read as numbers.
struct Channels {
  QImage picture;
  int at(int x, int y, int channel) const { return picture.constScanLine(y)[3 * x + channel]; }
};

// What a stack lays: its pictures over black and over white.
struct Laid {
  Channels dark;
  Channels light;

  bool sameAt(const Laid& other, int x, int y) const {
    for (int k = 0; k < 3; ++k)
      if (dark.at(x, y, k) != other.dark.at(x, y, k) ||
          light.at(x, y, k) != other.light.at(x, y, k))
        return false;
    return true;
  }
  bool absentOrWholeAt(int x, int y) const {
    bool absent = true, whole = true;
    for (int k = 0; k < 3; ++k) {
      absent = absent && dark.at(x, y, k) == 0 && light.at(x, y, k) == 255;
      whole = whole && dark.at(x, y, k) == light.at(x, y, k);
    }
    return absent || whole;
  }
  int over(int background, int x, int y, int k) const {
    const int d = dark.at(x, y, k);
    return int(std::lround(d + (light.at(x, y, k) - d) * background / 255.0));
  }
};

QImage background() {
  QImage picture(260, 180, QImage::Format_RGB888);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      picture.setPixelColor(x, y, QColor((x * 7 + y) % 256, (y * 5) % 256, (x + 3 * y) % 256));
  return picture;
}

// A bar and a ring, with room around them for every effect's reach.
QImage mask() {
  QImage picture = filledPicture(160, 80, Qt::white);
  QPainter painter(&picture);
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawRect(30, 30, 50, 20);
  painter.drawEllipse(95, 28, 34, 26);
  painter.setBrush(Qt::white);
  painter.drawEllipse(105, 35, 14, 12);
  return picture;
}

class EffectStackRender : public testing::Test {
 protected:
  QImage render(const EffectStack& stack, const QImage& canvas) {
    state.model.set(Setting::Effects, stack);
    captureCanvasBuffers(state, canvas);
    state.designFrame = {50, 50, 0, 0};
    return renderDesign(state, shape, measures, engine.entryPoints(), platform)
        .convertToFormat(QImage::Format_RGB888);
  }
  Laid laid(const EffectStack& stack) {
    return {{render(stack, filledPicture(260, 180, Qt::black))},
            {render(stack, filledPicture(260, 180, Qt::white))}};
  }

  QTemporaryDir folder;
  DesignState state;
  RenderMeasures measures;
  ScriptedPlatform platform;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  QImage shape = mask();
};

EffectEntry entry(EffectType type, std::array<int32_t, 3> values, StyleColour colour = {}) {
  return {type, values, colour, true};
}

}  // namespace

TEST_F(EffectStackRender, EveryStackIsItsEntriesAloneLaidInOrder) {
  const EffectEntry wideWhite = entry(Outline1, {90, 0, 0}, {255, 255, 255});
  const EffectEntry narrowRed = entry(Outline1, {30, 0, 0}, {220, 20, 20});
  const EffectEntry wideGlow = entry(Glow, {100, 0, 0}, {40, 200, 255});
  const EffectEntry farShadow = entry(DropShadow, {80, 100, 100});
  const EffectEntry ring = entry(Outline2, {70, 0, 0}, {250, 230, 0});
  // edgeAlone: whether the entries under the top one leave part of the
  // relief's edge alone.
  const struct {
    const char* name;
    EffectStack stack;
    bool edgeAlone;
  } cases[] = {
      {"two outlines of one kind", {wideWhite, narrowRed}, false},
      {"a glow under a far drop shadow", {wideGlow, farShadow}, false},
      {"a shadow under an outline", {farShadow, narrowRed}, true},
      {"a shadow under a shadow", {farShadow, entry(DropShadow, {60, 0, 30})}, true},
      {"three entries", {wideGlow, ring, farShadow}, false},
  };
  const QImage canvas = background();
  const Laid relief = laid({});
  for (const auto& c : cases) {
    // Each entry is laid over the stack under it, as the program drew it.
    Channels under{canvas};
    int edgePixels = 0;
    for (size_t n = 1; n <= c.stack.size(); ++n) {
      const EffectStack lower(c.stack.begin(), c.stack.begin() + ptrdiff_t(n) - 1);
      const Laid entry = laid({c.stack[n - 1]});
      const Channels stacked{
          render(EffectStack(c.stack.begin(), c.stack.begin() + ptrdiff_t(n)), canvas)};
      int worst = 0;
      for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
          for (int k = 0; relief.absentOrWholeAt(x, y) && k < 3; ++k)
            worst = std::max(
                worst, std::abs(stacked.at(x, y, k) - entry.over(under.at(x, y, k), x, y, k)));
      EXPECT_LE(worst, 1) << c.name << ", entry " << n;
      under = stacked;
    }
    // The relief's soft edge where no entry under the top one reaches.
    std::vector<Laid> lowerEntries;
    for (auto e = c.stack.begin(); e + 1 != c.stack.end(); ++e) lowerEntries.push_back(laid({*e}));
    const Channels topAlone{render({c.stack.back()}, canvas)};
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) {
        if (relief.absentOrWholeAt(x, y) || !std::ranges::all_of(lowerEntries, [&](const Laid& e) {
              return e.sameAt(relief, x, y);
            }))
          continue;
        ++edgePixels;
        for (int k = 0; k < 3; ++k)
          ASSERT_EQ(under.at(x, y, k), topAlone.at(x, y, k)) << c.name << " at " << x << "," << y;
      }
    }
    EXPECT_EQ(edgePixels > 0, c.edgeAlone) << c.name;
  }
}

TEST_F(EffectStackRender, SwitchedOffEntriesAreSkippedAndOneEntryIsTheSingleEffect) {
  const QImage canvas = background();
  const EffectEntry glow = entry(Glow, {60, 0, 0}, {0, 255, 0});
  EffectEntry hidden = entry(DropShadow, {90, 100, 0});
  hidden.on = false;
  const QImage single = render({glow}, canvas);
  EXPECT_NE(single, render({}, canvas));
  EXPECT_EQ(render({hidden, glow}, canvas), single);
  EXPECT_EQ(render({glow, hidden}, canvas), single);
  // A longer stack rendered before leaves nothing behind.
  render({glow, entry(DropShadow, {90, 100, 0}), glow}, canvas);
  EXPECT_EQ(render({glow}, canvas), single);
  // Every entry off is no effect at all.
  EXPECT_EQ(render({hidden}, canvas), render({}, canvas));
}
