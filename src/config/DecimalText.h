// The number formats of the configuration file: decimal text in both directions and the
// four-digit hexadecimal form of the card's device ID.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Leading blanks skipped, an optional sign, then the digits up to the first other character;
// 0 when there are none. Numbers beyond the 32-bit range saturate at its ends.
int32_t DecimalValue(std::wstring_view text);

// "-12", "0", "2684".
std::wstring DecimalText(int32_t value);

// Upper-case hexadecimal with at least four digits: 0x1C8 gives "01C8".
std::wstring HexText4(int32_t value);
