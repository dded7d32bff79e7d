#include "controls/ShapeRuns.h"

std::vector<Rect> ShapeRuns(const uint32_t* pixels, int width, int height, std::size_t rowStride,
                            uint32_t keyRgb) {
  std::vector<Rect> runs;
  if (pixels == nullptr || width <= 0 || height <= 0 || rowStride < std::size_t(width)) {
    return runs;
  }
  keyRgb &= 0xFFFFFF;
  for (int y = 0; y < height; ++y) {
    const uint32_t* row = pixels + std::size_t(y) * rowStride;
    int x = 0;
    while (x < width) {
      while (x < width && (row[x] & 0xFFFFFF) == keyRgb) ++x;
      const int start = x;
      while (x < width && (row[x] & 0xFFFFFF) != keyRgb) ++x;
      if (x > start) runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}
