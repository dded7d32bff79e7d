// The help panel: the program's help text and its web links.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CSkinPanel.h"

class CHelpDlg : public CSkinPanel {
 public:
  CHelpDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(int32_t transPercent, int32_t transparence);

 protected:
  bool OnInitDialog() override;
};
