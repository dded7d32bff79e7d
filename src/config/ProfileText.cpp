#include "config/ProfileText.h"

#include <algorithm>

#include "config/Utf8.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(wchar_t c) {
  // What the system trims around names and values, the end-of-file mark 0x1A included.
  return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r' ||
         c == 0x1A;
}

std::wstring_view Trim(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::wstring_view TrimFront(std::wstring_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

wchar_t FoldCase(wchar_t c) {
  return c >= L'A' && c <= L'Z' ? wchar_t(c - L'A' + L'a') : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

std::wstring DecodeAnsi(std::string_view bytes) {
  std::wstring text;
  text.reserve(bytes.size());
  for (unsigned char b : bytes) text += wchar_t(b);
  return text;
}

std::string Encode(std::wstring_view text, bool utf8) {
  if (utf8) return Utf8FromWide(text);
  // The system code page of this implementation is Latin-1; other characters become '?'.
  std::string out;
  out.reserve(text.size());
  for (wchar_t c : text) out += unsigned(c) <= 0xFF ? char(c) : '?';
  return out;
}

bool HasLineBreak(std::wstring_view text) {
  return text.find_first_of(L"\r\n") != std::wstring_view::npos;
}

}  // namespace

std::optional<ProfileText> ProfileText::Parse(std::string_view bytes) {
  ProfileText profile;
  if (bytes.rfind("\xFF\xFE", 0) == 0 || bytes.rfind("\xFE\xFF", 0) == 0) return std::nullopt;
  if (bytes.rfind(kUtf8Mark, 0) == 0) {
    profile.utf8_ = true;
    bytes.remove_prefix(kUtf8Mark.size());
  }
  const std::wstring text = profile.utf8_ ? WideFromUtf8(bytes) : DecodeAnsi(bytes);
  // Lines before the first header belong to a section without a name.
  profile.sections_.push_back(Section{});
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find_first_of(L"\r\n", start);
    if (end == std::wstring::npos) end = text.size();
    const std::wstring_view line = Trim(std::wstring_view(text).substr(start, end - start));
    start = end + 1;
    if (end < text.size() && text[end] == L'\r' && start < text.size() && text[start] == L'\n') {
      ++start;
    }
    if (line.empty()) continue;
    const size_t close = line.rfind(L']');
    if (line.front() == L'[' && close != std::wstring_view::npos) {
      profile.sections_.push_back(Section{std::wstring(Trim(line.substr(1, close - 1))), {}});
      continue;
    }
    Entry entry;
    const size_t equals = line.find(L'=');
    if (equals == std::wstring_view::npos) {
      entry.name = std::wstring(line);
    } else {
      entry.name = std::wstring(Trim(line.substr(0, equals)));
      entry.value = std::wstring(Trim(line.substr(equals + 1)));
    }
    profile.sections_.back().entries.push_back(std::move(entry));
  }
  return profile;
}

const ProfileText::Section* ProfileText::FindSection(std::wstring_view name) const {
  name = Trim(name);
  for (const Section& section : sections_) {
    if (SameName(section.name, name)) return &section;
  }
  return nullptr;
}

std::optional<std::wstring> ProfileText::Find(std::wstring_view sectionName,
                                              std::wstring_view key) const {
  const Section* section = FindSection(sectionName);
  if (section == nullptr) return std::nullopt;
  key = Trim(key);
  for (const Entry& entry : section->entries) {
    if (!SameName(entry.name, key)) continue;
    if (!entry.value) return std::nullopt;
    std::wstring_view value = *entry.value;
    value = value.substr(0, value.find(L'\0'));
    if (value.size() > 1 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front()) {
      value = value.substr(1, value.size() - 2);
    }
    return std::wstring(value);
  }
  return std::nullopt;
}

ProfileText::SetResult ProfileText::Set(std::wstring_view sectionName, std::wstring_view key,
                                        std::wstring_view value) {
  sectionName = Trim(sectionName);
  key = Trim(key);
  value = TrimFront(value);
  if (HasLineBreak(sectionName) || HasLineBreak(key) || HasLineBreak(value) || key.empty() ||
      key.find(L'=') != std::wstring_view::npos || key.front() == L'[') {
    return SetResult::kRefused;
  }
  Section* section = FindSection(sectionName);
  if (section == nullptr) {
    sections_.push_back(Section{std::wstring(sectionName), {}});
    section = &sections_.back();
  }
  for (Entry& entry : section->entries) {
    if (SameName(entry.name, key)) {
      if (entry.value && *entry.value == value) return SetResult::kUnchanged;
      entry.value = std::wstring(value);
      return SetResult::kChanged;
    }
  }
  section->entries.push_back(Entry{std::wstring(key), std::wstring(value)});
  return SetResult::kChanged;
}

std::string ProfileText::Serialize() const {
  std::wstring text;
  for (size_t i = 0; i < sections_.size(); ++i) {
    const Section& section = sections_[i];
    // The nameless section has no header where it comes first; anywhere else it keeps "[]" so
    // that its entries do not move into the section before it.
    if (!section.name.empty() || i > 0) {
      if (section.name.empty() && section.entries.empty()) continue;
      text += L"[" + section.name + L"]\r\n";
    }
    for (const Entry& entry : section.entries) {
      text += entry.name;
      if (entry.value) text += L"=" + *entry.value;
      text += L"\r\n";
    }
  }
  if (utf8_) return std::string(kUtf8Mark) + Encode(text, true);
  std::string bytes = Encode(text, false);
  // Code page text that happens to begin like a byte-order mark would be read back in another
  // encoding; an empty line in front keeps it what it is.
  if (bytes.rfind(kUtf8Mark, 0) == 0 || bytes.rfind("\xFF\xFE", 0) == 0 ||
      bytes.rfind("\xFE\xFF", 0) == 0) {
    bytes.insert(0, "\r\n");
  }
  return bytes;
}
