#include "settings/WindowServices.h"

#include <vector>

#include "settings/PathRules.h"
#include "settings/Transparency.h"

std::wstring GetExeDirectory(HWND window) {
  const std::wstring path = GetExePath(window);
  return path.empty() ? path : DirectoryOf(path);
}

std::wstring GetExePath(HWND window) {
  HMODULE module = window != nullptr
                       ? reinterpret_cast<HMODULE>(::GetWindowLongPtrW(window, GWLP_HINSTANCE))
                       : nullptr;
  // Grow the buffer until the whole name fits: long paths are never cut.
  std::vector<wchar_t> name(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameW(module, name.data(), DWORD(name.size()));
    if (length == 0) return std::wstring();
    if (length < name.size()) return std::wstring(name.data(), length);
    if (name.size() >= 32768) return std::wstring();
    name.resize(name.size() * 2);
  }
}

void SetTransparency(int percent, HWND window) {
  using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (user32 == nullptr) return;
  FARPROC address = ::GetProcAddress(user32, "SetLayeredWindowAttributes");
  if (address == nullptr) return;
  SetLayeredFn setLayered = nullptr;
  static_assert(sizeof setLayered == sizeof address, "pointer sizes");
  memcpy(&setLayered, &address, sizeof setLayered);
  const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
  ::SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  setLayered(window, 0, static_cast<BYTE>(AlphaForPercent(percent)), LWA_ALPHA);
}

void RemoveTransparency(HWND window) {
  const LONG_PTR exStyle = ::GetWindowLongPtrW(window, GWL_EXSTYLE);
  if ((exStyle & WS_EX_LAYERED) == 0) return;
  ::SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}
