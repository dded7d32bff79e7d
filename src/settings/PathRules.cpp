#include "settings/PathRules.h"

std::wstring DirectoryOf(const std::wstring& path) {
  const std::wstring::size_type cut = path.rfind(L'\\');
  return cut == std::wstring::npos ? path : path.substr(0, cut);
}

std::wstring ResourceDirectoryOf(const std::wstring& exeDirectory) {
  return exeDirectory + L"\\Resources\\";
}
