// The lighting panel: effect, colour and power of the board's LEDs.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CSkinPanel.h"
#include "gpu/GpuTable.h"
#include "lighting/LedController.h"

class CLedDlg : public CSkinPanel {
 public:
  CLedDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(GpuTable* gpus, int32_t ledKind, int32_t transparence, int32_t transPercent,
                const LedStartup& lighting);

 protected:
  bool OnInitDialog() override;

 private:
  GpuTable* gpus_ = nullptr;
  int32_t ledKind_ = 0;
  LedStartup lighting_;
};
