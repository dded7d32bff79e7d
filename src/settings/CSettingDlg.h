// The settings panel: start with Windows, start minimised, overclock at start-up and translucency.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CSkinPanel.h"
#include "gpu/GpuTable.h"

class CSettingDlg : public CSkinPanel {
 public:
  CSettingDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(const std::wstring& configFileName, int32_t transparence, int32_t transPercent,
                GpuTable* gpus);
  // Called by Apply with the new setting; the main window applies it to every window.
  void SetTransparencyHandler(std::function<void(int32_t on, int32_t level)> handler) {
    applyTransparencyToAll_ = std::move(handler);
  }

 protected:
  bool OnInitDialog() override;

 private:
  std::wstring configFileName_;
  GpuTable* gpus_ = nullptr;
  std::function<void(int32_t, int32_t)> applyTransparencyToAll_;
};
