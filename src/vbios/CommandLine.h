// The command line a Windows program receives as one text: each argument quoted so that the C
// runtime's parser gives the program exactly the argument list back.
#pragma once

#include <string>
#include <vector>

// Arguments without spaces, tabs or quotes are written as they are; the others in double
// quotes, with backslashes doubled before a quote and before the closing quote. An empty
// argument is "".
std::wstring CommandLineOf(const std::vector<std::wstring>& arguments);
