#include "settings/AutoRunValue.h"

std::vector<uint8_t> AutoRunValueData(const std::wstring& exePath) {
  std::vector<uint8_t> data;
  data.reserve((exePath.size() + 1) * 2);
  auto unit = [&data](uint32_t u) {
    data.push_back(uint8_t(u & 0xFF));
    data.push_back(uint8_t(u >> 8));
  };
  for (wchar_t c : exePath) {
    const uint32_t code = uint32_t(c);
    if (code >= 0x10000 && code <= 0x10FFFF) {  // wide characters are UTF-32 off Windows
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    } else {
      unit(code > 0xFFFF ? 0xFFFD : code);
    }
  }
  unit(0);
  return data;
}

std::optional<std::wstring> PathFromValueData(const std::vector<uint8_t>& data) {
  if (data.size() % 2 != 0) return std::nullopt;
  std::u16string units;
  for (size_t i = 0; i < data.size(); i += 2) units += char16_t(data[i] | (data[i + 1] << 8));
  while (!units.empty() && units.back() == u'\0') units.pop_back();
  if (units.find(u'\0') != std::u16string::npos) return std::nullopt;
  std::wstring path;
  for (size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (sizeof(wchar_t) == 4 && u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() &&
        units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
      path += wchar_t(0x10000 + ((u - 0xD800) << 10) + (units[++i] - 0xDC00));
    } else {
      path += wchar_t(u);
    }
  }
  return path;
}
