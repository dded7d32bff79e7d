#include "controls/CHyperLink.h"

#include <shellapi.h>
#include <windowsx.h>

#include <vector>

namespace {

void OpenWithShell(const std::wstring& address) {
  ::ShellExecuteW(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

// An underlined copy of `font` (the system's dialog font when there is none).
win::Gdi<HFONT> UnderlinedCopy(HFONT font) {
  LOGFONTW description{};
  HGDIOBJ source =
      font != nullptr ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT);
  if (::GetObjectW(source, sizeof description, &description) == 0) return win::Gdi<HFONT>();
  description.lfUnderline = TRUE;
  return win::Gdi<HFONT>(::CreateFontIndirectW(&description));
}

}  // namespace

CHyperLink::CHyperLink() : opener_(&OpenWithShell) {}

bool CHyperLink::Attach(HWND window) {
  if (window == nullptr || attached()) return false;
  HWND parent = ::GetParent(window);
  // Mouse input reaches a static control only with the notify style.
  const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
  ::SetWindowLongPtrW(window, GWL_STYLE, style | SS_NOTIFY);
  if (!win::Control::Attach(parent, ::GetDlgCtrlID(window)) || hwnd() != window) {
    win::Control::Detach();
    return false;
  }
  font_ = UnderlinedCopy(reinterpret_cast<HFONT>(::SendMessageW(parent, WM_GETFONT, 0, 0)));
  return true;
}

void CHyperLink::Detach() {
  if (attached() && state_.hovering() && ::GetCapture() == hwnd()) ::ReleaseCapture();
  win::Control::Detach();
  font_.reset();
  state_.Clear();
}

bool CHyperLink::SetLink(const std::wstring& text, const std::wstring& target) {
  if (!state_.SetLink(text, target)) return false;
  Repaint();
  return true;
}

std::wstring CHyperLink::WindowText() const {
  const int length = ::GetWindowTextLengthW(hwnd());
  if (length <= 0) return std::wstring();
  std::vector<wchar_t> text(size_t(length) + 1);
  const int copied = ::GetWindowTextW(hwnd(), text.data(), length + 1);
  return std::wstring(text.data(), size_t(copied > 0 ? copied : 0));
}

void CHyperLink::Repaint() const {
  if (!attached()) return;
  // The control's rectangle in its parent, so the parent's picture under it is drawn again too.
  HWND parent = ::GetParent(hwnd());
  RECT area{};
  ::GetWindowRect(hwnd(), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  ::RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CHyperLink::Paint() {
  win::PaintDC paint(hwnd());
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  win::MemoryDC dc(paint.get(), client);
  if (dc.get() == nullptr) return;
  // The parent's background under the control, so the text lies on the skin.
  HWND parent = ::GetParent(hwnd());
  POINT origin{0, 0};
  ::MapWindowPoints(hwnd(), parent, &origin, 1);
  POINT previous{};
  ::SetViewportOrgEx(dc.get(), -origin.x, -origin.y, &previous);
  ::SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0);
  ::SetViewportOrgEx(dc.get(), previous.x, previous.y, nullptr);

  const std::wstring text = state_.ShownText(WindowText());
  win::SelectObjectScope font(
      dc.get(), font_ ? static_cast<HGDIOBJ>(font_.get()) : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc.get(), TRANSPARENT);
  ::SetTextColor(dc.get(), static_cast<COLORREF>(state_.TextColour()));
  ::DrawTextW(dc.get(), text.c_str(), int(text.size()), &client,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

void CHyperLink::OnMouseMove(LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  ::ClientToScreen(hwnd(), &at);
  RECT window{};
  ::GetWindowRect(hwnd(), &window);
  const Rect area{window.left, window.top, window.right, window.bottom};
  switch (state_.MouseMoved(InsideWithEdges(area, at.x, at.y))) {
    case HyperLinkState::MoveAction::kCaptureAndRepaint:
      ::SetCapture(hwnd());
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case HyperLinkState::MoveAction::kReleaseAndRepaint:
      ::ReleaseCapture();
      ::InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case HyperLinkState::MoveAction::kNothing:
      break;
  }
}

LRESULT CHyperLink::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return TRUE;  // the paint draws the background
    case WM_SETCURSOR:
      ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
      return TRUE;
    case WM_MOUSEMOVE:
      OnMouseMove(lParam);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      return 0;
    case WM_LBUTTONUP: {
      const std::wstring address = state_.OpenTarget(WindowText());
      if (!address.empty() && opener_) opener_(address);
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (state_.CaptureLost()) ::InvalidateRect(hwnd(), nullptr, FALSE);
      return 0;
    case WM_DESTROY: {
      // The control goes: give it back before its own procedure sees the message.
      HWND window = hwnd();
      Detach();
      return ::DefSubclassProc(window, message, wParam, lParam);
    }
    default:
      return Default(message, wParam, lParam);
  }
}
