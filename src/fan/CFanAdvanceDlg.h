// The fan curve dialog: the user draws a temperature-to-fan curve, restores the default one and
// applies it to the main window's fan control table. Closing only hides it, so the curve drawn
// stays until the program ends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "controls/CButtonST.h"
#include "controls/CSkinPanel.h"
#include "fan/CFanCurve.h"
#include "fan/FanCurvePoint.h"

class CFanAdvanceDlg : public CSkinPanel {
 public:
  CFanAdvanceDlg();
  // What the overclock panel hands the dialog before its window is first created: the
  // translucency setting and the curve the editor opens on (every point of it enabled). The
  // window takes both when it is created; a later hand-over changes neither.
  void HandOver(int32_t transparence, int32_t transPercent, const FanCurve& initial);
  // Called by Apply with the working curve (the main window rebuilds its fan table).
  void SetApplyHandler(std::function<void(const FanCurve&)> handler) {
    apply_ = std::move(handler);
  }

  // The editor's points as last notified: what Apply hands on.
  const FanCurve& workingCurve() const { return working_; }
  const CFanCurve& editor() const { return editor_; }

 protected:
  bool OnInitDialog() override;
  void OnCommand(int id, int code) override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void PlaceControls();

  CFanCurve editor_;
  CButtonST default_;
  CButtonST applyButton_;
  CButtonST close_;
  FanCurve working_{};
  const FanCurve defaultCurve_;
  FanCurve initial_{};
  std::function<void(const FanCurve&)> apply_;
};
