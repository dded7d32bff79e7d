#include "overclock/OcEditText.h"

#include <limits>

const wchar_t* const kIntegerPrompt = L"Please enter an integer.";

namespace {

bool IsBlank(wchar_t c) {
  return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
}

}  // namespace

std::optional<int32_t> ParseEditInteger(std::wstring_view text) {
  size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) {
    negative = text[i] == L'-';
    ++i;
  }
  const size_t firstDigit = i;
  int64_t magnitude = 0;
  constexpr int64_t kLimit = static_cast<int64_t>(std::numeric_limits<int32_t>::max()) + 1;
  while (i < text.size() && text[i] >= L'0' && text[i] <= L'9') {
    magnitude = magnitude * 10 + (text[i] - L'0');
    if (magnitude > kLimit) magnitude = kLimit;
    ++i;
  }
  if (i == firstDigit) return std::nullopt;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size()) return std::nullopt;
  const int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(value);
}

std::wstring EditTextOf(int32_t value) {
  return std::to_wstring(value);
}
