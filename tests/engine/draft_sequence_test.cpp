// A drag's frames keep what they found in a layer's colours (where it is
// set) while the layer stays, and look again once it is drawn anew: a run
// of drafts ends on the bytes its last frame gives on a fresh object.
#include <gtest/gtest.h>

#include <vector>

#include "layer_render.h"

namespace velloro::test {
namespace {

struct Frame {
  const Picture* mask;
  DeformationType deformation;
  int32_t amount;
};

std::vector<uint8_t> lastOf(const std::vector<Frame>& frames, VelloroEngine* engine) {
  Canvas canvas(300, 200);
  paintPattern(canvas.background);
  for (const Frame& frame : frames) {
    LayerSettings s;
    s.material = 6;
    s.deformationType = toInt(frame.deformation);
    s.deformationAmount = frame.amount;
    s.columnOffset = 30;
    s.rowOffset = 40;
    Picture mask = *frame.mask;
    EXPECT_EQ(engineAction(engine, 1, canvas, mask, s), ENGINE_DONE);
    EXPECT_EQ(ENGINE_DESTRUCTION(engine), ENGINE_DONE);
  }
  return canvas.output.bytes;
}

TEST(DraftSequence, TheLastFrameGivesTheBytesOfAFreshObject) {
  // Bars far apart: one's set blocks tell nothing of the other's.
  const Picture left = rectangleMask(200, 90, 10, 10, 40, 60);
  const Picture right = rectangleMask(200, 90, 50, 130, 80, 190);
  const Picture wide = rectangleMask(260, 90, 20, 20, 70, 240);  // another stride
  constexpr auto kTurn = DeformationType::Rotate;
  constexpr auto kBend = DeformationType::Curve;
  struct Case {
    const char* name;
    std::vector<Frame> frames;
  };
  const Case cases[] = {
      {"a turn dragged", {{&left, kTurn, 7}, {&left, kTurn, 12}, {&left, kTurn, 40}}},
      {"a bend dragged", {{&left, kBend, 20}, {&left, kBend, 80}}},
      {"turned, then another mask", {{&left, kTurn, 7}, {&right, kTurn, 7}}},
      {"bent, then another mask", {{&left, kBend, 30}, {&right, kBend, 30}}},
      {"another mask, another stride", {{&right, kTurn, 9}, {&wide, kTurn, 9}}},
      {"straight, then turned anew", {{&left, DeformationType::None, 50}, {&right, kTurn, 5}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VelloroEngine* dragged = ENGINE_NEW(2);
    VelloroEngine* fresh = ENGINE_NEW(2);
    ASSERT_EQ(ENGINE_PREVIEW(dragged, 1), ENGINE_DONE);
    ASSERT_EQ(ENGINE_PREVIEW(fresh, 1), ENGINE_DONE);
    const std::vector<uint8_t> last = lastOf(c.frames, dragged);
    EXPECT_EQ(last, lastOf({c.frames.back()}, fresh));
    Canvas untouched(300, 200);
    paintPattern(untouched.background);
    EXPECT_NE(last, untouched.background.bytes);  // the layer shows
    ENGINE_FREE(dragged);
    ENGINE_FREE(fresh);
  }
}

}  // namespace
}  // namespace velloro::test
