// The lighting panel built from its real template and pictures on simulated boards: its two
// layouts, its icons' files, a colour picked from its own picture and sent by Ok, the range
// prompt of its entry fields through the skinned message box, and its keys.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "AutoAnswer.h"
#include "SimulatedDriver.h"
#include "controls/SkinResources.h"
#include "gpu/GpuEnumeration.h"
#include "lighting/CLedDlg.h"
#include "resource.h"

namespace {

using sim::LedControllerKind;

RECT ClientRectOf(HWND parent, int id) {
  RECT area{};
  ::GetWindowRect(::GetDlgItem(parent, id), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

std::wstring TextOf(HWND parent, int id) {
  wchar_t text[64] = {};
  ::GetDlgItemTextW(parent, id, text, 64);
  return text;
}

void NoWait(int) {}

sim::GpuModel FramesBoard() {
  sim::GpuModel gpu = Board(0x1E81);
  gpu.lighting.controller = {LedControllerKind::kFrames, 1, 3, 0, 255, 0, 0};
  return gpu;
}

sim::GpuModel IllumBoard() {
  sim::GpuModel gpu = Board(0x2206);
  gpu.lighting.illumDevices = 1;
  sim::IllumZoneModel rgbw;
  rgbw.blue = 255;
  gpu.lighting.zones = {rgbw};
  return gpu;
}

// The panel's window on one simulated board, as the main window hands it over.
struct LedWindow {
  explicit LedWindow(sim::GpuModel gpu) : driver(ScenarioOf({std::move(gpu)})) {
    EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
    const LedStartup startup = StartLighting(table, &NoWait);
    panel.HandOver(&table, startup.kind, 0, 0, startup);
    EXPECT_TRUE(panel.CreatePanel(nullptr));
    hwnd = panel.hwnd();
    // A press on the background would start moving the window; these tests only look at picks.
    panel.dragAnywhere = false;
  }
  const sim::LedControllerModel& Controller() {
    return driver.simulator.state().lighting.controllers.at(0).settings;
  }
  void Click(int id) {
    ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hwnd, id)));
  }
  void Press(int x, int y) {
    ::SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    ::SendMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  }

  SimulatedDriver driver;
  GpuTable table{driver.api};
  CLedDlg panel;
  HWND hwnd = nullptr;
};

uint32_t PictureAt(int bitmapId, int x, int y) {
  std::vector<uint32_t> pixels;
  int width = 0;
  int height = 0;
  EXPECT_TRUE(ReadBitmapPixels(bitmapId, pixels, width, height));
  return pixels[static_cast<size_t>(y) * width + x];
}

struct PathCase {
  const char* name;
  sim::GpuModel (*board)();
  int readoutX;
  int redEntryX;
  bool modeButtons;
  int wheelX;
  int wheelY;
  int picture;
};

void PrintTo(const PathCase& c, std::ostream* os) {
  *os << c.name;
}

class LedPanelWindow : public testing::TestWithParam<PathCase> {};

TEST_P(LedPanelWindow, TakesItsPathsLayoutAndSendsTheColourPickedFromItsPicture) {
  const PathCase& c = GetParam();
  LedWindow w(c.board());
  RECT frame{};
  ::GetWindowRect(w.hwnd, &frame);
  EXPECT_EQ(frame.right - frame.left, 627);
  EXPECT_EQ(frame.bottom - frame.top, 461);
  win::Gdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(::GetWindowRgn(w.hwnd, region.get()), ERROR);
  EXPECT_FALSE(::PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(::PtInRegion(region.get(), 300, 200));

  struct Place {
    int id, x, y, w, h;
  };
  const Place places[] = {
      {IDC_LED_CLOSE, 595, 15, 18, 16},
      {IDC_LED_DEF, 100, 410, 64, 22},
      {IDC_LED_OFF, 420, 410, 64, 22},
      {IDC_LED_WAVE, 50, 348, 24, 20},
      {IDC_LED_READ_GREEN, c.readoutX, 195, 64, 22},
      {IDC_LED_ENTRY_RED, c.redEntryX, 348, 42, 25},
  };
  for (const Place& p : places) {
    const RECT area = ClientRectOf(w.hwnd, p.id);
    EXPECT_EQ(area.left, p.x) << p.id;
    EXPECT_EQ(area.top, p.y) << p.id;
    EXPECT_EQ(area.right - area.left, p.w) << p.id;
    EXPECT_EQ(area.bottom - area.top, p.h) << p.id;
  }
  for (int id : {IDC_LED_STATIC, IDC_LED_STROBE, IDC_LED_WAVE, IDC_LED_BREATH, IDC_LED_CYCLE}) {
    EXPECT_EQ((::GetWindowLongPtrW(::GetDlgItem(w.hwnd, id), GWL_STYLE) & WS_VISIBLE) != 0,
              c.modeButtons)
        << id;
    EXPECT_EQ(::GetWindowLongPtrW(::GetDlgItem(w.hwnd, id), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  }
  for (int id : {IDC_LED_STILL, IDC_LED_RED, IDC_LED_APPLY}) {
    EXPECT_FALSE(::GetWindowLongPtrW(::GetDlgItem(w.hwnd, id), GWL_STYLE) & WS_VISIBLE) << id;
  }
  EXPECT_EQ(::SendDlgItemMessageW(w.hwnd, IDC_LED_ENTRY_BLUE, EM_GETLIMITTEXT, 0, 0), 3);
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_ENTRY_GREEN), L"0");

  // A press 30 left of and 20 below the wheel's centre takes the picture's pixel there.
  const uint32_t pixel = PictureAt(c.picture, c.wheelX - 30, c.wheelY + 20);
  ASSERT_NE(pixel, 0u);
  w.Press(c.wheelX - 30, c.wheelY + 20);
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_READ_RED), std::to_wstring((pixel >> 16) & 0xFF));
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_READ_GREEN), std::to_wstring((pixel >> 8) & 0xFF));
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_READ_BLUE), std::to_wstring(pixel & 0xFF));
  EXPECT_EQ(::GetCapture(), nullptr);  // let go with the button

  w.Click(IDC_LED_OK);
  uint8_t red = 0;
  uint8_t blue = 0;
  if (w.panel.panel().kind() == kLedNvIllum) {
    const sim::IllumZoneModel& zone = w.driver.simulator.state().lighting.zones.at(0)[0];
    red = zone.red;
    blue = zone.blue;
  } else {
    red = w.Controller().red;
    blue = w.Controller().blue;
  }
  EXPECT_EQ(red, (pixel >> 16) & 0xFF);
  EXPECT_EQ(blue, pixel & 0xFF);

  // Cancel and Close hide the panel.
  ::ShowWindow(w.hwnd, SW_SHOW);
  w.Click(IDC_LED_CANCEL);
  EXPECT_FALSE(::IsWindowVisible(w.hwnd));
  ::ShowWindow(w.hwnd, SW_SHOW);
  w.Click(IDC_LED_CLOSE);
  EXPECT_FALSE(::IsWindowVisible(w.hwnd));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, LedPanelWindow,
    testing::Values(PathCase{"Frames", &FramesBoard, 550, 315, true, 425, 207, IDB_LED_BACKGROUND},
                    PathCase{"Illum", &IllumBoard, 420, 200, false, 285, 203,
                             IDB_LED_ILLUM_BACKGROUND}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

TEST(LedPanelWindow, AFieldOutOfRangeShowsThePromptAndKeepsTheReadout) {
  LedWindow w(FramesBoard());
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_READ_RED), L"255");
  ::SetDlgItemTextW(w.hwnd, IDC_LED_ENTRY_RED, L"300");
  wchar_t prompt[128] = {};
  {
    AutoAnswer answer({IDC_MSG_OK},
                      [&](HWND box) { ::GetDlgItemTextW(box, IDC_MSG_TEXT, prompt, 128); });
    ::SendMessageW(w.hwnd, WM_COMMAND, MAKEWPARAM(IDC_LED_ENTRY_RED, EN_KILLFOCUS),
                   reinterpret_cast<LPARAM>(::GetDlgItem(w.hwnd, IDC_LED_ENTRY_RED)));
    EXPECT_EQ(answer.clicked(), 1u);
  }
  EXPECT_STREQ(prompt, L"Please enter an integer between 0 and 255.");
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_READ_RED), L"255");

  ::SetDlgItemTextW(w.hwnd, IDC_LED_ENTRY_RED, L"64");
  ::SendMessageW(w.hwnd, WM_COMMAND, MAKEWPARAM(IDC_LED_ENTRY_RED, EN_KILLFOCUS),
                 reinterpret_cast<LPARAM>(::GetDlgItem(w.hwnd, IDC_LED_ENTRY_RED)));
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_READ_RED), L"64");
  w.Click(IDC_LED_OK);
  EXPECT_EQ(w.Controller().red, 64);
}

TEST(LedPanelWindow, EnterInAFieldCommitsItAndNoKeyClosesThePanel) {
  LedWindow w(FramesBoard());
  ::ShowWindow(w.hwnd, SW_SHOW);
  HWND field = ::GetDlgItem(w.hwnd, IDC_LED_ENTRY_BLUE);
  ::SetFocus(field);
  ::SetDlgItemTextW(w.hwnd, IDC_LED_ENTRY_BLUE, L"9");
  MSG enter{field, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(w.panel.PreTranslateMessage(enter));
  EXPECT_NE(::GetFocus(), field);
  EXPECT_EQ(TextOf(w.hwnd, IDC_LED_READ_BLUE), L"9");

  MSG escape{w.hwnd, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
  EXPECT_TRUE(w.panel.PreTranslateMessage(escape));
  MSG elsewhere{::GetDlgItem(w.hwnd, IDC_LED_OK), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(w.panel.PreTranslateMessage(elsewhere));
  EXPECT_TRUE(::IsWindowVisible(w.hwnd));
  MSG digit{field, WM_KEYDOWN, '5', 0, 0, {}};
  EXPECT_FALSE(w.panel.PreTranslateMessage(digit));
}

}  // namespace
