#include "info/CInfoDlg.h"

#include "resource.h"

static_assert(IDC_INFO_VERSION - IDC_INFO_NAME + 1 == kInfoFieldCount,
              "one label id per field, in the order of the fields");

namespace {

struct LabelPlace {
  int x, y, width, height;
};

// Where each field's label lies, in the order of the fields (ids 1035 to 1047).
constexpr LabelPlace kLabelPlaces[kInfoFieldCount] = {
    {85, 48, 150, 16},  {85, 78, 150, 16},  {85, 106, 150, 16}, {85, 135, 150, 16},
    {85, 162, 200, 16}, {85, 190, 150, 16}, {80, 218, 30, 16},  {227, 218, 30, 16},
    {80, 242, 30, 16},  {227, 242, 30, 16}, {80, 266, 30, 16},  {227, 266, 30, 16},
    {20, 295, 200, 20},
};

// The driver's single-byte text in the system's code page, whole.
std::wstring WideFromCodePage(const std::string& text) {
  if (text.empty()) return std::wstring();
  const int length =
      ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (length <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

CInfoDlg::CInfoDlg() : CSkinPanel(IDD_INFO_DIALOG) {}

void CInfoDlg::HandOver(GpuTable* gpus, int32_t transPercent, int32_t transparence) {
  gpus_ = gpus;
  SetTranslucency(transparence, transPercent);
}

void CInfoDlg::Refill() {
  if (!HasWindow() || gpus_ == nullptr) return;
  const InfoTexts texts = ReadInfoTexts(*gpus_);
  for (size_t i = 0; i < kInfoFieldCount; ++i) labels_[i].SetText(WideFromCodePage(texts[i]));
}

bool CInfoDlg::OnInitDialog() {
  InitSkin(324, 325, IDB_INFO_BACKGROUND, RGB(0x4D, 0x00, 0x55));
  ApplyTranslucency();

  close_.Attach(hwnd(), IDC_INFO_CLOSE);
  close_.Move(225, 295, 64, 22);
  for (size_t i = 0; i < kInfoFieldCount; ++i) {
    labels_[i].Attach(hwnd(), IDC_INFO_NAME + static_cast<int>(i));
    const LabelPlace& place = kLabelPlaces[i];
    labels_[i].Move(place.x, place.y, place.width, place.height);
  }
  close_.SetIconFiles(ResourceFile(L"CloseH.ico"), ResourceFile(L"Close.ico"));

  for (CLabel& label : labels_) {
    label.SetFace(CLabel::kDefaultFace);
    label.SetTextColor(RGB(255, 255, 255));
    label.SetCharHeight(12);
  }
  CLabel& version = labels_[kInfoProgramVersion];
  version.SetWeight(FW_BOLD);
  version.SetCharHeight(14);

  Refill();
  return true;
}
