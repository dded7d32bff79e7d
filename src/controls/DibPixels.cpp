#include "controls/DibPixels.h"

#include <cstring>

namespace {

constexpr uint32_t kRgb = 0;
constexpr uint32_t kRle8 = 1;
constexpr int kMaxSide = 16384;

uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t U16(const uint8_t* p) {
  return uint16_t(p[0] | p[1] << 8);
}
uint32_t Bgr(const uint8_t* p) {
  return uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
}

// Run-length encoded 8-bit pixels, bottom row first in the data. Pixels the data skips stay 0.
bool DecodeRle8(const uint8_t* bits, std::size_t size, const std::vector<uint32_t>& palette,
                DibImage& image) {
  const auto put = [&](int x, int y, uint8_t index) {
    if (x < 0 || x >= image.width || y < 0 || y >= image.height || index >= palette.size()) {
      return false;
    }
    image.pixels[std::size_t(image.height - 1 - y) * std::size_t(image.width) + std::size_t(x)] =
        palette[index];
    return true;
  };
  int x = 0;
  int y = 0;
  std::size_t i = 0;
  while (i + 1 < size) {
    const uint8_t count = bits[i];
    const uint8_t value = bits[i + 1];
    i += 2;
    if (count > 0) {
      for (int k = 0; k < count; ++k) {
        if (!put(x++, y, value)) return false;
      }
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++y;
        break;
      case 1:  // end of bitmap
        return true;
      case 2:  // delta
        if (i + 1 >= size) return false;
        x += bits[i];
        y += bits[i + 1];
        i += 2;
        break;
      default: {  // absolute run of `value` indices, padded to a whole word
        const std::size_t padded = (std::size_t(value) + 1) & ~std::size_t(1);
        if (i + padded > size) return false;
        for (int k = 0; k < value; ++k) {
          if (!put(x++, y, bits[i + std::size_t(k)])) return false;
        }
        i += padded;
        break;
      }
    }
  }
  return false;  // no end of bitmap
}

}  // namespace

bool DecodeDib(const uint8_t* data, std::size_t size, DibImage& image) {
  image = DibImage{};
  if (data == nullptr || size < 40) return false;
  const uint32_t headerSize = U32(data);
  if (headerSize < 40 || headerSize > size) return false;
  int32_t width = 0;
  int32_t height = 0;
  std::memcpy(&width, data + 4, 4);
  std::memcpy(&height, data + 8, 4);
  const uint16_t bitCount = U16(data + 14);
  const uint32_t compression = U32(data + 16);
  uint32_t used = U32(data + 32);
  const bool topDown = height < 0;
  if (width <= 0 || width > kMaxSide || height == 0 || height < -kMaxSide || height > kMaxSide) {
    return false;
  }
  if (topDown) height = -height;

  std::vector<uint32_t> palette;
  std::size_t offset = headerSize;
  if (bitCount == 8) {
    if (used == 0 || used > 256) used = 256;
    if (offset + std::size_t(used) * 4 > size) return false;
    for (uint32_t k = 0; k < used; ++k) palette.push_back(Bgr(data + offset + k * 4));
    offset += std::size_t(used) * 4;
  } else if (bitCount != 24 && bitCount != 32) {
    return false;
  }

  image.width = width;
  image.height = height;
  image.pixels.assign(std::size_t(width) * std::size_t(height), 0);
  const uint8_t* bits = data + offset;
  const std::size_t left = size - offset;

  if (compression == kRle8) {
    if (bitCount != 8 || topDown || !DecodeRle8(bits, left, palette, image)) {
      image = DibImage{};
      return false;
    }
    return true;
  }
  if (compression != kRgb) {
    image = DibImage{};
    return false;
  }
  const std::size_t stride = (std::size_t(width) * bitCount / 8 + 3) & ~std::size_t(3);
  if (stride * std::size_t(height) > left) {
    image = DibImage{};
    return false;
  }
  for (int row = 0; row < height; ++row) {
    const uint8_t* src = bits + stride * std::size_t(topDown ? row : height - 1 - row);
    uint32_t* dst = &image.pixels[std::size_t(row) * std::size_t(width)];
    for (int col = 0; col < width; ++col) {
      if (bitCount == 8) {
        const uint8_t index = src[col];
        if (index >= palette.size()) {
          image = DibImage{};
          return false;
        }
        dst[col] = palette[index];
      } else {
        dst[col] = Bgr(src + std::size_t(col) * (bitCount / 8));
      }
    }
  }
  return true;
}
