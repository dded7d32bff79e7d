// The lighting panel's colour entry fields: a whole number from 0 to 255, nothing else.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// The prompt shown when a field holds anything else.
constexpr const wchar_t* kLedByteRangePrompt = L"Please enter an integer between 0 and 255.";

// Decimal digits with optional surrounding spaces, at most 255. Any other text (empty, a sign,
// letters, a fraction, a larger number of any length) gives nothing.
std::optional<uint8_t> ParseLedByte(std::wstring_view text);
