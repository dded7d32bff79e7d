#include "info/CHelpDlg.h"

#include "resource.h"

CHelpDlg::CHelpDlg() : CSkinPanel(IDD_HELP_DIALOG) {}

void CHelpDlg::HandOver(int32_t transPercent, int32_t transparence) {
  SetTranslucency(transparence, transPercent);
}

bool CHelpDlg::OnInitDialog() {
  InitSkin(627, 461, IDB_HELP_BACKGROUND);
  ApplyTranslucency();
  // Not built yet: the panel's controls.
  return true;
}
