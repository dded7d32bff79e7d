// Decodes a packed device-independent bitmap (an info header, its palette and its pixels, as a
// bitmap resource stores them) into 0x00RRGGBB pixels, top row first, whatever the display's
// colour depth. Understands what the skin uses: 24- and 32-bit, and 8-bit plain or run-length
// encoded. Every offset is checked against the data.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct DibImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // width * height, top row first
};

// False for anything malformed or of another kind; `image` is then left empty.
bool DecodeDib(const uint8_t* data, std::size_t size, DibImage& image);
