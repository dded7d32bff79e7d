// The help panel: the program's help text and a link to the maker's web page.
#pragma once

#include <cstdint>

#include "controls/CButtonST.h"
#include "controls/CHyperLink.h"
#include "controls/CLabel.h"
#include "controls/CSkinPanel.h"

class CHelpDlg : public CSkinPanel {
 public:
  CHelpDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(int32_t transPercent, int32_t transparence);

  // The web link (tests replace what opens its address).
  CHyperLink& link() { return link_; }

 protected:
  bool OnInitDialog() override;
  void OnCommand(int id, int code) override;
  HBRUSH OnCtlColor(HDC dc, HWND child, UINT message) override;

 private:
  CButtonST close_;
  CLabel text_;
  CHyperLink link_;
};
