#include "controls/CPrettifyEdit.h"

#include <cwchar>

#include "controls/SkinResources.h"
#include "win/MessageTarget.h"

bool CPrettifyEdit::SetPatternBackground(int bitmapId) {
  win::Gdi<HBITMAP> pattern = LoadBitmapResource(bitmapId);
  if (!pattern) return false;
  win::Gdi<HBRUSH> brush(::CreatePatternBrush(pattern.get()));
  if (!brush) return false;
  pattern_ = std::move(pattern);
  patternBrush_ = std::move(brush);
  mode_ = Background::kPattern;
  Repaint();
  return true;
}

void CPrettifyEdit::SetSolidBackground(COLORREF colour) {
  backgroundColour_ = colour;
  mode_ = Background::kSolid;
  Repaint();
}

void CPrettifyEdit::SetTransparentBackground() {
  mode_ = Background::kTransparent;
  Repaint();
}

void CPrettifyEdit::SetTextColor(COLORREF colour) {
  textColour_ = colour;
  Repaint();
}

void CPrettifyEdit::SetFontFace(const wchar_t* face, int points) {
  LOGFONTW description{};
  win::WindowDC screen(nullptr);
  description.lfHeight = -::MulDiv(points, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  description.lfCharSet = DEFAULT_CHARSET;
  if (std::wcslen(face) >= LF_FACESIZE) return;
  std::wcsncpy(description.lfFaceName, face, LF_FACESIZE - 1);
  font_.reset(::CreateFontIndirectW(&description));
  if (hwnd() != nullptr) {
    ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
}

void CPrettifyEdit::Repaint() const {
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, TRUE);
}

HBRUSH CPrettifyEdit::Colours(HDC dc) {
  switch (mode_) {
    case Background::kPattern:
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, textColour_);
      return patternBrush_.get();
    case Background::kSolid:
      ::SetBkColor(dc, backgroundColour_);
      ::SetTextColor(dc, textColour_);
      return hollowBrush_;
    case Background::kTransparent:
    default:
      ::SetBkMode(dc, TRANSPARENT);
      ::SetTextColor(dc, textColour_);
      return hollowBrush_;
  }
}

bool CPrettifyEdit::PreTranslateMessage(MSG& msg) {
  if (msg.hwnd != hwnd() || msg.message != WM_KEYDOWN || msg.wParam != VK_RETURN) return false;
  // Enter commits the field: the parent takes the focus and the field sees it go.
  ::SetFocus(::GetParent(hwnd()));
  return true;
}

LRESULT CPrettifyEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case win::kReflectCtlColorEdit:
    case win::kReflectCtlColorStatic:
      return reinterpret_cast<LRESULT>(Colours(reinterpret_cast<HDC>(wParam)));
    default:
      return Default(message, wParam, lParam);
  }
}
