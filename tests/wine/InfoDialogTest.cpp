// The information panel on real windows over the simulated driver: its labels filled at
// creation, refilled only when asked, and where they lie.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "SimulatedDriver.h"
#include "gpu/GpuEnumeration.h"
#include "info/CInfoDlg.h"
#include "resource.h"

namespace {

sim::GpuModel NamedBoard(uint16_t deviceId, const char* name) {
  sim::GpuModel gpu = Board(deviceId, false, "94.02.26.48.d6");
  gpu.name = name;
  gpu.board.memoryKb = 8388608;
  gpu.board.memoryType = 15;  // a memory kind beyond the table
  gpu.board.memoryMaker = 10;
  return gpu;
}

struct InfoPanel : testing::Test {
  InfoPanel()
      : driver(ScenarioOf({NamedBoard(0x2204, "Second"), NamedBoard(0x2684, "First")})),
        table(driver.api) {
    driver.simulator.scenario().driverVersion.version = 45200;
    EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
    panel.HandOver(&table, 0, 0);
  }
  std::wstring Text(int id) const {
    wchar_t text[256] = {};
    ::GetDlgItemTextW(panel.hwnd(), id, text, 256);
    return text;
  }
  void Pump(DWORD ms) {
    const DWORD end = ::GetTickCount() + ms;
    while (::GetTickCount() < end) {
      MSG msg;
      while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
      ::Sleep(20);
    }
  }

  SimulatedDriver driver;
  GpuTable table;
  CInfoDlg panel;
};

TEST_F(InfoPanel, FillsItsLabelsWhenCreated) {
  ASSERT_TRUE(panel.CreatePanel(nullptr));
  EXPECT_EQ(Text(IDC_INFO_NAME), L"First");
  EXPECT_EQ(Text(IDC_INFO_DRIVER), L"ForceWare 452.00");
  EXPECT_EQ(Text(IDC_INFO_VBIOS), L"94.02.26.48.D6");
  EXPECT_EQ(Text(IDC_INFO_MEMORY), L"8192 MB   Micron");
  EXPECT_EQ(Text(IDC_INFO_DEVICE), L"2684");
  EXPECT_EQ(Text(IDC_INFO_SUBSYSTEM), L"889a");
  EXPECT_EQ(Text(IDC_INFO_VERSION), L"V 1.0.0.035");

  RECT window{};
  ::GetWindowRect(panel.hwnd(), &window);
  EXPECT_EQ(window.right - window.left, 324);
  EXPECT_EQ(window.bottom - window.top, 325);
  const struct {
    int id, x, y, width, height;
  } places[] = {{IDC_INFO_NAME, 85, 48, 150, 16},         {IDC_INFO_MEMORY, 85, 162, 200, 16},
                {IDC_INFO_BOOST_CLOCK, 227, 218, 30, 16}, {IDC_INFO_SUBSYSTEM, 227, 266, 30, 16},
                {IDC_INFO_VERSION, 20, 295, 200, 20},     {IDC_INFO_CLOSE, 225, 295, 64, 22}};
  for (const auto& p : places) {
    RECT r{};
    ::GetWindowRect(panel.Item(p.id), &r);
    ::MapWindowPoints(nullptr, panel.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, p.x) << p.id;
    EXPECT_EQ(r.top, p.y) << p.id;
    EXPECT_EQ(r.right - r.left, p.width) << p.id;
    EXPECT_EQ(r.bottom - r.top, p.height) << p.id;
  }
}

TEST_F(InfoPanel, KeepsItsLastFillUntilAGpuIsSelected) {
  ASSERT_TRUE(panel.CreatePanel(nullptr));
  ::ShowWindow(panel.hwnd(), SW_SHOW);
  // The board changes under the panel: no timer reads it again, and closing and showing the
  // panel shows the same values.
  driver.simulator.scenario().gpus[1].name = "Renamed";
  Pump(1500);
  ::SendMessageW(panel.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_INFO_CLOSE, BN_CLICKED), 0);
  EXPECT_FALSE(::IsWindowVisible(panel.hwnd()));
  panel.ShowPanel(nullptr);
  EXPECT_EQ(Text(IDC_INFO_NAME), L"First");

  table.currentIndex = 1;
  panel.Refill();
  EXPECT_EQ(Text(IDC_INFO_NAME), L"Second");
  EXPECT_EQ(Text(IDC_INFO_DEVICE), L"2204");
}

TEST_F(InfoPanel, FailedQueriesLeaveTheirLabelsEmpty) {
  driver.simulator.scenario().interfaces[kIdGpuGetPCIIdentifiers].forcedStatus = kNvError;
  driver.simulator.scenario().interfaces[kIdGpuGetFullName].forcedStatus = kNvError;
  ASSERT_TRUE(panel.CreatePanel(nullptr));
  EXPECT_EQ(Text(IDC_INFO_NAME), L"");
  EXPECT_EQ(Text(IDC_INFO_VENDOR), L"");
  EXPECT_EQ(Text(IDC_INFO_SUBSYSTEM), L"");
  EXPECT_EQ(Text(IDC_INFO_VBIOS), L"94.02.26.48.D6");
}

}  // namespace
