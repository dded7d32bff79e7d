// The skinned control kit on real windows: a host dialog carries one of each control, built
// from the program's real pictures and icons, and the tests drive them with messages.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "AutoAnswer.h"
#include "MessagePump.h"
#include "controls/CBitmapSlider.h"
#include "controls/CBkDialogST.h"
#include "controls/CButtonST.h"
#include "controls/CLabel.h"
#include "controls/CMsgDlg.h"
#include "controls/CPlot.h"
#include "controls/CPrettifyEdit.h"
#include "controls/CTEMP.h"
#include "controls/DialFrame.h"
#include "controls/SkinResources.h"
#include "resource.h"
#include "settings/PathRules.h"
#include "settings/WindowServices.h"
#include "win/Handles.h"

namespace {

constexpr int kSlider = 2001;
constexpr int kButtonA = 2002;
constexpr int kButtonB = 2003;
constexpr int kPlot = 2004;
constexpr int kEdit = 2005;
constexpr int kDial = 2006;
constexpr int kLabel = 2007;
constexpr int kStatic = 2008;
constexpr int kTrackBar = 2009;

struct Posted {
  UINT message;
  WPARAM id;
  LPARAM value;
  bool operator==(const Posted& o) const {
    return message == o.message && id == o.id && value == o.value;
  }
};

void PumpFor(DWORD ms) {
  const DWORD end = ::GetTickCount() + ms;
  while (::GetTickCount() < end) {
    PumpMessages();
    ::Sleep(10);
  }
}

// One of each control, on a window of 700 x 340 with the overclock panel's picture.
class KitHost : public CBkDialogST {
 public:
  KitHost() : CBkDialogST(IDD_MSG_DIALOG) {}

  std::vector<Posted> posted;
  int clicksA = 0;
  int editLostFocus = 0;
  CBitmapSlider slider;
  CButtonST a, b;
  CPlot plot;
  CPrettifyEdit edit;
  CTEMP dial;
  CLabel label;

 protected:
  bool OnInitDialog() override {
    for (int id : {IDC_MSG_TEXT, IDC_MSG_OK, IDC_MSG_CANCEL}) ::ShowWindow(Item(id), SW_HIDE);
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    ::SetWindowPos(hwnd(), nullptr, 0, 0, 700, 340, SWP_NOZORDER);
    Child(L"STATIC", SS_LEFT, kSlider, 20, 70, 26, 12);
    Child(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kButtonA, 20, 100, 64, 22);
    Child(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, kButtonB, 90, 100, 64, 22);
    Child(L"STATIC", SS_LEFT | WS_BORDER, kPlot, 20, 140, 300, 75);
    Child(L"EDIT", ES_LEFT | WS_BORDER, kEdit, 20, 230, 34, 15);
    Child(L"STATIC", SS_LEFT, kDial, 360, 20, 331, 305);
    Child(L"STATIC", SS_LEFT, kLabel, 20, 260, 200, 20);
    Child(L"STATIC", SS_LEFT, kStatic, 20, 290, 100, 20);
    Child(TRACKBAR_CLASSW, 0, kTrackBar, 130, 290, 100, 20);
    slider.Attach(hwnd(), kSlider);
    a.Attach(hwnd(), kButtonA);
    b.Attach(hwnd(), kButtonB);
    plot.Attach(hwnd(), kPlot);
    edit.Attach(hwnd(), kEdit);
    dial.Attach(hwnd(), kDial);
    label.Attach(hwnd(), kLabel);
    const std::wstring icons = ResourceDirectoryOf(GetExeDirectory(hwnd()));
    a.SetIconFiles(icons + L"ApplyH.ico", icons + L"Apply.ico");
    b.SetIconFiles(icons + L"CloseH.ico", icons + L"Close.ico");
    SetBackgroundResource(IDB_ADVANCE_BACKGROUND);
    return true;
  }

  INT_PTR HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SLIDER_DRAGGING || message == WM_SLIDER_COMMITTED) {
      posted.push_back({message, wParam, lParam});
      return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kButtonA && HIWORD(wParam) == BN_CLICKED) {
      ++clicksA;
      return TRUE;
    }
    if (message == WM_COMMAND && LOWORD(wParam) == kEdit && HIWORD(wParam) == EN_KILLFOCUS) {
      ++editLostFocus;
      return TRUE;
    }
    return CBkDialogST::HandleMessage(message, wParam, lParam);
  }

 private:
  void Child(const wchar_t* cls, DWORD style, int id, int x, int y, int w, int h) {
    ::CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, hwnd(),
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                      ::GetModuleHandleW(nullptr), nullptr);
  }
};

class ControlKit : public ::testing::Test {
 protected:
  void SetUp() override {
    host = std::make_unique<KitHost>();
    ASSERT_TRUE(host->Create(nullptr));
    ::SetWindowPos(host->hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetActiveWindow(host->hwnd());
    ::UpdateWindow(host->hwnd());
    PumpMessages();
  }
  void TearDown() override {
    host.reset();
    PumpMessages();
  }
  HWND item(int id) const { return ::GetDlgItem(host->hwnd(), id); }
  std::vector<Posted> Take() {
    PumpMessages();
    return std::exchange(host->posted, {});
  }
  POINT ScreenCentre(int id) const {
    RECT r{};
    ::GetWindowRect(item(id), &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }

  std::unique_ptr<KitHost> host;
};

}  // namespace

TEST_F(ControlKit, SliderTakesItsSizeFromTheChannelPicture) {
  CBitmapSlider& s = host->slider;
  EXPECT_FALSE(s.SetChannelBitmaps(9999, IDB_SLIDER_ACTIVE));
  EXPECT_FALSE(s.hasChannel());
  EXPECT_FALSE(s.SetChannelBitmaps(IDB_SLIDER_CHANNEL, 9999));  // the first is dropped too
  EXPECT_FALSE(s.hasChannel());
  ASSERT_TRUE(s.SetChannelBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_ACTIVE));
  EXPECT_TRUE(s.hasChannel());
  RECT r{};
  ::GetWindowRect(item(kSlider), &r);
  EXPECT_EQ(r.right - r.left, 320);
  EXPECT_EQ(r.bottom - r.top, 12);
  ::MapWindowPoints(nullptr, host->hwnd(), reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.left, 20);  // not moved
  EXPECT_EQ(r.top, 70);
  ASSERT_TRUE(s.SetChannelBitmaps(IDB_SLIDER_UNAVAILABLE, IDB_SLIDER_UNAVAILABLE));
  EXPECT_EQ(s.width(), 320);
}

TEST_F(ControlKit, SliderClickPostsDraggingThenCommittedWithTheClickedValue) {
  CBitmapSlider& s = host->slider;
  ASSERT_TRUE(s.SetChannelBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_ACTIVE));
  s.SetValueRange(-200, 200);
  s.SetValue(0);
  HWND w = item(kSlider);
  ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(80, 5));
  EXPECT_EQ(::GetFocus(), w);
  EXPECT_EQ(::GetCapture(), w);
  ::SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(80, 5));
  EXPECT_EQ(Take(), (std::vector<Posted>{{WM_SLIDER_DRAGGING, kSlider, -100},
                                         {WM_SLIDER_COMMITTED, kSlider, -100}}));
  EXPECT_EQ(s.Value(), -100);
  EXPECT_NE(::GetCapture(), w);

  // Dragging beyond the right end holds at the maximum; moves without a press do nothing.
  ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(300, 5));
  ::SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(900, 5));
  ::SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(900, 5));
  ::SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
  EXPECT_EQ(Take(), (std::vector<Posted>{{WM_SLIDER_DRAGGING, kSlider, 175},
                                         {WM_SLIDER_DRAGGING, kSlider, 200},
                                         {WM_SLIDER_COMMITTED, kSlider, 200}}));
}

TEST_F(ControlKit, SliderKeysCommitEvenWithoutAChange) {
  CBitmapSlider& s = host->slider;
  ASSERT_TRUE(s.SetChannelBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_ACTIVE));
  HWND w = item(kSlider);
  EXPECT_EQ(::SendMessageW(w, WM_GETDLGCODE, 0, 0), DLGC_WANTALLKEYS);
  s.SetValueRange(0, 100);
  s.SetValue(90);
  ::SendMessageW(w, WM_KEYDOWN, VK_NEXT, 0);
  EXPECT_EQ(s.Value(), 100);
  s.SetValue(0);
  ::SendMessageW(w, WM_KEYDOWN, VK_HOME, 0);
  ::SendMessageW(w, WM_KEYDOWN, 'A', 0);  // not one of the slider's keys
  EXPECT_EQ(Take(), (std::vector<Posted>{{WM_SLIDER_COMMITTED, kSlider, 100},
                                         {WM_SLIDER_COMMITTED, kSlider, 0}}));
}

TEST_F(ControlKit, SliderWithAnEmptyRangeStillWorks) {
  // A failed card reading gives 0..0.
  CBitmapSlider& s = host->slider;
  ASSERT_TRUE(s.SetChannelBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_ACTIVE));
  s.SetValueRange(0, 0);
  s.SetValue(35);
  EXPECT_EQ(s.Value(), 0);
  HWND w = item(kSlider);
  ::RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 5));
  ::SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
  ::SendMessageW(w, WM_KEYDOWN, VK_RIGHT, 0);
  EXPECT_EQ(Take(), (std::vector<Posted>{{WM_SLIDER_DRAGGING, kSlider, 0},
                                         {WM_SLIDER_COMMITTED, kSlider, 0},
                                         {WM_SLIDER_COMMITTED, kSlider, 0}}));
}

TEST_F(ControlKit, HoverMovesFromOneButtonStraightToTheNext) {
  ::SetCursorPos(ScreenCentre(kButtonA).x, ScreenCentre(kButtonA).y);
  PumpFor(300);
  ASSERT_TRUE(host->a.hovering());
  EXPECT_FALSE(host->b.hovering());
  ::SetCursorPos(ScreenCentre(kButtonB).x, ScreenCentre(kButtonB).y);
  PumpFor(400);
  EXPECT_FALSE(host->a.hovering());
  EXPECT_TRUE(host->b.hovering());
  ::SetCursorPos(650, 600);  // off the window
  PumpFor(400);
  EXPECT_FALSE(host->b.hovering());
}

TEST_F(ControlKit, HoverEndsWhenTheWindowGoesInactive) {
  ::SendMessageW(item(kButtonA), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(host->a.hovering());
  ::SendMessageW(host->hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
  EXPECT_FALSE(host->a.hovering());
  // Cancel-mode and focus loss end it too.
  ::SendMessageW(item(kButtonB), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SendMessageW(item(kButtonB), WM_CANCELMODE, 0, 0);
  EXPECT_FALSE(host->b.hovering());
  ::SendMessageW(item(kButtonB), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SendMessageW(item(kButtonB), WM_KILLFOCUS, 0, 0);
  EXPECT_FALSE(host->b.hovering());
  // Movement with the left button held does not start hovering.
  ::SendMessageW(item(kButtonB), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(host->b.hovering());
}

TEST_F(ControlKit, DoubleClickOnAnIconButtonCountsTwice) {
  HWND w = item(kButtonA);
  const LPARAM at = MAKELPARAM(10, 10);
  ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(w, WM_LBUTTONUP, 0, at);
  ::SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
  ::SendMessageW(w, WM_LBUTTONUP, 0, at);
  PumpMessages();
  EXPECT_EQ(host->clicksA, 2);
}

TEST_F(ControlKit, DisabledButtonHandsTheFocusOn) {
  HWND w = item(kButtonA);
  ::SetFocus(w);
  ASSERT_EQ(::GetFocus(), w);
  ::SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(host->a.hovering());
  ::EnableWindow(w, FALSE);
  PumpMessages();
  EXPECT_FALSE(host->a.hovering());
  EXPECT_EQ(::GetFocus(), item(kButtonB));
  ::EnableWindow(w, TRUE);
}

TEST_F(ControlKit, StaticsAreHollowExceptTrackBars) {
  win::WindowDC dc(host->hwnd());
  const auto brush = [&](int id) {
    return reinterpret_cast<HBRUSH>(::SendMessageW(host->hwnd(), WM_CTLCOLORSTATIC,
                                                   reinterpret_cast<WPARAM>(dc.get()),
                                                   reinterpret_cast<LPARAM>(item(id))));
  };
  EXPECT_EQ(brush(kStatic), static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH)));
  EXPECT_NE(brush(kTrackBar), static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH)));
}

TEST_F(ControlKit, ShapeComesFromCompressedAndTrueColourPictures) {
  // The information panel's picture is run-length encoded and keyed with 77, 0, 85; the
  // lighting panel's is true colour and keyed with blue.
  for (const auto& [picture, key] : {std::pair{IDB_INFO_BACKGROUND, RGB(77, 0, 85)},
                                     std::pair{IDB_LED_BACKGROUND, RGB(0, 0, 255)}}) {
    ASSERT_TRUE(host->ShapeFromBitmap(picture, key)) << picture;
    win::Gdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(host->hwnd(), region.get()), ERROR);
    EXPECT_FALSE(::PtInRegion(region.get(), 0, 0)) << picture;  // rounded corner cut away
    EXPECT_TRUE(::PtInRegion(region.get(), 150, 150)) << picture;
    EXPECT_TRUE(::PtInRegion(region.get(), 160, 0)) << picture;  // top edge kept
  }
  EXPECT_FALSE(host->ShapeFromBitmap(9999, RGB(0, 0, 255)));
}

TEST_F(ControlKit, BackgroundIsTiledWhenSmallerThanTheWindow) {
  ASSERT_TRUE(host->SetBackgroundResource(IDB_EDIT_PATTERN));  // 53 x 16
  ::RedrawWindow(host->hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  win::WindowDC dc(host->hwnd());
  for (const POINT p : {POINT{3, 15}, POINT{30, 2}}) {
    const COLORREF first = ::GetPixel(dc.get(), p.x, p.y);
    EXPECT_EQ(::GetPixel(dc.get(), p.x + 53, p.y), first);
    EXPECT_EQ(::GetPixel(dc.get(), p.x + 106, p.y + 16), first);
    EXPECT_EQ(::GetPixel(dc.get(), p.x + 212, p.y + 32), first);
  }
}

TEST_F(ControlKit, EditColoursAndEnterHandsTheFocusToItsParent) {
  CPrettifyEdit& e = host->edit;
  ASSERT_TRUE(e.SetPatternBackground(IDB_EDIT_PATTERN));
  e.SetTextColor(RGB(0, 255, 255));
  win::WindowDC dc(item(kEdit));
  const auto colours = [&] {
    return reinterpret_cast<HBRUSH>(::SendMessageW(host->hwnd(), WM_CTLCOLOREDIT,
                                                   reinterpret_cast<WPARAM>(dc.get()),
                                                   reinterpret_cast<LPARAM>(item(kEdit))));
  };
  HBRUSH pattern = colours();
  EXPECT_NE(pattern, nullptr);
  EXPECT_NE(pattern, static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH)));
  EXPECT_EQ(::GetTextColor(dc.get()), RGB(0, 255, 255));
  EXPECT_EQ(::GetBkMode(dc.get()), TRANSPARENT);
  e.SetSolidBackground(RGB(255, 255, 255));
  EXPECT_EQ(colours(), static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH)));
  EXPECT_EQ(::GetBkColor(dc.get()), RGB(255, 255, 255));
  e.SetTransparentBackground();
  EXPECT_EQ(colours(), static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH)));

  ::SetFocus(item(kEdit));
  ASSERT_EQ(::GetFocus(), item(kEdit));
  host->editLostFocus = 0;
  MSG enter{item(kEdit), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
  EXPECT_TRUE(e.PreTranslateMessage(enter));
  // The dialog takes the focus (and passes it on to a control of its choice): the field has
  // lost it, which is what commits its value.
  EXPECT_NE(::GetFocus(), item(kEdit));
  EXPECT_EQ(host->editLostFocus, 1);
  MSG other{item(kEdit), WM_KEYDOWN, '7', 0, 0, {}};
  EXPECT_FALSE(e.PreTranslateMessage(other));
}

TEST_F(ControlKit, EveryDialFrameLoadsAndSitsOnTheMainWindow) {
  std::vector<uint32_t> mainPixels;
  int mw = 0, mh = 0;
  ASSERT_TRUE(ReadBitmapPixels(IDB_MAIN_BACKGROUND, mainPixels, mw, mh));
  for (int frame = IDB_DIAL_FIRST; frame <= IDB_DIAL_LAST; ++frame) {
    win::Gdi<HBITMAP> bitmap = LoadSkinBitmap(frame);
    ASSERT_TRUE(bitmap) << frame;
    BITMAP info{};
    ASSERT_NE(::GetObjectW(bitmap.get(), sizeof info, &info), 0);
    EXPECT_EQ(info.bmWidth, 331) << frame;
    EXPECT_EQ(info.bmHeight, 305) << frame;
  }
  // The run-length encoded frames decode to the picture: their corner is the main window's
  // colour at the dial's spot (436, 145).
  win::Gdi<HBITMAP> first = LoadSkinBitmap(IDB_DIAL_FIRST);
  win::WindowDC screen(nullptr);
  win::CompatibleDC memory(::CreateCompatibleDC(screen.get()));
  win::SelectObjectScope select(memory.get(), first.get());
  const COLORREF corner = ::GetPixel(memory.get(), 2, 2);
  const uint32_t expected = mainPixels[size_t(147) * size_t(mw) + 438];
  EXPECT_NEAR(GetRValue(corner), (expected >> 16) & 0xFF, 4);
  EXPECT_NEAR(GetGValue(corner), (expected >> 8) & 0xFF, 4);
  EXPECT_NEAR(GetBValue(corner), expected & 0xFF, 4);
}

TEST_F(ControlKit, DialKeepsTheSizeOfItsFirstFrame) {
  CTEMP& d = host->dial;
  d.SetDialFont(RGB(0, 210, 255), L"UniDreamLED");  // not installed: a substitute prints
  EXPECT_FALSE(d.DrawDial(9999, 5));
  EXPECT_EQ(d.frameSize().cx, 0);
  ASSERT_TRUE(d.DrawDial(DialFrameFor(23), 23));
  EXPECT_EQ(d.lastFrame(), 1301);
  EXPECT_EQ(d.frameSize().cx, 331);
  EXPECT_EQ(d.frameSize().cy, 305);
  ASSERT_TRUE(d.DrawDial(DialFrameFor(130), 130));
  EXPECT_EQ(d.lastFrame(), 1401);
  EXPECT_EQ(d.frameSize().cx, 331);
  // The number is printed in the dial colour over the plate.
  win::WindowDC dc(item(kDial));
  bool cyan = false;
  for (int y = 198; y < 222 && !cyan; ++y) {
    for (int x = 147; x < 190 && !cyan; ++x) {
      const COLORREF c = ::GetPixel(dc.get(), x, y);
      cyan = GetRValue(c) < 60 && GetGValue(c) > 150 && GetBValue(c) > 200;
    }
  }
  EXPECT_TRUE(cyan);
}

TEST_F(ControlKit, PlotIsOwnerDrawnAndSizedToWholeCells) {
  CPlot& p = host->plot;
  p.MakeOwnerDrawn();
  const LONG_PTR style = ::GetWindowLongPtrW(item(kPlot), GWL_STYLE);
  EXPECT_EQ(style & SS_TYPEMASK, SS_OWNERDRAW);
  EXPECT_EQ(style & WS_BORDER, 0);
  p.SetBlend(RGB(255, 0, 0), 1.0f);
  ASSERT_TRUE(p.AddSeries(L"Engine Clock MHz", 0, 3000));
  ASSERT_EQ(p.model().series().size(), 1u);
  RECT client{};
  ::GetClientRect(item(kPlot), &client);
  EXPECT_EQ(p.model().series()[0].points.size(), size_t(client.right / 5 * 5 + 1));
  p.AddPoint(L"engine clock mhz", 50, 1500, L"", true);
  p.AddPoint(L"Engine Clock MHz", 100, 3000, L"", true);
  ::UpdateWindow(item(kPlot));
  // The series is drawn in its own colour; the background is the graph's.
  win::WindowDC dc(item(kPlot));
  const int last = int(p.model().series()[0].points.size()) - 1;
  EXPECT_EQ(::GetPixel(dc.get(), 1, client.bottom - 3), RGB(8, 36, 72));
  bool line = false;
  for (int y = 0; y < client.bottom && !line; ++y) {
    line = ::GetPixel(dc.get(), last - 2, y) == RGB(0, 168, 255);
  }
  EXPECT_TRUE(line);
  EXPECT_EQ(::SendMessageW(item(kPlot), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc.get()), 0),
            TRUE);
}

TEST_F(ControlKit, AThousandPaintsOfEachControlLeaveNoHandlesBehind) {
  ASSERT_TRUE(host->slider.SetChannelBitmaps(IDB_SLIDER_CHANNEL, IDB_SLIDER_ACTIVE));
  host->slider.SetValueRange(0, 100);
  ASSERT_TRUE(host->edit.SetPatternBackground(IDB_EDIT_PATTERN));
  host->plot.MakeOwnerDrawn();
  ASSERT_TRUE(host->plot.AddSeries(L"Fan Speed %", 0, 100));
  host->label.SetFace(CLabel::kDefaultFace);
  host->dial.SetDialFont(RGB(0, 210, 255), L"UniDreamLED");
  const auto paint = [&](int id) {
    ::RedrawWindow(item(id), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  };
  // One round first, so that lazily made system objects exist before counting.
  host->dial.DrawDial(1300, 0);
  paint(kSlider);
  const long before = win::LiveHandleCount();
  for (int i = 0; i < 1000; ++i) {
    host->slider.SetValue(i % 101);
    paint(kSlider);
    ::SendMessageW(item(kButtonA), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    paint(kButtonA);
    ::SendMessageW(item(kButtonA), WM_MOUSELEAVE, 0, 0);
    paint(kButtonA);
    host->label.SetText(std::to_wstring(i));
    paint(kLabel);
    paint(kEdit);
    host->plot.AddPoint(L"Fan Speed %", i % 120, i, L"", true);
    paint(kPlot);
    host->dial.DrawDial(DialFrameFor(i % 130), i % 130);
    paint(kDial);
  }
  // The dialog's own background, tiled into an off-screen bitmap.
  for (int i = 0; i < 1000; ++i) {
    ::RedrawWindow(host->hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  PumpMessages();
  EXPECT_EQ(win::LiveHandleCount(), before);
}

namespace {
// White text pixels of the message box's text area, counted per row.
std::vector<int> WhiteRowsOf(HWND box) {
  ::RedrawWindow(box, nullptr, nullptr,
                 RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  std::vector<int> rows(127, 0);
  win::WindowDC dc(box);
  for (int y = 0; y < 127; ++y) {
    for (int x = 90; x < 330; ++x) {
      const COLORREF c = ::GetPixel(dc.get(), x, y);
      if (GetRValue(c) > 200 && GetGValue(c) > 200 && GetBValue(c) > 200) ++rows[size_t(y)];
    }
  }
  return rows;
}
}  // namespace

TEST(SkinnedMessageBoxText, LongTextWrapsInsideItsAreaAndTheBoxDoesNotGrow) {
  std::vector<int> rows;
  RECT window{};
  AutoAnswer answer({IDC_MSG_OK}, [&](HWND box) {
    rows = WhiteRowsOf(box);
    ::GetWindowRect(box, &window);
  });
  CMsgDlg box;
  box.SetMessage(
      L"The configuration file could not be written. Check that the program's folder can be "
      L"written to, then start the program again; until then the settings are not kept, and "
      L"this sentence is long enough to run past the bottom of the text area.");
  EXPECT_EQ(box.DoModal(nullptr), 1);
  ASSERT_EQ(rows.size(), 127u);
  EXPECT_EQ(window.right - window.left, 351);
  EXPECT_EQ(window.bottom - window.top, 127);
  // Text on several lines: white rows near the top and further down the area.
  int firstLine = 0, laterLines = 0, below = 0;
  for (int y = 20; y < 36; ++y) firstLine += rows[size_t(y)];
  for (int y = 40; y < 90; ++y) laterLines += rows[size_t(y)];
  for (int y = 91; y < 127; ++y) {
    // Below the area only the buttons' captions may be light.
    below += rows[size_t(y)] > 60 ? 1 : 0;
  }
  EXPECT_GT(firstLine, 20);
  EXPECT_GT(laterLines, 40);
  EXPECT_EQ(below, 0);
}
