// UTF-8 in both directions for wide text (UTF-16 on Windows, UTF-32 elsewhere).
#pragma once

#include <string>
#include <string_view>

// Lone surrogates become U+FFFD.
std::string Utf8FromWide(std::wstring_view text);

// Invalid or cut sequences become U+FFFD, one per byte.
std::wstring WideFromUtf8(std::string_view bytes);
