// Value syntax of the scenario format: numbers, booleans, strings and number lists.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sim {

std::string_view TrimBlanks(std::string_view text);

// Decimal or 0x-prefixed hexadecimal, no sign, at most max.
bool ParseUnsignedValue(std::string_view text, uint64_t max, uint64_t& out);
// As above with an optional leading '-', within the range of int32_t.
bool ParseStatusValue(std::string_view text, int32_t& out);
// true/false, yes/no, on/off, 1/0.
bool ParseBoolValue(std::string_view text, bool& out);
// Comma-separated 32-bit numbers, 1 to maxCount of them.
bool ParseNumberList(std::string_view text, size_t maxCount, std::vector<uint32_t>& out);
// Whether text has a byte below 0x20 or 0x7F.
bool HasControlCharacter(std::string_view text);

}  // namespace sim
