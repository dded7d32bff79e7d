// Base of the program's modeless panels: created from its template on first use and afterwards
// only hidden and shown, closed by hiding, translucent by the setting the main window hands it
// (kept until the window exists), skinned from one picture cut by a key colour.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "controls/CBkDialogST.h"

class CSkinPanel : public CBkDialogST {
 public:
  using CBkDialogST::CBkDialogST;

  // Creates the window hidden if it has none yet; true when a window exists afterwards.
  bool CreatePanel(HWND owner);
  // Creates the window on first use, then shows it.
  bool ShowPanel(HWND owner);
  bool HasWindow() const { return hwnd() != nullptr; }

  // The translucency setting (on 0/1, level 0..9). Stored while the panel has no window, so the
  // window takes it at creation; applied at once to a window that exists.
  void SetTranslucency(int32_t on, int32_t level);
  int32_t transparence() const { return transparence_; }
  int32_t transPercent() const { return transPercent_; }

 protected:
  // The shared rule: on and level at most 9 give opacity (level + 1) × 10 %; otherwise the
  // window is opaque.
  void ApplyTranslucency();
  // Sizes the window without moving it, builds the resource folder, takes `bitmapId` as the
  // background, cuts the shape from it by `key` and lets the background drag the window.
  void InitSkin(int width, int height, int bitmapId, COLORREF key = RGB(0, 0, 255));
  const std::wstring& resourceDir() const { return resourceDir_; }
  std::wstring ResourceFile(const wchar_t* name) const { return resourceDir_ + name; }

  // OK and Cancel (and the window's close) only hide a panel.
  void OnOK() override { Hide(); }
  void OnCancel() override { Hide(); }
  void Hide();

 private:
  int32_t transparence_ = 0;
  int32_t transPercent_ = 0;
  std::wstring resourceDir_;
};
