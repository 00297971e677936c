// Storage of the per-pixel maps of a render and of the layer slots.
//
// Large maps sit on 2 MB pages where the system offers them: a render that
// pages in fresh memory then takes one fault per 2 MB instead of one per
// 4 kB. Growing a map constructs its new cells only when given a value, so
// maps that are read only where written are never zero-filled: fresh pages
// are touched only where a render writes, and memory kept from an earlier
// render is not rewritten before use.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <utility>
#include <vector>

namespace velloro {

// Bytes from which a map is placed on large pages.
inline constexpr size_t kLargePage = size_t{2} << 20;

void* allocateMapBytes(size_t bytes);
void releaseMapBytes(void* memory, size_t bytes) noexcept;

template <typename T>
class MapAllocator {
 public:
  using value_type = T;

  MapAllocator() = default;
  template <typename U>
  MapAllocator(const MapAllocator<U>&) noexcept {}

  T* allocate(size_t count) {
    if (count > std::allocator_traits<std::allocator<T>>::max_size(std::allocator<T>{}))
      throw std::bad_alloc();
    return static_cast<T*>(allocateMapBytes(count * sizeof(T)));
  }
  void deallocate(T* memory, size_t count) noexcept { releaseMapBytes(memory, count * sizeof(T)); }

  template <typename U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <typename U, typename... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }

  template <typename U>
  bool operator==(const MapAllocator<U>&) const noexcept {
    return true;
  }
};

// A per-pixel map. Maps the render fills keep their fill values; maps read
// only where written hold, elsewhere, whatever an earlier render left.
template <typename T>
using PixelMap = std::vector<T, MapAllocator<T>>;

}  // namespace velloro
