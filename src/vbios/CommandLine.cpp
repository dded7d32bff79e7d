#include "vbios/CommandLine.h"

namespace {

void AppendQuoted(const std::wstring& argument, std::wstring& line) {
  if (!argument.empty() && argument.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += argument;
    return;
  }
  line += L'"';
  size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled and the quote escaped; elsewhere they are literal.
    line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(2 * backslashes, L'\\');
  line += L'"';
}

}  // namespace

std::wstring CommandLineOf(const std::vector<std::wstring>& arguments) {
  std::wstring line;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (i != 0) line += L' ';
    AppendQuoted(arguments[i], line);
  }
  return line;
}
