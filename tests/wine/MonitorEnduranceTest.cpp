// The monitor runs all day: ten thousand one-second ticks, with their paints, leave the GDI/USER
// handle count and the heaps where they were.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "HeapUsage.h"
#include "MessagePump.h"
#include "SimulatedDriver.h"
#include "app/CPyrelixDlg.h"
#include "sim/DemoScenario.h"

namespace {

TEST(MonitorEndurance, TenThousandTicksLeaveHandlesAndHeapUnchanged) {
  SimulatedDriver driver(sim::DemoScenario());
  auto window = std::make_unique<CPyrelixDlg>(driver.api);
  ASSERT_TRUE(window->Create(nullptr));
  HWND hwnd = window->hwnd();
  for (UINT_PTR id = 0; id <= 3; ++id) ::KillTimer(hwnd, id);  // the test drives the ticks
  ::ShowWindow(hwnd, SW_SHOW);

  auto run = [&](int ticks) {
    for (int i = 1; i <= ticks; ++i) {
      ::SendMessageW(hwnd, WM_TIMER, 2, 0);
      if (i % 2 == 0) ::SendMessageW(hwnd, WM_TIMER, 1, 0);
      if (i % 50 == 0) {
        ::UpdateWindow(hwnd);
        PumpMessages();
        driver.simulator.ClearTrace();  // the simulator's own record is not the program's
      }
    }
  };
  // Warm-up: the graphs fill their width and every buffer reaches its working size.
  run(1000);
  const long handles = win::LiveHandleCount();
  const size_t heap = HeapBytesInUse();
  run(10000);
  EXPECT_EQ(win::LiveHandleCount(), handles);
  // A few kilobytes of slack for the system's own caches.
  EXPECT_LT(HeapBytesInUse(), heap + 16 * 1024);
}

// The cost of one one-second tick with the paints it causes, in process; printed for the
// performance notes, and held to a budget far above what it costs.
TEST(MonitorEndurance, OneTickWithItsPaintsIsCheap) {
  SimulatedDriver driver(sim::DemoScenario());
  auto window = std::make_unique<CPyrelixDlg>(driver.api);
  ASSERT_TRUE(window->Create(nullptr));
  HWND hwnd = window->hwnd();
  for (UINT_PTR id = 0; id <= 3; ++id) ::KillTimer(hwnd, id);
  ::ShowWindow(hwnd, SW_SHOW);
  ::UpdateWindow(hwnd);
  PumpMessages();

  constexpr int kTicks = 500;
  LARGE_INTEGER frequency{}, start{}, end{};
  ::QueryPerformanceFrequency(&frequency);
  ::QueryPerformanceCounter(&start);
  for (int i = 0; i < kTicks; ++i) {
    ::SendMessageW(hwnd, WM_TIMER, 2, 0);
    ::UpdateWindow(hwnd);  // paints what the tick invalidated
  }
  ::QueryPerformanceCounter(&end);
  const double microseconds =
      1e6 * static_cast<double>(end.QuadPart - start.QuadPart) / frequency.QuadPart / kTicks;
  std::printf("one-second tick with its paints: %.0f us\n", microseconds);
  EXPECT_LT(microseconds, 50000.0);
}

}  // namespace
