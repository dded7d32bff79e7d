// The VBIOS panel: saves the card's video BIOS to a file and flashes one, through the flashing
// tool.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CButtonST.h"
#include "controls/CMsgDlg.h"
#include "controls/CSkinPanel.h"
#include "vbios/VbiosFlow.h"
#include "vbios/WindowsRomFileChooser.h"
#include "vbios/WindowsVbiosPlatform.h"

class CBiosDlg : public CSkinPanel {
 public:
  CBiosDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(int32_t transPercent, int32_t transparence);
  // Where Save and Load take their file names from: the system dialogs by default (null), a
  // test's chooser otherwise.
  void SetFileChooser(RomFileChooser* chooser) { chooser_ = chooser; }

 protected:
  bool OnInitDialog() override;
  void OnCommand(int id, int code) override;

 private:
  VbiosFlow Flow();

  CButtonST save_;
  CButtonST load_;
  CButtonST close_;
  WindowsVbiosPlatform platform_;
  WindowsRomFileChooser systemDialogs_;
  MsgDlgSink messages_;
  RomFileChooser* chooser_ = nullptr;
};
