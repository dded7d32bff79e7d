#include "lighting/CLedDlg.h"

#include "resource.h"

CLedDlg::CLedDlg() : CSkinPanel(IDD_LED_DIALOG) {}

void CLedDlg::HandOver(GpuTable* gpus, int32_t ledKind, int32_t transparence, int32_t transPercent,
                       const LedStartup& lighting) {
  gpus_ = gpus;
  ledKind_ = ledKind;
  lighting_ = lighting;
  SetTranslucency(transparence, transPercent);
}

bool CLedDlg::OnInitDialog() {
  InitSkin(627, 461, IDB_LED_BACKGROUND);
  ApplyTranslucency();
  // Not built yet: the panel's controls.
  return true;
}
