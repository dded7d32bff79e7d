#include "settings/AutoRun.h"

#include <windows.h>

#include <vector>

#include "settings/WindowServices.h"
#include "win/Handles.h"

namespace {

struct RegistryKeyTraits {
  static void Close(HKEY key) { ::RegCloseKey(key); }
};
using RegistryKey = win::UniqueHandle<HKEY, RegistryKeyTraits>;

// The Run key opened for writing, or the registry's error.
LONG OpenRunKeyForWriting(RegistryKey& key) {
  HKEY opened = nullptr;
  const LONG result = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAutoRunKeyPath, 0, nullptr, 0,
                                        KEY_SET_VALUE, nullptr, &opened, nullptr);
  if (result == ERROR_SUCCESS) key.reset(opened);
  return result;
}

}  // namespace

int IsAutoRunRegistered(std::wstring* path) {
  HKEY opened = nullptr;
  if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, kAutoRunKeyPath, 0, KEY_QUERY_VALUE, &opened) !=
      ERROR_SUCCESS) {
    return kAutoRunKeyMissing;
  }
  RegistryKey key(opened);
  // Ask for the size first and read the whole value; retry if it grew in between.
  for (int attempt = 0; attempt < 4; ++attempt) {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key.get(), kAutoRunValueName, nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
      return kAutoRunValueMissing;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return kAutoRunValueMissing;
    std::vector<uint8_t> data(size);
    const LONG result =
        ::RegQueryValueExW(key.get(), kAutoRunValueName, nullptr, &type, data.data(), &size);
    if (result == ERROR_MORE_DATA) continue;
    if (result != ERROR_SUCCESS) return kAutoRunValueMissing;
    data.resize(size);
    const std::optional<std::wstring> text = PathFromValueData(data);
    if (!text) return kAutoRunValueMissing;
    if (path != nullptr) *path = *text;
    return kAutoRunRegistered;
  }
  return kAutoRunValueMissing;
}

long RegisterAutoRun() {
  const std::wstring exePath = GetExePath(nullptr);
  if (exePath.empty()) return ERROR_BAD_PATHNAME;
  RegistryKey key;
  const LONG opened = OpenRunKeyForWriting(key);
  if (opened != ERROR_SUCCESS) return opened;
  const std::vector<uint8_t> data = AutoRunValueData(exePath);
  return ::RegSetValueExW(key.get(), kAutoRunValueName, 0, REG_SZ, data.data(), DWORD(data.size()));
}

long UnregisterAutoRun() {
  RegistryKey key;
  const LONG opened = OpenRunKeyForWriting(key);
  if (opened != ERROR_SUCCESS) return opened;
  return ::RegDeleteValueW(key.get(), kAutoRunValueName);
}
