#include "controls/CBkDialogST.h"

#include <vector>

#include "controls/CButtonST.h"
#include "controls/ShapeRuns.h"
#include "controls/SkinResources.h"

bool CBkDialogST::SetBackground(HBITMAP bitmap) {
  background_.reset(bitmap);
  BITMAP info{};
  if (!background_ || ::GetObjectW(background_.get(), sizeof info, &info) == 0) {
    background_.reset();
    backgroundWidth_ = backgroundHeight_ = 0;
    return false;
  }
  backgroundWidth_ = info.bmWidth;
  backgroundHeight_ = info.bmHeight;
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, TRUE);
  return true;
}

bool CBkDialogST::SetBackgroundResource(int bitmapId) {
  return SetBackground(LoadSkinBitmap(bitmapId).release());
}

bool CBkDialogST::ShapeFromBitmap(int bitmapId, COLORREF key) {
  std::vector<uint32_t> pixels;
  int width = 0;
  int height = 0;
  if (!ReadBitmapPixels(bitmapId, pixels, width, height)) return false;
  const uint32_t keyRgb = Rgb(GetRValue(key), GetGValue(key), GetBValue(key));
  const std::vector<Rect> runs = ShapeRuns(pixels.data(), width, height, size_t(width), keyRgb);

  // One region from all runs at once.
  std::vector<char> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = DWORD(runs.size());
  header->nRgnSize = DWORD(runs.size() * sizeof(RECT));
  header->rcBound = {0, 0, width, height};
  auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < runs.size(); ++i) {
    rects[i] = {runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
  }
  win::Gdi<HRGN> region(
      ::ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data())));
  if (!region) return false;
  if (::SetWindowRgn(hwnd(), region.get(), TRUE) == 0) return false;
  region.release();  // the window owns its region now
  return true;
}

namespace {
BOOL CALLBACK StopButtonHover(HWND child, LPARAM) {
  if (auto* button = dynamic_cast<CButtonST*>(win::MessageTarget::FromWindow(child))) {
    button->StopHovering();
  }
  return TRUE;
}
}  // namespace

INT_PTR CBkDialogST::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) {
    // A window that goes inactive shows none of its buttons as under the pointer.
    ::EnumChildWindows(hwnd(), &StopButtonHover, 0);
  }
  return win::Dialog::HandleMessage(message, wParam, lParam);
}

bool CBkDialogST::OnEraseBackground(HDC dc) {
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  if (!background_) {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    return true;
  }
  {
    win::MemoryDC memory(dc, client);
    win::CompatibleDC source(::CreateCompatibleDC(dc));
    win::SelectObjectScope select(source.get(), background_.get());
    for (int y = 0; y < client.bottom; y += backgroundHeight_) {
      for (int x = 0; x < client.right; x += backgroundWidth_) {
        ::BitBlt(memory.get(), x, y, backgroundWidth_, backgroundHeight_, source.get(), 0, 0,
                 SRCCOPY);
      }
    }
  }
  OnAfterPaintBackground(dc);
  return true;
}

HBRUSH CBkDialogST::OnCtlColor(HDC dc, HWND child, UINT message) {
  HBRUSH reflected = win::Dialog::OnCtlColor(dc, child, message);
  if (message != WM_CTLCOLORSTATIC || !transparentStatics) return reflected;
  wchar_t className[32] = {};
  ::GetClassNameW(child, className, 32);
  if (lstrcmpiW(className, L"msctls_trackbar32") == 0) return reflected;
  ::SetBkMode(dc, TRANSPARENT);
  return reflected != nullptr ? reflected : hollowBrush_;
}

void CBkDialogST::OnLButtonDown(POINT at) {
  if (!dragAnywhere) return;
  ::ReleaseCapture();
  ::SendMessageW(hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

void CBkDialogST::OnSize() {
  ::InvalidateRect(hwnd(), nullptr, TRUE);
}
