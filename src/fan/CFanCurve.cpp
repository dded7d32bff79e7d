#include "fan/CFanCurve.h"

#include <windowsx.h>

#include <vector>

#include "controls/CMemoryDC.h"
#include "controls/SkinResources.h"
#include "resource.h"
#include "win/MessageTarget.h"

std::recursive_mutex& CFanCurve::PaintLock() {
  // Lives as long as the process, so no editor can take it away from another.
  static std::recursive_mutex lock;
  return lock;
}

bool CFanCurve::InitGrid() {
  win::Gdi<HBITMAP> image = LoadSkinBitmap(IDB_FAN_GRID);
  BITMAP info{};
  if (!image || ::GetObjectW(image.get(), sizeof info, &info) == 0) return false;
  if (!initialised_) {
    grid_ = FanCurveGrid::OfSize(info.bmWidth, info.bmHeight);
    initialised_ = true;
  }
  gridImage_ = std::move(image);
  return true;
}

void CFanCurve::MakeOwnerDrawn() {
  if (hwnd() == nullptr) return;
  LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  style = (style & ~LONG_PTR(SS_TYPEMASK | WS_BORDER)) | SS_OWNERDRAW;
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, style);
  const LONG_PTR ex = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                      ex & ~LONG_PTR(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE));
  ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CFanCurve::SetCurve(const FanCurve& curve) {
  points_ = curve;
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, TRUE);
  NotifyParent();
}

void CFanCurve::NotifyParent() {
  if (hwnd() == nullptr) return;
  ::SendMessageW(::GetParent(hwnd()), WM_FANCURVE_CHANGED, 0, 0);
}

void CFanCurve::OnLeftButtonDown(int x, int y) {
  // A point off the ten by ten cells (no grid picture loaded) sets nothing.
  const std::optional<GridCell> cell = grid_.CellAt(x, y);
  if (!cell) return;
  SetPointFromClick(points_, *cell);
  ::InvalidateRect(hwnd(), nullptr, TRUE);
  NotifyParent();
}

void CFanCurve::PaintCurve(const DRAWITEMSTRUCT& item) {
  std::lock_guard<std::recursive_mutex> hold(PaintLock());
  if (!::IsWindowVisible(hwnd()) || !gridImage_) return;
  const RECT area{0, 0, grid_.width, grid_.height};
  CMemoryDC surface(item.hDC, area);
  if (!surface.ok()) return;
  {
    win::CompatibleDC source(::CreateCompatibleDC(item.hDC));
    if (!source) return;
    win::SelectObjectScope picture(source.get(), gridImage_.get());
    ::BitBlt(surface.get(), 0, 0, grid_.width, grid_.height, source.get(), 0, 0, SRCCOPY);
  }
  win::Gdi<HPEN> pen(::CreatePen(PS_SOLID, 1, penColour));
  if (!pen) return;
  win::SelectObjectScope usePen(surface.get(), pen.get());
  const std::vector<GridPoint> line = StaircaseOf(points_, grid_);
  ::MoveToEx(surface.get(), line.front().x, line.front().y, nullptr);
  for (size_t i = 1; i < line.size(); ++i) ::LineTo(surface.get(), line[i].x, line[i].y);
}

LRESULT CFanCurve::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case win::kReflectDrawItem:
      PaintCurve(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ERASEBKGND:
      // The paint covers the whole grid.
      if (gridImage_) return TRUE;
      break;
    case WM_NCHITTEST:
      // A static lets the pointer through to its parent; the editor takes its clicks.
      return HTCLIENT;
    case WM_LBUTTONDOWN:
      OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      break;
    case WM_RBUTTONDOWN:
      // The right button leaves the curve alone.
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}
