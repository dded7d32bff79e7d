// The fan curve dialog built from its real template and pictures: the editor's clicks at chosen
// pixels, its notification to the dialog, Def, Apply and close.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "MessagePump.h"
#include "fan/CFanAdvanceDlg.h"
#include "resource.h"
#include "settings/Transparency.h"
#include "win/Handles.h"

namespace {

// The dialog with a count of the editor's notifications it received.
class CountingFanDlg : public CFanAdvanceDlg {
 public:
  int notified = 0;

 protected:
  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_FANCURVE_CHANGED) ++notified;
    return CFanAdvanceDlg::HandleMessage(message, wParam, lParam);
  }
};

RECT PlaceOf(HWND parent, int id) {
  RECT area{};
  ::GetWindowRect(::GetDlgItem(parent, id), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

class FanDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    dlg = std::make_unique<CountingFanDlg>();
    dlg->HandOver(0, 0, DefaultFanCurve());
    dlg->SetApplyHandler([this](const FanCurve& curve) { applied.push_back(curve); });
    ASSERT_TRUE(dlg->CreatePanel(nullptr));
    Show();
  }
  // Shown the way the panel base shows it, less taking the foreground (slow under Wine).
  void Show() {
    ::SetWindowPos(dlg->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_SHOWWINDOW);
    ::UpdateWindow(dlg->hwnd());
    PumpMessages();
  }
  void TearDown() override {
    dlg.reset();
    PumpMessages();
  }
  HWND editor() const { return ::GetDlgItem(dlg->hwnd(), IDC_FAN_CURVE); }
  void Click(int x, int y, UINT message = WM_LBUTTONDOWN) {
    ::SendMessageW(editor(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON,
                   MAKELPARAM(x, y));
    ::SendMessageW(editor(), message + 1, 0, MAKELPARAM(x, y));  // the button's release
  }
  void Press(int id) {
    ::SendMessageW(dlg->hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dlg->hwnd(), id)));
  }

  std::unique_ptr<CountingFanDlg> dlg;
  std::vector<FanCurve> applied;
};

bool SameCurve(const FanCurve& a, const FanCurve& b) {
  for (int i = 0; i < kFanCurvePoints; ++i) {
    if (a[i].level != b[i].level || a[i].end != b[i].end || a[i].enabled != b[i].enabled) {
      return false;
    }
  }
  return true;
}

}  // namespace

TEST_F(FanDialog, OpensAt660By599WithTheEditorAndButtonsInPlace) {
  RECT frame{};
  ::GetWindowRect(dlg->hwnd(), &frame);
  EXPECT_EQ(frame.right - frame.left, 660);
  EXPECT_EQ(frame.bottom - frame.top, 599);
  struct Place {
    int id, x, y, w, h;
  };
  const Place places[] = {
      {IDC_FAN_CURVE, 120, 84, 430, 430},
      {IDC_FAN_DEFAULT, 365, 555, 64, 22},
      {IDC_FAN_APPLY, 437, 555, 64, 22},
      {IDC_FAN_CLOSE, 509, 555, 64, 22},
  };
  for (const Place& p : places) {
    const RECT area = PlaceOf(dlg->hwnd(), p.id);
    EXPECT_EQ(area.left, p.x) << p.id;
    EXPECT_EQ(area.top, p.y) << p.id;
    EXPECT_EQ(area.right - area.left, p.w) << p.id;
    EXPECT_EQ(area.bottom - area.top, p.h) << p.id;
  }
  const LONG_PTR style = ::GetWindowLongPtrW(editor(), GWL_STYLE);
  EXPECT_EQ(style & SS_TYPEMASK, SS_OWNERDRAW);
  EXPECT_EQ(style & WS_BORDER, 0);
  EXPECT_EQ(dlg->editor().grid().cellWidth, 43);
  EXPECT_EQ(dlg->editor().penColour, RGB(255, 255, 255));
  // The window's shape is cut from its picture.
  win::Gdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(::GetWindowRgn(dlg->hwnd(), region.get()), ERROR);
  // Opening notified once, with the initial curve.
  EXPECT_EQ(dlg->notified, 1);
  EXPECT_TRUE(SameCurve(dlg->workingCurve(), DefaultFanCurve()));
}

TEST_F(FanDialog, EachLeftClickSetsItsColumnsLevelAndNotifiesTheDialog) {
  struct Case {
    int x, y;
    int column, level;
  };
  const Case clicks[] = {
      {0, 0, 0, 0},      // top-left cell: 100 % for 0–10 °C
      {429, 429, 9, 9},  // bottom-right cell: 10 % for 90–100 °C
      {215, 300, 5, 6},  // 40 % for 50–60 °C
      {43, 42, 1, 0},    // the last pixel row of the top row
      {215, 300, 5, 6},  // the same value again still notifies
  };
  int notified = dlg->notified;
  for (const Case& c : clicks) {
    const FanCurve before = dlg->workingCurve();
    Click(c.x, c.y);
    EXPECT_EQ(dlg->notified, ++notified) << c.x << "," << c.y;
    const FanCurve& now = dlg->workingCurve();
    EXPECT_EQ(now[c.column].level, c.level) << c.x << "," << c.y;
    EXPECT_EQ(now[c.column].end, c.column + 1);
    for (int i = 0; i < kFanCurvePoints; ++i) {
      if (i != c.column) {
        EXPECT_EQ(now[i].level, before[i].level) << i;
      }
    }
    EXPECT_TRUE(SameCurve(now, dlg->editor().GetCurve()));
  }
  // The right button leaves the curve alone and tells nobody.
  const FanCurve before = dlg->workingCurve();
  Click(100, 10, WM_RBUTTONDOWN);
  EXPECT_EQ(dlg->notified, notified);
  EXPECT_TRUE(SameCurve(dlg->workingCurve(), before));
  EXPECT_TRUE(applied.empty());
}

TEST_F(FanDialog, DefRestoresTheEditorOnlyAndApplyHandsOnTheWorkingCurve) {
  Click(20, 20);
  Click(420, 420);
  const FanCurve drawn = dlg->workingCurve();
  Press(IDC_FAN_APPLY);
  ASSERT_EQ(applied.size(), 1u);
  EXPECT_TRUE(SameCurve(applied[0], drawn));

  Press(IDC_FAN_DEFAULT);
  EXPECT_TRUE(SameCurve(dlg->workingCurve(), DefaultFanCurve()));
  EXPECT_TRUE(SameCurve(dlg->editor().GetCurve(), DefaultFanCurve()));
  EXPECT_EQ(applied.size(), 1u);  // nothing applied by Def
  Press(IDC_FAN_APPLY);
  ASSERT_EQ(applied.size(), 2u);
  EXPECT_TRUE(SameCurve(applied[1], DefaultFanCurve()));
}

TEST_F(FanDialog, CloseHidesAndTheCurveSurvivesTheNextShow) {
  Click(20, 20);
  const FanCurve drawn = dlg->workingCurve();
  Press(IDC_FAN_CLOSE);
  EXPECT_FALSE(::IsWindowVisible(dlg->hwnd()));
  ASSERT_TRUE(dlg->HasWindow());
  // A later hand-over does not reach the window; showing it again shows the same curve.
  dlg->HandOver(1, 4, DefaultFanCurve());
  Show();
  EXPECT_TRUE(::IsWindowVisible(dlg->hwnd()));
  EXPECT_TRUE(SameCurve(dlg->workingCurve(), drawn));
  EXPECT_EQ(::GetWindowLongPtrW(dlg->hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  // Enter and Escape do not close it.
  for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
    ::PostMessageW(editor(), WM_KEYDOWN, key, 0);
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(dlg->hwnd())) << key;
  }
}

TEST(FanDialogHandOver, TranslucencyAndTheInitialCurveAreTakenWhenTheWindowIsCreated) {
  FanCurve initial = DefaultFanCurve();
  for (FanCurvePoint& point : initial) point.enabled = 0;
  initial[4].level = 1;
  CFanAdvanceDlg dlg;
  dlg.HandOver(1, 4, initial);
  ASSERT_TRUE(dlg.CreatePanel(nullptr));
  ASSERT_NE(::GetWindowLongPtrW(dlg.hwnd(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(dlg.hwnd(), nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, AlphaForPercent(50));
  // The editor opens on the curve handed over, every point of it enabled.
  for (FanCurvePoint& point : initial) point.enabled = 1;
  EXPECT_TRUE(SameCurve(dlg.workingCurve(), initial));
  EXPECT_TRUE(SameCurve(dlg.editor().GetCurve(), initial));
}

TEST_F(FanDialog, PaintDrawsTheCurveInWhiteAndLeavesNoHandlesBehind) {
  // The diagonal's first step runs across the first column at the 10 % line.
  {
    win::WindowDC dc(editor());
    EXPECT_EQ(::GetPixel(dc.get(), 20, 387), RGB(255, 255, 255));
    EXPECT_NE(::GetPixel(dc.get(), 20, 200), RGB(255, 255, 255));
  }
  const long before = win::LiveHandleCount();
  for (int i = 0; i < 200; ++i) {
    Click(i % 430, (i * 7) % 430);
    ::UpdateWindow(editor());
  }
  PumpMessages();
  EXPECT_EQ(win::LiveHandleCount(), before);
  // A hidden editor draws nothing; shown again it paints its latest curve.
  ::ShowWindow(dlg->hwnd(), SW_HIDE);
  Click(20, 20);
  Show();
  win::WindowDC dc(editor());
  EXPECT_EQ(::GetPixel(dc.get(), 20, 0), RGB(255, 255, 255));  // 100 % for the first column
}
