#include "info/CHelpDlg.h"

#include "info/HelpText.h"
#include "resource.h"

namespace {
constexpr wchar_t kTextFace[] = L"Tahoma";
constexpr int kTextHeight = 11;
}  // namespace

CHelpDlg::CHelpDlg() : CSkinPanel(IDD_HELP_DIALOG) {}

void CHelpDlg::HandOver(int32_t transPercent, int32_t transparence) {
  SetTranslucency(transparence, transPercent);
}

bool CHelpDlg::OnInitDialog() {
  InitSkin(627, 461, IDB_HELP_BACKGROUND);
  ApplyTranslucency();

  close_.Attach(hwnd(), IDC_HELP_CLOSE);
  text_.Attach(hwnd(), IDC_HELP_TEXT);
  text_.Move(20, 45, 600, 350);
  ::MoveWindow(Item(IDC_HELP_LINK), 25, 415, 200, 20, TRUE);
  close_.Move(520, 415, 64, 22);
  close_.SetIconFiles(ResourceFile(L"CloseH.ico"), ResourceFile(L"Close.ico"));

  // A face small enough that the 26 lines fit the area without wrapping.
  text_.SetFace(kTextFace);
  text_.SetCharHeight(kTextHeight);
  text_.SetTextColor(RGB(255, 255, 255));
  text_.SetText(HelpText());
  link_.Attach(Item(IDC_HELP_LINK));
  link_.SetLink(kMakerWebAddress, kMakerWebAddress);
  return true;
}

void CHelpDlg::OnCommand(int id, int code) {
  if (id == IDC_HELP_CLOSE) {
    OnCancel();
    return;
  }
  CSkinPanel::OnCommand(id, code);
}

HBRUSH CHelpDlg::OnCtlColor(HDC dc, HWND child, UINT message) {
  HBRUSH brush = CSkinPanel::OnCtlColor(dc, child, message);
  ::SetTextColor(dc, RGB(255, 255, 255));
  return brush;
}
