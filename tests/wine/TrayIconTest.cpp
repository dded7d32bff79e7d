// The notification-area icon of the main window: hiding behind it and coming back.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <memory>

#include "SimulatedDriver.h"
#include "app/CPyrelixDlg.h"
#include "app/TrayIcon.h"
#include "resource.h"
#include "sim/DemoScenario.h"

namespace {

// Changing an icon succeeds only while it exists.
bool IconExists(HWND window) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = tray::kIconId;
  record.uFlags = NIF_TIP;
  return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

void PressMinimize(HWND window) {
  ::SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_MAIN_MINIMIZE, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(window, IDC_MAIN_MINIMIZE)));
}

TEST(TrayIcon, MinimizeHidesBehindTheIconAndADoubleClickBringsTheWindowBack) {
  SimulatedDriver driver(sim::DemoScenario());
  auto window = std::make_unique<CPyrelixDlg>(driver.api);
  ASSERT_TRUE(window->Create(nullptr));
  HWND hwnd = window->hwnd();
  ::ShowWindow(hwnd, SW_SHOW);

  PressMinimize(hwnd);
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  EXPECT_TRUE(IconExists(hwnd));

  ::SendMessageW(hwnd, tray::kCallbackMessage, tray::kIconId, WM_MOUSEMOVE);
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  ::SendMessageW(hwnd, tray::kCallbackMessage, tray::kIconId, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  EXPECT_FALSE(IconExists(hwnd));
}

// Drives the icon's menu from a timer while the main window runs modally: minimise, right-click
// the icon, answer the menu, then look and close whatever is still open.
struct MenuScript {
  HWND window = nullptr;
  UINT message = 0;  // what is posted to the open menu
  WPARAM key = 0;
  int step = 0;
  bool menuSeen = false;
  bool visibleAfter = false;
  bool iconAfter = false;
};
MenuScript* script = nullptr;

void CALLBACK MenuStep(HWND, UINT, UINT_PTR, DWORD) {
  if (script->window == nullptr) {
    script->window = ::FindWindowW(nullptr, L"Pyrelix");
    if (script->window == nullptr || !::IsWindowVisible(script->window)) return;
  }
  switch (script->step++) {
    case 0:
      PressMinimize(script->window);
      ::PostMessageW(script->window, tray::kCallbackMessage, tray::kIconId, WM_RBUTTONUP);
      break;
    case 1:
      if (HWND menu = ::FindWindowW(L"#32768", nullptr); menu != nullptr) {
        script->menuSeen = ::IsWindowVisible(menu) != FALSE;
        ::PostMessageW(menu, script->message, script->key, 0);
      }
      break;
    case 2:
      script->visibleAfter = ::IsWindowVisible(script->window) != FALSE;
      script->iconAfter = IconExists(script->window);
      break;
    default:
      ::PostMessageW(script->window, WM_CLOSE, 0, 0);
      break;
  }
}

TEST(TrayIcon, MenuChoices) {
  struct Case {
    const char* name;
    UINT message;
    WPARAM key;
    INT_PTR result;
    bool visible;
    bool icon;
  } cases[] = {
      {"open", WM_CHAR, 'o', IDCANCEL, true, false},
      {"exit", WM_CHAR, 'e', IDOK, false, true},  // ends from the hidden state
      {"escape", WM_KEYDOWN, VK_ESCAPE, IDCANCEL, false, true},
  };
  for (const Case& c : cases) {
    SimulatedDriver driver(sim::DemoScenario());
    CPyrelixDlg window(driver.api);
    MenuScript steps;
    steps.message = c.message;
    steps.key = c.key;
    script = &steps;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 150, &MenuStep);
    const INT_PTR result = window.DoModal();
    ::KillTimer(nullptr, timer);
    script = nullptr;
    if (steps.window != nullptr) tray::Remove(steps.window);
    EXPECT_TRUE(steps.menuSeen) << c.name;
    EXPECT_EQ(result, c.result) << c.name;
    if (c.result == IDCANCEL) {
      EXPECT_EQ(steps.visibleAfter, c.visible) << c.name;
      EXPECT_EQ(steps.iconAfter, c.icon) << c.name;
    }
  }
}

}  // namespace
