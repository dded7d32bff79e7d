// Decoding the skin's bitmap resources into exact pixels.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/DibPixels.h"

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

// A BITMAPINFOHEADER followed by `palette` (0x00RRGGBB) and `bits`.
std::vector<uint8_t> Dib(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression,
                         const std::vector<uint32_t>& palette, const std::vector<uint8_t>& bits) {
  std::vector<uint8_t> out;
  Put32(out, 40);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  out.push_back(1);
  out.push_back(0);
  out.push_back(uint8_t(bitCount));
  out.push_back(uint8_t(bitCount >> 8));
  Put32(out, compression);
  Put32(out, uint32_t(bits.size()));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, uint32_t(palette.size()));
  Put32(out, 0);
  for (uint32_t c : palette) Put32(out, c);  // stored B, G, R, 0
  out.insert(out.end(), bits.begin(), bits.end());
  return out;
}

bool Decode(const std::vector<uint8_t>& dib, DibImage& image) {
  return DecodeDib(dib.data(), dib.size(), image);
}

}  // namespace

TEST(DibPixels, TrueColourRowsWithPaddingAndBothRowOrders) {
  // 3 x 2 at 24 bits: rows of 9 bytes padded to 12; bottom row first.
  const std::vector<uint8_t> bits = {
      0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0, 0, 0,  // bottom row
      0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18, 0x19, 0, 0, 0,  // top row
  };
  DibImage image;
  ASSERT_TRUE(Decode(Dib(3, 2, 24, 0, {}, bits), image));
  EXPECT_EQ(image.width, 3);
  EXPECT_EQ(image.height, 2);
  EXPECT_EQ(image.pixels,
            (std::vector<uint32_t>{0x131211, 0x161514, 0x191817, 0x030201, 0x060504, 0x090807}));
  // 32 bits, top row first (negative height); the fourth byte is ignored.
  const std::vector<uint8_t> top = {0x00, 0x00, 0xFF, 0xAA, 0xFF, 0x00, 0x00, 0xBB};
  ASSERT_TRUE(Decode(Dib(1, -2, 32, 0, {}, top), image));
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xFF0000, 0x0000FF}));
}

TEST(DibPixels, PaletteAndRunLengthEncoding) {
  const std::vector<uint32_t> palette = {0x0000FF, 0x15181D, 0xE8EDF2};
  // 4 x 1 plain 8-bit.
  DibImage image;
  ASSERT_TRUE(Decode(Dib(4, 1, 8, 0, palette, {2, 1, 0, 1}), image));
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0xE8EDF2, 0x15181D, 0x0000FF, 0x15181D}));
  // 6 x 3 run-length encoded: bottom row a run of 6; middle row a run, then an absolute run of
  // three (padded), then end of line; top row a delta past two pixels and a run of 4.
  const std::vector<uint8_t> rle = {6, 1, 0, 0,                    // bottom
                                    3, 2, 0, 3, 0, 1, 2, 0, 0, 0,  // middle
                                    0, 2, 2, 0, 4, 0, 0, 1};       // top, end of bitmap
  ASSERT_TRUE(Decode(Dib(6, 3, 8, 1, palette, rle), image));
  const uint32_t K = 0x0000FF, B = 0x15181D, T = 0xE8EDF2;
  EXPECT_EQ(image.pixels, (std::vector<uint32_t>{0, 0, K, K, K, K,  //
                                                 T, T, T, K, B, T,  //
                                                 B, B, B, B, B, B}));
}

TEST(DibPixels, MalformedDataIsRefused) {
  const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF};
  struct Case {
    const char* what;
    std::vector<uint8_t> dib;
  };
  std::vector<Case> cases = {
      {"truncated rows", Dib(4, 4, 24, 0, {}, std::vector<uint8_t>(40, 0))},
      {"no width", Dib(0, 4, 24, 0, {}, {})},
      {"absurd height", Dib(4, 100000, 24, 0, {}, {})},
      {"4-bit", Dib(2, 1, 4, 0, palette, {0, 0, 0, 0})},
      {"index past the palette", Dib(2, 1, 8, 0, palette, {0, 7, 0, 0})},
      {"run past the row", Dib(2, 1, 8, 1, palette, {3, 1, 0, 1})},
      {"run past the last row", Dib(2, 1, 8, 1, palette, {2, 1, 0, 0, 2, 1, 0, 1})},
      {"no end of bitmap", Dib(2, 1, 8, 1, palette, {2, 1, 0, 0})},
      {"absolute run cut short", Dib(4, 1, 8, 1, palette, {0, 4, 1, 1})},
      {"top-down RLE", Dib(2, -1, 8, 1, palette, {2, 1, 0, 1})},
      {"other compression", Dib(2, 1, 24, 3, {}, std::vector<uint8_t>(8, 0))},
  };
  std::vector<uint8_t> shortHeader = Dib(2, 1, 24, 0, {}, std::vector<uint8_t>(8, 0));
  shortHeader.resize(30);
  cases.push_back({"short header", shortHeader});
  for (const Case& c : cases) {
    DibImage image;
    image.width = 99;
    EXPECT_FALSE(Decode(c.dib, image)) << c.what;
    EXPECT_EQ(image.width, 0) << c.what;
    EXPECT_TRUE(image.pixels.empty()) << c.what;
  }
  DibImage image;
  EXPECT_FALSE(DecodeDib(nullptr, 100, image));
}
