// Under the sanitizers, every thread-local block a JPEG write touches lies in
// the static block the leak check knows the bounds of (cmake/SanitizedStartup.cmake).
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <link.h>

#include <QImage>
#include <cstdint>
#include <vector>

#include "platform/imaging.h"

namespace {

struct ThreadLocalBlock {
  const char* module;
  std::uintptr_t address;
};

std::vector<ThreadLocalBlock> threadLocalBlocksOfThisThread() {
  std::vector<ThreadLocalBlock> blocks;
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* found) {
        if (info->dlpi_tls_data)
          static_cast<std::vector<ThreadLocalBlock>*>(found)->push_back(
              {info->dlpi_name, reinterpret_cast<std::uintptr_t>(info->dlpi_tls_data)});
        return 0;
      },
      &blocks);
  return blocks;
}

}  // namespace

TEST(SanitizedStartup, AJpegWriteTouchesOnlyStaticThreadLocalBlocks) {
  QImage picture(16, 16, QImage::Format_RGB888);
  picture.fill(Qt::darkCyan);
  ImageDestination destination;
  ASSERT_TRUE(writeRgbToJpg(destination, RgbPixels{picture}, 16, 16, 75));

  // x86-64 keeps the static block just below the thread pointer.
  using StaticInfo = void (*)(size_t*, size_t*);
  const auto staticInfo =
      reinterpret_cast<StaticInfo>(dlsym(RTLD_DEFAULT, "_dl_get_tls_static_info"));
  ASSERT_NE(staticInfo, nullptr);
  size_t staticSize = 0;
  size_t staticAlign = 0;
  staticInfo(&staticSize, &staticAlign);
  std::uintptr_t threadPointer = 0;
  asm("mov %%fs:0, %0" : "=r"(threadPointer));
  for (const ThreadLocalBlock& block : threadLocalBlocksOfThisThread()) {
    EXPECT_GE(block.address, threadPointer - staticSize) << block.module;
    EXPECT_LT(block.address, threadPointer) << block.module;
  }
}
