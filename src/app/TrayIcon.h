// The main window's icon in the notification area: present only while the window is hidden.
#pragma once

#include <windows.h>

#include "resource.h"

namespace tray {

constexpr UINT kIconId = 128;
constexpr UINT kCallbackMessage = WM_USER + 64;  // 0x440
constexpr int kMenuResource = IDR_TRAY_MENU;
constexpr UINT kCommandHome = ID_TRAY_HOME;
constexpr UINT kCommandOpen = ID_TRAY_OPEN;
constexpr UINT kCommandExit = ID_TRAY_EXIT;
// The program's web page, opened by the menu's Home item.
constexpr const wchar_t* kHomePage = L"https://pyrelix.example.org/";

// Adds the icon (id 128, message/icon/tip, the callback message, tip "Pyrelix") for `window`.
void Add(HWND window, HICON icon);
// Deletes the icon of `window`.
void Remove(HWND window);
// Shows the icon's menu at the cursor with `window` in the foreground; answers the chosen
// command, 0 when the menu was dismissed.
UINT TrackMenu(HWND window);
// Opens the program's web page in the default browser.
void OpenHomePage(HWND window);

}  // namespace tray
