#include "desktop/scripted_platform.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(ScriptedPlatform, BusyPointerEndsAlsoOnFailure) {
  ScriptedPlatform platform;
  try {
    BusyPointer busy(platform);
    EXPECT_EQ(platform.busyDepth, 1);
    throw std::runtime_error("render failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(platform.busyDepth, 0);
  EXPECT_EQ(platform.busyPeriods, 1);
}
