#include "overclock/OcProfiles.h"

const wchar_t* const kStartupSection = L"Start_OC";

namespace {

// The setting stored under each profile key (the fan mode has none).
struct KeyRow {
  ProfileKeyIndex key;
  OcRow row;
};
constexpr KeyRow kKeyRows[] = {
    {kCoreOffset, OcRow::kCore},      {kMemOffset, OcRow::kMem},     {kTempTarget, OcRow::kTemp},
    {kDisplayClock, OcRow::kDisplay}, {kOverVolt, OcRow::kOverVolt}, {kPower, OcRow::kPower},
    {kFanSpeed, OcRow::kFan},         {kFrame, OcRow::kFrame},
};

}  // namespace

std::wstring ProfileSectionName(int slot) {
  if (slot < 1 || slot > 3) return std::wstring();
  return L"Profile" + std::to_wstring(slot);
}

int LoadProfile(const CIniFile& file, const std::wstring& section, const OcSliders& sliders,
                OcSettings& settings) {
  ProfileRecord record;
  if (!record.Name(section)) return 1;
  const int result = file.ReadProfile(record);
  for (const KeyRow& kr : kKeyRows) {
    const int32_t stored = record.keys[kr.key].value;
    // A power limit or temperature target of 0 is no setting but the mark of a section that was
    // never saved (the first start writes zeros): the card keeps its own. Brought into range it
    // would become the lowest limit the card takes.
    if (stored == 0 && (kr.row == OcRow::kPower || kr.row == OcRow::kTemp)) continue;
    settings[kr.row].value = sliders.Clamp(kr.row, stored);
  }
  settings.fanMode = kFanModeAuto;
  return result;
}

int SaveProfile(const CIniFile& file, int slot, const OcSliders& sliders) {
  ProfileRecord record;
  if (!record.Name(ProfileSectionName(slot)) || slot < 1 || slot > 3) return 1;
  for (const KeyRow& kr : kKeyRows) record.keys[kr.key].value = sliders.Position(kr.row);
  record.keys[kFanMode].value = kFanModeAuto;
  int result = file.WriteProfile(record);
  record.section.Set(kStartupSection);
  result |= file.WriteProfile(record);
  return result;
}

int CopyProfileToStartup(const CIniFile& file, int slot) {
  ProfileRecord record;
  if (slot < 1 || slot > 3 || !record.Name(ProfileSectionName(slot))) return 1;
  file.ReadProfile(record);
  record.section.Set(kStartupSection);
  return file.WriteProfile(record);
}
