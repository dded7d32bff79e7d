// The overclock panel's behaviour, apart from its window: what every slider, edit, button and
// timer tick does to the settings, the card, the configuration file and the panel's looks. The
// window forwards its events here and shows what this asks through OcPanelView.
#pragma once

#include <cstdint>
#include <string>

#include "config/CIniFile.h"
#include "config/ProfileAccess.h"
#include "controls/MessageSink.h"
#include "overclock/OcBoard.h"
#include "overclock/OcPanelView.h"
#include "overclock/OcSettings.h"
#include "overclock/OcSliders.h"

// The questions the panel asks before it touches the card or the file.
extern const wchar_t* const kApplyQuestion;
extern const wchar_t* const kOverVoltWarning;
extern const wchar_t* const kSaveWarning;

// The most GPU buttons the panel has.
constexpr int kMaxGpuButtons = 9;

class OcPanel {
 public:
  OcPanel(OcBoard board, OcPanelView& view, MessageSink& messages, const ProfileAccess& files,
          std::wstring configFileName);

  // The window was created: read the card, give the sliders their ranges, set every look, hide
  // the Save controls and show the GPU controls when there are two GPUs or more.
  void Create();

  // Reads the current GPU into the settings and shows them.
  void ReadCard();
  // Every value onto its slider (clamped) and its edit (as it is), and the resulting clock.
  void RefreshControls();

  void OnSlider(OcRow row, int position);
  void OnEditDone(OcRow row);
  // One unit up (+1) or down (-1).
  void OnStep(OcRow row, int direction);
  // The 500 ms tick: the fan speed follows the fans outside manual mode, and any change shows
  // the Save controls.
  void OnTick();

  void OnApply();
  void OnReset();
  void OnOverVoltSwitch();
  void OnFrameSwitch();
  void OnLinkSwitch();
  void OnDisplaySwitch();
  void OnFanMode(int32_t mode);

  void OnProfileSwitch();
  void OnProfileButton(int n);
  void OnSaveSlot(int n);
  void OnSave();

  void OnGpuButton(int n);
  void OnAllGpusSwitch();

  // The start-up overclock: "Start_OC" (within the sliders' ranges) with automatic fans, sent
  // without asking.
  void ApplyStartupOverclock();

  const OcSettings& settings() const { return settings_; }
  OcSettings& settings() { return settings_; }
  const OcFlags& flags() const { return flags_; }
  const OcSliders& sliders() const { return sliders_; }
  int selectedProfile() const { return selectedProfile_; }
  int selectedSaveSlot() const { return selectedSaveSlot_; }
  int selectedGpuButton() const { return selectedGpuButton_; }
  // GPU buttons shown: one per GPU up to nine, none for a single GPU.
  int GpuButtonCount() const;

 private:
  CIniFile File() const { return CIniFile(files_, configFileName_); }
  void ShowValue(OcRow row);
  void ShowResultClock();
  void FollowLink(OcRow moved);
  void ApplyWithBusyCursor();
  void ShowSettingState(OcRow row);
  void ShowLinkLook();
  void ShowFanModeLooks();
  void ShowProfileLooks();
  void ShowSlotLooks();
  void ShowGpuLooks();
  bool RowSwitchedOn(OcRow row) const;
  int32_t MeasuredFanLevel();

  OcBoard board_;
  OcPanelView& view_;
  MessageSink& messages_;
  const ProfileAccess& files_;
  std::wstring configFileName_;

  OcSettings settings_ = OcSettings::Initial();
  OcFlags flags_;
  OcSliders sliders_;
  int selectedProfile_ = 0;
  int selectedSaveSlot_ = 0;
  int saveSlotChosen_ = 0;
  int selectedGpuButton_ = 0;
};
