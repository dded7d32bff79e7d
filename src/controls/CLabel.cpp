#include "controls/CLabel.h"

#include <cwchar>

#include "win/MessageTarget.h"

CLabel::CLabel() {
  fontDescription_.lfHeight = -12;
  fontDescription_.lfWeight = FW_NORMAL;
  fontDescription_.lfCharSet = DEFAULT_CHARSET;
  fontDescription_.lfQuality = CLEARTYPE_QUALITY;
  std::wcsncpy(fontDescription_.lfFaceName, kDefaultFace, LF_FACESIZE - 1);
}

void CLabel::SetFace(const std::wstring& face) {
  // A face name longer than the system allows is not a face the system has.
  if (face.size() >= LF_FACESIZE) return;
  std::wcsncpy(fontDescription_.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  fontDescription_.lfFaceName[LF_FACESIZE - 1] = L'\0';
  RebuildFont();
}

void CLabel::SetTextColor(COLORREF color) {
  textColor_ = color;
  RebuildFont();
}

void CLabel::SetWeight(int weight) {
  fontDescription_.lfWeight = weight;
  RebuildFont();
}

void CLabel::SetCharHeight(int pixels) {
  fontDescription_.lfHeight = -pixels;
  RebuildFont();
}

void CLabel::SetText(const std::wstring& text) {
  ::SetWindowTextW(hwnd(), text.c_str());
}

void CLabel::RebuildFont() {
  font_.reset(::CreateFontIndirectW(&fontDescription_));
  if (hwnd() != nullptr) {
    ::SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    RepaintUnder();
  }
}

void CLabel::RepaintUnder() const {
  HWND parent = ::GetParent(hwnd());
  RECT area{};
  ::GetWindowRect(hwnd(), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  ::InvalidateRect(parent, &area, TRUE);
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CLabel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case win::kReflectCtlColorStatic: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      if (font_) ::SelectObject(dc, font_.get());
      ::SetTextColor(dc, textColor_);
      ::SetBkMode(dc, TRANSPARENT);
      return reinterpret_cast<LRESULT>(backgroundBrush_);
    }
    case WM_SETTEXT: {
      const LRESULT result = Default(message, wParam, lParam);
      RepaintUnder();
      return result;
    }
    default:
      return Default(message, wParam, lParam);
  }
}
