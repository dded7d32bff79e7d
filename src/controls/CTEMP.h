// The temperature dial of the main window: a frame picture per degree, a plate for the number
// and the number itself, drawn straight onto the control when a reading arrives.
#pragma once

#include <windows.h>

#include <string>

#include "win/Control.h"
#include "win/Handles.h"

class CTEMP : public win::Control {
 public:
  // The number's colour and face (16 points).
  void SetDialFont(COLORREF colour, const std::wstring& face);
  // Draws frame bitmap `frameId` (at the size of the first frame ever drawn), the plate and
  // `number`; false when the frame cannot be loaded.
  bool DrawDial(int frameId, int number);

  int lastFrame() const { return lastFrame_; }
  SIZE frameSize() const { return source_; }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool Draw(HDC dc, int frameId, int number);

  SIZE source_{};
  SIZE destination_{};
  bool sized_ = false;
  win::Gdi<HFONT> font_;
  COLORREF textColour_ = RGB(0, 210, 255);
  int lastFrame_ = 0;
  int lastNumber_ = 0;
};
