#include "headless/batch_lanes.h"

#include <algorithm>
#include <system_error>

namespace {

// Beyond this many, further engines would only contend for the memory bus.
constexpr size_t mostLanes = 4;

}  // namespace

BatchLanes::BatchLanes(const std::vector<TitleRenderer*>& renderers, size_t titleCount,
                       TitleWork work)
    : renderers_(renderers), work_(std::move(work)), promised_(titleCount) {
  for (TitleRenderer* renderer : renderers_) {
    try {
      threads_.emplace_back([this, renderer] { takeTitles(*renderer); });
    } catch (const std::system_error&) {
      break;
    }
  }
}

BatchLanes::~BatchLanes() {
  next_ = promised_.size();
  for (std::thread& thread : threads_) thread.join();
}

void BatchLanes::takeTitles(TitleRenderer& renderer) {
  for (size_t index = next_++; index < promised_.size(); index = next_++) {
    try {
      promised_[index].set_value(work_(renderer, index));
    } catch (...) {
      promised_[index].set_exception(std::current_exception());
    }
  }
}

TitleOutcome BatchLanes::outcome(size_t index) {
  if (threads_.empty()) return work_(*renderers_.front(), index);
  return promised_[index].get_future().get();
}

size_t batchLaneCount(size_t titleCount) {
  const size_t cores = std::max(std::thread::hardware_concurrency(), 1u);
  return std::clamp(std::min(cores, titleCount), size_t{1}, mostLanes);
}
