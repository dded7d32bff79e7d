// The bytes of one fuzz input, taken from the front as a driver reply, a status or a choice.
// Once they run out every read gives zeros, so a harness never reads past the input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Empty() const { return used_ >= size_; }

  // Copies the next `count` bytes to `out`; zeros where the input has ended.
  void Take(void* out, size_t count) {
    const size_t left = size_ - used_;
    const size_t n = count < left ? count : left;
    if (n != 0) std::memcpy(out, data_ + used_, n);
    if (n < count) std::memset(static_cast<uint8_t*>(out) + n, 0, count - n);
    used_ += n;
  }

  uint8_t Byte() {
    uint8_t value = 0;
    Take(&value, 1);
    return value;
  }

  uint32_t Word() {
    uint32_t value = 0;
    Take(&value, sizeof value);
    return value;
  }

  // A choice among `count` options (count > 0).
  uint32_t Pick(uint32_t count) { return Byte() % count; }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t used_ = 0;
};
