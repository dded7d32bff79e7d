// The overclock panel model on the simulated driver: a view and a message sink that record what
// the model asks of its window, boards of both kinds, and a scratch configuration directory.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ProfileBehaviour.h"
#include "TraceQueries.h"
#include "config/PortableProfile.h"
#include "controls/MessageSink.h"
#include "overclock/OcPanel.h"
#include "sim/PerformanceBoards.h"

namespace overclock_test {

class RecordingView : public OcPanelView {
 public:
  void SetSliderRange(OcRow row, int lower, int upper) override { ranges[row] = {lower, upper}; }
  void ShowSliderPosition(OcRow row, int position) override { positions[row] = position; }
  void ShowEditText(OcRow row, const std::wstring& text) override { edits[row] = text; }
  std::wstring EditText(OcRow row) const override {
    const auto found = edits.find(row);
    return found == edits.end() ? std::wstring() : found->second;
  }
  void ShowResultClock(const std::wstring& text) override { resultClock = text; }
  void ShowRowUsable(OcRow row, bool on) override { usable[row] = on; }
  void SetButtonIcons(OcButton button, const IconPair& pair) override { icons[button] = pair; }
  void ShowSaveControls(bool shown) override {
    saveShown = shown;
    ++saveShowCalls;
  }
  void ShowGpuControls(int buttons) override { gpuButtons = buttons; }
  void ShowFanCurveDialog() override { ++fanDialogShown; }
  void BeginBusy() override { ++busyDepth, ++busyCalls; }
  void EndBusy() override { --busyDepth; }
  void GpuSelected() override { ++gpuSelectedCalls; }

  std::map<OcRow, std::pair<int, int>> ranges;
  std::map<OcRow, int> positions;
  std::map<OcRow, std::wstring> edits;
  std::wstring resultClock;
  std::map<OcRow, bool> usable;
  std::map<OcButton, IconPair> icons;
  bool saveShown = true;
  int saveShowCalls = 0;
  int gpuButtons = -1;
  int fanDialogShown = 0;
  int busyDepth = 0;
  int busyCalls = 0;
  int gpuSelectedCalls = 0;
};

// Answers each question with the next scripted answer (OK when none is left).
class ScriptedSink : public MessageSink {
 public:
  int ShowMessage(const std::wstring& text) override {
    shown.push_back(text);
    if (answers.empty()) return kOk;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<int> answers;
  std::vector<std::wstring> shown;
};

inline sim::GpuModel PstatesGpu(int32_t overVoltMaxUv = 100000) {
  sim::GpuModel gpu = Board(0x17C8);
  sim::SetPstatesPerformance(gpu);
  gpu.clocks.overVoltageMaxUv = overVoltMaxUv;
  return gpu;
}

inline sim::GpuModel VfGpu() {
  sim::GpuModel gpu = Board(0x1B80);
  sim::SetVfPerformance(gpu);
  return gpu;
}

inline sim::GpuModel VfFanCoolerGpu() {
  sim::GpuModel gpu = Board(0x2684);
  sim::SetVfFanCoolerPerformance(gpu);
  return gpu;
}

// A panel model on an enumerated simulated driver, with its configuration file in a scratch
// directory. The display-clock step does not wait.
struct PanelOnBoard {
  PanelOnBoard(sim::Scenario scenario, int32_t vfClockModel, int32_t fanCoolerModel)
      : driver(std::move(scenario)),
        directory(MakeScratchDirectory()),
        files(directory),
        panel(OcBoard{driver.table, vfClockModel, fanCoolerModel, [](uint32_t) {}}, view, sink,
              files, kConfigName) {}
  ~PanelOnBoard() { RemoveTree(directory); }

  std::wstring ConfigPath() const { return directory + L"\\" + kConfigName; }
  CIniFile File() const { return CIniFile(files, kConfigName); }
  sim::Simulator& simulator() { return driver.simulator(); }

  static constexpr const wchar_t* kConfigName = L"Pyrelix_DID17C8.cfg";

  EnumeratedDriver driver;
  std::wstring directory;
  PortableProfileAccess files;
  RecordingView view;
  ScriptedSink sink;
  OcPanel panel;
};

}  // namespace overclock_test
