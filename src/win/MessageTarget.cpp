#include "win/MessageTarget.h"

namespace win {
namespace {
constexpr wchar_t kTargetProperty[] = L"Pyrelix.MessageTarget";
}

void MessageTarget::Bind(HWND window, MessageTarget* target) {
  ::SetPropW(window, kTargetProperty, target);
}

void MessageTarget::Unbind(HWND window) {
  ::RemovePropW(window, kTargetProperty);
}

MessageTarget* MessageTarget::FromWindow(HWND window) {
  return static_cast<MessageTarget*>(::GetPropW(window, kTargetProperty));
}

void RunMessageLoop(const bool& done) {
  MSG msg;
  while (!done) {
    const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    bool handled = false;
    for (HWND w = msg.hwnd; w != nullptr && !handled; w = ::GetParent(w)) {
      if (MessageTarget* target = MessageTarget::FromWindow(w)) {
        handled = target->PreTranslateMessage(msg);
      }
      if ((::GetWindowLongPtrW(w, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    if (handled) continue;
    HWND root = msg.hwnd != nullptr ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && ::IsDialogMessageW(root, &msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace win
