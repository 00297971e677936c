// An allocator whose value-less construction leaves the element
// uninitialised, so a map that grows is not first zero-filled: pages of
// fresh memory are only touched where a render writes, and a map kept from
// an earlier render is not rewritten before use.
#pragma once

#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace velloro {

template <typename T>
class UninitialisedAllocator : public std::allocator<T> {
 public:
  template <typename U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };

  UninitialisedAllocator() = default;
  template <typename U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}

  template <typename U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <typename U, typename... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};

// A per-pixel map whose cells hold what the render last wrote into them;
// readers read only cells written in the same render.
template <typename T>
using WrittenMap = std::vector<T, UninitialisedAllocator<T>>;

}  // namespace velloro
