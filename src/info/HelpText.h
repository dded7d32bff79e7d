// The help panel's page: its text and the maker's web page its link opens.
#pragma once

#include <string>

// The page as one text: 26 lines, each ended by a line feed, and an empty line after them.
std::wstring HelpText();

// The link's shown text and target.
inline constexpr wchar_t kMakerWebAddress[] = L"https://pyrelix.example.org/";
