// The information panel: the selected card's name, memory, versions and IDs.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "controls/CButtonST.h"
#include "controls/CLabel.h"
#include "controls/CSkinPanel.h"
#include "gpu/GpuTable.h"
#include "info/InfoFields.h"

class CInfoDlg : public CSkinPanel {
 public:
  CInfoDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(GpuTable* gpus, int32_t transPercent, int32_t transparence);
  // Reads the selected GPU's facts into the fields again (after a GPU selection). The fields
  // are read only here and when the window is created, never on a timer.
  void Refill();

 protected:
  bool OnInitDialog() override;

 private:
  GpuTable* gpus_ = nullptr;
  CButtonST close_;
  std::array<CLabel, kInfoFieldCount> labels_;
};
