// A stack renders as its entries alone laid in order. An entry's pictures
// over black and white tell what it lays over any picture b: dark + (light
// - dark) * b / 255 per channel. Each stack is then its lower entries' with
// the top one laid over, within a level, where the relief alone shows fully
// or not at all; on the relief's soft edge, where the lower entries lay no
// more than the relief, it is the top entry alone to the byte (laid once).
#include <QPainter>
#include <algorithm>

#include "core_test.h"
#include "design/design_state.h"
#include "rendering/engine_library.h"
#include "rendering/render_pipeline.h"
#include "test_pictures.h"

namespace {

using enum velloro::EffectType;

struct Laid {
  QImage dark, light;  // over black, over white
};

int at(const QImage& picture, int x, int y, int k) { return picture.constScanLine(y)[3 * x + k]; }

bool reliefPartlyAt(const Laid& relief, int x, int y) {
  bool absent = true, whole = true;
  for (int k = 0; k < 3; ++k) {
    absent = absent && at(relief.dark, x, y, k) == 0 && at(relief.light, x, y, k) == 255;
    whole = whole && at(relief.dark, x, y, k) == at(relief.light, x, y, k);
  }
  return !absent && !whole;
}

class EffectStackRender : public testing::Test {
 protected:
  QImage render(const EffectStack& stack, const QImage& canvas) {
    state.model.set(Setting::Effects, stack);
    captureCanvasBuffers(state, canvas);
    state.designFrame = {50, 50, 0, 0};
    return renderDesign(state, {shape}, {}, engine.entryPoints(), platform)
        .convertToFormat(QImage::Format_RGB888);
  }
  Laid laid(const EffectStack& stack) {
    return {render(stack, filledPicture(260, 180, Qt::black)),
            render(stack, filledPicture(260, 180, Qt::white))};
  }

  DesignState state;
  ScriptedPlatform platform;
  EngineLibrary engine{QStringLiteral(ENGINE_PATH)};
  QImage shape = filledPicture(160, 80, Qt::white);  // a bar and a ring, drawn below
};

}  // namespace

TEST_F(EffectStackRender, EveryStackIsItsEntriesAloneLaidInOrder) {
  QPainter painter(&shape);
  painter.setPen(QPen(Qt::black, 8));
  painter.fillRect(30, 30, 50, 20, Qt::black);
  painter.drawEllipse(99, 32, 26, 18);
  painter.end();
  QImage canvas(260, 180, QImage::Format_RGB888);
  for (int i = 0; i < 180 * 260; ++i)
    canvas.setPixelColor(i % 260, i / 260, QColor(i * 7 % 256, i / 52 % 256, i % 253));
  const EffectEntry wideWhite{Outline1, {90, 0, 0}, {255, 255, 255}},
      narrowRed{Outline1, {30, 0, 0}, {220, 20, 20}}, wideGlow{Glow, {100, 0, 0}, {40, 200, 255}},
      farShadow{DropShadow, {80, 100, 100}}, ring{Outline2, {70, 0, 0}, {250, 230, 0}};
  const std::tuple<const char*, EffectStack, bool> cases[] = {
      // name, stack, edge left
      {"two outlines of one kind", {wideWhite, narrowRed}, false},
      {"a glow under a far drop shadow", {wideGlow, farShadow}, false},
      {"a shadow under an outline", {farShadow, narrowRed}, true},
      {"a shadow under a shadow", {farShadow, {DropShadow, {60, 0, 30}}}, true},
      {"three entries", {wideGlow, ring, farShadow}, false},
  };
  const Laid relief = laid({});
  for (const auto& [name, stack, edgeLeft] : cases) {
    QImage under = canvas;
    for (auto top = stack.begin(); top != stack.end(); ++top) {
      const Laid entry = laid({*top});
      const QImage stacked = render(EffectStack(stack.begin(), top + 1), canvas);
      int worst = 0;
      for (int i = 0; i < 3 * 180 * 260; ++i) {
        const int x = i / 3 % 260, y = i / 780, k = i % 3, d = at(entry.dark, x, y, k);
        const double laidOver = d + (at(entry.light, x, y, k) - d) * at(under, x, y, k) / 255.0;
        if (!reliefPartlyAt(relief, x, y))
          worst = std::max(worst, std::abs(at(stacked, x, y, k) - int(std::lround(laidOver))));
      }
      EXPECT_LE(worst, 1) << name << ", entry " << top - stack.begin();
      under = stacked;
    }
    std::vector<Laid> lower;
    for (auto e = stack.begin(); e + 1 != stack.end(); ++e) lower.push_back(laid({*e}));
    const QImage topAlone = render({stack.back()}, canvas);
    int edge = 0;
    for (int i = 0; i < 180 * 260; ++i) {
      const int x = i % 260, y = i / 260;
      const bool lowerLayRelief = std::ranges::all_of(lower, [&](const Laid& e) {
        return e.dark.pixel(x, y) == relief.dark.pixel(x, y) &&
               e.light.pixel(x, y) == relief.light.pixel(x, y);
      });
      if (!reliefPartlyAt(relief, x, y) || !lowerLayRelief) continue;
      ++edge;
      ASSERT_EQ(under.pixel(x, y), topAlone.pixel(x, y)) << name << " at " << x << "," << y;
    }
    EXPECT_EQ(edge > 0, edgeLeft) << name;
  }
}

TEST_F(EffectStackRender, SwitchedOffEntriesAreSkippedAndShorterStacksLeaveNothing) {
  const QImage canvas = filledPicture(260, 180, Qt::darkCyan);
  QPainter(&shape).fillRect(40, 20, 80, 40, Qt::black);
  const EffectEntry glow{Glow, {60, 0, 0}, {0, 255, 0}}, shadow{DropShadow, {90, 100, 0}},
      hidden{DropShadow, {90, 100, 0}, {}, false};
  const QImage single = render({glow}, canvas);
  EXPECT_NE(render({shadow, glow}, canvas), single);
  EXPECT_EQ(render({hidden, glow, hidden}, canvas), single);
  EXPECT_EQ(render({hidden}, canvas), render({}, canvas));
}
