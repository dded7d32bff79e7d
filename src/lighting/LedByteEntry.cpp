#include "lighting/LedByteEntry.h"

namespace {
bool IsSpace(wchar_t c) {
  return c == L' ' || c == L'\t';
}
}  // namespace

std::optional<uint8_t> ParseLedByte(std::wstring_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsSpace(text[begin])) ++begin;
  while (end > begin && IsSpace(text[end - 1])) --end;
  if (begin == end) return std::nullopt;
  unsigned value = 0;
  for (size_t i = begin; i < end; ++i) {
    const wchar_t c = text[i];
    if (c < L'0' || c > L'9') return std::nullopt;
    value = value * 10 + static_cast<unsigned>(c - L'0');
    if (value > 255) return std::nullopt;  // stops before any overflow, whatever the length
  }
  return static_cast<uint8_t>(value);
}
