// Reading a fuzzer's bytes as a stream of small decisions; past the end every
// read gives zero, so any input decodes to a complete sequence of calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool empty() const { return offset_ >= size_; }

  uint8_t byte() { return offset_ < size_ ? data_[offset_++] : 0; }

  int32_t integer() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | byte();
    int32_t result;
    std::memcpy(&result, &value, sizeof result);
    return result;
  }

  // A value in low..high (inclusive), taken from one or two bytes.
  int32_t within(int32_t low, int32_t high) {
    const uint32_t span = uint32_t(int64_t(high) - low + 1);
    const uint32_t raw = span > 256 ? uint32_t(byte()) << 8 | byte() : byte();
    return int32_t(int64_t(low) + raw % span);
  }

  // Mostly a value of the documented range; sometimes any 32-bit value, or
  // one of the extremes where arithmetic overflows first.
  int32_t argument(int32_t low, int32_t high) {
    switch (byte() % 8) {
      case 0: return integer();
      case 1: return INT32_MIN + within(0, 3);
      case 2: return INT32_MAX - within(0, 3);
      case 3: return within(-1000, 1000);
      default: return within(low, high);
    }
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t offset_ = 0;
};
