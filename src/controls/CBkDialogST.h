// Base of every skinned window: a picture background (tiled, or once when it has the window's
// size), a window shape cut from a picture by a key colour, drag by the background, and static
// texts drawn transparently over the picture.
#pragma once

#include <windows.h>

#include "win/Dialog.h"
#include "win/Handles.h"

class CBkDialogST : public win::Dialog {
 public:
  using win::Dialog::Dialog;

  // Holds `bitmap` as the background (a bitmap whose size cannot be read is dropped: false).
  bool SetBackground(HBITMAP bitmap);
  bool SetBackgroundResource(int bitmapId);
  // Cuts the window to every pixel of bitmap resource `bitmapId` that is not `key`.
  bool ShapeFromBitmap(int bitmapId, COLORREF key);

  bool dragAnywhere = false;
  bool transparentStatics = true;

 protected:
  // Called after the background has been painted; does nothing by default.
  virtual void OnAfterPaintBackground(HDC /*dc*/) {}

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnEraseBackground(HDC dc) override;
  HBRUSH OnCtlColor(HDC dc, HWND child, UINT message) override;
  void OnLButtonDown(POINT at) override;
  void OnSize() override;

 private:
  win::Gdi<HBITMAP> background_;
  int backgroundWidth_ = 0;
  int backgroundHeight_ = 0;
  HBRUSH hollowBrush_ = static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
};
