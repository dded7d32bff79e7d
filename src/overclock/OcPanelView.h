// What the overclock panel model asks of its window: slider, edit and label contents, button
// looks, which controls are shown, the fan curve dialog and the wait cursor.
#pragma once

#include <string>

#include "overclock/OcLooks.h"
#include "overclock/OcSettings.h"

// The panel's buttons that change their looks.
enum class OcButton : int {
  kOverVolt,   // V
  kFrame,      // F
  kLink,       // P
  kDisplay,    // D
  kFanAuto,    // A
  kFanManual,  // M
  kFanCurve,   // Adv
  kProfiles,
  kProfile1,
  kProfile2,
  kProfile3,
  kSave,
  kSlot1,
  kSlot2,
  kSlot3,
  kGpu1,  // .. kGpu1 + 8
  kAllGpus = kGpu1 + 9,
  kReset,
  kApply,
  kClose,
  kPlus,                         // kPlus + row
  kMinus = kPlus + kOcRowCount,  // kMinus + row
  kCount = kMinus + kOcRowCount
};

inline OcButton OffsetButton(OcButton first, int offset) {
  return static_cast<OcButton>(static_cast<int>(first) + offset);
}
inline OcButton PlusButton(OcRow row) {
  return OffsetButton(OcButton::kPlus, static_cast<int>(row));
}
inline OcButton MinusButton(OcRow row) {
  return OffsetButton(OcButton::kMinus, static_cast<int>(row));
}

class OcPanelView {
 public:
  virtual ~OcPanelView() = default;

  virtual void SetSliderRange(OcRow row, int lower, int upper) = 0;
  // Moves the slider and repaints it.
  virtual void ShowSliderPosition(OcRow row, int position) = 0;
  virtual void ShowEditText(OcRow row, const std::wstring& text) = 0;
  virtual std::wstring EditText(OcRow row) const = 0;
  // The resulting core clock beside the core offset.
  virtual void ShowResultClock(const std::wstring& text) = 0;
  // A setting that can be switched off: its slider enabled with the live pictures and its edit
  // shown, or the slider disabled with the unavailable picture and "N/A" instead of the edit.
  virtual void ShowRowUsable(OcRow row, bool usable) = 0;
  virtual void SetButtonIcons(OcButton button, const IconPair& icons) = 0;
  // Save and the three save-slot buttons.
  virtual void ShowSaveControls(bool shown) = 0;
  // The GPU label, the first `buttons` GPU buttons, and the All switch with its label; none of
  // them when `buttons` is 0.
  virtual void ShowGpuControls(int buttons) = 0;
  // Creates the fan curve dialog on first use and shows it.
  virtual void ShowFanCurveDialog() = 0;
  // The wait cursor with the mouse captured, and back.
  virtual void BeginBusy() = 0;
  virtual void EndBusy() = 0;
  // Another GPU was chosen: the rest of the program follows it.
  virtual void GpuSelected() = 0;
};
