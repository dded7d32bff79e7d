// The overclock panel: clock offsets, power and temperature limits, voltage, frame-rate limit,
// display clock and fan mode, applied to one GPU or all, with three profiles. The window places
// and draws the controls and forwards every event to OcPanel, which decides.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "config/WindowsProfile.h"
#include "controls/CBitmapSlider.h"
#include "controls/CButtonST.h"
#include "controls/CLabel.h"
#include "controls/CMsgDlg.h"
#include "controls/CPrettifyEdit.h"
#include "controls/CSkinPanel.h"
#include "fan/CFanAdvanceDlg.h"
#include "fan/FanCurvePoint.h"
#include "gpu/GpuTable.h"
#include "overclock/OcPanel.h"
#include "overclock/OcPanelView.h"

class CAdvanceDlg : public CSkinPanel, private OcPanelView {
 public:
  CAdvanceDlg();
  ~CAdvanceDlg() override;
  // What the main window hands the panel before its window is first created.
  void HandOver(const std::wstring& configFileName, int32_t vfClockModel, int32_t fanCoolerModel,
                int32_t transPercent, int32_t transparence, GpuTable* gpus);
  // Applies the "Start_OC" section (the window exists, hidden).
  void ApplyStartupOverclock();
  // 0 automatic, 1 manual, 2 the drawn curve.
  int32_t FanMode() const { return model_ ? model_->settings().fanMode : 0; }
  // Called after a GPU was selected, so the main window can refresh the information panel.
  void SetGpuSelectedHandler(std::function<void()> handler) { gpuSelected_ = std::move(handler); }
  // Called by the fan curve dialog's Apply with the curve drawn there.
  void SetFanCurveHandler(std::function<void(const FanCurve&)> handler) {
    applyFanCurve_ = std::move(handler);
  }
  // Where questions and notices go; the skinned message box unless a test sets another sink
  // (before the window is created).
  void SetMessageSink(MessageSink* sink) { sinkOverride_ = sink; }

  // The model behind the window (null before the window exists).
  OcPanel* model() { return model_.get(); }
  CFanAdvanceDlg& fanDialog() { return fanDlg_; }

 protected:
  bool OnInitDialog() override;
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnCommand(int id, int code) override;
  void OnTimer(UINT_PTR id) override;

 private:
  // OcPanelView
  void SetSliderRange(OcRow row, int lower, int upper) override;
  void ShowSliderPosition(OcRow row, int position) override;
  void ShowEditText(OcRow row, const std::wstring& text) override;
  std::wstring EditText(OcRow row) const override;
  void ShowResultClock(const std::wstring& text) override;
  void ShowRowUsable(OcRow row, bool usable) override;
  void SetButtonIcons(OcButton button, const IconPair& icons) override;
  void ShowSaveControls(bool shown) override;
  void ShowGpuControls(int buttons) override;
  void ShowFanCurveDialog() override;
  void BeginBusy() override;
  void EndBusy() override;
  void GpuSelected() override;

  void AttachControls();
  void PlaceControls();
  void SetFontsAndColours();
  bool OnButton(int id);
  CLabel* NotAvailableLabel(OcRow row);

  static constexpr int kButtonCount = static_cast<int>(OcButton::kCount);

  std::wstring configFileName_;
  int32_t vfClockModel_ = 0;
  int32_t fanCoolerModel_ = 0;
  GpuTable* gpus_ = nullptr;
  std::function<void()> gpuSelected_;
  std::function<void(const FanCurve&)> applyFanCurve_;

  std::array<CBitmapSlider, kOcRowCount> sliders_;
  std::array<CPrettifyEdit, kOcRowCount> edits_;
  std::array<CButtonST, kButtonCount> buttons_;
  CLabel clockLabel_;
  CLabel unitLabel_;
  std::array<CLabel, 3> notAvailable_;
  CLabel gpuLabel_;
  CLabel allLabel_;

  CFanAdvanceDlg fanDlg_;
  FanCurve curve_ = DefaultFanCurve();

  WindowsProfileAccess files_;
  MessageSink* sinkOverride_ = nullptr;
  std::unique_ptr<MsgDlgSink> sink_;
  std::unique_ptr<OcPanel> model_;
  HCURSOR cursorBeforeBusy_ = nullptr;
};
