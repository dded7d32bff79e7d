#include "config/DecimalText.h"

#include <cstdio>

namespace {
bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}
}  // namespace

int32_t DecimalValue(std::wstring_view text) {
  size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  bool negative = false;
  if (at < text.size() && (text[at] == L'-' || text[at] == L'+')) negative = text[at++] == L'-';
  // Accumulate the magnitude in 64 bits and stop growing once it is past every 32-bit value.
  constexpr int64_t kLimit = int64_t(INT32_MAX) + 1;
  int64_t magnitude = 0;
  for (; at < text.size() && text[at] >= L'0' && text[at] <= L'9'; ++at) {
    magnitude = magnitude * 10 + (text[at] - L'0');
    if (magnitude > kLimit) magnitude = kLimit;
  }
  if (negative) return int32_t(-magnitude);
  return magnitude >= kLimit ? INT32_MAX : int32_t(magnitude);
}

std::wstring DecimalText(int32_t value) {
  return std::to_wstring(value);
}

std::wstring HexText4(int32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(static_cast<uint32_t>(value)));
  return std::wstring(text, text + std::char_traits<char>::length(text));
}
