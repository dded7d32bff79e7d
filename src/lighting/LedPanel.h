// The lighting panel's decisions, apart from its window: what each button does on which path,
// which looks the icons take, when a press on the colour wheel picks a colour, how the colour
// entry fields are validated and committed, and what the keyboard may do. The window shows what
// it is told through LedPanelView and reports prompts through a MessageSink.
#pragma once

#include <cstdint>
#include <string>

#include "controls/MessageSink.h"
#include "gpu/GpuTable.h"
#include "lighting/LedController.h"
#include "lighting/LedPanelLayout.h"

class LedPanelView {
 public:
  virtual ~LedPanelView() = default;
  // The On and OFF icons in the look of lights shown as on, or as off.
  virtual void ShowPowerLook(bool on) = 0;
  // The mode button `checkedId` in the checked look, the other four unchecked (0: none).
  virtual void ShowModeLook(int checkedId) = 0;
  // Readout `channel` (0 red, 1 green, 2 blue) showing `value`.
  virtual void ShowReadout(int channel, uint8_t value) = 0;
  virtual void ShowEntry(int channel, uint8_t value) = 0;
  virtual std::wstring EntryText(int channel) = 0;
  virtual void FocusEntry(int channel) = 0;
  // The panel's own pixel at a client point, 0x00RRGGBB.
  virtual uint32_t PanelPixel(int x, int y) = 0;
};

// The mode button of a LedMode, 0 for a mode without one; and back (-1: not a mode button).
int LedModeButton(uint8_t mode);
int LedModeOfButton(int id);
// The colour channel of an entry field id, -1 for another id.
int LedEntryChannel(int id);

// What a key press does: an Enter in an entry field commits it (the focus leaves the field),
// Enter elsewhere and Escape are swallowed (they never close the panel), anything else goes on.
enum class LedKeyAction { kPass, kCommitEntry, kSwallow };
constexpr unsigned kLedKeyEnter = 0x0D;
constexpr unsigned kLedKeyEscape = 0x1B;
LedKeyAction LedKeyActionFor(bool keyDown, unsigned key, bool inEntryField);

class LedPanel {
 public:
  // What the main window hands over before the window exists.
  void HandOver(GpuTable* gpus, int32_t kind, const LedStartup& startup);

  int32_t kind() const { return kind_; }
  const LedState& state() const { return state_; }
  uint32_t zoneCount() const { return zoneCount_; }
  const LedPanelLayout& layout() const { return layout_; }

  // The window is initialised: the starting looks, readouts and entries go to `view`; range
  // prompts go to `prompts`. Both must outlive the panel's use.
  void Start(LedPanelView& view, MessageSink& prompts);

  // A button of the panel. True when the panel is to be hidden.
  bool Command(int id);

  // Left button down at a client point. True when it picked a colour (the window then holds the
  // mouse); either way the window goes on to move with the mouse.
  bool Press(int x, int y);
  // The mouse moved while the window `captured` it.
  void Drag(int x, int y, bool captured);
  // Left button up; true when the window is to let the mouse go.
  bool Release(bool captured) const { return captured && state_.lightsOn; }

  // Entry field `id` lost the focus: when all three fields are valid its value becomes the
  // matching channel of the pending colour.
  void CommitEntry(int id);
  // Reads all three fields; the first invalid one gets the range prompt and the focus back.
  bool ValidateEntries();

 private:
  // Takes the pixel into the pending colour and the readouts unless it is black.
  bool TakePixel(int x, int y);
  bool Ready() const { return view_ != nullptr && gpus_ != nullptr; }

  GpuTable* gpus_ = nullptr;
  int32_t kind_ = kLedI2cFrames;
  LedState state_;
  uint32_t zoneCount_ = 0;
  LedPanelLayout layout_ = LedLayoutFor(kLedI2cFrames);
  LedPanelView* view_ = nullptr;
  MessageSink* prompts_ = nullptr;
  uint8_t entries_[3] = {0, 0, 0};
  bool dragging_ = false;  // set by the first pick, never cleared
  bool prompting_ = false;
};
