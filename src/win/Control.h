// A control object attached to a dialog item by subclassing. It sees every message of the item
// first (WindowProc) and receives the owner-draw and colour requests its dialog reflects to it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "win/MessageTarget.h"

namespace win {

class Control : public MessageTarget {
 public:
  Control() = default;
  ~Control() override { Detach(); }
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Attaches to item `id` of `dialog`; false when there is no such item.
  bool Attach(HWND dialog, int id);
  void Detach();
  HWND hwnd() const { return hwnd_; }
  void Move(int x, int y, int width, int height) const {
    ::MoveWindow(hwnd_, x, y, width, height, TRUE);
  }

 protected:
  virtual void PreSubclass() {}
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
  }
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefSubclassProc(hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self);
  HWND hwnd_ = nullptr;
};

}  // namespace win
