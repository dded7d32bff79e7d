#include "fan/CFanAdvanceDlg.h"

#include "resource.h"

CFanAdvanceDlg::CFanAdvanceDlg() : CSkinPanel(IDD_FAN_DIALOG) {}

void CFanAdvanceDlg::HandOver(int32_t transparence, int32_t transPercent, const FanCurve& initial) {
  initial_ = initial;
  SetTranslucency(transparence, transPercent);
}

bool CFanAdvanceDlg::OnInitDialog() {
  InitSkin(660, 599, IDB_FAN_BACKGROUND);
  ApplyTranslucency();
  // Not built yet: the panel's controls.
  return true;
}
