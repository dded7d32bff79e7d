// The fan curve dialog: the user draws a temperature-to-fan curve and applies it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CSkinPanel.h"
#include "fan/FanCurvePoint.h"

class CFanAdvanceDlg : public CSkinPanel {
 public:
  CFanAdvanceDlg();
  // What the main window hands the panel before its window is first created.
  void HandOver(int32_t transparence, int32_t transPercent, const FanCurve& initial);
  // Called by Apply with the working curve (the main window rebuilds its fan table).
  void SetApplyHandler(std::function<void(const FanCurve&)> handler) {
    apply_ = std::move(handler);
  }

 protected:
  bool OnInitDialog() override;

 private:
  FanCurve initial_{};
  std::function<void(const FanCurve&)> apply_;
};
