#include "vbios/CBiosDlg.h"

#include "resource.h"

CBiosDlg::CBiosDlg() : CSkinPanel(IDD_BIOS_DIALOG) {}

void CBiosDlg::HandOver(int32_t transPercent, int32_t transparence) {
  SetTranslucency(transparence, transPercent);
}

bool CBiosDlg::OnInitDialog() {
  InitSkin(386, 281, IDB_BIOS_BACKGROUND);
  ApplyTranslucency();
  // Not built yet: the panel's controls.
  return true;
}
