// A text label drawn in its own font and colour, transparently over its dialog's picture.
#pragma once

#include <windows.h>

#include <string>

#include "win/Control.h"
#include "win/Handles.h"

class CLabel : public win::Control {
 public:
  CLabel();

  void SetFace(const std::wstring& face);
  void SetTextColor(COLORREF color);
  void SetWeight(int weight);
  void SetCharHeight(int pixels);
  void SetText(const std::wstring& text);

  // The program's label face.
  static constexpr const wchar_t* kDefaultFace = L"\x5FAE\x8F6F\x96C5\x9ED1";

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void RebuildFont();
  void RepaintUnder() const;

  COLORREF textColor_ = RGB(0, 0, 0);
  LOGFONTW fontDescription_{};
  win::Gdi<HFONT> font_;
  HBRUSH backgroundBrush_ = static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH));
};
