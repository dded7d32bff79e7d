#include "controls/CSkinPanel.h"

#include "settings/PathRules.h"
#include "settings/Transparency.h"
#include "settings/WindowServices.h"

bool CSkinPanel::CreatePanel(HWND owner) {
  if (HasWindow()) return true;
  return Create(owner);
}

bool CSkinPanel::ShowPanel(HWND owner) {
  if (!CreatePanel(owner)) return false;
  ::ShowWindow(hwnd(), SW_SHOW);
  ::SetForegroundWindow(hwnd());
  return true;
}

void CSkinPanel::SetTranslucency(int32_t on, int32_t level) {
  transparence_ = on;
  transPercent_ = level;
  if (HasWindow()) ApplyTranslucency();
}

void CSkinPanel::ApplyTranslucency() {
  const std::optional<int> percent = OpacityPercentForLevel(transparence_, transPercent_);
  if (percent) {
    SetTransparency(*percent, hwnd());
  } else {
    RemoveTransparency(hwnd());
  }
}

void CSkinPanel::InitSkin(int width, int height, int bitmapId, COLORREF key) {
  ::SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  resourceDir_ = ResourceDirectoryOf(GetExeDirectory(hwnd()));
  SetBackgroundResource(bitmapId);
  ShapeFromBitmap(bitmapId, key);
  dragAnywhere = true;
}

void CSkinPanel::Hide() {
  if (HasWindow()) ::ShowWindow(hwnd(), SW_HIDE);
}
