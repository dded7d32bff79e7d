// The window shape cut from a picture: every run of non-key pixels in a row becomes a
// one-pixel-high rectangle; the union of the rectangles is the window's region.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "controls/Geometry.h"

// `pixels` holds `height` rows of `width` colours as 0x00RRGGBB, top row first; `rowStride` is the
// distance between rows in pixels (≥ width). The top 8 bits of each pixel are ignored.
std::vector<Rect> ShapeRuns(const uint32_t* pixels, int width, int height, std::size_t rowStride,
                            uint32_t keyRgb);

// A colour as 0x00RRGGBB.
constexpr uint32_t Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
}
