#include "controls/CTEMP.h"

#include <algorithm>
#include <cwchar>

#include "controls/DialFrame.h"
#include "controls/SkinResources.h"

void CTEMP::SetDialFont(COLORREF colour, const std::wstring& face) {
  textColour_ = colour;
  composedFrame_ = 0;  // the kept picture shows the old number colour or face
  if (face.size() >= LF_FACESIZE) return;
  LOGFONTW description{};
  win::WindowDC screen(nullptr);
  description.lfHeight = -::MulDiv(16, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  description.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(description.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  font_.reset(::CreateFontIndirectW(&description));
}

bool CTEMP::PrepareCanvas(HDC dc) {
  if (!overlay_) overlay_ = LoadSkinBitmap(kDialOverlay);
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const SIZE size{std::max<LONG>({client.right, destination_.cx, 1}),
                  std::max<LONG>({client.bottom, destination_.cy, 1})};
  if (composed_ && size.cx == canvas_.cx && size.cy == canvas_.cy) return true;
  composedFrame_ = 0;
  composed_.reset(::CreateCompatibleBitmap(dc, size.cx, size.cy));
  canvas_ = composed_ ? size : SIZE{};
  return static_cast<bool>(composed_);
}

bool CTEMP::Compose(HDC dc, int frameId, int number) {
  if (composed_ && frameId == composedFrame_ && number == composedNumber_) return true;
  // A frame that cannot be loaded leaves the kept picture as it was.
  win::Gdi<HBITMAP> frame = LoadSkinBitmap(frameId);
  BITMAP info{};
  if (!frame || ::GetObjectW(frame.get(), sizeof info, &info) == 0) return false;
  if (!sized_) {
    // Every later frame is drawn at the size of the first.
    source_ = destination_ = {info.bmWidth, info.bmHeight};
    sized_ = true;
  }
  if (!PrepareCanvas(dc)) return false;
  win::CompatibleDC target(::CreateCompatibleDC(dc));
  win::CompatibleDC source(::CreateCompatibleDC(dc));
  if (!target || !source) return false;
  win::SelectObjectScope into(target.get(), composed_.get());
  {
    win::SelectObjectScope select(source.get(), frame.get());
    ::SetStretchBltMode(target.get(), COLORONCOLOR);
    ::StretchBlt(target.get(), 0, 0, destination_.cx, destination_.cy, source.get(), 0, 0,
                 source_.cx, source_.cy, SRCCOPY);
  }
  BITMAP plate{};
  if (overlay_ && ::GetObjectW(overlay_.get(), sizeof plate, &plate) != 0) {
    win::SelectObjectScope select(source.get(), overlay_.get());
    ::BitBlt(target.get(), 145, 200, plate.bmWidth, plate.bmHeight, source.get(), 0, 0, SRCCOPY);
  }
  wchar_t text[16];
  const int n = std::swprintf(text, 16, L"%d", number);
  ::SetBkMode(target.get(), TRANSPARENT);
  ::SetTextColor(target.get(), textColour_);
  HGDIOBJ font = font_ ? static_cast<HGDIOBJ>(font_.get()) : ::GetStockObject(DEFAULT_GUI_FONT);
  win::SelectObjectScope select(target.get(), font);
  if (n > 0) ::TextOutW(target.get(), 147, 198, text, n);
  composedFrame_ = frameId;
  composedNumber_ = number;
  return true;
}

bool CTEMP::Draw(HDC dc, int frameId, int number) {
  if (!Compose(dc, frameId, number)) return false;
  win::CompatibleDC source(::CreateCompatibleDC(dc));
  if (!source) return false;
  win::SelectObjectScope select(source.get(), composed_.get());
  ::BitBlt(dc, 0, 0, destination_.cx, destination_.cy, source.get(), 0, 0, SRCCOPY);
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
      if (lastFrame_ == 0) {
        // The kept picture is made with the first paint, so that it exists from the start
        // rather than appearing with the first reading.
        win::WindowDC dc(hwnd());
        if (dc.get() != nullptr) PrepareCanvas(dc.get());
        break;
      }
      {
        // Uncovered between two readings: show the last one again rather than a hole.
        win::PaintDC dc(hwnd());
        Draw(dc.get(), lastFrame_, lastNumber_);
      }
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}
