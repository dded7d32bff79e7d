// The skinned message box and the single-instance question, on real windows.
#include <gtest/gtest.h>

#include "AutoAnswer.h"
#include "app/InstanceMutex.h"
#include "controls/CMsgDlg.h"
#include "resource.h"
#include "win/Handles.h"

namespace {

struct BoxLook {
  RECT window{};
  bool shaped = false;
  bool okVisible = false;
  bool cancelVisible = false;
  wchar_t text[256] = {};
  RECT textArea{};
};

BoxLook Inspect(HWND box) {
  BoxLook look;
  ::GetWindowRect(box, &look.window);
  win::Gdi<HRGN> region(::CreateRectRgn(0, 0, 0, 0));
  look.shaped = ::GetWindowRgn(box, region.get()) != ERROR;
  look.okVisible = ::IsWindowVisible(::GetDlgItem(box, IDC_MSG_OK)) != FALSE;
  look.cancelVisible = ::IsWindowVisible(::GetDlgItem(box, IDC_MSG_CANCEL)) != FALSE;
  ::GetDlgItemTextW(box, IDC_MSG_TEXT, look.text, 256);
  ::GetWindowRect(::GetDlgItem(box, IDC_MSG_TEXT), &look.textArea);
  ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&look.textArea), 2);
  return look;
}

}  // namespace

TEST(SkinnedMessageBox, OkGivesOneAndCancelGivesTwo) {
  for (const auto& [button, result] : {std::pair{IDC_MSG_OK, 1}, std::pair{IDC_MSG_CANCEL, 2}}) {
    BoxLook look;
    AutoAnswer answer({button}, [&](HWND box) { look = Inspect(box); });
    CMsgDlg box;
    box.SetMessage(L"Application will not work normally!");
    EXPECT_EQ(box.DoModal(nullptr), result);
    EXPECT_EQ(answer.clicked(), 1u);
    EXPECT_EQ(look.window.right - look.window.left, 351);
    EXPECT_EQ(look.window.bottom - look.window.top, 127);
    EXPECT_TRUE(look.shaped);
    EXPECT_TRUE(look.okVisible);  // a plain notice still has both buttons
    EXPECT_TRUE(look.cancelVisible);
    EXPECT_STREQ(look.text, L"Application will not work normally!");
    EXPECT_EQ(look.textArea.left, 90);
    EXPECT_EQ(look.textArea.top, 20);
    EXPECT_EQ(look.textArea.right - look.textArea.left, 240);
    EXPECT_EQ(look.textArea.bottom - look.textArea.top, 70);
  }
}

TEST(SkinnedMessageBox, EnterAndEscapeDoNotCloseIt) {
  AutoAnswer answer(
      {IDC_MSG_CANCEL},
      [&](HWND found) {
        // Keys go through the program's message loop; Enter on OK would end the box with 1.
        ::PostMessageW(::GetDlgItem(found, IDC_MSG_OK), WM_KEYDOWN, VK_RETURN, 0);
        ::PostMessageW(found, WM_KEYDOWN, VK_ESCAPE, 0);
      },
      3);
  CMsgDlg dialog;
  dialog.SetMessage(L"Keys");
  // Escape would also give 2, but then the box would be gone before Cancel could be clicked.
  EXPECT_EQ(dialog.DoModal(nullptr), 2);
  EXPECT_EQ(answer.clicked(), 1u);
}

TEST(SkinnedMessageBox, LeavesNoHandlesBehind) {
  const long before = win::LiveHandleCount();
  for (int i = 0; i < 5; ++i) {
    AutoAnswer answer({IDC_MSG_OK});
    MsgDlgSink sink;
    EXPECT_EQ(sink.ShowMessage(L"Again"), 1);
  }
  EXPECT_EQ(win::LiveHandleCount(), before);
}

TEST(SingleInstance, SecondStartAsksAndOkContinues) {
  const wchar_t* name = L"Pyrelix test instance mutex";
  win::KernelHandle first;
  ASSERT_EQ(CreateInstanceMutex(first, name), InstanceMutex::kCreated);
  win::KernelHandle second;
  const InstanceMutex found = CreateInstanceMutex(second, name);
  ASSERT_EQ(found, InstanceMutex::kAlreadyExists);

  std::wstring asked;
  AutoAnswer ok({IDC_MSG_OK}, [&](HWND box) {
    wchar_t text[256] = {};
    ::GetDlgItemTextW(box, IDC_MSG_TEXT, text, 256);
    asked = text;
  });
  MsgDlgSink sink;
  EXPECT_TRUE(ContinueStartup(found, sink));
  EXPECT_EQ(asked, L"One of the program routine is already  running! Will you continue?");

  AutoAnswer cancel({IDC_MSG_CANCEL});
  EXPECT_FALSE(ContinueStartup(found, sink));
}
