// A wide text of fixed capacity, as the configuration records keep their names and values.
// Setting a text that does not fit fails and leaves the old text: nothing is cut silently.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

template <size_t N>
class FixedText {
  static_assert(N > 0, "room for the terminator");

 public:
  // Longest text that fits (the last character is the terminator).
  static constexpr size_t kMaxLength = N - 1;

  bool Set(std::wstring_view text) {
    if (text.size() > kMaxLength || text.find(L'\0') != std::wstring_view::npos) return false;
    text.copy(text_, text.size());
    text_[text.size()] = L'\0';
    length_ = text.size();
    return true;
  }
  void Clear() {
    text_[0] = L'\0';
    length_ = 0;
  }

  const wchar_t* c_str() const { return text_; }
  std::wstring_view view() const { return std::wstring_view(text_, length_); }
  std::wstring str() const { return std::wstring(view()); }
  bool empty() const { return length_ == 0; }

 private:
  wchar_t text_[N] = {};
  size_t length_ = 0;
};
