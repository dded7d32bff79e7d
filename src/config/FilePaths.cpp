#include "config/FilePaths.h"

#include "config/Utf8.h"

namespace {
constexpr size_t kMaxPath = 260;

bool IsAbsoluteDrivePath(const std::wstring& path) {
  return path.size() >= 3 && path[1] == L':' && path[2] == L'\\';
}
bool IsUncPath(const std::wstring& path) {
  return path.size() >= 2 && path[0] == L'\\' && path[1] == L'\\';
}

}  // namespace

std::wstring ConfigFilePath(const std::wstring& directory, const std::wstring& name) {
  return directory + L"\\" + name;
}

std::wstring ExtendedLengthPath(const std::wstring& path) {
  if (path.size() < kMaxPath || path.rfind(L"\\\\?\\", 0) == 0) return path;
  if (IsAbsoluteDrivePath(path)) return L"\\\\?\\" + path;
  if (IsUncPath(path)) return L"\\\\?\\UNC\\" + path.substr(2);
  return path;
}

std::string NativeFilePath(const std::wstring& path) {
  std::wstring slashed = path;
  for (wchar_t& c : slashed) {
    if (c == L'\\') c = L'/';
  }
  return Utf8FromWide(slashed);
}
