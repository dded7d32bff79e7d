#include "win/Dialog.h"

#include <windowsx.h>

namespace win {

Dialog::~Dialog() {
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

HWND Dialog::CreateWindowFromTemplate(HWND owner) {
  return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), owner,
                              &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::DoModal(HWND owner) {
  ended_ = false;
  modal_ = true;
  const bool ownerWasEnabled = owner != nullptr && ::IsWindowEnabled(owner);
  if (ownerWasEnabled) ::EnableWindow(owner, FALSE);
  if (CreateWindowFromTemplate(owner) == nullptr) {
    if (ownerWasEnabled) ::EnableWindow(owner, TRUE);
    modal_ = false;
    return -1;
  }
  if (!ended_) {
    ::ShowWindow(hwnd_, SW_SHOW);
    RunMessageLoop(ended_);
  }
  if (ownerWasEnabled) {
    ::EnableWindow(owner, TRUE);
    ::SetActiveWindow(owner);
  }
  if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
  modal_ = false;
  return result_;
}

bool Dialog::Create(HWND owner) {
  modal_ = false;
  return CreateWindowFromTemplate(owner) != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
  result_ = result;
  ended_ = true;
  if (!modal_ && hwnd_ != nullptr) ::ShowWindow(hwnd_, SW_HIDE);
}

bool Dialog::PreTranslateMessage(MSG& msg) {
  return msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE);
}

void Dialog::OnCommand(int id, int /*code*/) {
  if (id == IDOK) OnOK();
  if (id == IDCANCEL) OnCancel();
}

HBRUSH Dialog::OnCtlColor(HDC dc, HWND child, UINT message) {
  if (MessageTarget::FromWindow(child) != nullptr) {
    return reinterpret_cast<HBRUSH>(
        ::SendMessageW(child, kReflectBase + message, reinterpret_cast<WPARAM>(dc), 0));
  }
  return nullptr;
}

INT_PTR Dialog::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_TIMER:
      OnTimer(wParam);
      return TRUE;
    case WM_ERASEBKGND:
      if (OnEraseBackground(reinterpret_cast<HDC>(wParam))) {
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    case WM_PAINT:
      OnPaint();
      return TRUE;
    case WM_LBUTTONDOWN:
      OnLButtonDown({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      return TRUE;
    case WM_SIZE:
      OnSize();
      return FALSE;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (MessageTarget::FromWindow(item->hwndItem) != nullptr) {
        ::SendMessageW(item->hwndItem, kReflectDrawItem, wParam, lParam);
        ::SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
        return TRUE;
      }
      return FALSE;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return reinterpret_cast<INT_PTR>(
          OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), message));
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default:
      return FALSE;
  }
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->hwnd_ = window;
    ::SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
    MessageTarget::Bind(window, self);
  } else {
    self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, DWLP_USER));
  }
  if (self == nullptr) return FALSE;
  const INT_PTR result = self->HandleMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    // Cut the window loose before the object can go away.
    MessageTarget::Unbind(window);
    ::SetWindowLongPtrW(window, DWLP_USER, 0);
    self->hwnd_ = nullptr;
    self->ended_ = true;
  }
  return result;
}

}  // namespace win
