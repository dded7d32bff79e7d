#include "config/WindowsProfile.h"

#include <windows.h>

#include <vector>

#include "config/PortableProfile.h"
#include "settings/WindowServices.h"

namespace {
// The system's profile functions open no file whose path reaches MAX_PATH characters, whatever
// its form; such files go through our own implementation, which reads and writes them the same
// way at any length.
bool BeyondSystemReach(const std::wstring& path) {
  return path.size() >= MAX_PATH;
}
}  // namespace

std::wstring WindowsProfileAccess::Directory() const {
  return fixed_ ? directory_ : GetExeDirectory(nullptr);
}

std::wstring WindowsProfileAccess::ReadString(const std::wstring& path, const std::wstring& section,
                                              const std::wstring& key, const std::wstring& fallback,
                                              size_t capacity) const {
  if (BeyondSystemReach(path)) {
    return PortableProfileAccess(std::wstring()).ReadString(path, section, key, fallback, capacity);
  }
  if (capacity == 0) return std::wstring();
  std::vector<wchar_t> buffer(capacity, L'\0');
  const DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), fallback.c_str(),
                                                  buffer.data(), DWORD(capacity), path.c_str());
  return std::wstring(buffer.data(), length < capacity ? length : capacity - 1);
}

bool WindowsProfileAccess::WriteString(const std::wstring& path, const std::wstring& section,
                                       const std::wstring& key, const std::wstring& value) const {
  if (BeyondSystemReach(path)) {
    return PortableProfileAccess(std::wstring()).WriteString(path, section, key, value);
  }
  return ::WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         FALSE;
}
