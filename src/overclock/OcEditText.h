// The integers of the panel's edits.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Blanks around an optional sign and the digits; anything else (letters, an empty field, a
// sign alone) is no integer. Numbers beyond the 32-bit range saturate at its ends.
std::optional<int32_t> ParseEditInteger(std::wstring_view text);
// "%d".
std::wstring EditTextOf(int32_t value);

// What the user is told when an edit holds no integer.
extern const wchar_t* const kIntegerPrompt;
