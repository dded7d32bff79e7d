#include "vbios/CBiosDlg.h"

#include "resource.h"

CBiosDlg::CBiosDlg() : CSkinPanel(IDD_BIOS_DIALOG) {}

void CBiosDlg::HandOver(int32_t transPercent, int32_t transparence) {
  SetTranslucency(transparence, transPercent);
}

bool CBiosDlg::OnInitDialog() {
  InitSkin(386, 281, IDB_BIOS_BACKGROUND, RGB(0, 0, 255));
  ApplyTranslucency();
  save_.Attach(hwnd(), IDC_BIOS_SAVE);
  load_.Attach(hwnd(), IDC_BIOS_LOAD);
  close_.Attach(hwnd(), IDC_BIOS_CLOSE);
  save_.Move(80, 60, 78, 26);
  load_.Move(80, 100, 78, 26);
  close_.Move(280, 240, 64, 22);
  save_.SetIconFiles(ResourceFile(L"SaveVBiosH.ico"), ResourceFile(L"SaveVBios.ico"));
  load_.SetIconFiles(ResourceFile(L"FlashVBiosH.ico"), ResourceFile(L"FlashVBios.ico"));
  close_.SetIconFiles(ResourceFile(L"CloseH.ico"), ResourceFile(L"Close.ico"));
  systemDialogs_.SetOwner(hwnd());
  messages_ = MsgDlgSink(hwnd());
  return true;
}

VbiosFlow CBiosDlg::Flow() {
  RomFileChooser& files = chooser_ != nullptr ? *chooser_ : systemDialogs_;
  return VbiosFlow(platform_, files, messages_);
}

void CBiosDlg::OnCommand(int id, int code) {
  // Both operations block the panel until the tool has ended, as the tool expects.
  switch (id) {
    case IDC_BIOS_SAVE:
      Flow().Save();
      return;
    case IDC_BIOS_LOAD:
      Flow().Flash();
      return;
    case IDC_BIOS_CLOSE:
      OnCancel();
      return;
    default:
      CSkinPanel::OnCommand(id, code);
  }
}
