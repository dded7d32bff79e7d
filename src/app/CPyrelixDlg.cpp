#include "app/CPyrelixDlg.h"

#include "app/GpuMonitorSensors.h"
#include "app/MonitorLayout.h"
#include "app/StartupRules.h"
#include "app/TrayIcon.h"
#include "config/CIniFile.h"
#include "config/LoadConfiguration.h"
#include "config/WindowsProfile.h"
#include "controls/CMsgDlg.h"
#include "controls/DialFrame.h"
#include "fan/GpuFanControl.h"
#include "gpu/GpuEnumeration.h"
#include "gpu/Sensors.h"
#include "resource.h"
#include "settings/AutoRun.h"
#include "settings/PathRules.h"
#include "settings/Transparency.h"
#include "settings/WindowServices.h"

namespace {

struct ButtonPlace {
  int id;
  const wchar_t* icon;
  int x, y, width, height;
};

// In the order the window keeps its buttons.
constexpr ButtonPlace kButtons[8] = {
    {IDC_MAIN_CLOSE, L"CloseX.ICO", 1135, 90, 18, 16},
    {IDC_MAIN_MINIMIZE, L"Min.ICO", 1110, 90, 18, 16},
    {IDC_MAIN_SETTING, L"Setting.ICO", 48, 90, 40, 40},
    {IDC_MAIN_INFO, L"Info.ICO", 102, 90, 40, 40},
    {IDC_MAIN_ADVANCE, L"Advance.ICO", 158, 90, 40, 40},
    {IDC_MAIN_BIOS, L"Bios.ICO", 216, 90, 40, 40},
    {IDC_MAIN_HELP, L"Help.ICO", 270, 90, 40, 40},
    {IDC_MAIN_LED, L"Led.ICO", 890, 90, 40, 40},
};

// The labels' face is the program's label face at a character height of 10, in white.
constexpr int kLabelCharHeight = 10;
// The dial's number: its colour and its face at 16 points.
constexpr COLORREF kDialNumberColour = RGB(0, 210, 255);
constexpr const wchar_t* kDialFace = L"UniDreamLED";

void Place(HWND control, const Placement& at) {
  ::MoveWindow(control, at.x, at.y, at.width, at.height, TRUE);
}

RECT ClientRect(const Placement& at) {
  return RECT{at.x, at.y, at.x + at.width, at.y + at.height};
}

constexpr int kMainWidth = 1200;
constexpr int kMainHeight = 482;

}  // namespace

CPyrelixDlg::CPyrelixDlg(const NvApi& driver)
    : CBkDialogST(IDD_PYRELIX_DIALOG),
      icon_(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                            MAKEINTRESOURCEW(IDI_PYRELIX), IMAGE_ICON, 0, 0,
                                            LR_DEFAULTSIZE))),
      state_(driver) {}

void CPyrelixDlg::AttachControls() {
  for (int i = 0; i < 8; ++i) buttons_[i].Attach(hwnd(), kButtons[i].id);
  for (int g = 0; g < kGaugeCount; ++g) {
    const MonitorChannelLayout& channel = kMonitorLayout[g];
    labels_[3 * g].Attach(hwnd(), channel.maximumId);
    labels_[3 * g + 1].Attach(hwnd(), channel.minimumId);
    labels_[3 * g + 2].Attach(hwnd(), channel.currentId);
    graphs_[g].Attach(hwnd(), channel.graphId);
  }
  dial_.Attach(hwnd(), IDC_DIAL);
  ::ShowWindow(Item(IDC_MAIN_UNUSED), SW_HIDE);
}

bool CPyrelixDlg::OnInitDialog() {
  AttachControls();
  // No caption is drawn; the text names the window on the taskbar.
  ::SetWindowTextW(hwnd(), L"Pyrelix");
  ::SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  ::SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.get()));
  ::SetWindowPos(hwnd(), nullptr, 0, 0, kMainWidth, kMainHeight, SWP_NOMOVE | SWP_NOZORDER);

  resourceDir_ = ResourceDirectoryOf(GetExeDirectory(hwnd()));

  SetBackgroundResource(IDB_MAIN_BACKGROUND);
  ShapeFromBitmap(IDB_MAIN_BACKGROUND, RGB(0, 0, 255));
  dragAnywhere = true;

  EnumerateAndReport();
  state_.configFileName = ConfigFileNameFor(state_.gpus.deviceId);
  ClassifyBoard(state_);
  LoadConfiguration();
  ReadInitialGauges();
  CheckReportingBoards(state_);
  SetUpSkinAndLayout();
  DetectLedController();
  HandPanelsTheirData();
  if (state_.AutoOverClock != 0) ApplyStartupOverclock();
  ApplyStartupTransparency();
  StartTimers();
  return true;
}

void CPyrelixDlg::EnumerateAndReport() {
  const int result = EnumerateGpus(state_.gpus);
  MsgDlgSink messages(hwnd());
  for (const std::wstring& text : EnumerationMessages(result)) messages.ShowMessage(text);
}

void CPyrelixDlg::LoadConfiguration() {
  const WindowsProfileAccess files;
  const CIniFile file(files, state_.configFileName);
  SystemAutoRun autoRun;
  MsgDlgSink messages(hwnd());
  ::LoadConfiguration(state_, file, autoRun, messages);
}

void CPyrelixDlg::ReadInitialGauges() {
  ApplyInitialGauges(state_, ReadInitialGaugeReadings(state_.gpus));
}

void CPyrelixDlg::SetUpSkinAndLayout() {
  for (int i = 0; i < 8; ++i) {
    const ButtonPlace& place = kButtons[i];
    buttons_[i].SetIconFiles(resourceDir_ + place.icon, resourceDir_ + place.icon);
    buttons_[i].Move(place.x, place.y, place.width, place.height);
  }
  for (int g = 0; g < kGaugeCount; ++g) {
    const MonitorChannelLayout& channel = kMonitorLayout[g];
    Place(graphs_[g].hwnd(), channel.graph);
    Place(labels_[3 * g].hwnd(), channel.maximum);
    Place(labels_[3 * g + 1].hwnd(), channel.minimum);
    Place(labels_[3 * g + 2].hwnd(), channel.current);
  }
  Place(dial_.hwnd(), kDialPlacement);

  for (int g = 0; g < kGaugeCount; ++g) {
    const GaugeChannel& channel = ChannelOf(state_, static_cast<Gauge>(g));
    for (int k = 0; k < 3; ++k) {
      CLabel& label = labels_[3 * g + k];
      label.SetFace(CLabel::kDefaultFace);
      label.SetCharHeight(kLabelCharHeight);
      label.SetTextColor(RGB(255, 255, 255));
      label.SetText(k == 0 ? std::to_wstring(channel.maximum) : L"0");
    }
  }

  for (int g = 0; g < kGaugeCount; ++g) {
    const GaugeChannel& channel = ChannelOf(state_, static_cast<Gauge>(g));
    graphs_[g].MakeOwnerDrawn();
    graphs_[g].AddSeries(kMonitorLayout[g].series, channel.minimum, channel.maximum);
  }

  dial_.SetDialFont(kDialNumberColour, kDialFace);
}

void CPyrelixDlg::DetectLedController() {
  lighting_ = StartLighting(state_.gpus, [](int ms) { ::Sleep(static_cast<DWORD>(ms)); });
  state_.LedKind = lighting_.kind;
}

void CPyrelixDlg::HandPanelsTheirData() {
  MainWindowState& s = state_;
  settingDlg_.HandOver(s.configFileName, s.Transparence, s.TransPercent, &s.gpus);
  settingDlg_.SetTransparencyHandler(
      [this](int32_t on, int32_t level) { ApplyTransparencyToAll(on, level); });
  advanceDlg_.HandOver(s.configFileName, s.VfClockModel, s.FanCoolerModel, s.TransPercent,
                       s.Transparence, &s.gpus);
  advanceDlg_.SetGpuSelectedHandler([this] {
    if (infoDlg_.HasWindow()) infoDlg_.Refill();
  });
  advanceDlg_.SetFanCurveHandler([this](const FanCurve& c) { ApplyFanCurve(c); });
  infoDlg_.HandOver(&s.gpus, s.TransPercent, s.Transparence);
  biosDlg_.HandOver(s.TransPercent, s.Transparence);
  helpDlg_.HandOver(s.TransPercent, s.Transparence);
  ledDlg_.HandOver(&s.gpus, s.LedKind, s.Transparence, s.TransPercent, lighting_);
}

void CPyrelixDlg::ApplyStartupOverclock() {
  // The panel's window is made for the start-up overclock and stays hidden until "Advance".
  if (advanceDlg_.CreatePanel(hwnd())) advanceDlg_.ApplyStartupOverclock();
}

void CPyrelixDlg::ApplyTransparencyToAll(int32_t on, int32_t level) {
  state_.Transparence = on;
  state_.TransPercent = level;
  const std::optional<int> percent = OpacityPercentForLevel(on, level);
  if (percent) {
    SetTransparency(*percent, hwnd());
  } else {
    RemoveTransparency(hwnd());
  }
  CSkinPanel* const panels[] = {&settingDlg_, &infoDlg_, &advanceDlg_,
                                &biosDlg_,    &helpDlg_, &ledDlg_};
  for (CSkinPanel* panel : panels) panel->SetTranslucency(on, level);
}

void CPyrelixDlg::ShowPanel(int buttonId) {
  CSkinPanel* panel = nullptr;
  switch (buttonId) {
    case IDC_MAIN_SETTING:
      panel = &settingDlg_;
      break;
    case IDC_MAIN_INFO:
      panel = &infoDlg_;
      break;
    case IDC_MAIN_ADVANCE:
      panel = &advanceDlg_;
      break;
    case IDC_MAIN_BIOS:
      panel = &biosDlg_;
      break;
    case IDC_MAIN_HELP:
      panel = &helpDlg_;
      break;
    case IDC_MAIN_LED:
      panel = &ledDlg_;
      break;
    default:
      return;
  }
  panel->ShowPanel(hwnd());
}

void CPyrelixDlg::ApplyStartupTransparency() {
  if (const auto percent = OpacityPercentForLevel(state_.Transparence, state_.TransPercent)) {
    SetTransparency(*percent, hwnd());
  }
}

void CPyrelixDlg::StartTimers() {
  for (const TimerSpec& timer : MainTimers(state_.reportEnabled)) {
    ::SetTimer(hwnd(), timer.id, timer.periodMs, nullptr);
  }
}

void CPyrelixDlg::OnTimer(UINT_PTR id) {
  switch (id) {
    case 0:
      // Hides the window to the tray once, right after start, when the user asked for it. The
      // timer has no other job, so it stops at its first tick either way rather than waking the
      // program ten times a second all day.
      ::KillTimer(hwnd(), 0);
      if (state_.StartupMinimize != 0) {
        state_.StartupMinimize = 0;
        MinimizeToTray();
      }
      break;
    case 1:
      FanCurveStep();
      break;
    case 2:
      MonitorTick();
      break;
    case 3:
      SendDueStatusReports(state_.gpus, state_.reportSlots);
      break;
    default:
      break;
  }
}

void CPyrelixDlg::ApplyFanCurve(const FanCurve& curve) {
  ::ApplyFanCurve(state_.fanControl, curve);
}

void CPyrelixDlg::FanCurveStep() {
  // With the fan mode set to the curve, the fans of the selected GPU follow the drawn curve.
  GpuFanControl fans(state_.gpus);
  RunFanCurveStep(state_.fanControl, advanceDlg_.FanMode(), state_.FanCoolerModel, fans);
  int32_t reading = 0;
  ReadTemperature(-1, state_.gpus, reading);
  const int temperature = DialTemperature(static_cast<unsigned>(reading));
  dial_.DrawDial(DialFrameFor(temperature), temperature);
}

void CPyrelixDlg::MonitorTick() {
  GpuMonitorSensors sensors(state_.gpus);
  const MonitorTickResult tick = RunMonitorTick(state_, sensors, tickCounter_);
  for (int g = 0; g < kGaugeCount; ++g) {
    const GraphSample& sample = tick.samples[g];
    if (sample.fed) {
      graphs_[g].AddPoint(kMonitorLayout[g].series, sample.percent, sample.value, L"", true);
    }
  }
  for (int g = 0; g < kGaugeCount; ++g) {
    labels_[3 * g + 2].SetText(std::to_wstring(ChannelOf(state_, static_cast<Gauge>(g)).current));
  }
  for (int g = 0; g < kGaugeCount; ++g) {
    if (!tick.labelChanged[g]) continue;
    const RECT area = ClientRect(kMonitorLayout[g].current);
    ::InvalidateRect(hwnd(), &area, TRUE);
  }
  if (tick.refreshGraphEdges) {
    for (const MonitorChannelLayout& channel : kMonitorLayout) {
      RECT edge = ClientRect(channel.graph);
      edge.left = edge.right - 1;
      ::InvalidateRect(hwnd(), &edge, TRUE);
    }
  }
}

void CPyrelixDlg::MinimizeToTray() {
  tray::Add(hwnd(), icon_.get());
  ::ShowWindow(hwnd(), SW_HIDE);
}

void CPyrelixDlg::RemoveTrayIcon() {
  tray::Remove(hwnd());
}

void CPyrelixDlg::OnTrayNotify(LPARAM mouseMessage) {
  if (mouseMessage == WM_LBUTTONDBLCLK) {
    ::ShowWindow(hwnd(), SW_SHOW);
    RemoveTrayIcon();
    return;
  }
  if (mouseMessage != WM_RBUTTONUP) return;
  switch (tray::TrackMenu(hwnd())) {
    case tray::kCommandHome:
      tray::OpenHomePage(hwnd());
      break;
    case tray::kCommandOpen:
      ::ShowWindow(hwnd(), SW_SHOWNORMAL);
      RemoveTrayIcon();
      break;
    case tray::kCommandExit:
      EndDialog(IDOK);
      break;
    default:  // dismissed
      break;
  }
}

void CPyrelixDlg::OnCommand(int id, int code) {
  switch (id) {
    case IDC_MAIN_CLOSE:
      EndDialog(IDOK);
      break;
    case IDC_MAIN_MINIMIZE:
      MinimizeToTray();
      break;
    case IDC_MAIN_SETTING:
    case IDC_MAIN_INFO:
    case IDC_MAIN_ADVANCE:
    case IDC_MAIN_BIOS:
    case IDC_MAIN_HELP:
    case IDC_MAIN_LED:
      ShowPanel(id);
      break;
    default:
      CBkDialogST::OnCommand(id, code);
      break;
  }
}

void CPyrelixDlg::OnPaint() {
  if (!::IsIconic(hwnd())) {
    CBkDialogST::OnPaint();
    return;
  }
  win::PaintDC dc(hwnd());
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc.get(), x, y, icon_.get());
}

INT_PTR CPyrelixDlg::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_QUERYDRAGICON) {
    ::SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(icon_.get()));
    return TRUE;
  }
  if (message == tray::kCallbackMessage) {
    OnTrayNotify(lParam);
    ::SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, 0);
    return TRUE;
  }
  if (message == WM_CLOSE) {
    EndDialog(IDCANCEL);
    return TRUE;
  }
  return CBkDialogST::HandleMessage(message, wParam, lParam);
}
