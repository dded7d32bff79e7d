#include "overclock/CAdvanceDlg.h"

#include <vector>

#include "resource.h"

namespace {

// Controls of each row, in the panel's row order (OcRow).
constexpr int kSliderIds[kOcRowCount] = {
    IDC_ADV_CORE_SLIDER,  IDC_ADV_OVERVOLT_SLIDER, IDC_ADV_MEM_SLIDER, IDC_ADV_FRAME_SLIDER,
    IDC_ADV_POWER_SLIDER, IDC_ADV_TEMP_SLIDER,     IDC_ADV_FAN_SLIDER, IDC_ADV_DISPLAY_SLIDER};
constexpr int kEditIds[kOcRowCount] = {IDC_ADV_CORE_EDIT,  IDC_ADV_OVERVOLT_EDIT, IDC_ADV_MEM_EDIT,
                                       IDC_ADV_FRAME_EDIT, IDC_ADV_POWER_EDIT,    IDC_ADV_TEMP_EDIT,
                                       IDC_ADV_FAN_EDIT,   IDC_ADV_DISPLAY_EDIT};
constexpr int kPlusIds[kOcRowCount] = {IDC_ADV_CORE_PLUS,  IDC_ADV_OVERVOLT_PLUS, IDC_ADV_MEM_PLUS,
                                       IDC_ADV_FRAME_PLUS, IDC_ADV_POWER_PLUS,    IDC_ADV_TEMP_PLUS,
                                       IDC_ADV_FAN_PLUS,   IDC_ADV_DISPLAY_PLUS};
constexpr int kMinusIds[kOcRowCount] = {
    IDC_ADV_CORE_MINUS,  IDC_ADV_OVERVOLT_MINUS, IDC_ADV_MEM_MINUS, IDC_ADV_FRAME_MINUS,
    IDC_ADV_POWER_MINUS, IDC_ADV_TEMP_MINUS,     IDC_ADV_FAN_MINUS, IDC_ADV_DISPLAY_MINUS};
// Client y of each row's buttons and slider, and of its edit.
constexpr int kRowY[kOcRowCount] = {32, 95, 164, 226, 288, 344, 410, 494};
constexpr int kEditY[kOcRowCount] = {30, 94, 162, 225, 287, 342, 408, 492};

// Control id of each OcButton, in the enum's order.
int ButtonId(int index) {
  static const std::vector<int> ids = [] {
    std::vector<int> v = {IDC_ADV_OVERVOLT_SWITCH, IDC_ADV_FRAME_SWITCH, IDC_ADV_LINK,
                          IDC_ADV_DISPLAY_SWITCH,  IDC_ADV_FAN_AUTO,     IDC_ADV_FAN_MANUAL,
                          IDC_ADV_FAN_CURVE,       IDC_ADV_PROFILES,     IDC_ADV_PROFILE1,
                          IDC_ADV_PROFILE2,        IDC_ADV_PROFILE3,     IDC_ADV_SAVE,
                          IDC_ADV_SLOT1,           IDC_ADV_SLOT2,        IDC_ADV_SLOT3};
    for (int k = 0; k < kMaxGpuButtons; ++k) v.push_back(IDC_ADV_GPU1 + k);
    v.insert(v.end(), {IDC_ADV_ALL_GPUS, IDC_ADV_RESET, IDC_ADV_APPLY, IDC_ADV_CLOSE});
    v.insert(v.end(), std::begin(kPlusIds), std::end(kPlusIds));
    v.insert(v.end(), std::begin(kMinusIds), std::end(kMinusIds));
    return v;
  }();
  return index >= 0 && index < static_cast<int>(ids.size()) ? ids[index] : 0;
}

struct Place {
  int id, x, y, width, height;
};

// Everything that is not part of a slider row.
constexpr Place kPlaces[] = {
    {IDC_ADV_CLOCK_LABEL, 537, 49, 28, 18},     {IDC_ADV_UNIT_LABEL, 575, 94, 20, 18},
    {IDC_ADV_OVERVOLT_SWITCH, 610, 96, 24, 26}, {IDC_ADV_FRAME_SWITCH, 610, 220, 24, 26},
    {IDC_ADV_LINK, 626, 320, 12, 16},           {IDC_ADV_FAN_CURVE, 430, 430, 56, 22},
    {IDC_ADV_FAN_AUTO, 490, 430, 50, 20},       {IDC_ADV_FAN_MANUAL, 546, 430, 50, 20},
    {IDC_ADV_DISPLAY_SWITCH, 610, 490, 24, 26}, {IDC_ADV_PROFILES, 54, 530, 62, 26},
    {IDC_ADV_PROFILE1, 120, 530, 24, 26},       {IDC_ADV_PROFILE2, 148, 530, 24, 26},
    {IDC_ADV_PROFILE3, 175, 530, 24, 26},       {IDC_ADV_SAVE, 224, 530, 62, 26},
    {IDC_ADV_SLOT1, 288, 530, 24, 26},          {IDC_ADV_SLOT2, 316, 530, 24, 26},
    {IDC_ADV_SLOT3, 344, 530, 24, 26},          {IDC_ADV_GPU_LABEL, 65, 560, 50, 30},
    {IDC_ADV_RESET, 403, 533, 64, 22},          {IDC_ADV_APPLY, 472, 533, 64, 22},
    {IDC_ADV_CLOSE, 541, 533, 64, 22},          {IDC_ADV_ALL_GPUS, 403, 563, 16, 16},
    {IDC_ADV_ALL_LABEL, 425, 563, 100, 30},
};

constexpr COLORREF kValueColour = RGB(0, 255, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kChannelBitmap = 145;
constexpr int kActiveChannelBitmap = 146;
constexpr int kUnavailableBitmap = 148;
constexpr int kEditPattern = 147;
constexpr UINT_PTR kChangeTimer = 1;
constexpr UINT kChangeTimerMs = 500;

int RowOfId(const int (&ids)[kOcRowCount], int id) {
  for (int i = 0; i < kOcRowCount; ++i) {
    if (ids[i] == id) return i;
  }
  return -1;
}

int Index(OcRow row) {
  return static_cast<int>(row);
}

}  // namespace

CAdvanceDlg::CAdvanceDlg() : CSkinPanel(IDD_ADVANCE_DIALOG) {}

CAdvanceDlg::~CAdvanceDlg() = default;

void CAdvanceDlg::HandOver(const std::wstring& configFileName, int32_t vfClockModel,
                           int32_t fanCoolerModel, int32_t transPercent, int32_t transparence,
                           GpuTable* gpus) {
  configFileName_ = configFileName;
  vfClockModel_ = vfClockModel;
  fanCoolerModel_ = fanCoolerModel;
  gpus_ = gpus;
  SetTranslucency(transparence, transPercent);
}

void CAdvanceDlg::ApplyStartupOverclock() {
  if (model_) model_->ApplyStartupOverclock();
}

bool CAdvanceDlg::OnInitDialog() {
  InitSkin(659, 600, IDB_ADVANCE_BACKGROUND);
  ApplyTranslucency();
  AttachControls();
  PlaceControls();
  SetFontsAndColours();
  if (gpus_ != nullptr) {
    sink_ = std::make_unique<MsgDlgSink>(hwnd());
    MessageSink& sink = sinkOverride_ != nullptr ? *sinkOverride_ : *sink_;
    OcPanelView& view = *this;
    model_ = std::make_unique<OcPanel>(OcBoard{*gpus_, vfClockModel_, fanCoolerModel_}, view, sink,
                                       files_, configFileName_);
    model_->Create();
  }
  ::SetTimer(hwnd(), kChangeTimer, kChangeTimerMs, nullptr);
  return true;
}

void CAdvanceDlg::AttachControls() {
  for (int i = 0; i < kOcRowCount; ++i) {
    sliders_[i].Attach(hwnd(), kSliderIds[i]);
    edits_[i].Attach(hwnd(), kEditIds[i]);
  }
  for (int b = 0; b < kButtonCount; ++b) buttons_[b].Attach(hwnd(), ButtonId(b));
  clockLabel_.Attach(hwnd(), IDC_ADV_CLOCK_LABEL);
  unitLabel_.Attach(hwnd(), IDC_ADV_UNIT_LABEL);
  notAvailable_[0].Attach(hwnd(), IDC_ADV_OVERVOLT_NA);
  notAvailable_[1].Attach(hwnd(), IDC_ADV_FRAME_NA);
  notAvailable_[2].Attach(hwnd(), IDC_ADV_DISPLAY_NA);
  gpuLabel_.Attach(hwnd(), IDC_ADV_GPU_LABEL);
  allLabel_.Attach(hwnd(), IDC_ADV_ALL_LABEL);
}

void CAdvanceDlg::PlaceControls() {
  for (int i = 0; i < kOcRowCount; ++i) {
    const int y = kRowY[i];
    buttons_[static_cast<int>(OcButton::kMinus) + i].Move(172, y, 10, 16);
    if (kSliderIds[i] == IDC_ADV_DISPLAY_SLIDER) {
      sliders_[i].Move(189, y, 215, 15);
    } else {
      sliders_[i].Move(189, y, 26, 12);
    }
    buttons_[static_cast<int>(OcButton::kPlus) + i].Move(512, y, 10, 16);
    edits_[i].Move(537, kEditY[i], 34, 15);
    if (CLabel* na = NotAvailableLabel(kOcRows[i])) na->Move(537, kEditY[i], 34, 15);
  }
  for (const Place& p : kPlaces) {
    ::MoveWindow(Item(p.id), p.x, p.y, p.width, p.height, TRUE);
  }
  for (int k = 0; k < kMaxGpuButtons; ++k) {
    ::MoveWindow(Item(IDC_ADV_GPU1 + k), 120 + 28 * k, 560, 24, 26, TRUE);
  }
}

void CAdvanceDlg::SetFontsAndColours() {
  for (CPrettifyEdit& edit : edits_) {
    edit.SetPatternBackground(kEditPattern);
    edit.SetTextColor(kValueColour);
  }
  clockLabel_.SetFace(CLabel::kDefaultFace);
  clockLabel_.SetCharHeight(11);
  clockLabel_.SetTextColor(kValueColour);
  for (CLabel& na : notAvailable_) {
    na.SetFace(CLabel::kDefaultFace);
    na.SetCharHeight(11);
    na.SetTextColor(kWhite);
    na.SetText(L"N/A");
  }
  unitLabel_.SetFace(CLabel::kDefaultFace);
  unitLabel_.SetWeight(FW_BOLD);
  unitLabel_.SetCharHeight(11);
  unitLabel_.SetTextColor(kWhite);
  unitLabel_.SetText(vfClockModel_ == 0 ? L"mv" : L"%");
  for (CLabel* label : {&gpuLabel_, &allLabel_}) {
    label->SetFace(CLabel::kDefaultFace);
    label->SetWeight(FW_BOLD);
    label->SetCharHeight(14);
    label->SetTextColor(kWhite);
  }
  gpuLabel_.SetText(L"GPU");
  allLabel_.SetText(L"All GPU");
}

CLabel* CAdvanceDlg::NotAvailableLabel(OcRow row) {
  switch (row) {
    case OcRow::kOverVolt:
      return &notAvailable_[0];
    case OcRow::kFrame:
      return &notAvailable_[1];
    case OcRow::kDisplay:
      return &notAvailable_[2];
    default:
      return nullptr;
  }
}

INT_PTR CAdvanceDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SLIDER_DRAGGING || message == WM_SLIDER_COMMITTED) {
    const int row = RowOfId(kSliderIds, static_cast<int>(wParam));
    if (row >= 0 && model_) model_->OnSlider(kOcRows[row], static_cast<int>(lParam));
    return TRUE;
  }
  return CSkinPanel::HandleMessage(message, wParam, lParam);
}

void CAdvanceDlg::OnCommand(int id, int code) {
  if (code == EN_KILLFOCUS) {
    const int row = RowOfId(kEditIds, id);
    if (row >= 0 && model_) model_->OnEditDone(kOcRows[row]);
    return;
  }
  if (code == BN_CLICKED && OnButton(id)) return;
  CSkinPanel::OnCommand(id, code);
}

bool CAdvanceDlg::OnButton(int id) {
  if (id == IDC_ADV_CLOSE) {
    Hide();
    return true;
  }
  if (!model_) return false;
  OcPanel& m = *model_;
  if (id >= IDC_ADV_CORE_PLUS && id <= IDC_ADV_DISPLAY_MINUS) {
    const int row = (id - IDC_ADV_CORE_PLUS) / 2;
    m.OnStep(kOcRows[row], RowOfId(kPlusIds, id) >= 0 ? +1 : -1);
    return true;
  }
  if (id >= IDC_ADV_GPU1 && id <= IDC_ADV_GPU9) {
    m.OnGpuButton(id - IDC_ADV_GPU1 + 1);
    return true;
  }
  if (id >= IDC_ADV_PROFILE1 && id <= IDC_ADV_PROFILE3) {
    m.OnProfileButton(id - IDC_ADV_PROFILE1 + 1);
    return true;
  }
  if (id >= IDC_ADV_SLOT1 && id <= IDC_ADV_SLOT3) {
    m.OnSaveSlot(id - IDC_ADV_SLOT1 + 1);
    return true;
  }
  switch (id) {
    case IDC_ADV_OVERVOLT_SWITCH:
      m.OnOverVoltSwitch();
      return true;
    case IDC_ADV_FRAME_SWITCH:
      m.OnFrameSwitch();
      return true;
    case IDC_ADV_LINK:
      m.OnLinkSwitch();
      return true;
    case IDC_ADV_DISPLAY_SWITCH:
      m.OnDisplaySwitch();
      return true;
    case IDC_ADV_FAN_AUTO:
      m.OnFanMode(kFanModeAuto);
      return true;
    case IDC_ADV_FAN_MANUAL:
      m.OnFanMode(kFanModeManual);
      return true;
    case IDC_ADV_FAN_CURVE:
      m.OnFanMode(kFanModeCurve);
      return true;
    case IDC_ADV_PROFILES:
      m.OnProfileSwitch();
      return true;
    case IDC_ADV_SAVE:
      m.OnSave();
      return true;
    case IDC_ADV_APPLY:
      m.OnApply();
      return true;
    case IDC_ADV_RESET:
      m.OnReset();
      return true;
    case IDC_ADV_ALL_GPUS:
      m.OnAllGpusSwitch();
      return true;
    default:
      return false;
  }
}

void CAdvanceDlg::OnTimer(UINT_PTR /*id*/) {
  if (model_) model_->OnTick();
}

void CAdvanceDlg::SetSliderRange(OcRow row, int lower, int upper) {
  CBitmapSlider& slider = sliders_[Index(row)];
  slider.SetChannelBitmaps(kChannelBitmap, kActiveChannelBitmap);
  slider.SetShowFocus(false);
  slider.SetValueRange(lower, upper);
}

void CAdvanceDlg::ShowSliderPosition(OcRow row, int position) {
  sliders_[Index(row)].SetValue(position);
}

void CAdvanceDlg::ShowEditText(OcRow row, const std::wstring& text) {
  ::SetWindowTextW(edits_[Index(row)].hwnd(), text.c_str());
}

std::wstring CAdvanceDlg::EditText(OcRow row) const {
  HWND edit = edits_[Index(row)].hwnd();
  const int length = ::GetWindowTextLengthW(edit);
  if (length <= 0) return std::wstring();
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = ::GetWindowTextW(edit, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

void CAdvanceDlg::ShowResultClock(const std::wstring& text) {
  clockLabel_.SetText(text);
}

void CAdvanceDlg::ShowRowUsable(OcRow row, bool usable) {
  CBitmapSlider& slider = sliders_[Index(row)];
  ::EnableWindow(slider.hwnd(), usable ? TRUE : FALSE);
  if (usable) {
    slider.SetChannelBitmaps(kChannelBitmap, kActiveChannelBitmap);
  } else {
    slider.SetChannelBitmaps(kUnavailableBitmap, kUnavailableBitmap);
  }
  ::InvalidateRect(slider.hwnd(), nullptr, TRUE);
  ::ShowWindow(edits_[Index(row)].hwnd(), usable ? SW_SHOW : SW_HIDE);
  if (CLabel* na = NotAvailableLabel(row)) ::ShowWindow(na->hwnd(), usable ? SW_HIDE : SW_SHOW);
}

void CAdvanceDlg::SetButtonIcons(OcButton button, const IconPair& icons) {
  const int index = static_cast<int>(button);
  if (index < 0 || index >= kButtonCount) return;
  buttons_[index].SetIconFiles(ResourceFile(icons.hover.c_str()),
                               ResourceFile(icons.normal.c_str()));
  ::InvalidateRect(buttons_[index].hwnd(), nullptr, TRUE);
}

void CAdvanceDlg::ShowSaveControls(bool shown) {
  for (int id : {IDC_ADV_SAVE, IDC_ADV_SLOT1, IDC_ADV_SLOT2, IDC_ADV_SLOT3}) {
    ::ShowWindow(Item(id), shown ? SW_SHOW : SW_HIDE);
  }
}

void CAdvanceDlg::ShowGpuControls(int buttons) {
  const int show = buttons > 0 ? SW_SHOW : SW_HIDE;
  for (int id : {IDC_ADV_GPU_LABEL, IDC_ADV_ALL_GPUS, IDC_ADV_ALL_LABEL})
    ::ShowWindow(Item(id), show);
  for (int k = 0; k < kMaxGpuButtons; ++k) {
    ::ShowWindow(Item(IDC_ADV_GPU1 + k), k < buttons ? SW_SHOW : SW_HIDE);
  }
}

void CAdvanceDlg::ShowFanCurveDialog() {
  if (!fanDlg_.HasWindow()) {
    fanDlg_.HandOver(transparence(), transPercent(), curve_);
    fanDlg_.SetApplyHandler(applyFanCurve_);
  }
  HWND owner = ::GetWindow(hwnd(), GW_OWNER);
  fanDlg_.ShowPanel(owner != nullptr ? owner : hwnd());
}

void CAdvanceDlg::BeginBusy() {
  cursorBeforeBusy_ = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
  ::SetCapture(hwnd());
}

void CAdvanceDlg::EndBusy() {
  ::SetCursor(cursorBeforeBusy_);
  ::ReleaseCapture();
}

void CAdvanceDlg::GpuSelected() {
  if (gpuSelected_) gpuSelected_();
}
