#include "overclock/CAdvanceDlg.h"

#include "resource.h"

CAdvanceDlg::CAdvanceDlg() : CSkinPanel(IDD_ADVANCE_DIALOG) {}

void CAdvanceDlg::HandOver(const std::wstring& configFileName, int32_t vfClockModel,
                           int32_t fanCoolerModel, int32_t transPercent, int32_t transparence,
                           GpuTable* gpus) {
  configFileName_ = configFileName;
  vfClockModel_ = vfClockModel;
  fanCoolerModel_ = fanCoolerModel;
  gpus_ = gpus;
  SetTranslucency(transparence, transPercent);
}

void CAdvanceDlg::ApplyStartupOverclock() {
  // Not built yet: the stored start-up overclock is applied here.
}

bool CAdvanceDlg::OnInitDialog() {
  InitSkin(659, 600, IDB_ADVANCE_BACKGROUND);
  ApplyTranslucency();
  // Not built yet: the panel's controls.
  return true;
}
