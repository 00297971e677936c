#include "pixel_maps.h"

#include <cstdlib>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace velloro {
namespace {

size_t roundedToLargePages(size_t bytes) {
  return (bytes + kLargePage - 1) / kLargePage * kLargePage;
}

}  // namespace

void* allocateMapBytes(size_t bytes) {
  if (bytes < kLargePage) return ::operator new(bytes);
  const size_t rounded = roundedToLargePages(bytes);
  if (rounded < bytes) throw std::bad_alloc();
  void* memory = std::aligned_alloc(kLargePage, rounded);
  if (memory == nullptr) throw std::bad_alloc();
#if defined(__linux__) && defined(MADV_HUGEPAGE)
  // A hint only: without large pages the map works the same.
  madvise(memory, rounded, MADV_HUGEPAGE);
#endif
  return memory;
}

void releaseMapBytes(void* memory, size_t bytes) noexcept {
  if (bytes < kLargePage) {
    ::operator delete(memory);
  } else {
    std::free(memory);
  }
}

}  // namespace velloro
