// The main window built from its real template and resources, on the simulated driver.
#include <gtest/gtest.h>

#include <memory>

#include "MessagePump.h"
#include "SimulatedDriver.h"
#include "app/CPyrelixDlg.h"
#include "resource.h"
#include "sim/DemoScenario.h"

namespace {

RECT ClientRectOf(HWND parent, int id) {
  RECT area{};
  ::GetWindowRect(::GetDlgItem(parent, id), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

}  // namespace

TEST(MainWindow, OpensShapedAt1200By482WithItsButtonsInPlace) {
  SimulatedDriver driver(sim::DemoScenario());
  auto window = std::make_unique<CPyrelixDlg>(driver.api);
  ASSERT_TRUE(window->Create(nullptr));
  HWND hwnd = window->hwnd();

  RECT frame{};
  ::GetWindowRect(hwnd, &frame);
  EXPECT_EQ(frame.right - frame.left, 1200);
  EXPECT_EQ(frame.bottom - frame.top, 482);
  win::Gdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(hwnd, region.get()), ERROR);
  // The rounded corner is cut away, the body is inside.
  EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(::PtInRegion(region.get(), 600, 240));

  struct Place {
    int id, x, y, w, h;
  };
  const Place places[] = {
      {IDC_MAIN_MINIMIZE, 1110, 90, 18, 16}, {IDC_MAIN_CLOSE, 1135, 90, 18, 16},
      {IDC_MAIN_SETTING, 48, 90, 40, 40},    {IDC_MAIN_INFO, 102, 90, 40, 40},
      {IDC_MAIN_ADVANCE, 158, 90, 40, 40},   {IDC_MAIN_BIOS, 216, 90, 40, 40},
      {IDC_MAIN_HELP, 270, 90, 40, 40},      {IDC_MAIN_LED, 890, 90, 40, 40},
  };
  for (const Place& p : places) {
    const RECT area = ClientRectOf(hwnd, p.id);
    EXPECT_EQ(area.left, p.x) << p.id;
    EXPECT_EQ(area.top, p.y) << p.id;
    EXPECT_EQ(area.right - area.left, p.w) << p.id;
    EXPECT_EQ(area.bottom - area.top, p.h) << p.id;
    EXPECT_EQ(::GetWindowLongPtrW(::GetDlgItem(hwnd, p.id), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  }
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hwnd, IDC_MAIN_UNUSED)));

  // The demo board is classified and named, and its BIOS asks for no report.
  EXPECT_EQ(window->state().configFileName, L"Pyrelix_DID2684.cfg");
  EXPECT_EQ(window->state().VfClockModel, 1);
  EXPECT_EQ(window->state().FanCoolerModel, 1);
  EXPECT_EQ(window->state().reportEnabled, 0);
  EXPECT_FALSE(::KillTimer(hwnd, 3));
  EXPECT_TRUE(::KillTimer(hwnd, 2));
  EXPECT_TRUE(::KillTimer(hwnd, 1));
}

TEST(MainWindow, RepaintsLeaveNoHandlesBehind) {
  SimulatedDriver driver(sim::DemoScenario());
  auto window = std::make_unique<CPyrelixDlg>(driver.api);
  ASSERT_TRUE(window->Create(nullptr));
  ::ShowWindow(window->hwnd(), SW_SHOW);
  ::RedrawWindow(window->hwnd(), nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const long before = win::LiveHandleCount();
  for (int i = 0; i < 300; ++i) {
    ::RedrawWindow(window->hwnd(), nullptr, nullptr,
                   RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Hover in and out of a button, which repaints it through its owner-draw path.
    HWND button = ::GetDlgItem(window->hwnd(), IDC_MAIN_SETTING);
    ::SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    ::UpdateWindow(button);
  }
  PumpMessages();
  EXPECT_EQ(win::LiveHandleCount(), before);
}

TEST(MainWindow, StartsTheReportTimerOnlyForAReportingBoard) {
  sim::Scenario scenario = sim::DemoScenario();
  scenario.gpus[0].vbiosVersion = "94.02.26.48.d6";
  SimulatedDriver driver(std::move(scenario));
  auto window = std::make_unique<CPyrelixDlg>(driver.api);
  ASSERT_TRUE(window->Create(nullptr));
  EXPECT_EQ(window->state().reportSlots[0].boardPowerW, 320);
  EXPECT_TRUE(::KillTimer(window->hwnd(), 3));
}

namespace {
// Thread-timer steps of the keys-then-close journey (timer callbacks have no context).
bool g_aliveAfterKeys = false;

void CALLBACK PressKeys(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND main = ::FindWindowW(nullptr, L"Pyrelix");
  ::PostMessageW(main, WM_KEYDOWN, VK_ESCAPE, 0);
  ::PostMessageW(::GetDlgItem(main, IDC_MAIN_SETTING), WM_KEYDOWN, VK_RETURN, 0);
}

void CALLBACK PressClose(HWND, UINT, UINT_PTR timer, DWORD) {
  ::KillTimer(nullptr, timer);
  HWND main = ::FindWindowW(nullptr, L"Pyrelix");
  g_aliveAfterKeys = main != nullptr && ::IsWindowVisible(main);
  ::PostMessageW(::GetDlgItem(main, IDC_MAIN_CLOSE), BM_CLICK, 0, 0);
}
}  // namespace

TEST(MainWindow, CloseButtonEndsItAndEnterOrEscapeDoNot) {
  SimulatedDriver driver(sim::DemoScenario());
  auto window = std::make_unique<CPyrelixDlg>(driver.api);
  g_aliveAfterKeys = false;
  ::SetTimer(nullptr, 0, 200, &PressKeys);
  ::SetTimer(nullptr, 0, 600, &PressClose);
  EXPECT_EQ(window->DoModal(nullptr), IDOK);
  EXPECT_TRUE(g_aliveAfterKeys);
  PumpMessages();
}
