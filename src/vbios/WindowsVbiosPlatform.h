// The VBIOS operations' system side on Windows: the module's folder, IsWow64Process, the tool
// started with CreateProcess and waited for, and the file functions (never the command
// interpreter, so no character of a chosen name is ever interpreted).
#pragma once

#include <windows.h>

#include "vbios/VbiosPlatform.h"

class WindowsVbiosPlatform : public VbiosPlatform {
 public:
  std::wstring ExecutableDirectory() override;
  bool IsWow64() override;
  int RunAndWait(const std::wstring& program, const std::vector<std::wstring>& arguments) override;
  bool RemoveFile(const std::wstring& path) override;
  bool CopyFileTo(const std::wstring& from, const std::wstring& to) override;
  bool MoveFileTo(const std::wstring& from, const std::wstring& to) override;
};
