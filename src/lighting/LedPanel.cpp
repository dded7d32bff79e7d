#include "lighting/LedPanel.h"

#include "lighting/LedByteEntry.h"
#include "resource.h"

namespace {

constexpr int kModeButtons[5] = {IDC_LED_STATIC, IDC_LED_STROBE, IDC_LED_WAVE, IDC_LED_BREATH,
                                 IDC_LED_CYCLE};
constexpr int kEntryFields[3] = {IDC_LED_ENTRY_RED, IDC_LED_ENTRY_GREEN, IDC_LED_ENTRY_BLUE};

uint8_t& Channel(LedColour& colour, int channel) {
  return channel == 0 ? colour.red : channel == 1 ? colour.green : colour.blue;
}

}  // namespace

int LedModeButton(uint8_t mode) {
  return mode < 5 ? kModeButtons[mode] : 0;
}

int LedModeOfButton(int id) {
  for (int mode = 0; mode < 5; ++mode) {
    if (kModeButtons[mode] == id) return mode;
  }
  return -1;
}

int LedEntryChannel(int id) {
  for (int channel = 0; channel < 3; ++channel) {
    if (kEntryFields[channel] == id) return channel;
  }
  return -1;
}

LedKeyAction LedKeyActionFor(bool keyDown, unsigned key, bool inEntryField) {
  if (!keyDown) return LedKeyAction::kPass;
  if (key == kLedKeyEnter)
    return inEntryField ? LedKeyAction::kCommitEntry : LedKeyAction::kSwallow;
  if (key == kLedKeyEscape) return LedKeyAction::kSwallow;
  return LedKeyAction::kPass;
}

void LedPanel::HandOver(GpuTable* gpus, int32_t kind, const LedStartup& startup) {
  gpus_ = gpus;
  kind_ = kind;
  state_ = startup.state;
  zoneCount_ = startup.zoneCount;
  layout_ = LedLayoutFor(kind);
}

void LedPanel::Start(LedPanelView& view, MessageSink& prompts) {
  view_ = &view;
  prompts_ = &prompts;
  view.ShowPowerLook(state_.onByte != 0);
  if (layout_.modeLooks) view.ShowModeLook(LedModeButton(state_.mode));
  const LedColour& c = state_.pendingColour;
  if (c.red != 0 || c.green != 0 || c.blue != 0) {
    view.ShowReadout(0, c.red);
    view.ShowReadout(1, c.green);
    view.ShowReadout(2, c.blue);
  }
  for (int channel = 0; channel < 3; ++channel) view.ShowEntry(channel, entries_[channel]);
}

bool LedPanel::Command(int id) {
  if (id == IDC_LED_CANCEL) return true;
  if (id == IDC_LED_CLOSE) return ValidateEntries();
  if (!Ready()) return false;
  const int mode = LedModeOfButton(id);
  if (mode >= 0) {
    if (SelectLedMode(state_, static_cast<uint8_t>(mode))) {
      view_->ShowModeLook(LedModeButton(state_.mode));
    }
    return false;
  }
  switch (id) {
    case IDC_LED_ON:
    case IDC_LED_OFF: {
      if (!state_.known) return false;
      const bool on = id == IDC_LED_ON;
      SetLedPower(*gpus_, kind_, state_, on);
      view_->ShowPowerLook(on);
      return false;
    }
    case IDC_LED_OK:
      ApplyLedState(*gpus_, kind_, state_);
      return false;
    case IDC_LED_DEF:
      if (RestoreLedDefaults(*gpus_, kind_, state_) && layout_.modeLooks) {
        view_->ShowModeLook(LedModeButton(state_.mode));
      }
      return false;
    default:
      return false;
  }
}

bool LedPanel::TakePixel(int x, int y) {
  const uint32_t pixel = view_->PanelPixel(x, y) & 0xFFFFFF;
  if (pixel == 0) return false;  // black is the wheel's surroundings, never a colour
  dragging_ = true;
  state_.pendingColour = LedColour{static_cast<uint8_t>(pixel >> 16),
                                   static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)};
  view_->ShowReadout(0, state_.pendingColour.red);
  view_->ShowReadout(1, state_.pendingColour.green);
  view_->ShowReadout(2, state_.pendingColour.blue);
  return true;
}

bool LedPanel::Press(int x, int y) {
  if (view_ == nullptr || !IsWheelPick(layout_, x, y, state_.lightsOn)) return false;
  return TakePixel(x, y);
}

void LedPanel::Drag(int x, int y, bool captured) {
  if (view_ == nullptr || !captured || !dragging_) return;
  if (!IsWheelPick(layout_, x, y, state_.lightsOn)) return;
  TakePixel(x, y);
}

bool LedPanel::ValidateEntries() {
  if (view_ == nullptr || prompts_ == nullptr) return false;
  for (int channel = 0; channel < 3; ++channel) {
    const std::optional<uint8_t> value = ParseLedByte(view_->EntryText(channel));
    if (!value) {
      // The prompt and the focus going back both move the focus; the fields' own commits that
      // this sets off are not taken (they would prompt again and again).
      prompting_ = true;
      prompts_->ShowMessage(kLedByteRangePrompt);
      view_->FocusEntry(channel);
      prompting_ = false;
      return false;
    }
    entries_[channel] = *value;
  }
  return true;
}

void LedPanel::CommitEntry(int id) {
  const int channel = LedEntryChannel(id);
  if (channel < 0 || prompting_ || !ValidateEntries()) return;
  Channel(state_.pendingColour, channel) = entries_[channel];
  view_->ShowReadout(channel, entries_[channel]);
}
