#include "controls/CButtonST.h"

#include "controls/SkinResources.h"
#include "win/MessageTarget.h"

CButtonST::SizedIcon CButtonST::Measure(win::Icon icon) {
  SizedIcon sized;
  ICONINFO info{};
  if (icon && ::GetIconInfo(icon.get(), &info)) {
    BITMAP bitmap{};
    HBITMAP source = info.hbmColor != nullptr ? info.hbmColor : info.hbmMask;
    if (::GetObjectW(source, sizeof bitmap, &bitmap) != 0) {
      sized.size = {bitmap.bmWidth,
                    info.hbmColor != nullptr ? bitmap.bmHeight : bitmap.bmHeight / 2};
    }
    // GetIconInfo hands out copies of the icon's bitmaps.
    win::Gdi<HBITMAP> color(info.hbmColor);
    win::Gdi<HBITMAP> mask(info.hbmMask);
  }
  sized.icon = std::move(icon);
  return sized;
}

void CButtonST::SetIcons(win::Icon hover, win::Icon normal) {
  hover_ = Measure(std::move(hover));
  normal_ = Measure(std::move(normal));
  if (hwnd() != nullptr) ::InvalidateRect(hwnd(), nullptr, FALSE);
}

void CButtonST::SetIconFiles(const std::wstring& hoverPath, const std::wstring& normalPath) {
  SetIcons(LoadIconFile(hoverPath), LoadIconFile(normalPath));
}

void CButtonST::PreSubclass() {
  const LONG_PTR style = ::GetWindowLongPtrW(hwnd(), GWL_STYLE);
  wasDefaultButton_ = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
  ::SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~LONG_PTR(BS_TYPEMASK)) | BS_OWNERDRAW);
}

void CButtonST::StopHovering() {
  if (!hovering_) return;
  hovering_ = false;
  ::InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CButtonST::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case win::kReflectDrawItem:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case WM_LBUTTONDBLCLK:
      // A double click is a second single click.
      return Default(WM_LBUTTONDOWN, wParam, lParam);
    case WM_MOUSEMOVE:
      if (!hovering_ && (wParam & MK_LBUTTON) == 0) {
        hovering_ = true;
        ::InvalidateRect(hwnd(), nullptr, FALSE);
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
        ::TrackMouseEvent(&track);
      }
      break;
    case WM_MOUSELEAVE:
    case WM_CANCELMODE:
      StopHovering();
      break;
    case WM_KILLFOCUS:
      StopHovering();
      // Disabling the focused button takes the focus away before WM_ENABLE arrives; the
      // dialog hands it on to the next control instead of leaving it nowhere.
      if (!::IsWindowEnabled(hwnd())) ::PostMessageW(::GetParent(hwnd()), WM_NEXTDLGCTL, 0, FALSE);
      break;
    case WM_ENABLE:
      if (wParam == FALSE) {
        StopHovering();
        // A disabled button hands the keyboard focus on.
        if (::GetFocus() == hwnd()) ::SendMessageW(::GetParent(hwnd()), WM_NEXTDLGCTL, 0, FALSE);
      }
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void CButtonST::PaintBackground(HDC dc, const RECT& area) {
  ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_BTNFACE));
}

void CButtonST::PaintBorder(HDC dc, const RECT& area, ButtonBorder border) {
  if (border == ButtonBorder::kNone) return;
  const bool sunken = border == ButtonBorder::kSunken;
  HBRUSH topLeft = ::GetSysColorBrush(sunken ? COLOR_BTNSHADOW : COLOR_BTNHILIGHT);
  HBRUSH bottomRight = ::GetSysColorBrush(sunken ? COLOR_BTNHILIGHT : COLOR_BTNSHADOW);
  RECT top{area.left, area.top, area.right, area.top + 1};
  RECT left{area.left, area.top, area.left + 1, area.bottom};
  RECT bottom{area.left, area.bottom - 1, area.right, area.bottom};
  RECT right{area.right - 1, area.top, area.right, area.bottom};
  ::FillRect(dc, &top, topLeft);
  ::FillRect(dc, &left, topLeft);
  ::FillRect(dc, &bottom, bottomRight);
  ::FillRect(dc, &right, bottomRight);
}

void CButtonST::DrawItem(const DRAWITEMSTRUCT& item) {
  ButtonState state;
  state.pressed = (item.itemState & ODS_SELECTED) != 0;
  state.disabled = (item.itemState & ODS_DISABLED) != 0;
  state.hovering = hovering_;
  state.hasNormalIcon = static_cast<bool>(normal_.icon);
  const ButtonLook look = ChooseButtonLook(state);

  win::MemoryDC dc(item.hDC, item.rcItem);
  PaintBackground(dc.get(), item.rcItem);
  PaintBorder(dc.get(), item.rcItem, look.border);
  const SizedIcon& chosen = look.icon == ButtonIcon::kNormal ? normal_ : hover_;
  if (!chosen.icon) return;
  const int width = item.rcItem.right - item.rcItem.left;
  const int height = item.rcItem.bottom - item.rcItem.top;
  const int x = item.rcItem.left + (width - chosen.size.cx) / 2 + look.iconShift;
  const int y = item.rcItem.top + (height - chosen.size.cy) / 2 + look.iconShift;
  ::DrawStateW(dc.get(), nullptr, nullptr, reinterpret_cast<LPARAM>(chosen.icon.get()), 0, x, y,
               chosen.size.cx, chosen.size.cy,
               DST_ICON | (look.grayed ? DSS_DISABLED : DSS_NORMAL));
}
