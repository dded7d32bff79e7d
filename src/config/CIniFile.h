// The only access path to the per-card configuration file beside the executable. Every
// operation builds the full path anew, opens the file as a byte stream to test it (reading or
// appending, the latter creating it), makes its private-profile calls and closes the stream.
// Operations return 0 on success and 1 when the file could not be opened or written.
#pragma once

#include <cstdint>
#include <string>

#include "config/FixedText.h"
#include "config/ProfileAccess.h"

// The nine keys of an overclock profile section, in the order they are read and written.
enum ProfileKeyIndex {
  kCoreOffset,
  kMemOffset,
  kTempTarget,
  kDisplayClock,
  kOverVolt,
  kPower,
  kFanSpeed,
  kFanMode,
  kFrame,
  kProfileKeyCount
};
extern const wchar_t* const kProfileKeyNames[kProfileKeyCount];

struct ProfileKey {
  FixedText<32> name;
  FixedText<32> text;
  int32_t value = 0;
};

// One profile section ("Default", "Start_OC", "Profile1".."Profile3") with its nine keys.
struct ProfileRecord {
  FixedText<128> section;
  ProfileKey keys[kProfileKeyCount];

  void Clear() { *this = ProfileRecord(); }
  // Sets the section and the nine key names; false when the section name does not fit.
  bool Name(const std::wstring& sectionName);
};

// One key of one section.
struct KeyRecord {
  FixedText<32> section;
  FixedText<32> key;
  FixedText<32> text;
  int32_t value = 0;

  void Clear() { *this = KeyRecord(); }
  // Clears the record and names section and key; false when a name does not fit.
  bool Name(const std::wstring& sectionName, const std::wstring& keyName);
};

class CIniFile {
 public:
  static constexpr int kRadixHex = 16;
  static constexpr int kRadixDecimal = 10;

  explicit CIniFile(const ProfileAccess& access, std::wstring fileName = L"Ombrix.ini");

  // Reads section/key into the text (default "99") and converts it to the value.
  int ReadKey(KeyRecord& record) const;
  // Writes the value as four-digit upper-case hexadecimal (radix 16) or as decimal text.
  int WriteKey(KeyRecord& record, int radix) const;
  // As WriteKey in decimal, then an empty line at the end of the file.
  int WriteKeyLine(KeyRecord& record) const;
  // Reads the nine keys of the record's section (default "0") into texts and values.
  int ReadProfile(ProfileRecord& record) const;
  // Writes the nine values as decimal text to the record's section.
  int WriteProfile(ProfileRecord& record) const;
  // As WriteProfile, then an empty line at the end of the file.
  int WriteProfileLine(ProfileRecord& record) const;

  std::wstring FullPath() const;
  const std::wstring& fileName() const { return fileName_; }

  ProfileRecord profile;
  KeyRecord key;

 private:
  int WriteKeyTo(KeyRecord& record, int radix, bool emptyLine) const;
  int WriteProfileTo(ProfileRecord& record, bool emptyLine) const;

  const ProfileAccess& access_;
  std::wstring fileName_;
};
