// Titles worked on several threads come back in the order of the list, with
// what went wrong in its place, and no thread runs far ahead of the list.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <new>

#include "headless/batch_lanes.h"

namespace {

TEST(BatchLanes, OutcomesComeInListOrderWithoutRunningFarAhead) {
  constexpr size_t laneCount = 3;
  std::atomic<size_t> handedOut{0};
  std::mutex mutex;
  size_t farthestAhead = 0;
  BatchLanes lanes(laneCount, 60, [&](size_t lane, size_t index) {
    EXPECT_LT(lane, laneCount);
    const std::lock_guard lock(mutex);
    farthestAhead = std::max(farthestAhead, index - handedOut);
    return TitleOutcome{{}, QString::number(index)};
  });
  for (size_t index = 0; index < 60; ++index) {
    EXPECT_EQ(lanes.nextOutcome().problem, QString::number(index));
    ++handedOut;
  }
  EXPECT_LT(farthestAhead, 4 * laneCount);
}

TEST(BatchLanes, WhatIsNoFailureIsThrownInItsPlace) {
  for (const size_t laneCount : {1, 2}) {
    BatchLanes lanes(laneCount, 8, [](size_t, size_t index) -> TitleOutcome {
      if (index == 5) throw std::bad_alloc();
      return {};
    });
    for (int index = 0; index < 5; ++index) lanes.nextOutcome();
    EXPECT_THROW(lanes.nextOutcome(), std::bad_alloc) << laneCount;
  }
}

}  // namespace
