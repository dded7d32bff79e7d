// The private-profile text against arbitrary file bytes: parsing, look-up, setting a value and
// writing the text back. A value that Set takes must read back unchanged from the written file
// whenever the system functions would give it back too: names and values of printable ASCII
// (what the program writes), except that, as with the system functions, blanks around a value
// and a pair of quotes around it are not part of it.
#include <string>

#include "FuzzCheck.h"
#include "FuzzInput.h"
#include "config/ProfileText.h"

namespace {

// A short printable ASCII text from the input: a length byte, then a byte per character.
std::wstring TextOf(FuzzInput& input) {
  std::wstring text(input.Pick(12), L'\0');
  for (wchar_t& c : text) c = static_cast<wchar_t>(0x20 + input.Pick(0x7F - 0x20));
  return text;
}

// Values the file gives back as they were set.
bool ReadsBackWhole(const std::wstring& value) {
  if (!value.empty() && (value.front() == L' ' || value.back() == L' ')) return false;
  const bool quoted = value.size() > 1 && (value.front() == L'"' || value.front() == L'\'') &&
                      value.back() == value.front();
  return !quoted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzInput input(data, size);
  const std::wstring section = TextOf(input);
  const std::wstring key = TextOf(input);
  const std::wstring value = TextOf(input);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  std::optional<ProfileText> text = ProfileText::Parse(bytes);
  if (!text) return 0;
  text->Find(section, key);
  if (text->Set(section, key, value) == ProfileText::SetResult::kRefused) return 0;
  const std::string written = text->Serialize();
  const std::optional<ProfileText> again = ProfileText::Parse(written);
  FUZZ_CHECK(again.has_value());
  const std::optional<std::wstring> found = again->Find(section, key);
  FUZZ_CHECK(found.has_value());
  if (!ReadsBackWhole(value)) return 0;
  FUZZ_CHECK(*found == value);
  // The written text is canonical: read and written again, it stays the same.
  FUZZ_CHECK(again->Serialize() == written);
  return 0;
}
