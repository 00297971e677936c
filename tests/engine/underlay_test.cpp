// Underlay numbers past the seven a slot holds, slots past the three and
// unknown objects are refused (tests/app/rendering lays whole stacks).
#include <gtest/gtest.h>

#include <array>

#include "engine.h"

TEST(Underlays, OtherNumbersAreRefused) {
  VelloroEngine* engine = ENGINE_NEW(1);
  for (int32_t underlay : {-1, 8, 255}) EXPECT_EQ(ENGINE_UNDERLAY(engine, underlay), -1);
  for (int32_t underlay : {0, 7}) EXPECT_EQ(ENGINE_UNDERLAY(engine, underlay), 0);
  const std::array<int32_t, 3> keeps[] = {{0, 0, -1}, {4, 0, -1}, {1, -1, -1},
                                          {1, 8, -1}, {1, 0, 0},  {3, 7, 0}};
  for (const auto& [slot, count, answer] : keeps)
    EXPECT_EQ(ENGINE_KEEP_UNDERLAYS(engine, slot, count), answer) << slot << " " << count;
  ENGINE_FREE(engine);
  EXPECT_EQ(ENGINE_UNDERLAY(engine, 0), ENGINE_REFUSED);
  EXPECT_EQ(ENGINE_KEEP_UNDERLAYS(engine, 1, 0), ENGINE_REFUSED);
}
