// Small text helpers for trace arguments and messages.
#pragma once

#include <cstdint>
#include <string>

namespace sim {

std::string Hex32(uint32_t value);  // "0x0000ABCD"
std::string Hex16(uint32_t value);  // "0xABCD"
std::string Decimal(int64_t value);
// text with every control character replaced by '?', so it stays on one line
std::string SingleLine(const std::string& text);

}  // namespace sim
