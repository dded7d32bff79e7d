// The lighting panel: effect, colour and power of the board's LEDs. The window places and draws
// what LedPanel decides; every button, wheel press and entry goes through it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/CButtonST.h"
#include "controls/CLabel.h"
#include "controls/CMsgDlg.h"
#include "controls/CSkinPanel.h"
#include "gpu/GpuTable.h"
#include "lighting/LedController.h"
#include "lighting/LedPanel.h"
#include "win/Handles.h"

class CLedDlg : public CSkinPanel, private LedPanelView {
 public:
  CLedDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(GpuTable* gpus, int32_t ledKind, int32_t transparence, int32_t transPercent,
                const LedStartup& lighting);

  const LedPanel& panel() const { return panel_; }
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  bool OnInitDialog() override;
  void OnCommand(int id, int code) override;
  void OnLButtonDown(POINT at) override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // LedPanelView
  void ShowPowerLook(bool on) override;
  void ShowModeLook(int checkedId) override;
  void ShowReadout(int channel, uint8_t value) override;
  void ShowEntry(int channel, uint8_t value) override;
  std::wstring EntryText(int channel) override;
  void FocusEntry(int channel) override;
  uint32_t PanelPixel(int x, int y) override;

  void PlaceControls();
  void SetIcons(CButtonST& button, const wchar_t* hover, const wchar_t* normal);
  CButtonST* Button(int id);
  bool IsEntryField(HWND window) const;

  LedPanel panel_;
  static constexpr int kButtonCount = 11;
  CButtonST buttons_[kButtonCount];
  CLabel readouts_[3];
  win::Gdi<HFONT> entryFont_;
  std::unique_ptr<MsgDlgSink> prompts_;
  // The picture the wheel is painted in, as the panel shows it, for the colour picks.
  std::vector<uint32_t> pixels_;
  int pixelsWidth_ = 0;
  int pixelsHeight_ = 0;
};
