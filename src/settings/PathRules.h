// Path rules shared by every window: the executable's directory and the skin folder beside it.
#pragma once

#include <string>

// `path` cut before its last backslash (the whole text when it has none).
std::wstring DirectoryOf(const std::wstring& path);

// The folder every skinned window loads its icons from: directory + "\\Resources\\".
std::wstring ResourceDirectoryOf(const std::wstring& exeDirectory);
