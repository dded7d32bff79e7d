// The text of a private-profile file as the system reads it: sections of entries, looked up
// without regard to case, the first of duplicates winning. Writing a value re-creates the whole
// text in its canonical form: "[section]" lines and "key=value" lines ended by CR LF, blank
// lines and surrounding blanks dropped.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ProfileText {
 public:
  // Reads file bytes: system code page text (each byte one character), or UTF-8 after a UTF-8
  // byte-order mark, which is kept. Null for text this class does not handle (a UTF-16 mark),
  // which must therefore be left alone.
  static std::optional<ProfileText> Parse(std::string_view bytes);

  // The value of `key` in `section` (matching quotes around it removed), or null when the
  // section, the key or its equals sign is missing.
  std::optional<std::wstring> Find(std::wstring_view section, std::wstring_view key) const;

  enum class SetResult { kRefused, kUnchanged, kChanged };
  // Sets the value, keeping an existing key in its place and its spelling; a new key goes to
  // the end of its section, a new section to the end. kUnchanged when the key already held
  // exactly this value: the file is then not written at all. kRefused, with nothing changed,
  // for names or values that the file could not give back the same way (line breaks, an empty
  // key, an equals sign in a key, a key that would read as a section header).
  SetResult Set(std::wstring_view section, std::wstring_view key, std::wstring_view value);

  std::string Serialize() const;

 private:
  struct Entry {
    std::wstring name;
    std::optional<std::wstring> value;  // null for a line without an equals sign
  };
  struct Section {
    std::wstring name;
    std::vector<Entry> entries;
  };

  const Section* FindSection(std::wstring_view name) const;
  Section* FindSection(std::wstring_view name) {
    return const_cast<Section*>(static_cast<const ProfileText*>(this)->FindSection(name));
  }

  bool utf8_ = false;
  std::vector<Section> sections_;
};
