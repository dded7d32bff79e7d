#include "vbios/RomFileDialog.h"

#include <algorithm>

std::wstring SystemDialogFilter(const std::wstring& pipeFilter) {
  std::wstring filter = pipeFilter;
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  if (filter.empty() || filter.back() != L'\0') filter += L'\0';
  return filter;
}
