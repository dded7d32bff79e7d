// The settings panel opened from the main window, on real windows: its controls, Apply's file
// keys and autostart value, and the translucency it spreads to every window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "AutoAnswer.h"
#include "ProfileBehaviour.h"
#include "SimulatedDriver.h"
#include "app/CPyrelixDlg.h"
#include "app/StartupRules.h"
#include "resource.h"
#include "settings/AutoRun.h"
#include "settings/WindowServices.h"
#include "sim/DemoScenario.h"

namespace {

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK FindInSearch(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  if (::IsWindowVisible(window) && ::GetDlgItem(window, search->id) != nullptr) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

// The thread's visible window that has control `id` (the panels have no titles to find them by).
HWND FindShownWindowWith(int id) {
  Search search{id, nullptr};
  ::EnumThreadWindows(::GetCurrentThreadId(), &FindInSearch, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Click(HWND window, int id) {
  ::SendMessageW(::GetDlgItem(window, id), BM_CLICK, 0, 0);
}

// The constant alpha of a layered window; none when the window is not layered.
std::optional<int> AlphaOf(HWND window) {
  if ((::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) == 0) return std::nullopt;
  BYTE alpha = 0;
  DWORD flags = 0;
  if (!::GetLayeredWindowAttributes(window, nullptr, &alpha, &flags)) return std::nullopt;
  return int(alpha);
}

RECT PlaceOf(HWND parent, int id) {
  RECT area{};
  ::GetWindowRect(::GetDlgItem(parent, id), &area);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// Each test runs the demo board under a device ID of its own, so its configuration file beside
// the test program is touched by no other test.
class SettingPanel : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override {
    window_.reset();
    Clean();
  }
  void Clean() {
    ::DeleteFileW(path_.c_str());
    UnregisterAutoRun();
  }

  static uint16_t IdOfThisTest() {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::pair<const char*, uint16_t> ids[] = {
        {"OpensFromTheMainWindowWithItsControlsInPlace", 0x0C11},
        {"ApplyWritesTheFileKeysAndTheAutostartValue", 0x0C12},
        {"UncheckingTransparencyMakesEveryWindowOpaque", 0x0C13},
        {"AnUnreadableFileShowsTheThreeReadNotices", 0x0C14},
    };
    for (const auto& [test, id] : ids) {
      if (name == test) return id;
    }
    ADD_FAILURE() << "no device ID for " << name;
    return 0x0C10;
  }
  static sim::Scenario BoardWithId(uint16_t deviceId) {
    sim::Scenario scenario = sim::DemoScenario();
    scenario.gpus[0].deviceId = deviceId;
    return scenario;
  }

  // Starts the main window (the first start writes the default file and registers autostart).
  HWND Start() {
    window_ = std::make_unique<CPyrelixDlg>(driver_.api);
    EXPECT_TRUE(window_->Create(nullptr));
    ::ShowWindow(window_->hwnd(), SW_SHOW);
    return window_->hwnd();
  }
  // Presses a main-window button and returns the panel it showed.
  HWND Open(int mainButton, int panelControl) {
    Click(window_->hwnd(), mainButton);
    return FindShownWindowWith(panelControl);
  }
  // Sets a key of the file the way the program itself reads it.
  void SetKey(const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    ASSERT_TRUE(::WritePrivateProfileStringW(section, key, value, path_.c_str()));
  }
  std::wstring Key(const wchar_t* section, const wchar_t* key) {
    wchar_t text[64] = {};
    ::GetPrivateProfileStringW(section, key, L"(none)", text, 64, path_.c_str());
    return text;
  }
  // Restarts the program on the file as it now is.
  HWND Restart() {
    window_.reset();
    return Start();
  }

  const uint16_t deviceId_ = IdOfThisTest();
  SimulatedDriver driver_{BoardWithId(deviceId_)};
  const std::wstring path_ = GetExeDirectory(nullptr) + L"\\" + ConfigFileNameFor(deviceId_);
  std::unique_ptr<CPyrelixDlg> window_;
};

}  // namespace

TEST_F(SettingPanel, OpensFromTheMainWindowWithItsControlsInPlace) {
  Start();
  HWND panel = Open(IDC_MAIN_SETTING, IDC_SET_APPLY);
  ASSERT_NE(panel, nullptr);
  RECT frame{};
  ::GetWindowRect(panel, &frame);
  EXPECT_EQ(frame.right - frame.left, 385);
  EXPECT_EQ(frame.bottom - frame.top, 263);
  win::Gdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  EXPECT_NE(::GetWindowRgn(panel, region.get()), ERROR);

  const struct {
    int id, x, y, w, h;
  } places[] = {
      {IDC_SET_RUN, 15, 32, 16, 16},     {IDC_SET_MIN, 15, 62, 16, 16},
      {IDC_SET_OC, 15, 92, 16, 16},      {IDC_SET_TRA, 15, 122, 16, 16},
      {IDC_SET_APPLY, 200, 220, 64, 22}, {IDC_SET_CLOSE, 280, 220, 64, 22},
  };
  for (const auto& p : places) {
    const RECT area = PlaceOf(panel, p.id);
    EXPECT_EQ(area.left, p.x) << p.id;
    EXPECT_EQ(area.top, p.y) << p.id;
    EXPECT_EQ(area.right - area.left, p.w) << p.id;
    EXPECT_EQ(area.bottom - area.top, p.h) << p.id;
  }
  const RECT list = PlaceOf(panel, IDC_SET_OPACITY);
  EXPECT_EQ(list.left, 260);
  EXPECT_EQ(list.top, 122);
  EXPECT_EQ(list.right - list.left, 80);

  // Ten entries, unsorted; hidden while translucency is off, shown when Tra is pressed.
  HWND combo = ::GetDlgItem(panel, IDC_SET_OPACITY);
  ASSERT_EQ(::SendMessageW(combo, CB_GETCOUNT, 0, 0), 10);
  wchar_t first[8] = {}, last[8] = {};
  ::SendMessageW(combo, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
  ::SendMessageW(combo, CB_GETLBTEXT, 9, reinterpret_cast<LPARAM>(last));
  EXPECT_STREQ(first, L"100%");
  EXPECT_STREQ(last, L"10%");
  EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 9);  // level 0 of the default file
  EXPECT_FALSE(::IsWindowVisible(combo));
  Click(panel, IDC_SET_TRA);
  EXPECT_TRUE(::IsWindowVisible(combo));

  // Close only hides; the main window's button shows the same window again.
  Click(panel, IDC_SET_CLOSE);
  EXPECT_FALSE(::IsWindowVisible(panel));
  EXPECT_EQ(Open(IDC_MAIN_SETTING, IDC_SET_APPLY), panel);
  EXPECT_TRUE(::IsWindowVisible(combo));  // the unapplied press is still shown
}

TEST_F(SettingPanel, ApplyWritesTheFileKeysAndTheAutostartValue) {
  HWND main = Start();
  ASSERT_EQ(IsAutoRunRegistered(), kAutoRunRegistered);  // the first start registered it
  HWND panel = Open(IDC_MAIN_SETTING, IDC_SET_APPLY);
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(AlphaOf(panel));

  // Run off, Min, OC and Tra on, "50%" chosen, then Apply (the list leaving its selection
  // first, as when the pointer goes on to the button).
  for (int id : {IDC_SET_RUN, IDC_SET_MIN, IDC_SET_OC, IDC_SET_TRA}) Click(panel, id);
  HWND combo = ::GetDlgItem(panel, IDC_SET_OPACITY);
  ::SendMessageW(combo, CB_SETCURSEL, 5, 0);
  ::SendMessageW(panel, WM_COMMAND, MAKEWPARAM(IDC_SET_OPACITY, CBN_SELENDCANCEL),
                 reinterpret_cast<LPARAM>(combo));
  Click(panel, IDC_SET_APPLY);

  EXPECT_EQ(Key(L"Windows Startup", L"AutoRun"), L"0");
  EXPECT_EQ(Key(L"Pyrelix", L"StartupMinimize"), L"1");
  EXPECT_EQ(Key(L"Pyrelix", L"AutoOverClock"), L"1");
  EXPECT_EQ(Key(L"Pyrelix", L"Transparence"), L"1");
  EXPECT_EQ(Key(L"Pyrelix", L"TransPercent"), L"4");
  EXPECT_EQ(IsAutoRunRegistered(), kAutoRunValueMissing);
  EXPECT_EQ(window_->state().Transparence, 1);
  EXPECT_EQ(window_->state().TransPercent, 4);
  EXPECT_EQ(AlphaOf(main), 127);
  EXPECT_EQ(AlphaOf(panel), 127);

  // Run on again: the value holds the program's path and the file says so.
  Click(panel, IDC_SET_RUN);
  Click(panel, IDC_SET_APPLY);
  std::wstring registered;
  EXPECT_EQ(IsAutoRunRegistered(&registered), kAutoRunRegistered);
  EXPECT_EQ(registered, GetExePath(nullptr));
  EXPECT_EQ(Key(L"Windows Startup", L"AutoRun"), L"1");

  // A panel opened afterwards takes the setting at its creation.
  HWND help = Open(IDC_MAIN_HELP, IDC_HELP_LINK);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(AlphaOf(help), 127);
}

// With translucency on at start-up, the settings panel still opens opaque; unchecking Tra and
// applying makes every window opaque and the level 9 in memory, but keeps it in the file.
TEST_F(SettingPanel, UncheckingTransparencyMakesEveryWindowOpaque) {
  Start();
  SetKey(L"Pyrelix", L"Transparence", L"1");
  SetKey(L"Pyrelix", L"TransPercent", L"5");
  HWND main = Restart();
  EXPECT_EQ(AlphaOf(main), 153);
  HWND help = Open(IDC_MAIN_HELP, IDC_HELP_LINK);
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(AlphaOf(help), 153);
  HWND panel = Open(IDC_MAIN_SETTING, IDC_SET_APPLY);
  ASSERT_NE(panel, nullptr);
  EXPECT_FALSE(AlphaOf(panel));
  HWND combo = ::GetDlgItem(panel, IDC_SET_OPACITY);
  EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 4);  // "60%"
  EXPECT_TRUE(::IsWindowVisible(combo));

  Click(panel, IDC_SET_APPLY);  // translucency still on: now the panel takes it too
  EXPECT_EQ(AlphaOf(panel), 153);

  Click(panel, IDC_SET_TRA);
  Click(panel, IDC_SET_APPLY);
  EXPECT_FALSE(AlphaOf(main));
  EXPECT_FALSE(AlphaOf(help));
  EXPECT_FALSE(AlphaOf(panel));
  EXPECT_EQ(window_->state().Transparence, 0);
  EXPECT_EQ(window_->state().TransPercent, 9);
  EXPECT_EQ(Key(L"Pyrelix", L"Transparence"), L"0");
  EXPECT_EQ(Key(L"Pyrelix", L"TransPercent"), L"5");
  EXPECT_EQ(::SendMessageW(combo, CB_GETCURSEL, 0, 0), 4);  // the list keeps its selection

  // Tra pressed again: the level the list shows comes back, not the 9 of the main window.
  Click(panel, IDC_SET_TRA);
  Click(panel, IDC_SET_APPLY);
  EXPECT_EQ(AlphaOf(main), 153);
  EXPECT_EQ(window_->state().TransPercent, 5);
}

TEST_F(SettingPanel, AnUnreadableFileShowsTheThreeReadNotices) {
  Start();
  ASSERT_TRUE(::DeleteFileW(path_.c_str()));
  ASSERT_TRUE(::CreateDirectoryW(path_.c_str(), nullptr));  // a folder where the file should be
  std::vector<std::wstring> shown;
  AutoAnswer answer({IDC_MSG_OK, IDC_MSG_OK, IDC_MSG_OK}, [&](HWND box) {
    wchar_t text[256] = {};
    ::GetDlgItemTextW(box, IDC_MSG_TEXT, text, 256);
    shown.push_back(text);
  });
  HWND panel = Open(IDC_MAIN_SETTING, IDC_SET_APPLY);
  ::RemoveDirectoryW(path_.c_str());
  EXPECT_NE(panel, nullptr);  // the panel opens anyway
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"Get startup data from file fail!",
                                              L"Get startup minimize data from file fail!",
                                              L"Get startup over clock data from file fail!"}));
}
