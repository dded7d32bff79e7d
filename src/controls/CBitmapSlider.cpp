#include "controls/CBitmapSlider.h"

#include <windowsx.h>

#include <optional>

#include "controls/CMemoryDC.h"
#include "controls/SkinResources.h"

bool CBitmapSlider::SetChannelBitmaps(int channelId, int activeId) {
  win::Gdi<HBITMAP> channel = LoadBitmapResource(channelId);
  win::Gdi<HBITMAP> active = LoadBitmapResource(activeId);
  BITMAP info{};
  if (!channel || !active || ::GetObjectW(channel.get(), sizeof info, &info) == 0) {
    channel_.reset();
    active_.reset();
    hasChannel_ = false;
    Repaint();
    return false;
  }
  channel_ = std::move(channel);
  active_ = std::move(active);
  width_ = info.bmWidth;
  height_ = info.bmHeight;
  if (hwnd() != nullptr) {
    ::SetWindowPos(hwnd(), nullptr, 0, 0, width_, height_,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  hasChannel_ = true;
  Repaint();
  return true;
}

void CBitmapSlider::SetValueRange(int minimum, int maximum) {
  range_.minimum = minimum;
  range_.maximum = maximum;
}

void CBitmapSlider::SetValue(int value) {
  position_ = ClampSliderValue(range_, value);
  Repaint();
}

void CBitmapSlider::Repaint() const {
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void CBitmapSlider::Post(UINT message) const {
  ::PostMessageW(::GetParent(hwnd()), message, WPARAM(::GetDlgCtrlID(hwnd())), LPARAM(position_));
}

void CBitmapSlider::Paint() {
  win::PaintDC target(hwnd());
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  CMemoryDC dc(target.get(), client);
  if (!dc.ok()) return;
  win::Gdi<HBRUSH> background(::CreateSolidBrush(::GetBkColor(target.get())));
  ::FillRect(dc.get(), &client, background.get());
  if (hasChannel_) {
    const int x = SliderValueToPixel(range_, width_, position_);
    win::CompatibleDC source(::CreateCompatibleDC(target.get()));
    if (source) {
      if (x > 0) {
        win::SelectObjectScope select(source.get(), active_.get());
        ::BitBlt(dc.get(), 0, 0, x, height_, source.get(), 0, 0, SRCCOPY);
      }
      if (x < width_) {
        win::SelectObjectScope select(source.get(), channel_.get());
        ::BitBlt(dc.get(), x, 0, width_ - x, height_, source.get(), x, 0, SRCCOPY);
      }
    }
  }
  if (focused_ && showFocus_) ::DrawFocusRect(dc.get(), &client);
}

void CBitmapSlider::DragTo(int x) {
  if (!pressed_) return;
  if (const std::optional<int> next = SliderDragTo(range_, width_, position_, x)) {
    SetValue(*next);
    Post(WM_SLIDER_DRAGGING);
  }
}

LRESULT CBitmapSlider::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      // A static lets the mouse through to its parent; the slider takes it.
      return HTCLIENT;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ::SetCapture(hwnd());
      ::SetFocus(hwnd());
      pressed_ = true;
      DragTo(GET_X_LPARAM(lParam));
      Repaint();
      return 0;
    case WM_MOUSEMOVE:
      DragTo(GET_X_LPARAM(lParam));
      return 0;
    case WM_LBUTTONUP:
      pressed_ = false;
      if (::GetCapture() == hwnd()) ::ReleaseCapture();
      Repaint();
      Post(WM_SLIDER_COMMITTED);
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case WM_GETDLGCODE:
      // Tab still moves the focus on; every other key comes here.
      if (::GetKeyState(VK_TAB) < 0) return Default(message, wParam, lParam);
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN: {
      std::optional<SliderKey> key;
      switch (wParam) {
        case VK_PRIOR:
          key = SliderKey::kPageUp;
          break;
        case VK_NEXT:
          key = SliderKey::kPageDown;
          break;
        case VK_END:
          key = SliderKey::kEnd;
          break;
        case VK_HOME:
          key = SliderKey::kHome;
          break;
        case VK_LEFT:
          key = SliderKey::kLeft;
          break;
        case VK_UP:
          key = SliderKey::kUp;
          break;
        case VK_RIGHT:
          key = SliderKey::kRight;
          break;
        case VK_DOWN:
          key = SliderKey::kDown;
          break;
        default:
          break;
      }
      if (!key) break;
      SetValue(SliderAfterKey(range_, position_, *key));
      Post(WM_SLIDER_COMMITTED);
      return 0;
    }
    case WM_SETFOCUS:
      focused_ = true;
      Repaint();
      break;
    case WM_KILLFOCUS:
      focused_ = false;
      Repaint();
      break;
    case WM_ENABLE:
      Repaint();
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}
