#include "vbios/VbiosTool.h"

#include <algorithm>

std::optional<std::wstring> VbiosToolPath(const std::wstring& exeDirectory, bool wow64) {
  std::wstring path = exeDirectory + (wow64 ? L"\\BIOS\\nvflash64.exe" : L"\\BIOS\\nvflash32.exe");
  if (path.size() > kVbiosMaxToolPath) return std::nullopt;
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return path;
}

std::vector<std::wstring> VbiosSaveArguments() {
  return {L"nvflash.exe", L"--save", kVbiosWorkFile};
}

std::vector<std::wstring> VbiosFlashArguments() {
  return {L"nvflash.exe", kVbiosWorkFile, L"-A", L"-6"};
}
