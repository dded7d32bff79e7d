// The coloured entry field of the overclock panel: a transparent, patterned or solid background
// behind its text, and Enter hands the keyboard focus to its parent instead of the dialog.
#pragma once

#include <windows.h>

#include "win/Control.h"
#include "win/Handles.h"

class CPrettifyEdit : public win::Control {
 public:
  enum class Background { kTransparent = 0, kPattern = 1, kSolid = 2 };

  // Tiles bitmap resource 147 behind the text; false when the picture cannot be loaded (the
  // field then keeps its previous background).
  bool SetPatternBackground(int bitmapId = 147);
  void SetSolidBackground(COLORREF colour);
  void SetTransparentBackground();
  void SetTextColor(COLORREF colour);
  void SetFontFace(const wchar_t* face, int points);

  Background background() const { return mode_; }
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HBRUSH Colours(HDC dc);
  void Repaint() const;

  Background mode_ = Background::kTransparent;
  COLORREF backgroundColour_ = RGB(255, 255, 255);
  COLORREF textColour_ = RGB(0, 0, 0);
  win::Gdi<HBITMAP> pattern_;
  win::Gdi<HBRUSH> patternBrush_;
  win::Gdi<HFONT> font_;
  HBRUSH hollowBrush_ = static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
};
