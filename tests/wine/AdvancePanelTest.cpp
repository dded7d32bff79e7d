// The overclock panel built from its real template and resources on the simulated driver: size,
// placement, what is hidden, and the window's events reaching the card.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SimulatedDriver.h"
#include "controls/CBitmapSlider.h"
#include "gpu/GpuEnumeration.h"
#include "overclock/CAdvanceDlg.h"
#include "resource.h"
#include "sim/DemoScenario.h"

namespace {

class AnswerAll : public MessageSink {
 public:
  explicit AnswerAll(int answer) : answer_(answer) {}
  int ShowMessage(const std::wstring& text) override {
    shown.push_back(text);
    return answer_;
  }
  std::vector<std::wstring> shown;

 private:
  int answer_;
};

RECT ClientRectOf(HWND parent, int id) {
  RECT area{};
  ::GetWindowRect(::GetDlgItem(parent, id), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

std::wstring TextOf(HWND parent, int id) {
  wchar_t text[64] = {};
  ::GetWindowTextW(::GetDlgItem(parent, id), text, 64);
  return text;
}

bool Visible(HWND parent, int id) {
  return (::GetWindowLongPtrW(::GetDlgItem(parent, id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void Click(HWND parent, int id) {
  ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(parent, id)));
}

size_t CallsNamed(const sim::Simulator& simulator, uint32_t id) {
  size_t n = 0;
  for (const sim::TraceEntry& e : simulator.Trace()) {
    if (e.kind == sim::TraceKind::kCall && e.id == id) ++n;
  }
  return n;
}

struct Panel {
  explicit Panel(sim::Scenario scenario, int32_t transparence = 0, int32_t level = 0)
      : driver(std::move(scenario)) {
    EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
    dialog = std::make_unique<CAdvanceDlg>();
    dialog->HandOver(L"Pyrelix_DIDWINE.cfg", 1, 1, level, transparence, &table);
    dialog->SetMessageSink(&sink);
    EXPECT_TRUE(dialog->CreatePanel(nullptr));
  }
  HWND hwnd() const { return dialog->hwnd(); }

  SimulatedDriver driver;
  GpuTable table{driver.api};
  AnswerAll sink{MessageSink::kOk};
  std::unique_ptr<CAdvanceDlg> dialog;
};

}  // namespace

TEST(AdvancePanel, CreatedHiddenAt659By600WithItsControlsInPlace) {
  Panel p(sim::DemoScenario());
  HWND hwnd = p.hwnd();
  ASSERT_NE(hwnd, nullptr);
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  RECT frame{};
  ::GetWindowRect(hwnd, &frame);
  EXPECT_EQ(frame.right - frame.left, 659);
  EXPECT_EQ(frame.bottom - frame.top, 600);
  EXPECT_EQ(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED, 0);

  struct Place {
    int id, x, y, w, h;
  };
  const Place places[] = {
      {IDC_ADV_CORE_MINUS, 172, 32, 10, 16}, {IDC_ADV_CORE_PLUS, 512, 32, 10, 16},
      {IDC_ADV_CORE_EDIT, 537, 30, 34, 15},  {IDC_ADV_FAN_EDIT, 537, 408, 34, 15},
      {IDC_ADV_APPLY, 472, 533, 64, 22},     {IDC_ADV_FAN_CURVE, 430, 430, 56, 22},
      {IDC_ADV_GPU3, 176, 560, 24, 26},      {IDC_ADV_ALL_LABEL, 425, 563, 100, 30},
  };
  for (const Place& place : places) {
    const RECT r = ClientRectOf(hwnd, place.id);
    EXPECT_EQ(r.left, place.x) << place.id;
    EXPECT_EQ(r.top, place.y) << place.id;
    EXPECT_EQ(r.right - r.left, place.w) << place.id;
    EXPECT_EQ(r.bottom - r.top, place.h) << place.id;
  }
  // The sliders take the channel picture's size at their place.
  const RECT slider = ClientRectOf(hwnd, IDC_ADV_CORE_SLIDER);
  EXPECT_EQ(slider.left, 189);
  EXPECT_EQ(slider.right - slider.left, 320);

  // One GPU: no GPU choice; Save waits for a change; the switched-off rows show "N/A".
  for (int id : {IDC_ADV_GPU_LABEL, IDC_ADV_GPU1, IDC_ADV_ALL_GPUS, IDC_ADV_SAVE, IDC_ADV_SLOT1,
                 IDC_ADV_OVERVOLT_EDIT, IDC_ADV_FRAME_EDIT}) {
    EXPECT_FALSE(Visible(hwnd, id)) << id;
  }
  EXPECT_TRUE(Visible(hwnd, IDC_ADV_FRAME_NA));
  EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(hwnd, IDC_ADV_FRAME_SLIDER)));
  EXPECT_EQ(TextOf(hwnd, IDC_ADV_FRAME_EDIT), L"40");
  // The change detector's timer runs.
  EXPECT_TRUE(::KillTimer(hwnd, 1));
}

TEST(AdvancePanel, OutOfRangeTranslucencyLeavesThePanelOpaque) {
  Panel p(sim::DemoScenario(), 1, 10);
  EXPECT_EQ(::GetWindowLongPtrW(p.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  Panel q(sim::DemoScenario(), 1, 4);
  EXPECT_NE(::GetWindowLongPtrW(q.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
}

TEST(AdvancePanel, SliderEditAndApplyReachTheCard) {
  Panel p(sim::DemoScenario());
  HWND hwnd = p.hwnd();
  ::SendMessageW(hwnd, WM_SLIDER_COMMITTED, IDC_ADV_CORE_SLIDER, 150);
  EXPECT_EQ(TextOf(hwnd, IDC_ADV_CORE_EDIT), L"150");

  ::SetWindowTextW(::GetDlgItem(hwnd, IDC_ADV_MEM_EDIT), L"99999");
  ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDC_ADV_MEM_EDIT, EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, IDC_ADV_MEM_EDIT)));
  EXPECT_EQ(TextOf(hwnd, IDC_ADV_MEM_EDIT), L"3000");

  p.driver.simulator.ClearTrace();
  Click(hwnd, IDC_ADV_APPLY);
  ASSERT_EQ(p.sink.shown.size(), 1u);
  EXPECT_GE(CallsNamed(p.driver.simulator, kIdGpuSetPstates20), 1u);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(TextOf(hwnd, IDC_ADV_CORE_EDIT), L"150");
  EXPECT_EQ(p.dialog->FanMode(), 0);
}

TEST(AdvancePanel, SwitchesChangeTheRowsAndTheCurveButtonOpensTheFanDialog) {
  Panel p(sim::DemoScenario());
  HWND hwnd = p.hwnd();
  Click(hwnd, IDC_ADV_FRAME_SWITCH);
  EXPECT_TRUE(Visible(hwnd, IDC_ADV_FRAME_EDIT));
  EXPECT_FALSE(Visible(hwnd, IDC_ADV_FRAME_NA));
  EXPECT_TRUE(::IsWindowEnabled(::GetDlgItem(hwnd, IDC_ADV_FRAME_SLIDER)));

  Click(hwnd, IDC_ADV_FAN_CURVE);
  EXPECT_EQ(p.dialog->FanMode(), 2);
  EXPECT_TRUE(p.dialog->fanDialog().HasWindow());
  Click(hwnd, IDC_ADV_FAN_MANUAL);
  EXPECT_EQ(p.dialog->FanMode(), 1);

  Click(hwnd, IDC_ADV_CLOSE);
  EXPECT_FALSE(::IsWindowVisible(hwnd));
}

TEST(AdvancePanel, TwoGpusShowTheirButtonsAndSelectingOneRereadsIt) {
  sim::Scenario two = sim::DemoScenario();
  two.gpus.push_back(two.gpus[0]);
  Panel p(two);
  HWND hwnd = p.hwnd();
  for (int id :
       {IDC_ADV_GPU_LABEL, IDC_ADV_GPU1, IDC_ADV_GPU2, IDC_ADV_ALL_GPUS, IDC_ADV_ALL_LABEL}) {
    EXPECT_TRUE(Visible(hwnd, id)) << id;
  }
  EXPECT_FALSE(Visible(hwnd, IDC_ADV_GPU3));
  int selected = 0;
  p.dialog->SetGpuSelectedHandler([&] { ++selected; });
  Click(hwnd, IDC_ADV_GPU2);
  EXPECT_EQ(p.table.currentIndex, 1);
  EXPECT_EQ(selected, 1);
}
