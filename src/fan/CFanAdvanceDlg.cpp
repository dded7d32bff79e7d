#include "fan/CFanAdvanceDlg.h"

#include <iterator>

#include "resource.h"

namespace {

constexpr int kWidth = 660;
constexpr int kHeight = 599;
constexpr COLORREF kCurveColour = RGB(255, 255, 255);

struct IconButton {
  int id;
  const wchar_t* icon;
  const wchar_t* hoverIcon;
  int x, y;
};
constexpr int kButtonWidth = 64;
constexpr int kButtonHeight = 22;
constexpr IconButton kButtons[] = {
    {IDC_FAN_DEFAULT, L"Default.ico", L"DefaultH.ico", 365, 555},
    {IDC_FAN_APPLY, L"Apply.ico", L"ApplyH.ico", 437, 555},
    {IDC_FAN_CLOSE, L"Close.ico", L"CloseH.ico", 509, 555},
};
constexpr int kEditorX = 120;
constexpr int kEditorY = 84;
constexpr int kEditorSize = 430;

}  // namespace

CFanAdvanceDlg::CFanAdvanceDlg() : CSkinPanel(IDD_FAN_DIALOG), defaultCurve_(DefaultFanCurve()) {}

void CFanAdvanceDlg::HandOver(int32_t transparence, int32_t transPercent, const FanCurve& initial) {
  if (HasWindow()) return;
  initial_ = initial;
  for (FanCurvePoint& point : initial_) point.enabled = 1;
  SetTranslucency(transparence, transPercent);
}

bool CFanAdvanceDlg::OnInitDialog() {
  InitSkin(kWidth, kHeight, IDB_FAN_BACKGROUND);
  ApplyTranslucency();
  PlaceControls();
  editor_.InitGrid();
  editor_.MakeOwnerDrawn();
  // The editor's notification copies the initial curve into the working curve at once.
  editor_.SetCurve(initial_);
  editor_.penColour = kCurveColour;
  return true;
}

void CFanAdvanceDlg::PlaceControls() {
  editor_.Attach(hwnd(), IDC_FAN_CURVE);
  editor_.Move(kEditorX, kEditorY, kEditorSize, kEditorSize);
  CButtonST* const buttons[] = {&default_, &applyButton_, &close_};
  for (size_t i = 0; i < std::size(kButtons); ++i) {
    const IconButton& place = kButtons[i];
    CButtonST& button = *buttons[i];
    button.Attach(hwnd(), place.id);
    button.Move(place.x, place.y, kButtonWidth, kButtonHeight);
    button.SetIconFiles(ResourceFile(place.hoverIcon), ResourceFile(place.icon));
  }
}

void CFanAdvanceDlg::OnCommand(int id, int code) {
  const bool clicked = code == BN_CLICKED;
  switch (id) {
    case IDC_FAN_DEFAULT:
      // Only the editor changes; the fans wait for Apply.
      if (clicked) editor_.SetCurve(defaultCurve_);
      break;
    case IDC_FAN_APPLY:
      if (clicked && apply_) apply_(working_);
      break;
    case IDC_FAN_CLOSE:
      if (clicked) OnCancel();
      break;
    default:
      CSkinPanel::OnCommand(id, code);
      break;
  }
}

INT_PTR CFanAdvanceDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_FANCURVE_CHANGED) {
    working_ = editor_.GetCurve();
    ::SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, 0);
    return TRUE;
  }
  return CSkinPanel::HandleMessage(message, wParam, lParam);
}
