#include "app/TrayIcon.h"

#include <shellapi.h>

#include <cwchar>

#include "win/Handles.h"

static_assert(sizeof(NOTIFYICONDATAW) == 956, "the icon record is the full wide-character one");

namespace tray {
namespace {

NOTIFYICONDATAW Record(HWND window, HICON icon) {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window;
  record.uID = kIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kCallbackMessage;
  record.hIcon = icon;
  std::wcscpy(record.szTip, L"Pyrelix");
  return record;
}

}  // namespace

void Add(HWND window, HICON icon) {
  NOTIFYICONDATAW record = Record(window, icon);
  ::Shell_NotifyIconW(NIM_ADD, &record);
}

void Remove(HWND window) {
  NOTIFYICONDATAW record = Record(window, nullptr);
  ::Shell_NotifyIconW(NIM_DELETE, &record);
}

UINT TrackMenu(HWND window) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  ::SetForegroundWindow(window);
  win::Menu menu(::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kMenuResource)));
  if (!menu) return 0;
  HMENU popup = ::GetSubMenu(menu.get(), 0);
  if (popup == nullptr) return 0;
  return static_cast<UINT>(::TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                            cursor.x, cursor.y, 0, window, nullptr));
}

void OpenHomePage(HWND window) {
  ::ShellExecuteW(window, L"open", kHomePage, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace tray
