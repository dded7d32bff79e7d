// The settings panel's decisions: the four options, the opacity list, what the panel reads when
// its window is created and what Apply writes, registers and applies, in order, with the notice
// for each failure.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/CIniFile.h"
#include "controls/MessageSink.h"
#include "settings/AutoRunValue.h"

enum class SettingOption { kLaunch, kMinimise, kOverclock, kTransparency };

// The opacity list, top to bottom: entry i stands for level 9 - i.
inline constexpr int kOpacityEntryCount = 10;
extern const wchar_t* const kOpacityEntries[kOpacityEntryCount];

// The entry showing `level`; -1 (no entry) for a level outside 0..9.
int OpacityIndexForLevel(int32_t level);
// The level of entry `index`; none when no entry is selected (a negative index) or the index is
// beyond the list.
std::optional<int32_t> LevelForOpacityIndex(int index);

// The icon file of an option's check button (normal and hover alike).
const wchar_t* CheckIconFor(bool set);

// What Apply does to the windows.
class TranslucencyTarget {
 public:
  virtual ~TranslucencyTarget() = default;
  // The settings panel's own window.
  virtual void SetPanelOpacity(int percent) = 0;
  virtual void MakePanelOpaque() = 0;
  // The main window and every panel (the main window's ApplyTransparencyToAll).
  virtual void ApplyToAll(int32_t on, int32_t level) = 0;
};

class SettingsModel {
 public:
  SettingsModel(const CIniFile& file, AutoRunRegistry& registry, MessageSink& messages);

  // The reads of the panel's creation: the three options from the file (a notice for each that
  // cannot be read; a missing key reads as 99, which counts as set), the launch option then
  // taken from the registry, and the translucency the main window handed over.
  void Load(int32_t transparence, int32_t transPercent);

  bool IsSet(SettingOption option) const { return flag(option) != 0; }
  int32_t flag(SettingOption option) const;
  int32_t level() const { return level_; }
  // The opacity list is shown while the transparency option is set.
  bool OpacityListShown() const { return IsSet(SettingOption::kTransparency); }
  int OpacityIndex() const { return OpacityIndexForLevel(level_); }

  // A press of an option's check button.
  void Toggle(SettingOption option);
  // The opacity list ended a selection by losing the focus; `selectedIndex` is its selection
  // (negative when none, which changes nothing).
  void OpacitySelectionEnded(int selectedIndex);

  // Writes the options to the file and the registry and applies the translucency, in order;
  // every step runs even after an earlier one failed.
  void Apply(TranslucencyTarget& windows);

 private:
  void ReadFlag(const wchar_t* section, const wchar_t* key, int32_t& flag, const wchar_t* notice);
  bool WriteValue(const wchar_t* section, const wchar_t* key, int32_t value);
  void WriteFlag(const wchar_t* section, const wchar_t* key, int32_t value,
                 const wchar_t* noticeWhenSet, const wchar_t* noticeWhenClear);

  const CIniFile& file_;
  AutoRunRegistry& registry_;
  MessageSink& messages_;
  int32_t launch_ = 0;
  int32_t minimise_ = 0;
  int32_t overclock_ = 0;
  int32_t transparency_ = 0;
  int32_t level_ = 0;
};
