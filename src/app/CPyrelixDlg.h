// The main window: owns the GPU table and everything decided at start-up, runs the start-up
// sequence, carries the eight buttons and the monitor, and drives the program's timers.
#pragma once

#include <string>

#include "app/MainWindowState.h"
#include "controls/CBkDialogST.h"
#include "controls/CButtonST.h"
#include "controls/CLabel.h"
#include "controls/CPlot.h"
#include "controls/CTEMP.h"
#include "info/CHelpDlg.h"
#include "info/CInfoDlg.h"
#include "lighting/CLedDlg.h"
#include "overclock/CAdvanceDlg.h"
#include "settings/CSettingDlg.h"
#include "vbios/CBiosDlg.h"
#include "win/Handles.h"

class CPyrelixDlg : public CBkDialogST {
 public:
  explicit CPyrelixDlg(const NvApi& driver);

  const MainWindowState& state() const { return state_; }

  // Stores the translucency setting and applies it to this window and every panel (a panel
  // without a window takes it when its window is created).
  void ApplyTransparencyToAll(int32_t on, int32_t level);
  // Rebuilds the fan control table from a curve applied in the fan curve dialog.
  void ApplyFanCurve(const FanCurve& curve);

 protected:
  bool OnInitDialog() override;
  void OnCommand(int id, int code) override;
  void OnTimer(UINT_PTR id) override;
  void OnPaint() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void AttachControls();
  void EnumerateAndReport();
  void LoadConfiguration();
  void ReadInitialGauges();
  void SetUpSkinAndLayout();
  void DetectLedController();
  void HandPanelsTheirData();
  void ApplyStartupOverclock();
  void ApplyStartupTransparency();
  void StartTimers();
  void FanCurveStep();
  void MonitorTick();
  void MinimizeToTray();
  void RemoveTrayIcon();
  void OnTrayNotify(LPARAM mouseMessage);
  void ShowPanel(int buttonId);

  win::Icon icon_;
  std::wstring resourceDir_;
  MainWindowState state_;
  CButtonST buttons_[8];
  // Per channel (engine, temperature, memory, fan): maximum, minimum and current label.
  CLabel labels_[12];
  CPlot graphs_[4];
  CTEMP dial_;
  int32_t tickCounter_ = 0;
  // What lighting detection found at start-up; handed to the lighting panel.
  LedStartup lighting_;
  CSettingDlg settingDlg_;
  CAdvanceDlg advanceDlg_;
  CInfoDlg infoDlg_;
  CBiosDlg biosDlg_;
  CHelpDlg helpDlg_;
  CLedDlg ledDlg_;
};
