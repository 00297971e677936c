// Engine lanes: one render at a time on each, a wait that ends at its
// deadline, and every render of a lane on the lane's own thread.
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

#include "service/engine_lanes.h"

namespace {

using std::chrono::milliseconds;
using std::chrono::steady_clock;

TEST(EngineLanes, EveryLaneIsGivenOnceUntilOneIsBack) {
  EngineLanes lanes(QStringLiteral(ENGINE_PATH));
  std::vector<EngineLanes::Turn> taken;
  for (int i = 0; i < EngineLanes::laneCount(); ++i) {
    std::optional<EngineLanes::Turn> turn = lanes.take(steady_clock::now() + milliseconds(50));
    ASSERT_TRUE(turn);
    taken.push_back(std::move(*turn));
  }
  const auto before = steady_clock::now();
  EXPECT_FALSE(lanes.take(before + milliseconds(30)));
  EXPECT_GE(steady_clock::now() - before, milliseconds(30));
  std::thread giver([&] {
    std::this_thread::sleep_for(milliseconds(20));
    taken.pop_back();
  });
  EXPECT_TRUE(lanes.take(steady_clock::now() + std::chrono::seconds(10)));
  giver.join();
}

TEST(LaneThread, RunsEveryWorkOnItsOwnThreadAndPassesOnWhatItThrew) {
  LaneThread lane;
  const auto later = steady_clock::now() + std::chrono::hours(1);
  std::vector<std::thread::id> ran;
  for (int i = 0; i < 3; ++i)
    lane.run([&](std::stop_token) { ran.push_back(std::this_thread::get_id()); }, later);
  ASSERT_EQ(ran.size(), 3u);
  EXPECT_NE(ran[0], std::this_thread::get_id());
  EXPECT_EQ(ran[1], ran[0]);
  EXPECT_EQ(ran[2], ran[0]);
  EXPECT_THROW(lane.run([](std::stop_token) { throw std::runtime_error("no"); }, later),
               std::runtime_error);
  bool ranAfter = false;
  lane.run([&](std::stop_token stop) { ranAfter = !stop.stop_requested(); }, later);
  EXPECT_TRUE(ranAfter);
}

}  // namespace
