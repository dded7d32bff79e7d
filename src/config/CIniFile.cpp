#include "config/CIniFile.h"

#include "config/DecimalText.h"
#include "config/FilePaths.h"

namespace {
// The texts hold 31 characters and the terminator.
constexpr size_t kTextCapacity = 32;

// What a read gave, as the text buffer holds it: up to a character zero, at most 31 characters.
std::wstring AsText(std::wstring read) {
  read = read.substr(0, read.find(L'\0'));
  if (read.size() >= kTextCapacity) read.resize(kTextCapacity - 1);
  return read;
}
}  // namespace

const wchar_t* const kProfileKeyNames[kProfileKeyCount] = {
    L"CoreOffset", L"MemOffset", L"TempTarget", L"DisplayClock", L"OverVolt",
    L"Power",      L"FanSpeed",  L"FanMode",    L"Frame",
};

bool ProfileRecord::Name(const std::wstring& sectionName) {
  for (int i = 0; i < kProfileKeyCount; ++i) keys[i].name.Set(kProfileKeyNames[i]);
  return section.Set(sectionName);
}

bool KeyRecord::Name(const std::wstring& sectionName, const std::wstring& keyName) {
  Clear();
  return section.Set(sectionName) && key.Set(keyName);
}

CIniFile::CIniFile(const ProfileAccess& access, std::wstring fileName)
    : access_(access), fileName_(std::move(fileName)) {}

std::wstring CIniFile::FullPath() const {
  return ConfigFilePath(access_.Directory(), fileName_);
}

int CIniFile::ReadKey(KeyRecord& record) const {
  const std::wstring path = FullPath();
  const auto stream = access_.Open(path, StreamMode::kRead);
  if (!stream) return 1;
  record.text.Set(AsText(
      access_.ReadString(path, record.section.str(), record.key.str(), L"99", kTextCapacity)));
  record.value = DecimalValue(record.text.view());
  return 0;
}

int CIniFile::WriteKey(KeyRecord& record, int radix) const {
  return WriteKeyTo(record, radix, false);
}

int CIniFile::WriteKeyLine(KeyRecord& record) const {
  return WriteKeyTo(record, kRadixDecimal, true);
}

int CIniFile::WriteKeyTo(KeyRecord& record, int radix, bool emptyLine) const {
  if (record.key.empty()) return 1;  // a key without a name cannot be written
  const std::wstring path = FullPath();
  const auto stream = access_.Open(path, StreamMode::kAppend);
  if (!stream) return 1;
  record.text.Set(radix == kRadixHex ? HexText4(record.value) : DecimalText(record.value));
  bool written =
      access_.WriteString(path, record.section.str(), record.key.str(), record.text.str());
  if (emptyLine) written = stream->AppendEmptyLine() && written;
  return written ? 0 : 1;
}

int CIniFile::ReadProfile(ProfileRecord& record) const {
  const std::wstring path = FullPath();
  const auto stream = access_.Open(path, StreamMode::kRead);
  if (!stream) return 1;
  const std::wstring section = record.section.str();
  for (ProfileKey& key : record.keys) {
    key.text.Set(AsText(access_.ReadString(path, section, key.name.str(), L"0", kTextCapacity)));
    key.value = DecimalValue(key.text.view());
  }
  return 0;
}

int CIniFile::WriteProfile(ProfileRecord& record) const {
  return WriteProfileTo(record, false);
}

int CIniFile::WriteProfileLine(ProfileRecord& record) const {
  return WriteProfileTo(record, true);
}

int CIniFile::WriteProfileTo(ProfileRecord& record, bool emptyLine) const {
  const std::wstring path = FullPath();
  const auto stream = access_.Open(path, StreamMode::kAppend);
  if (!stream) return 1;
  const std::wstring section = record.section.str();
  bool written = true;
  // Every key is written even after one failed, as each write stands on its own.
  for (ProfileKey& key : record.keys) {
    key.text.Set(DecimalText(key.value));
    written = !key.name.empty() &&
              access_.WriteString(path, section, key.name.str(), key.text.str()) && written;
  }
  if (emptyLine) written = stream->AppendEmptyLine() && written;
  return written ? 0 : 1;
}
