#include "controls/CMsgDlg.h"

#include "resource.h"
#include "settings/PathRules.h"
#include "settings/WindowServices.h"

CMsgDlg::CMsgDlg() : CBkDialogST(IDD_MSG_DIALOG) {}

bool CMsgDlg::OnInitDialog() {
  ::SetDlgItemTextW(hwnd(), IDC_MSG_TEXT, message_.c_str());
  text_.Attach(hwnd(), IDC_MSG_TEXT);
  ok_.Attach(hwnd(), IDC_MSG_OK);
  cancel_.Attach(hwnd(), IDC_MSG_CANCEL);

  ::SetWindowPos(hwnd(), nullptr, 0, 0, 351, 127, SWP_NOMOVE | SWP_NOZORDER);
  resourceDir_ = ResourceDirectoryOf(GetExeDirectory(hwnd()));
  SetBackgroundResource(IDB_MSG_BACKGROUND);
  ShapeFromBitmap(IDB_MSG_BACKGROUND, RGB(0, 0, 255));
  dragAnywhere = true;

  text_.Move(90, 20, 240, 70);
  ok_.Move(100, 90, 72, 26);
  cancel_.Move(220, 90, 72, 26);
  ok_.SetIconFiles(resourceDir_ + L"YesH.ico", resourceDir_ + L"Yes.ico");
  cancel_.SetIconFiles(resourceDir_ + L"NoH.ico", resourceDir_ + L"No.ico");

  text_.SetFace(CLabel::kDefaultFace);
  text_.SetWeight(FW_BOLD);
  text_.SetCharHeight(12);
  return true;
}

void CMsgDlg::OnCommand(int id, int code) {
  if (id == IDC_MSG_OK) OnOK();
  if (id == IDC_MSG_CANCEL) OnCancel();
  // IDOK / IDCANCEL from the system (Alt+F4 closes as Cancel) go to the base.
  CBkDialogST::OnCommand(id, code);
}

HBRUSH CMsgDlg::OnCtlColor(HDC dc, HWND child, UINT message) {
  HBRUSH brush = CBkDialogST::OnCtlColor(dc, child, message);
  if (child == text_.hwnd()) ::SetTextColor(dc, RGB(255, 255, 255));
  return brush;
}

int MsgDlgSink::ShowMessage(const std::wstring& text) {
  CMsgDlg box;
  box.SetMessage(text);
  return static_cast<int>(box.DoModal(owner_));
}
