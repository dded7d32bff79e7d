#include "lighting/CLedDlg.h"

#include <windowsx.h>

#include "controls/SkinResources.h"
#include "resource.h"

namespace {

constexpr int kButtonIds[] = {IDC_LED_CLOSE, IDC_LED_DEF,    IDC_LED_OK,     IDC_LED_CANCEL,
                              IDC_LED_ON,    IDC_LED_OFF,    IDC_LED_STATIC, IDC_LED_STROBE,
                              IDC_LED_WAVE,  IDC_LED_BREATH, IDC_LED_CYCLE};
constexpr int kReadoutIds[3] = {IDC_LED_READ_RED, IDC_LED_READ_GREEN, IDC_LED_READ_BLUE};
constexpr int kEntryIds[3] = {IDC_LED_ENTRY_RED, IDC_LED_ENTRY_GREEN, IDC_LED_ENTRY_BLUE};
constexpr int kReadoutCharHeight = 20;
constexpr int kEntryPoints = 12;
constexpr int kEntryLimit = 3;

}  // namespace

CLedDlg::CLedDlg() : CSkinPanel(IDD_LED_DIALOG) {
  static_assert(sizeof kButtonIds / sizeof kButtonIds[0] == kButtonCount);
}

void CLedDlg::HandOver(GpuTable* gpus, int32_t ledKind, int32_t transparence, int32_t transPercent,
                       const LedStartup& lighting) {
  panel_.HandOver(gpus, ledKind, lighting);
  SetTranslucency(transparence, transPercent);
}

CButtonST* CLedDlg::Button(int id) {
  for (int i = 0; i < kButtonCount; ++i) {
    if (kButtonIds[i] == id) return &buttons_[i];
  }
  return nullptr;
}

bool CLedDlg::OnInitDialog() {
  // The shape is always cut from the board picture; the illumination picture has the same
  // outline.
  InitSkin(kLedPanelWidth, kLedPanelHeight, IDB_LED_BACKGROUND);
  ApplyTranslucency();
  const LedPanelLayout& layout = panel_.layout();
  if (layout.backgroundId == 0) {
    SetBackground(nullptr);
  } else if (layout.backgroundId != IDB_LED_BACKGROUND) {
    SetBackgroundResource(layout.backgroundId);
  }
  if (layout.hasWheel) ReadBitmapPixels(layout.backgroundId, pixels_, pixelsWidth_, pixelsHeight_);

  for (int i = 0; i < kButtonCount; ++i) buttons_[i].Attach(hwnd(), kButtonIds[i]);
  for (int i = 0; i < 3; ++i) readouts_[i].Attach(hwnd(), kReadoutIds[i]);
  PlaceControls();

  SetIcons(*Button(IDC_LED_CLOSE), L"CloseX.ico", L"CloseX.ico");
  SetIcons(*Button(IDC_LED_DEF), L"LedDefH.ico", L"LedDef.ico");
  SetIcons(*Button(IDC_LED_OK), L"LedOkH.ico", L"LedOk.ico");
  SetIcons(*Button(IDC_LED_CANCEL), L"LedCancelH.ico", L"LedCancel.ico");
  if (layout.hideModeButtons) {
    for (int mode = 0; mode < 5; ++mode) {
      ::ShowWindow(Item(LedModeButton(static_cast<uint8_t>(mode))), SW_HIDE);
    }
  }

  for (CLabel& readout : readouts_) {
    readout.SetFace(CLabel::kDefaultFace);
    readout.SetWeight(FW_BOLD);
    readout.SetCharHeight(kReadoutCharHeight);
    readout.SetTextColor(RGB(255, 255, 255));
  }
  LOGFONTW face{};
  {
    win::WindowDC screen(nullptr);
    face.lfHeight = -::MulDiv(kEntryPoints, ::GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
  }
  face.lfCharSet = DEFAULT_CHARSET;
  ::lstrcpynW(face.lfFaceName, CLabel::kDefaultFace, LF_FACESIZE);
  entryFont_.reset(::CreateFontIndirectW(&face));
  for (int id : kEntryIds) {
    ::SendDlgItemMessageW(hwnd(), id, WM_SETFONT, reinterpret_cast<WPARAM>(entryFont_.get()),
                          FALSE);
    ::SendDlgItemMessageW(hwnd(), id, EM_LIMITTEXT, kEntryLimit, 0);
  }

  prompts_ = std::make_unique<MsgDlgSink>(hwnd());
  panel_.Start(*this, *prompts_);
  return true;
}

void CLedDlg::PlaceControls() {
  for (const LedPlacement& place : panel_.layout().placements) {
    ::MoveWindow(Item(place.id), place.rect.x, place.rect.y, place.rect.width, place.rect.height,
                 TRUE);
  }
}

void CLedDlg::SetIcons(CButtonST& button, const wchar_t* hover, const wchar_t* normal) {
  button.SetIconFiles(ResourceFile(hover), ResourceFile(normal));
}

void CLedDlg::ShowPowerLook(bool on) {
  const wchar_t* onIcon = on ? L"LedOnH.ico" : L"LedOn.ico";
  const wchar_t* offIcon = on ? L"LedOff.ico" : L"LedOffH.ico";
  SetIcons(*Button(IDC_LED_ON), onIcon, onIcon);
  SetIcons(*Button(IDC_LED_OFF), offIcon, offIcon);
}

void CLedDlg::ShowModeLook(int checkedId) {
  for (int mode = 0; mode < 5; ++mode) {
    const int id = LedModeButton(static_cast<uint8_t>(mode));
    const wchar_t* icon = id == checkedId ? L"LedCheck.ico" : L"LedCheckUn.ico";
    SetIcons(*Button(id), icon, icon);
  }
}

void CLedDlg::ShowReadout(int channel, uint8_t value) {
  if (channel >= 0 && channel < 3) readouts_[channel].SetText(std::to_wstring(value));
}

void CLedDlg::ShowEntry(int channel, uint8_t value) {
  if (channel >= 0 && channel < 3) {
    ::SetDlgItemTextW(hwnd(), kEntryIds[channel], std::to_wstring(value).c_str());
  }
}

std::wstring CLedDlg::EntryText(int channel) {
  if (channel < 0 || channel >= 3) return {};
  HWND field = Item(kEntryIds[channel]);
  const int length = ::GetWindowTextLengthW(field);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(field, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void CLedDlg::FocusEntry(int channel) {
  if (channel < 0 || channel >= 3) return;
  HWND field = Item(kEntryIds[channel]);
  ::SetFocus(field);
  ::SendMessageW(field, EM_SETSEL, 0, -1);
}

uint32_t CLedDlg::PanelPixel(int x, int y) {
  if (x < 0 || y < 0 || x >= pixelsWidth_ || y >= pixelsHeight_) return 0;
  return pixels_[static_cast<size_t>(y) * static_cast<size_t>(pixelsWidth_) +
                 static_cast<size_t>(x)];
}

bool CLedDlg::IsEntryField(HWND window) const {
  for (int id : kEntryIds) {
    if (window != nullptr && window == Item(id)) return true;
  }
  return false;
}

bool CLedDlg::PreTranslateMessage(MSG& msg) {
  const bool keyDown = msg.message == WM_KEYDOWN;
  switch (LedKeyActionFor(keyDown, static_cast<unsigned>(msg.wParam), IsEntryField(msg.hwnd))) {
    case LedKeyAction::kCommitEntry: {
      // The field sees the focus go and commits its value.
      HWND parent = ::GetParent(hwnd());
      ::SetFocus(parent != nullptr ? parent : hwnd());
      return true;
    }
    case LedKeyAction::kSwallow:
      return true;
    case LedKeyAction::kPass:
    default:
      return CSkinPanel::PreTranslateMessage(msg);
  }
}

void CLedDlg::OnCommand(int id, int code) {
  if (LedEntryChannel(id) >= 0) {
    if (code == EN_KILLFOCUS) panel_.CommitEntry(id);
    return;
  }
  if (Button(id) != nullptr) {
    if (code == BN_CLICKED && panel_.Command(id)) Hide();
    return;
  }
  CSkinPanel::OnCommand(id, code);
}

void CLedDlg::OnLButtonDown(POINT at) {
  if (panel_.Press(at.x, at.y)) ::SetCapture(hwnd());
  CSkinPanel::OnLButtonDown(at);
}

INT_PTR CLedDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      panel_.Drag(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), ::GetCapture() == hwnd());
      return TRUE;
    case WM_LBUTTONUP:
      if (panel_.Release(::GetCapture() == hwnd())) ::ReleaseCapture();
      return TRUE;
    default:
      return CSkinPanel::HandleMessage(message, wParam, lParam);
  }
}
