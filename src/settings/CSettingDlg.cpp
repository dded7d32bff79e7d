#include "settings/CSettingDlg.h"

#include "resource.h"
#include "settings/WindowServices.h"

namespace {

struct CheckButton {
  SettingOption option;
  int id;
  int x, y;
};
constexpr CheckButton kChecks[4] = {
    {SettingOption::kLaunch, IDC_SET_RUN, 15, 32},
    {SettingOption::kMinimise, IDC_SET_MIN, 15, 62},
    {SettingOption::kOverclock, IDC_SET_OC, 15, 92},
    {SettingOption::kTransparency, IDC_SET_TRA, 15, 122},
};

// The combo's window holds its drop-down list too: the selection field is 20 pixels high and
// the list below it has room for all ten entries.
constexpr int kOpacityFieldHeight = 20;
constexpr int kOpacityDroppedHeight = kOpacityFieldHeight + 10 * 16 + 4;

}  // namespace

// Apply's effects on the windows: this panel directly, the others through the main window.
class CSettingDlg::Windows : public TranslucencyTarget {
 public:
  explicit Windows(CSettingDlg& panel) : panel_(panel) {}
  void SetPanelOpacity(int percent) override { SetTransparency(percent, panel_.hwnd()); }
  void MakePanelOpaque() override { RemoveTransparency(panel_.hwnd()); }
  void ApplyToAll(int32_t on, int32_t level) override {
    if (panel_.applyTransparencyToAll_) panel_.applyTransparencyToAll_(on, level);
  }

 private:
  CSettingDlg& panel_;
};

CSettingDlg::CSettingDlg() : CSkinPanel(IDD_SETTING_DIALOG) {}

CSettingDlg::~CSettingDlg() = default;

void CSettingDlg::HandOver(const std::wstring& configFileName, int32_t transparence,
                           int32_t transPercent, GpuTable* gpus) {
  configFileName_ = configFileName;
  gpus_ = gpus;
  SetTranslucency(transparence, transPercent);
}

bool CSettingDlg::OnInitDialog() {
  // The panel opens opaque whatever the setting; it takes the setting when Apply runs.
  InitSkin(385, 263, IDB_SETTING_BACKGROUND);

  for (const CheckButton& check : kChecks) checks_[int(check.option)].Attach(hwnd(), check.id);
  apply_.Attach(hwnd(), IDC_SET_APPLY);
  close_.Attach(hwnd(), IDC_SET_CLOSE);
  HWND list = Item(IDC_SET_OPACITY);
  for (const wchar_t* entry : kOpacityEntries) {
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
  }

  messages_ = std::make_unique<MsgDlgSink>(hwnd());
  file_ = std::make_unique<CIniFile>(files_, configFileName_);
  model_ = std::make_unique<SettingsModel>(*file_, registry_, *messages_);
  model_->Load(transparence(), transPercent());
  RefreshOpacityList();

  for (const CheckButton& check : kChecks) RefreshCheck(check.option);
  apply_.SetIconFiles(ResourceFile(L"ApplyH.ico"), ResourceFile(L"Apply.ico"));
  close_.SetIconFiles(ResourceFile(L"CloseH.ico"), ResourceFile(L"Close.ico"));

  for (const CheckButton& check : kChecks)
    checks_[int(check.option)].Move(check.x, check.y, 16, 16);
  ::MoveWindow(list, 260, 122, 80, kOpacityDroppedHeight, TRUE);
  ::SendMessageW(list, CB_SETITEMHEIGHT, WPARAM(-1), kOpacityFieldHeight - 6);
  apply_.Move(200, 220, 64, 22);
  close_.Move(280, 220, 64, 22);
  return true;
}

void CSettingDlg::RefreshCheck(SettingOption option) {
  const std::wstring icon = ResourceFile(CheckIconFor(model_->IsSet(option)));
  checks_[int(option)].SetIconFiles(icon, icon);
}

void CSettingDlg::RefreshOpacityList() {
  HWND list = Item(IDC_SET_OPACITY);
  ::SendMessageW(list, CB_SETCURSEL, WPARAM(model_->OpacityIndex()), 0);
  ::ShowWindow(list, model_->OpacityListShown() ? SW_SHOW : SW_HIDE);
}

void CSettingDlg::OnCommand(int id, int code) {
  for (const CheckButton& check : kChecks) {
    if (id == check.id && model_) {
      model_->Toggle(check.option);
      RefreshCheck(check.option);
      if (check.option == SettingOption::kTransparency) {
        ::ShowWindow(Item(IDC_SET_OPACITY), model_->OpacityListShown() ? SW_SHOW : SW_HIDE);
      }
      return;
    }
  }
  switch (id) {
    case IDC_SET_OPACITY:
      if (code == CBN_SELENDCANCEL && model_) {
        model_->OpacitySelectionEnded(
            int(::SendMessageW(Item(IDC_SET_OPACITY), CB_GETCURSEL, 0, 0)));
      }
      return;
    case IDC_SET_APPLY:
      Apply();
      return;
    case IDC_SET_CLOSE:
      OnCancel();
      return;
    default:
      CSkinPanel::OnCommand(id, code);
  }
}

void CSettingDlg::Apply() {
  if (!model_) return;
  Windows windows(*this);
  model_->Apply(windows);
}
