// The program's skinned message box: picture background, one block of white bold text, and an
// OK (result 1) and a Cancel (result 2) icon button, both always shown.
#pragma once

#include <string>

#include "controls/CBkDialogST.h"
#include "controls/CButtonST.h"
#include "controls/CLabel.h"
#include "controls/MessageSink.h"

class CMsgDlg : public CBkDialogST {
 public:
  CMsgDlg();
  void SetMessage(const std::wstring& text) { message_ = text; }

 protected:
  bool OnInitDialog() override;
  void OnCommand(int id, int code) override;
  HBRUSH OnCtlColor(HDC dc, HWND child, UINT message) override;

 private:
  std::wstring resourceDir_;
  std::wstring message_;
  CLabel text_;
  CButtonST ok_;
  CButtonST cancel_;
};

// Shows each message in a fresh CMsgDlg owned by `owner`.
class MsgDlgSink : public MessageSink {
 public:
  explicit MsgDlgSink(HWND owner = nullptr) : owner_(owner) {}
  int ShowMessage(const std::wstring& text) override;

 private:
  HWND owner_;
};
