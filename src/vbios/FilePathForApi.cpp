#include "vbios/FilePathForApi.h"

#include <algorithm>

namespace {

bool IsLetter(wchar_t c) {
  return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// True when some component of `path` (backslash-separated) is "." or "..".
bool HasDotComponent(const std::wstring& path) {
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find(L'\\', start);
    if (end == std::wstring::npos) end = path.size();
    const std::wstring part = path.substr(start, end - start);
    if (part == L"." || part == L"..") return true;
    start = end + 1;
  }
  return false;
}

}  // namespace

std::optional<std::wstring> FilePathForApi(const std::wstring& path) {
  if (path.size() <= kMaxPlainFilePath) return path;
  std::wstring slashed = path;
  std::replace(slashed.begin(), slashed.end(), L'/', L'\\');
  if (slashed.compare(0, 4, L"\\\\?\\") == 0) {
    if (HasDotComponent(slashed.substr(4))) return std::nullopt;
    return slashed;
  }
  std::wstring prefixed;
  if (slashed.size() >= 3 && IsLetter(slashed[0]) && slashed[1] == L':' && slashed[2] == L'\\') {
    prefixed = L"\\\\?\\" + slashed;
  } else if (slashed.compare(0, 2, L"\\\\") == 0 && slashed.size() > 2 && slashed[2] != L'\\' &&
             slashed[2] != L'.') {
    prefixed = L"\\\\?\\UNC\\" + slashed.substr(2);
  } else {
    return std::nullopt;
  }
  if (HasDotComponent(slashed)) return std::nullopt;
  return prefixed;
}
