#include "settings/SettingsModel.h"

#include "settings/Transparency.h"

namespace {

constexpr wchar_t kMainSection[] = L"Pyrelix";
constexpr wchar_t kStartupSection[] = L"Windows Startup";

// Notices of the reads at creation.
constexpr wchar_t kReadAutoRunFailed[] = L"Get startup data from file fail!";
constexpr wchar_t kReadMinimizeFailed[] = L"Get startup minimize data from file fail!";
constexpr wchar_t kReadOverclockFailed[] = L"Get startup over clock data from file fail!";

// Notices of Apply's writes.
constexpr wchar_t kSaveAutoRunFailed[] = L"Save configuration of auto run to file fail!";
constexpr wchar_t kSaveMinimizeFailed[] = L"Save configuration to cfg file fail!";
constexpr wchar_t kCancelMinimizeFailed[] = L"Cancel configuration to cfg file fail!";
constexpr wchar_t kSaveOverclockFailed[] =
    L"Save configuration of restore over clock to file fail!";
constexpr wchar_t kCancelOverclockFailed[] =
    L"Cancel configuration of restore over clock to file fail!";
constexpr wchar_t kSaveTransparenceFailed[] = L"Save Transparence to file fail!";

// The level Apply leaves in memory when translucency is switched off: fully opaque.
constexpr int32_t kOpaqueLevel = 9;

}  // namespace

const wchar_t* const kOpacityEntries[kOpacityEntryCount] = {
    L"100%", L"90%", L"80%", L"70%", L"60%", L"50%", L"40%", L"30%", L"20%", L"10%",
};

int OpacityIndexForLevel(int32_t level) {
  if (level < 0 || level > kOpacityEntryCount - 1) return -1;
  return kOpacityEntryCount - 1 - level;
}

std::optional<int32_t> LevelForOpacityIndex(int index) {
  if (index < 0 || index > kOpacityEntryCount - 1) return std::nullopt;
  return kOpacityEntryCount - 1 - index;
}

const wchar_t* CheckIconFor(bool set) {
  return set ? L"Setting_Check_H.ico" : L"Setting_Check.ico";
}

SettingsModel::SettingsModel(const CIniFile& file, AutoRunRegistry& registry, MessageSink& messages)
    : file_(file), registry_(registry), messages_(messages) {}

int32_t SettingsModel::flag(SettingOption option) const {
  switch (option) {
    case SettingOption::kLaunch:
      return launch_;
    case SettingOption::kMinimise:
      return minimise_;
    case SettingOption::kOverclock:
      return overclock_;
    case SettingOption::kTransparency:
      return transparency_;
  }
  return 0;
}

void SettingsModel::ReadFlag(const wchar_t* section, const wchar_t* key, int32_t& flag,
                             const wchar_t* notice) {
  KeyRecord record;
  record.Name(section, key);
  if (file_.ReadKey(record) != 0) {
    messages_.ShowMessage(notice);
    return;  // the option stays as it was
  }
  flag = record.value;
}

void SettingsModel::Load(int32_t transparence, int32_t transPercent) {
  ReadFlag(kStartupSection, L"AutoRun", launch_, kReadAutoRunFailed);
  // The registry, not the file, decides whether the program starts with Windows.
  launch_ = registry_.Probe(nullptr) == kAutoRunRegistered ? 1 : 0;
  ReadFlag(kMainSection, L"StartupMinimize", minimise_, kReadMinimizeFailed);
  ReadFlag(kMainSection, L"AutoOverClock", overclock_, kReadOverclockFailed);
  transparency_ = transparence;
  level_ = transPercent;
}

void SettingsModel::Toggle(SettingOption option) {
  switch (option) {
    case SettingOption::kLaunch:
      launch_ = launch_ == 0 ? 1 : 0;
      break;
    case SettingOption::kMinimise:
      minimise_ = minimise_ == 0 ? 1 : 0;
      break;
    case SettingOption::kOverclock:
      overclock_ = overclock_ == 0 ? 1 : 0;
      break;
    case SettingOption::kTransparency:
      transparency_ = transparency_ == 0 ? 1 : 0;
      break;
  }
}

void SettingsModel::OpacitySelectionEnded(int selectedIndex) {
  if (const std::optional<int32_t> level = LevelForOpacityIndex(selectedIndex)) level_ = *level;
}

bool SettingsModel::WriteValue(const wchar_t* section, const wchar_t* key, int32_t value) {
  KeyRecord record;
  record.Name(section, key);
  record.value = value;
  return file_.WriteKey(record, CIniFile::kRadixDecimal) == 0;
}

void SettingsModel::WriteFlag(const wchar_t* section, const wchar_t* key, int32_t value,
                              const wchar_t* noticeWhenSet, const wchar_t* noticeWhenClear) {
  if (!WriteValue(section, key, value)) {
    messages_.ShowMessage(value != 0 ? noticeWhenSet : noticeWhenClear);
  }
}

void SettingsModel::Apply(TranslucencyTarget& windows) {
  // 1. Start with Windows: the registry first; the file records whether it took.
  int32_t autoRun = 0;
  if (launch_ != 0) {
    autoRun = registry_.Register() == 0 ? 1 : 0;
  } else {
    registry_.Unregister();
  }
  WriteFlag(kStartupSection, L"AutoRun", autoRun, kSaveAutoRunFailed, kSaveAutoRunFailed);

  // 2. and 3. Options that act at the next start.
  WriteFlag(kMainSection, L"StartupMinimize", minimise_ != 0 ? 1 : 0, kSaveMinimizeFailed,
            kCancelMinimizeFailed);
  WriteFlag(kMainSection, L"AutoOverClock", overclock_ != 0 ? 1 : 0, kSaveOverclockFailed,
            kCancelOverclockFailed);

  // 4. and 5. Translucency, at once on every window.
  if (transparency_ != 0) {
    if (!WriteValue(kMainSection, L"Transparence", 1))
      messages_.ShowMessage(kSaveTransparenceFailed);
    if (!WriteValue(kMainSection, L"TransPercent", level_)) {
      messages_.ShowMessage(kSaveTransparenceFailed);
    }
    if (const std::optional<int> percent = OpacityPercentForLevel(1, level_)) {
      windows.SetPanelOpacity(*percent);
    }
    windows.ApplyToAll(1, level_);
  } else {
    // The level in the file stays; the windows go opaque.
    if (!WriteValue(kMainSection, L"Transparence", 0))
      messages_.ShowMessage(kSaveTransparenceFailed);
    windows.MakePanelOpaque();
    windows.ApplyToAll(0, kOpaqueLevel);
  }
}
