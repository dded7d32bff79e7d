#include "overclock/OcPanel.h"

#include <optional>
#include <utility>

#include "gpu/Coolers.h"
#include "gpu/Sensors.h"
#include "overclock/OcApply.h"
#include "overclock/OcCardReading.h"
#include "overclock/OcChangeDetector.h"
#include "overclock/OcEditText.h"
#include "overclock/OcProfiles.h"
#include "overclock/PowerTempLink.h"

const wchar_t* const kApplyQuestion =
    L"The setting may cause your system unstable.Do you want to continue?";
const wchar_t* const kOverVoltWarning = L"The OverVoltaged may cause your GPU unstable!";
const wchar_t* const kSaveWarning =
    L"Please make sure the setting can use,after that to save.If you don't,may cause your "
    L"system unworking!";

namespace {

// The wait cursor and the captured mouse for as long as the driver work runs.
class BusyScope {
 public:
  explicit BusyScope(OcPanelView& view) : view_(view) { view_.BeginBusy(); }
  ~BusyScope() { view_.EndBusy(); }
  BusyScope(const BusyScope&) = delete;
  BusyScope& operator=(const BusyScope&) = delete;

 private:
  OcPanelView& view_;
};

// Rows whose "+" and "-" always look usable.
constexpr OcRow kAlwaysUsableRows[] = {OcRow::kCore, OcRow::kMem, OcRow::kPower, OcRow::kTemp,
                                       OcRow::kFan};
constexpr OcRow kSwitchedRows[] = {OcRow::kOverVolt, OcRow::kFrame, OcRow::kDisplay};

}  // namespace

OcPanel::OcPanel(OcBoard board, OcPanelView& view, MessageSink& messages,
                 const ProfileAccess& files, std::wstring configFileName)
    : board_(std::move(board)),
      view_(view),
      messages_(messages),
      files_(files),
      configFileName_(std::move(configFileName)) {}

int OcPanel::GpuButtonCount() const {
  const int gpus = board_.AddressableGpus();
  if (gpus < 2) return 0;
  return gpus < kMaxGpuButtons ? gpus : kMaxGpuButtons;
}

void OcPanel::Create() {
  settings_ = OcSettings::Initial();
  flags_ = OcFlags();
  ReadCard();

  sliders_.InitRanges(settings_);
  for (OcRow row : kOcRows) {
    const SliderRange& range = sliders_.Range(row);
    view_.SetSliderRange(row, range.minimum, range.maximum);
    view_.ShowSliderPosition(row, sliders_.Position(row));
  }

  for (OcRow row : kAlwaysUsableRows) {
    view_.SetButtonIcons(PlusButton(row), PlusIcons(true));
    view_.SetButtonIcons(MinusButton(row), MinusIcons(true));
  }
  view_.SetButtonIcons(OcButton::kSave, FixedIcons(L"Save"));
  view_.SetButtonIcons(OcButton::kReset, FixedIcons(L"Reset"));
  view_.SetButtonIcons(OcButton::kApply, FixedIcons(L"Apply"));
  view_.SetButtonIcons(OcButton::kClose, FixedIcons(L"Close"));
  for (OcRow row : kSwitchedRows) ShowSettingState(row);
  ShowLinkLook();
  ShowFanModeLooks();
  view_.SetButtonIcons(OcButton::kProfiles, ProfileSwitchIcons(flags_.profilesOn != 0));
  ShowProfileLooks();
  ShowSlotLooks();
  ShowGpuLooks();
  view_.SetButtonIcons(OcButton::kAllGpus, AllGpuIcons(flags_.syncAllGpus != 0));

  view_.ShowSaveControls(false);
  view_.ShowGpuControls(GpuButtonCount());
}

void OcPanel::ReadCard() {
  ::ReadCard(board_, settings_, flags_);
  RefreshControls();
}

void OcPanel::RefreshControls() {
  for (OcRow row : kOcRows) {
    view_.ShowSliderPosition(row, sliders_.Place(row, settings_[row].value));
    view_.ShowEditText(row, EditTextOf(settings_[row].value));
  }
  ShowResultClock();
}

void OcPanel::ShowValue(OcRow row) {
  view_.ShowSliderPosition(row, sliders_.Place(row, settings_[row].value));
  view_.ShowEditText(row, EditTextOf(settings_[row].value));
  if (row == OcRow::kCore) ShowResultClock();
}

void OcPanel::ShowResultClock() {
  const int64_t clock =
      static_cast<int64_t>(settings_.boostClockMHz) + settings_[OcRow::kCore].value;
  view_.ShowResultClock(std::to_wstring(clock));
}

void OcPanel::FollowLink(OcRow moved) {
  if (flags_.linkPowerTemp == 0) return;
  if (moved == OcRow::kPower) {
    settings_[OcRow::kTemp].value =
        sliders_.Clamp(OcRow::kTemp, PowerToTemp(settings_, settings_[OcRow::kPower].value));
    ShowValue(OcRow::kTemp);
  } else if (moved == OcRow::kTemp) {
    settings_[OcRow::kPower].value =
        sliders_.Clamp(OcRow::kPower, TempToPower(settings_, settings_[OcRow::kTemp].value));
    ShowValue(OcRow::kPower);
  }
}

void OcPanel::OnSlider(OcRow row, int position) {
  settings_[row].value = sliders_.Place(row, position);
  ShowValue(row);
  FollowLink(row);
}

void OcPanel::OnEditDone(OcRow row) {
  // Every edit is read, as the panel exchanges all of them at once; the first that holds no
  // integer stops the exchange and falls back to its start value (40 fps for the frame limit).
  for (OcRow each : kOcRows) {
    const std::optional<int32_t> typed = ParseEditInteger(view_.EditText(each));
    if (typed) {
      settings_[each].value = *typed;
      continue;
    }
    messages_.ShowMessage(kIntegerPrompt);
    settings_[each].value = each == OcRow::kFrame ? kFrameLowest : 0;
    view_.ShowEditText(each, EditTextOf(settings_[each].value));
    break;
  }
  settings_[row].value = sliders_.Clamp(row, settings_[row].value);
  ShowValue(row);
  FollowLink(row);
}

bool OcPanel::RowSwitchedOn(OcRow row) const {
  switch (row) {
    case OcRow::kOverVolt:
      return flags_.overVoltOn != 0;
    case OcRow::kFrame:
      return flags_.frameLimitOn != 0;
    case OcRow::kDisplay:
      return flags_.displayClockOn != 0;
    default:
      return true;
  }
}

void OcPanel::OnStep(OcRow row, int direction) {
  if (!RowSwitchedOn(row)) return;
  const SliderRange& range = sliders_.Range(row);
  const int position = sliders_.Position(row);
  int value = position;
  if (direction > 0) {
    value = position < range.maximum ? position + 1 : range.maximum;
  } else {
    value = position > range.minimum ? position - 1 : range.minimum;
  }
  settings_[row].value = value;
  ShowValue(row);
}

int32_t OcPanel::MeasuredFanLevel() {
  return board_.fanCoolerModel == 0 ? ReadFanLevel(board_.table) : ReadFanCoolerLevel(board_.table);
}

void OcPanel::OnTick() {
  if (settings_.fanMode == kFanModeAuto || settings_.fanMode == kFanModeCurve) {
    settings_[OcRow::kFan].value = MeasuredFanLevel();
    view_.ShowSliderPosition(OcRow::kFan,
                             sliders_.Place(OcRow::kFan, settings_[OcRow::kFan].value));
    view_.ShowEditText(OcRow::kFan, EditTextOf(settings_[OcRow::kFan].value));
  }
  if (TakeChanges(settings_)) view_.ShowSaveControls(true);
}

void OcPanel::ApplyWithBusyCursor() {
  BusyScope busy(view_);
  ApplyOverclock(board_, settings_, flags_);
  RefreshControls();
}

void OcPanel::OnApply() {
  if (messages_.ShowMessage(kApplyQuestion) != MessageSink::kOk) return;
  ApplyWithBusyCursor();
}

void OcPanel::OnReset() {
  BusyScope busy(view_);
  ResetOverclock(board_, settings_, flags_);
  RefreshControls();
  for (OcRow row : kSwitchedRows) ShowSettingState(row);
  ShowLinkLook();
  ShowFanModeLooks();
}

void OcPanel::ShowSettingState(OcRow row) {
  const bool on = RowSwitchedOn(row);
  const OcButton toggle = row == OcRow::kOverVolt ? OcButton::kOverVolt
                          : row == OcRow::kFrame  ? OcButton::kFrame
                                                  : OcButton::kDisplay;
  view_.SetButtonIcons(toggle, SettingSwitchIcons(on));
  view_.ShowRowUsable(row, on);
  view_.SetButtonIcons(MinusButton(row), MinusIcons(on));
  view_.SetButtonIcons(PlusButton(row), PlusIcons(on));
}

void OcPanel::ShowLinkLook() {
  view_.SetButtonIcons(OcButton::kLink, LinkIcons(flags_.linkPowerTemp != 0));
}

void OcPanel::ShowFanModeLooks() {
  view_.SetButtonIcons(OcButton::kFanAuto, FanModeIcons(kFanModeAuto, settings_.fanMode));
  view_.SetButtonIcons(OcButton::kFanManual, FanModeIcons(kFanModeManual, settings_.fanMode));
  view_.SetButtonIcons(OcButton::kFanCurve, FanModeIcons(kFanModeCurve, settings_.fanMode));
}

void OcPanel::OnOverVoltSwitch() {
  if (flags_.overVoltOn == 0 && messages_.ShowMessage(kOverVoltWarning) != MessageSink::kOk) {
    return;
  }
  flags_.overVoltOn = flags_.overVoltOn != 0 ? 0 : 1;
  ShowSettingState(OcRow::kOverVolt);
  if (flags_.overVoltOn != 0) return;
  settings_[OcRow::kOverVolt].value = 0;
  ClearOverVoltage(board_);
  view_.ShowSliderPosition(OcRow::kOverVolt, sliders_.Place(OcRow::kOverVolt, 0));
  view_.ShowEditText(OcRow::kOverVolt, EditTextOf(0));
}

void OcPanel::OnFrameSwitch() {
  flags_.frameLimitOn = flags_.frameLimitOn != 0 ? 0 : 1;
  ShowSettingState(OcRow::kFrame);
}

void OcPanel::OnLinkSwitch() {
  flags_.linkPowerTemp = flags_.linkPowerTemp != 0 ? 0 : 1;
  ShowLinkLook();
}

void OcPanel::OnDisplaySwitch() {
  flags_.displayClockOn = flags_.displayClockOn != 0 ? 0 : 1;
  ShowSettingState(OcRow::kDisplay);
}

void OcPanel::OnFanMode(int32_t mode) {
  if (mode < kFanModeAuto || mode > kFanModeCurve) return;
  settings_.fanMode = mode;
  ShowFanModeLooks();
  if (mode == kFanModeCurve) view_.ShowFanCurveDialog();
}

void OcPanel::ShowProfileLooks() {
  for (int k = 1; k <= 3; ++k) {
    view_.SetButtonIcons(OffsetButton(OcButton::kProfile1, k - 1),
                         NumberIcons(k, flags_.profilesOn != 0 && k == selectedProfile_));
  }
}

void OcPanel::ShowSlotLooks() {
  for (int k = 1; k <= 3; ++k) {
    view_.SetButtonIcons(OffsetButton(OcButton::kSlot1, k - 1),
                         NumberIcons(k, k == selectedSaveSlot_));
  }
}

void OcPanel::ShowGpuLooks() {
  // Before any choice the buttons show their plain numbers (the icon buttons have no captions).
  for (int k = 1; k <= kMaxGpuButtons; ++k) {
    view_.SetButtonIcons(OffsetButton(OcButton::kGpu1, k - 1),
                         NumberIcons(k, k == selectedGpuButton_));
  }
}

void OcPanel::OnProfileSwitch() {
  flags_.profilesOn = flags_.profilesOn != 0 ? 0 : 1;
  view_.SetButtonIcons(OcButton::kProfiles, ProfileSwitchIcons(flags_.profilesOn != 0));
  ShowProfileLooks();
}

void OcPanel::OnProfileButton(int n) {
  if (flags_.profilesOn == 0 || n < 1 || n > 3) return;
  selectedProfile_ = n;
  ShowProfileLooks();
  view_.ShowSaveControls(false);
  const CIniFile file = File();
  LoadProfile(file, ProfileSectionName(n), sliders_, settings_);
  if (messages_.ShowMessage(kApplyQuestion) == MessageSink::kOk) ApplyWithBusyCursor();
  // The chosen profile becomes the start-up overclock even when it was not applied now.
  CopyProfileToStartup(file, selectedProfile_);
}

void OcPanel::OnSaveSlot(int n) {
  if (n < 1 || n > 3) return;
  saveSlotChosen_ = 1;
  selectedSaveSlot_ = n;
  ShowSlotLooks();
}

void OcPanel::OnSave() {
  if (saveSlotChosen_ == 0) return;
  if (messages_.ShowMessage(kSaveWarning) != MessageSink::kOk) return;
  SaveProfile(File(), selectedSaveSlot_, sliders_);
}

void OcPanel::OnGpuButton(int n) {
  if (n < 1 || n > GpuButtonCount()) return;
  selectedGpuButton_ = n;
  board_.table.currentIndex = n - 1;
  ShowGpuLooks();
  ReadCard();
  view_.GpuSelected();
  board_.table.currentIndex = n - 1;
}

void OcPanel::OnAllGpusSwitch() {
  flags_.syncAllGpus = flags_.syncAllGpus != 0 ? 0 : 1;
  view_.SetButtonIcons(OcButton::kAllGpus, AllGpuIcons(flags_.syncAllGpus != 0));
}

void OcPanel::ApplyStartupOverclock() {
  LoadProfile(File(), kStartupSection, sliders_, settings_);
  settings_.fanMode = kFanModeAuto;
  ApplyOverclock(board_, settings_, flags_);
  RefreshControls();
}
