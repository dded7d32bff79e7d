#include "settings/CSettingDlg.h"

#include "resource.h"

CSettingDlg::CSettingDlg() : CSkinPanel(IDD_SETTING_DIALOG) {}

void CSettingDlg::HandOver(const std::wstring& configFileName, int32_t transparence,
                           int32_t transPercent, GpuTable* gpus) {
  configFileName_ = configFileName;
  gpus_ = gpus;
  SetTranslucency(transparence, transPercent);
}

bool CSettingDlg::OnInitDialog() {
  InitSkin(385, 263, IDB_SETTING_BACKGROUND);
  // Not built yet: the panel's controls.
  return true;
}
