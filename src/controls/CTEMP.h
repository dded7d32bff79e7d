// The temperature dial of the main window: a frame picture per degree, a plate for the number
// and the number itself. The dial is composed off-screen once per (frame, number) and kept, so
// a reading that did not change and a repaint only copy the kept picture to the control.
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
  // Loads the plate and makes the kept picture's bitmap at the control's size (at least the
  // frame's); false when it cannot be made.
  bool PrepareCanvas(HDC dc);
  // Makes the kept picture show `frameId` and `number`; false when the frame cannot be loaded
  // (the kept picture then stays as it was).
  bool Compose(HDC dc, int frameId, int number);

  SIZE source_{};
  SIZE destination_{};
  bool sized_ = false;
  win::Gdi<HFONT> font_;
  COLORREF textColour_ = RGB(0, 210, 255);
  int lastFrame_ = 0;
  int lastNumber_ = 0;
  // The number's plate, loaded with the first picture.
  win::Gdi<HBITMAP> overlay_;
  // The composed dial at the destination size and what it shows (frame 0: nothing yet).
  win::Gdi<HBITMAP> composed_;
  SIZE canvas_{};
  int composedFrame_ = 0;
  int composedNumber_ = 0;
};
