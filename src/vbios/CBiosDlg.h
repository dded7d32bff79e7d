// The VBIOS panel: saves the card's video BIOS to a file and flashes one, through the flashing
// tool.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CSkinPanel.h"

class CBiosDlg : public CSkinPanel {
 public:
  CBiosDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(int32_t transPercent, int32_t transparence);

 protected:
  bool OnInitDialog() override;
};
