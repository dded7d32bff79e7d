#include "ScenarioValues.h"

#include <utility>

namespace sim {

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool ParseUnsignedValue(std::string_view text, uint64_t max, uint64_t& out) {
  unsigned base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    text.remove_prefix(2);
  }
  if (text.empty()) return false;
  uint64_t value = 0;
  for (const char c : text) {
    unsigned digit = 0;
    if (c >= '0' && c <= '9') {
      digit = static_cast<unsigned>(c - '0');
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = static_cast<unsigned>(c - 'a' + 10);
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = static_cast<unsigned>(c - 'A' + 10);
    } else {
      return false;
    }
    if (value > (max - digit) / base) return false;
    value = value * base + digit;
  }
  out = value;
  return true;
}

bool ParseStatusValue(std::string_view text, int32_t& out) {
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) text.remove_prefix(1);
  uint64_t magnitude = 0;
  if (!ParseUnsignedValue(text, negative ? uint64_t{INT32_MAX} + 1 : uint64_t{INT32_MAX},
                          magnitude)) {
    return false;
  }
  out = static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude)
                                      : static_cast<int64_t>(magnitude));
  return true;
}

bool ParseBoolValue(std::string_view text, bool& out) {
  if (text == "true" || text == "yes" || text == "on" || text == "1") {
    out = true;
    return true;
  }
  if (text == "false" || text == "no" || text == "off" || text == "0") {
    out = false;
    return true;
  }
  return false;
}

bool ParseNumberList(std::string_view text, size_t maxCount, std::vector<uint32_t>& out) {
  std::vector<uint32_t> values;
  while (true) {
    const size_t comma = text.find(',');
    uint64_t value = 0;
    if (values.size() == maxCount ||
        !ParseUnsignedValue(TrimBlanks(text.substr(0, comma)), UINT32_MAX, value)) {
      return false;
    }
    values.push_back(static_cast<uint32_t>(value));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  out = std::move(values);
  return true;
}

bool HasControlCharacter(std::string_view text) {
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

}  // namespace sim
