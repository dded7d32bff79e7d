#include "win/Control.h"

#include <commctrl.h>

namespace win {
namespace {
constexpr UINT_PTR kSubclassId = 0x50595258;  // one subclass of ours per control
}

bool Control::Attach(HWND dialog, int id) {
  Detach();
  HWND item = ::GetDlgItem(dialog, id);
  if (item == nullptr) return false;
  hwnd_ = item;
  PreSubclass();
  ::SetWindowSubclass(item, &Control::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  MessageTarget::Bind(item, this);
  return true;
}

void Control::Detach() {
  if (hwnd_ == nullptr) return;
  ::RemoveWindowSubclass(hwnd_, &Control::SubclassProc, kSubclassId);
  MessageTarget::Unbind(hwnd_);
  hwnd_ = nullptr;
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR /*id*/, DWORD_PTR self) {
  auto* control = reinterpret_cast<Control*>(self);
  if (message == WM_NCDESTROY) {
    control->Detach();
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
  return control->WindowProc(message, wParam, lParam);
}

}  // namespace win
