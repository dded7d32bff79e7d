// Base of every framework object bound to a window (dialogs and attached controls), so that the
// message loop can find the object behind a window and let it pre-translate messages.
#pragma once

#include <windows.h>

namespace win {

class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  // Called by the message loop before the message is dispatched, for the target window and then
  // each of its parents; true means the message was handled and goes no further.
  virtual bool PreTranslateMessage(MSG& /*msg*/) { return false; }

  // Binds and unbinds an object to its window.
  static void Bind(HWND window, MessageTarget* target);
  static void Unbind(HWND window);
  static MessageTarget* FromWindow(HWND window);
};

// Runs the message loop until `done` becomes true or WM_QUIT arrives (which is posted again so
// an outer loop sees it too). Each message is first offered to the objects along its window's
// parent chain, then to the dialog manager of its top-level window.
void RunMessageLoop(const bool& done);

// Messages a dialog reflects to the child control that caused them.
constexpr UINT kReflectBase = WM_APP + 0x2000;
constexpr UINT kReflectDrawItem = kReflectBase + WM_DRAWITEM;
constexpr UINT kReflectCtlColorStatic = kReflectBase + WM_CTLCOLORSTATIC;
constexpr UINT kReflectCtlColorEdit = kReflectBase + WM_CTLCOLOREDIT;

}  // namespace win
