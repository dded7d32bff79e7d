#include "config/Utf8.h"

namespace {
void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}
}  // namespace

std::string Utf8FromWide(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = char32_t(text[i]);
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (char32_t(text[++i]) - 0xDC00);
    } else if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) {
      c = 0xFFFD;
    }
    AppendUtf8(out, c);
  }
  return out;
}

std::wstring WideFromUtf8(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    const unsigned char lead = bytes[i];
    int extra = -1;
    char32_t c = 0;
    if (lead < 0x80) {
      extra = 0;
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1;
      c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2;
      c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3;
      c = lead & 0x07;
    }
    bool valid = extra >= 0 && i + size_t(extra) < bytes.size();
    for (int k = 1; valid && k <= extra; ++k) {
      const unsigned char next = bytes[i + size_t(k)];
      if ((next & 0xC0) != 0x80) valid = false;
      c = (c << 6) | (next & 0x3F);
    }
    if (!valid || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
      text += wchar_t(0xFFFD);
      ++i;
      continue;
    }
    i += size_t(extra) + 1;
    if (sizeof(wchar_t) == 2 && c >= 0x10000) {
      text += wchar_t(0xD800 + ((c - 0x10000) >> 10));
      text += wchar_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += wchar_t(c);
    }
  }
  return text;
}
