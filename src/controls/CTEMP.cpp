#include "controls/CTEMP.h"

#include <cwchar>

#include "controls/DialFrame.h"
#include "controls/SkinResources.h"

void CTEMP::SetDialFont(COLORREF colour, const std::wstring& face) {
  textColour_ = colour;
  if (face.size() >= LF_FACESIZE) return;
  LOGFONTW description{};
  win::WindowDC screen(nullptr);
  description.lfHeight = -::MulDiv(16, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  description.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  font_.reset(::CreateFontIndirectW(&description));
}

bool CTEMP::Draw(HDC dc, int frameId, int number) {
  win::Gdi<HBITMAP> frame = LoadSkinBitmap(frameId);
  win::Gdi<HBITMAP> overlay = LoadSkinBitmap(kDialOverlay);
  BITMAP info{};
  if (!frame || ::GetObjectW(frame.get(), sizeof info, &info) == 0) return false;
  if (!sized_) {
    // Every later frame is drawn at the size of the first.
    source_ = destination_ = {info.bmWidth, info.bmHeight};
    sized_ = true;
  }
  win::CompatibleDC source(::CreateCompatibleDC(dc));
  if (!source) return false;
  {
    win::SelectObjectScope select(source.get(), frame.get());
    ::SetStretchBltMode(dc, COLORONCOLOR);
    ::StretchBlt(dc, 0, 0, destination_.cx, destination_.cy, source.get(), 0, 0, source_.cx,
                 source_.cy, SRCCOPY);
  }
  BITMAP plate{};
  if (overlay && ::GetObjectW(overlay.get(), sizeof plate, &plate) != 0) {
    win::SelectObjectScope select(source.get(), overlay.get());
    ::BitBlt(dc, 145, 200, plate.bmWidth, plate.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  wchar_t text[16];
  const int n = std::swprintf(text, 16, L"%d", number);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, textColour_);
  HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_.get()) : ::GetStockObject(DEFAULT_GUI_FONT);
  win::SelectObjectScope select(dc, font);
  if (n > 0) ::TextOutW(dc, 147, 198, text, n);
  return true;
}

bool CTEMP::DrawDial(int frameId, int number) {
  if (hwnd() == nullptr) return false;
  win::WindowDC dc(hwnd());
  if (dc.get() == nullptr || !Draw(dc.get(), frameId, number)) return false;
  lastFrame_ = frameId;
  lastNumber_ = number;
  return true;
}

LRESULT CTEMP::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      if (lastFrame_ != 0) return TRUE;
      break;
    case WM_PAINT:
      if (lastFrame_ != 0) {
        // Uncovered between two readings: show the last one again rather than a hole.
        win::PaintDC dc(hwnd());
        Draw(dc.get(), lastFrame_, lastNumber_);
        return 0;
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}
