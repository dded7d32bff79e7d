// The help panel and its web link on real windows: the page, the placement, the link's
// attachment, limits, pointer-over capture and opening on button-up.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/CHyperLink.h"
#include "info/CHelpDlg.h"
#include "info/HelpText.h"
#include "resource.h"
#include "win/Handles.h"

namespace {

RECT PlaceOf(HWND parent, int id) {
  RECT area{};
  ::GetWindowRect(::GetDlgItem(parent, id), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

std::wstring TextOf(HWND window) {
  std::vector<wchar_t> text(size_t(::GetWindowTextLengthW(window)) + 1);
  ::GetWindowTextW(window, text.data(), int(text.size()));
  return text.data();
}

// A plain window with one static control, for the link on its own.
struct StaticOnAWindow {
  StaticOnAWindow() {
    parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 100, 100, 300, 100,
                               nullptr, nullptr, nullptr, nullptr);
    child = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, parent,
                              reinterpret_cast<HMENU>(77), nullptr, nullptr);
  }
  ~StaticOnAWindow() {
    if (::IsWindow(parent)) ::DestroyWindow(parent);
  }
  HWND parent;
  HWND child;
};

}  // namespace

TEST(HelpPanel, ShowsThePageAndTheLinkInPlace) {
  CHelpDlg help;
  ASSERT_TRUE(help.ShowPanel(nullptr));
  HWND panel = help.hwnd();
  RECT frame{};
  ::GetWindowRect(panel, &frame);
  EXPECT_EQ(frame.right - frame.left, 627);
  EXPECT_EQ(frame.bottom - frame.top, 461);
  win::Gdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(::GetWindowRgn(panel, region.get()), ERROR);

  const struct {
    int id, x, y, w, h;
  } places[] = {
      {IDC_HELP_TEXT, 20, 45, 600, 350},
      {IDC_HELP_LINK, 25, 415, 200, 20},
      {IDC_HELP_CLOSE, 520, 415, 64, 22},
  };
  for (const auto& p : places) {
    const RECT area = PlaceOf(panel, p.id);
    EXPECT_EQ(area.left, p.x) << p.id;
    EXPECT_EQ(area.top, p.y) << p.id;
    EXPECT_EQ(area.right - area.left, p.w) << p.id;
    EXPECT_EQ(area.bottom - area.top, p.h) << p.id;
  }
  EXPECT_EQ(TextOf(::GetDlgItem(panel, IDC_HELP_TEXT)), HelpText());
  EXPECT_TRUE(help.link().attached());
  EXPECT_EQ(help.link().state().text(), kMakerWebAddress);
  EXPECT_EQ(help.link().state().target(), kMakerWebAddress);
  EXPECT_NE(::GetWindowLongPtrW(::GetDlgItem(panel, IDC_HELP_LINK), GWL_STYLE) & SS_NOTIFY, 0);

  ::SendMessageW(::GetDlgItem(panel, IDC_HELP_CLOSE), BM_CLICK, 0, 0);
  EXPECT_FALSE(::IsWindowVisible(panel));
  EXPECT_TRUE(help.HasWindow());
}

// Onto the link: orange and the mouse captured; off it (edges count as inside): white and
// released. The press does nothing, the release opens the address.
TEST(HelpPanel, TheLinkCapturesUnderThePointerAndOpensOnRelease) {
  CHelpDlg help;
  ASSERT_TRUE(help.ShowPanel(nullptr));
  std::vector<std::wstring> opened;
  help.link().SetOpener([&](const std::wstring& address) { opened.push_back(address); });
  HWND link = ::GetDlgItem(help.hwnd(), IDC_HELP_LINK);

  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(help.link().state().hovering());
  EXPECT_EQ(help.link().state().TextColour(), 0x00ABF6u);
  EXPECT_EQ(::GetCapture(), link);
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(200, 20));  // the far corner
  EXPECT_TRUE(help.link().state().hovering());
  ::SendMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(opened.empty());
  ::SendMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(opened, std::vector<std::wstring>{kMakerWebAddress});

  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(201, 21));
  EXPECT_FALSE(help.link().state().hovering());
  EXPECT_NE(::GetCapture(), link);

  // Another window taking the capture also ends the hover.
  ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SetCapture(help.hwnd());
  EXPECT_FALSE(help.link().state().hovering());
  ::ReleaseCapture();

  const long before = win::LiveHandleCount();
  for (int i = 0; i < 50; ++i) {
    ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::UpdateWindow(link);
    ::SendMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    ::UpdateWindow(link);
  }
  EXPECT_EQ(win::LiveHandleCount(), before);
}

TEST(HyperLinkControl, AttachRefusalsLimitsAndDetachOnDestroy) {
  StaticOnAWindow windows;
  const LONG_PTR ownProcedure = ::GetWindowLongPtrW(windows.child, GWLP_WNDPROC);
  const long before = win::LiveHandleCount();
  std::vector<std::wstring> opened;
  {
    CHyperLink link;
    link.SetOpener([&](const std::wstring& address) { opened.push_back(address); });
    EXPECT_FALSE(link.Attach(nullptr));
    ASSERT_TRUE(link.Attach(windows.child));
    EXPECT_FALSE(link.Attach(windows.child));  // already attached
    ASSERT_NE(link.font(), nullptr);
    LOGFONTW font{};
    ::GetObjectW(link.font(), sizeof font, &font);
    EXPECT_TRUE(font.lfUnderline);

    EXPECT_FALSE(link.SetLink(std::wstring(32, L'a'), L"https://example.invalid/"));
    EXPECT_FALSE(link.SetLink(L"a", std::wstring(1024, L'b')));
    EXPECT_TRUE(link.state().text().empty());
    // Without a link of its own the control's text is shown and opened, whole.
    const std::wstring own = L"https://example.invalid/" + std::wstring(40, L'p');
    ::SetWindowTextW(windows.child, own.c_str());
    ::SendMessageW(windows.child, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_EQ(opened, std::vector<std::wstring>{own});

    ASSERT_TRUE(link.SetLink(std::wstring(31, L'a'), std::wstring(1023, L'b')));
    ::SendMessageW(windows.child, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    ::UpdateWindow(windows.child);
    EXPECT_TRUE(link.state().hovering());

    ::DestroyWindow(windows.parent);  // the control goes with it: the link lets go
    EXPECT_FALSE(link.attached());
    EXPECT_EQ(link.font(), nullptr);
    EXPECT_TRUE(link.state().text().empty());
    EXPECT_TRUE(link.state().target().empty());
    EXPECT_FALSE(link.state().hovering());
    EXPECT_EQ(::GetCapture(), nullptr);
  }
  EXPECT_EQ(win::LiveHandleCount(), before);

  // Detach puts the control's own procedure back.
  StaticOnAWindow again;
  CHyperLink link;
  ASSERT_TRUE(link.Attach(again.child));
  link.Detach();
  EXPECT_EQ(::GetWindowLongPtrW(again.child, GWLP_WNDPROC), ownProcedure);
  EXPECT_TRUE(link.Attach(again.child));  // and it can be taken over again
}
