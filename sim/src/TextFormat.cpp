#include "TextFormat.h"

#include <cinttypes>
#include <cstdio>

namespace sim {

std::string Hex32(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08" PRIX32, value);
  return text;
}

std::string Hex16(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04" PRIX32, value & 0xFFFFu);
  return text;
}

std::string Decimal(int64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%" PRId64, value);
  return text;
}

std::string SingleLine(const std::string& text) {
  std::string line = text;
  for (char& c : line) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) c = '?';
  }
  return line;
}

}  // namespace sim
