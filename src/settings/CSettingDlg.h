// The settings panel: start with Windows, start minimised, overclock at start-up and translucency.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "config/CIniFile.h"
#include "config/WindowsProfile.h"
#include "controls/CButtonST.h"
#include "controls/CMsgDlg.h"
#include "controls/CSkinPanel.h"
#include "gpu/GpuTable.h"
#include "settings/AutoRun.h"
#include "settings/SettingsModel.h"

class CSettingDlg : public CSkinPanel {
 public:
  CSettingDlg();
  ~CSettingDlg() override;
  // What the main window hands the panel before its window is first created.
  void HandOver(const std::wstring& configFileName, int32_t transparence, int32_t transPercent,
                GpuTable* gpus);
  // Called by Apply with the new setting; the main window applies it to every window.
  void SetTransparencyHandler(std::function<void(int32_t on, int32_t level)> handler) {
    applyTransparencyToAll_ = std::move(handler);
  }

  // The options as the panel holds them; null until its window exists.
  const SettingsModel* model() const { return model_.get(); }

 protected:
  bool OnInitDialog() override;
  void OnCommand(int id, int code) override;

 private:
  class Windows;

  void RefreshCheck(SettingOption option);
  void RefreshOpacityList();
  void Apply();

  std::wstring configFileName_;
  GpuTable* gpus_ = nullptr;
  std::function<void(int32_t, int32_t)> applyTransparencyToAll_;

  WindowsProfileAccess files_;
  SystemAutoRun registry_;
  std::unique_ptr<MsgDlgSink> messages_;
  std::unique_ptr<CIniFile> file_;
  std::unique_ptr<SettingsModel> model_;
  CButtonST checks_[4];
  CButtonST apply_;
  CButtonST close_;
};
