// PerfBaseline.exe: the baseline monitor with the driver from the system directory, driven by
// the same timers as the main window (500 ms and 1 s), in a small window that paints nothing.
// It runs until its window is closed or the process is ended.
#include <windows.h>

#include "BaselineMonitor.h"
#include "gpu/NvApiLibrary.h"

namespace {

constexpr UINT_PTR kHalfSecond = 1;
constexpr UINT_PTR kOneSecond = 2;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* monitor = reinterpret_cast<BaselineMonitor*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (message) {
    case WM_TIMER:
      if (monitor != nullptr && wParam == kHalfSecond) monitor->HalfSecondTick();
      if (monitor != nullptr && wParam == kOneSecond) monitor->OneSecondTick();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // nothing is painted
    case WM_PAINT: {
      PAINTSTRUCT paint;
      ::BeginPaint(hwnd, &paint);
      ::EndPaint(hwnd, &paint);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  const NvApiLibrary library;
  const NvApi driver(library.QueryInterface());
  BaselineMonitor monitor(driver);

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"PerfBaseline";
  if (::RegisterClassW(&windowClass) == 0) return 1;
  HWND hwnd = ::CreateWindowExW(0, L"PerfBaseline", L"PerfBaseline", WS_POPUP, 0, 0, 200, 100,
                                nullptr, nullptr, instance, nullptr);
  if (hwnd == nullptr) return 1;
  monitor.Start();
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&monitor));
  ::SetTimer(hwnd, kHalfSecond, 500, nullptr);
  ::SetTimer(hwnd, kOneSecond, 1000, nullptr);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);

  MSG msg;
  while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  return 0;
}
