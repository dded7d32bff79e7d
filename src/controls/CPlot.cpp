#include "controls/CPlot.h"

#include <cwchar>

#include "controls/CLabel.h"
#include "controls/CMemoryDC.h"
#include "win/MessageTarget.h"

namespace {
uint32_t ToRgb(COLORREF c) {
  return (uint32_t(GetRValue(c)) << 16) | (uint32_t(GetGValue(c)) << 8) | GetBValue(c);
}
COLORREF FromRgb(uint32_t c) {
  return RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}
}  // namespace

CPlot::CPlot() {
  LOGFONTW face{};
  face.lfHeight = 10;
  face.lfWeight = 100;
  face.lfCharSet = DEFAULT_CHARSET;
  face.lfPitchAndFamily = VARIABLE_PITCH;
  std::wcsncpy(face.lfFaceName, CLabel::kDefaultFace, LF_FACESIZE - 1);
  font_.reset(::CreateFontIndirectW(&face));
}

void CPlot::MakeOwnerDrawn() {
  if (hwnd() == nullptr) return;
  LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  style = (style & ~LONG_PTR(SS_TYPEMASK | WS_BORDER)) | SS_OWNERDRAW | WS_VISIBLE | WS_CHILD;
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, style);
  const LONG_PTR ex = ::GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  ::SetWindowLongPtrW(hwnd(), GWL_EXSTYLE,
                      ex & ~LONG_PTR(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_WINDOWEDGE));
  ::SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

bool CPlot::AddSeries(const std::wstring& name, int minimum, int maximum) {
  RECT client{};
  if (hwnd() == nullptr || !::GetClientRect(hwnd(), &client)) return false;
  bool added = false;
  {
    std::lock_guard<std::mutex> hold(lock_);
    added = model_.AddSeries(name, minimum, maximum, client.right, client.bottom);
  }
  ::InvalidateRect(hwnd(), nullptr, FALSE);
  return added;
}

void CPlot::AddPoint(const std::wstring& name, int percent, int raw, const std::wstring& label,
                     bool repaint) {
  {
    std::lock_guard<std::mutex> hold(lock_);
    model_.AddPoint(name, percent, raw, label);
  }
  if (repaint && hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void CPlot::SetBlend(COLORREF colour, float factor) {
  blendColour_ = colour;
  blendFactor_ = factor;
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void CPlot::SetGrid(bool on, int penStyle) {
  grid_ = on;
  gridPenStyle_ = penStyle;
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

bool CPlot::PointerX(int& x) const {
  POINT at{};
  if (!::GetCursorPos(&at) || ::WindowFromPoint(at) != hwnd()) return false;
  ::ScreenToClient(hwnd(), &at);
  x = at.x;
  return true;
}

void CPlot::Draw(HDC dc, const RECT& client) {
  win::Gdi<HBRUSH> background(::CreateSolidBrush(backgroundColour));
  ::FillRect(dc, &client, background.get());
  const int w = client.right - client.left;
  const int h = client.bottom - client.top;
  const int right = (w / 5) * 5 + 1;
  const int bottom = (h / 5) * 5 + 1;
  if (grid_) {
    win::Gdi<HPEN> pen(::CreatePen(gridPenStyle_, 1, RGB(0, 84, 107)));
    win::SelectObjectScope select(dc, pen.get());
    for (int x : PlotGridLines(w, gridOffsetX)) {
      ::MoveToEx(dc, x, 0, nullptr);
      ::LineTo(dc, x, bottom);
    }
    for (int y : PlotGridLines(h, gridOffsetY)) {
      ::MoveToEx(dc, -1, y, nullptr);
      ::LineTo(dc, right - 2, y);
    }
  }
  int pointerX = 0;
  const bool pointerInside = PointerX(pointerX);
  const PlotArea area = model_.area();
  win::SelectObjectScope font(dc, font_.get());
  for (PlotSeries& series : model_.series()) {
    const COLORREF colour =
        FromRgb(BlendPlotColour(ToRgb(blendColour_), series.colour, blendFactor_));
    win::Gdi<HPEN> pen(::CreatePen(series.penStyle, series.penWidth, colour));
    win::SelectObjectScope select(dc, pen.get());
    for (const PlotSegment& s : LayOutSeries(series, area)) {
      ::MoveToEx(dc, s.x1, s.y1, nullptr);
      ::LineTo(dc, s.x2, s.y2);
      if (!pointerInside || pointerX != s.x1) continue;
      const PlotPoint& point = series.points[size_t(s.index)];
      ::SetTextColor(dc, RGB(222, 222, 222));
      ::SetBkMode(dc, TRANSPARENT);
      wchar_t value[16];
      const int n = std::swprintf(value, 16, L"%d", point.raw);
      if (n > 0) ::TextOutW(dc, s.x1, s.y1 - 15, value, n);
      const std::wstring label = point.label.substr(0, 8);
      ::TextOutW(dc, s.x1, area.bottom, label.c_str(), int(label.size()));
    }
  }
}

void CPlot::DrawItem(const DRAWITEMSTRUCT& item) {
  if (!::IsWindowVisible(hwnd())) return;
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  std::lock_guard<std::mutex> hold(lock_);
  CMemoryDC dc(item.hDC, client);
  if (!dc.ok()) return;
  Draw(dc.get(), client);
}

LRESULT CPlot::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case win::kReflectDrawItem:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_ERASEBKGND:
      return TRUE;
    case WM_NCHITTEST:
      // The pointer has to find the graph for the readout.
      return HTCLIENT;
    default:
      return Default(message, wParam, lParam);
  }
}
