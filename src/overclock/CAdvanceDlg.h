// The overclock panel: clock offsets, power and temperature limits, voltage, frame-rate limit,
// display clock and fan mode, applied to one GPU or all, with three profiles.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CSkinPanel.h"
#include "fan/FanCurvePoint.h"
#include "gpu/GpuTable.h"

class CAdvanceDlg : public CSkinPanel {
 public:
  CAdvanceDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(const std::wstring& configFileName, int32_t vfClockModel, int32_t fanCoolerModel,
                int32_t transPercent, int32_t transparence, GpuTable* gpus);
  // Applies the "Start_OC" section (the window exists, hidden).
  void ApplyStartupOverclock();
  // 0 automatic, 1 manual, 2 the drawn curve.
  int32_t FanMode() const { return fanMode_; }
  // Called after a GPU was selected, so the main window can refresh the information panel.
  void SetGpuSelectedHandler(std::function<void()> handler) { gpuSelected_ = std::move(handler); }
  // Called by the fan curve dialog's Apply with the curve drawn there.
  void SetFanCurveHandler(std::function<void(const FanCurve&)> handler) {
    applyFanCurve_ = std::move(handler);
  }

 protected:
  bool OnInitDialog() override;

 private:
  std::wstring configFileName_;
  int32_t vfClockModel_ = 0;
  int32_t fanCoolerModel_ = 0;
  GpuTable* gpus_ = nullptr;
  int32_t fanMode_ = 0;
  std::function<void()> gpuSelected_;
  std::function<void(const FanCurve&)> applyFanCurve_;
};
