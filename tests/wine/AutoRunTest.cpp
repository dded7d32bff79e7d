// The autostart value under the machine's Run key, in the prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "settings/AutoRun.h"
#include "settings/WindowServices.h"

namespace {

LONG SetRawValue(DWORD type, const void* data, DWORD size) {
  HKEY key = nullptr;
  LONG result = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kAutoRunKeyPath, 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &key, nullptr);
  if (result != ERROR_SUCCESS) return result;
  result = ::RegSetValueExW(key, kAutoRunValueName, 0, type, static_cast<const BYTE*>(data), size);
  ::RegCloseKey(key);
  return result;
}

// The value as the registry holds it, read without our code.
std::wstring RawValue() {
  wchar_t data[2048] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  if (::RegGetValueW(HKEY_LOCAL_MACHINE, kAutoRunKeyPath, kAutoRunValueName, RRF_RT_REG_SZ, nullptr,
                     data, &size) != ERROR_SUCCESS) {
    return L"(none)";
  }
  return data;
}

}  // namespace

TEST(AutoRun, IsWrittenProbedAndDeleted) {
  ASSERT_EQ(RegisterAutoRun(), ERROR_SUCCESS);
  const std::wstring exe = GetExePath(nullptr);
  ASSERT_FALSE(exe.empty());
  EXPECT_EQ(RawValue(), exe);  // the full path, without quotes or arguments
  std::wstring path;
  EXPECT_EQ(IsAutoRunRegistered(&path), kAutoRunRegistered);
  EXPECT_EQ(path, exe);

  EXPECT_EQ(UnregisterAutoRun(), ERROR_SUCCESS);
  EXPECT_EQ(RawValue(), L"(none)");
  EXPECT_EQ(IsAutoRunRegistered(), kAutoRunValueMissing);
  EXPECT_EQ(UnregisterAutoRun(), ERROR_FILE_NOT_FOUND);
}

// The probe reads the value whole: a path of far more than 128 characters (which would not fit
// 256 bytes) still counts as registered.
TEST(AutoRun, ProbeReadsLongPathsWhole) {
  const std::wstring longPath = L"C:\\" + std::wstring(300, L'p') + L"\\Pyrelix.exe";
  const std::vector<uint8_t> data = AutoRunValueData(longPath);
  ASSERT_EQ(SetRawValue(REG_SZ, data.data(), DWORD(data.size())), ERROR_SUCCESS);
  std::wstring path;
  EXPECT_EQ(IsAutoRunRegistered(&path), kAutoRunRegistered);
  EXPECT_EQ(path, longPath);
  UnregisterAutoRun();
}

// A value of another type, or a text with a zero inside, is not a registration.
TEST(AutoRun, ProbeRefusesValuesThatAreNoPath) {
  const DWORD number = 1;
  ASSERT_EQ(SetRawValue(REG_DWORD, &number, sizeof number), ERROR_SUCCESS);
  EXPECT_EQ(IsAutoRunRegistered(), kAutoRunValueMissing);
  const wchar_t split[] = L"C:\\a\0b.exe";
  ASSERT_EQ(SetRawValue(REG_SZ, split, sizeof split), ERROR_SUCCESS);
  EXPECT_EQ(IsAutoRunRegistered(), kAutoRunValueMissing);
  UnregisterAutoRun();
}
