// The dialog base: runs modal or modeless from a template id, turns messages into On… handlers
// in one HandleMessage, and reflects owner-draw and colour requests to attached controls.
// Enter and Escape never reach the dialog manager, so neither key closes a window.
#pragma once

#include <windows.h>

#include "win/MessageTarget.h"

namespace win {

class Dialog : public MessageTarget {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  ~Dialog() override;
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally; returns the value given to EndDialog (-1 when it cannot be created).
  INT_PTR DoModal(HWND owner = nullptr);
  // Creates the dialog's window modeless (hidden until shown); false when it cannot be created.
  bool Create(HWND owner);
  void EndDialog(INT_PTR result);

  HWND hwnd() const { return hwnd_; }
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
  bool PreTranslateMessage(MSG& msg) override;

 protected:
  virtual INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  virtual bool OnInitDialog() { return true; }
  virtual void OnCommand(int id, int code);
  virtual void OnTimer(UINT_PTR /*id*/) {}
  virtual void OnOK() { EndDialog(IDOK); }
  virtual void OnCancel() { EndDialog(IDCANCEL); }
  // Colours of a child control; the base lets the control answer first (reflection).
  virtual HBRUSH OnCtlColor(HDC dc, HWND child, UINT message);
  virtual bool OnEraseBackground(HDC /*dc*/) { return false; }
  virtual void OnPaint() { ::DefWindowProcW(hwnd_, WM_PAINT, 0, 0); }
  virtual void OnLButtonDown(POINT /*at*/) {}
  virtual void OnSize() {}
  virtual void OnDestroy() {}

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND CreateWindowFromTemplate(HWND owner);

  int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  bool ended_ = false;
  INT_PTR result_ = 0;
};

}  // namespace win
