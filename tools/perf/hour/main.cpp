// PerfHour.exe pyrelix|baseline [seconds [part]]: an hour (or `seconds`) of plain monitoring at
// accelerated speed on the simulated demo board, in process: every simulated second one
// one-second tick and two half-second ticks, and for the main window a paint every tenth second,
// as an idle desktop asks for. Prints, after a warm-up minute and at the end, the working set,
// the private bytes, the heap bytes in use and the GDI/USER handles held, one "key=value" line
// each, for tools/perf/compare to set side by side.
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <memory>
#include <vector>

#include "BaselineMonitor.h"
#include "HeapUsage.h"
#include "MessagePump.h"
#include "app/CPyrelixDlg.h"
#include "sim/DemoScenario.h"
#include "sim/QueryInterface.h"
#include "sim/ScopedActiveSimulator.h"
#include "sim/Simulator.h"
#include "win/Handles.h"

namespace {

void Report(const char* mode, const char* when) {
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
  HANDLE self = ::GetCurrentProcess();
  std::printf("%s.%s.working_set_kb=%lu\n", mode, when,
              static_cast<unsigned long>(memory.WorkingSetSize / 1024));
  std::printf("%s.%s.private_kb=%lu\n", mode, when,
              static_cast<unsigned long>(memory.PrivateUsage / 1024));
  std::printf("%s.%s.heap_kb=%lu\n", mode, when,
              static_cast<unsigned long>(HeapBytesInUse() / 1024));
  std::printf("%s.%s.owned_handles=%ld\n", mode, when, win::LiveHandleCount());
  std::printf("%s.%s.gdi_objects=%lu\n", mode, when,
              static_cast<unsigned long>(::GetGuiResources(self, GR_GDIOBJECTS)));
  std::printf("%s.%s.user_objects=%lu\n", mode, when,
              static_cast<unsigned long>(::GetGuiResources(self, GR_USEROBJECTS)));
  std::fflush(stdout);
}

// Runs `seconds` simulated seconds through `second` (called with the second's number).
template <class Second>
void RunSeconds(const char* mode, int seconds, sim::Simulator& simulator, Second second) {
  const int warmUp = seconds < 60 ? seconds : 60;
  for (int s = 1; s <= seconds; ++s) {
    second(s);
    // The simulator's own record of the calls is not the program's memory.
    if (s % 50 == 0) simulator.ClearTrace();
    if (s == warmUp) Report(mode, "start");
  }
  Report(mode, "end");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: PerfHour pyrelix|baseline [seconds]\n");
    return 2;
  }
  const bool pyrelix = std::wcscmp(argv[1], L"pyrelix") == 0;
  const int seconds = argc > 2 ? _wtoi(argv[2]) : 3600;
  const wchar_t* part = argc > 3 ? argv[3] : L"all";
  const auto sends = [part](const wchar_t* what) {
    return std::wcscmp(part, L"all") == 0 || std::wcscmp(part, what) == 0;
  };
  sim::Simulator simulator(sim::DemoScenario());
  sim::ScopedActiveSimulator active(simulator);
  const NvApi driver(&sim::QueryInterface);
  const DWORD started = ::GetTickCount();

  if (pyrelix) {
    auto window = std::make_unique<CPyrelixDlg>(driver);
    if (!window->Create(nullptr)) return 1;
    HWND hwnd = window->hwnd();
    for (UINT_PTR id = 0; id <= 3; ++id) ::KillTimer(hwnd, id);  // the ticks are driven here
    ::ShowWindow(hwnd, SW_SHOW);
    RunSeconds("pyrelix", seconds, simulator, [&](int s) {
      if (sends(L"dial")) ::SendMessageW(hwnd, WM_TIMER, 1, 0);
      if (sends(L"tick")) ::SendMessageW(hwnd, WM_TIMER, 2, 0);
      if (sends(L"dial")) ::SendMessageW(hwnd, WM_TIMER, 1, 0);
      if (sends(L"paint") && s % 10 == 0) {
        ::UpdateWindow(hwnd);
        PumpMessages();
      }
    });
  } else {
    BaselineMonitor monitor(driver);
    monitor.Start();
    RunSeconds("baseline", seconds, simulator, [&](int) {
      monitor.HalfSecondTick();
      monitor.OneSecondTick();
      monitor.HalfSecondTick();
    });
  }
  std::printf("%s.wall_ms=%lu\n", pyrelix ? "pyrelix" : "baseline",
              static_cast<unsigned long>(::GetTickCount() - started));
  return 0;
}
