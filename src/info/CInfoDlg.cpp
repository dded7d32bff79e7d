#include "info/CInfoDlg.h"

#include "resource.h"

CInfoDlg::CInfoDlg() : CSkinPanel(IDD_INFO_DIALOG) {}

void CInfoDlg::HandOver(GpuTable* gpus, int32_t transPercent, int32_t transparence) {
  gpus_ = gpus;
  SetTranslucency(transparence, transPercent);
}

void CInfoDlg::Refill() {
  // Not built yet: the fields are read from the selected GPU here.
}

bool CInfoDlg::OnInitDialog() {
  InitSkin(324, 325, IDB_INFO_BACKGROUND, RGB(0x4D, 0x00, 0x55));
  ApplyTranslucency();
  // Not built yet: the panel's controls.
  return true;
}
