// The VBIOS panel on real windows with the simulated flashing tool from BIOS beside the test
// program: what a save writes, what a flash hands the card, and the failure notice.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "AutoAnswer.h"
#include "resource.h"
#include "vbios/CBiosDlg.h"

namespace {

std::string ReadAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const std::wstring& path, const std::string& bytes) {
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out << bytes;
}

bool Exists(const std::wstring& path) {
  return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

struct GivenFile : RomFileChooser {
  std::optional<std::wstring> ChooseSaveFile() override { return path; }
  std::optional<std::wstring> ChooseOpenFile() override { return path; }
  std::wstring path;
};

// A folder whose name holds a space and a percent sign, made the working directory (where the
// work file lives); the tool's settings point into it.
class BiosPanel : public testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    dir_ = std::wstring(temp) + L"pyrelix bios %PATH% " + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(dir_.c_str(), nullptr);
    wchar_t cwd[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, cwd);
    oldCwd_ = cwd;
    ASSERT_TRUE(::SetCurrentDirectoryW(dir_.c_str()));
    ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_LOG", Path(L"tool.log").c_str());
    ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_CARD", Path(L"card.rom").c_str());
    ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_EXIT", nullptr);
    WriteAll(Path(L"card.rom"), "the card's own VBIOS");
    panel_.SetFileChooser(&files_);
    ASSERT_TRUE(panel_.CreatePanel(nullptr));
  }
  void TearDown() override {
    for (const wchar_t* name :
         {L"tool.log", L"card.rom", L"backup.rom", L"saved 100%.rom", L"to flash ^%.rom"}) {
      ::DeleteFileW(Path(name).c_str());
    }
    ::SetCurrentDirectoryW(oldCwd_.c_str());
    ::RemoveDirectoryW(dir_.c_str());
    ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_LOG", nullptr);
    ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_CARD", nullptr);
    ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_EXIT", nullptr);
  }

  std::wstring Path(const wchar_t* name) const { return dir_ + L"\\" + name; }
  void Click(int id) {
    ::SendMessageW(panel_.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(panel_.Item(id)));
  }
  // Presses the panel's button, answering each message box with OK; the texts shown.
  std::vector<std::wstring> ClickAnswering(int id, size_t boxes) {
    std::vector<std::wstring> texts;
    AutoAnswer answer(std::vector<int>(boxes, IDC_MSG_OK), [&](HWND box) {
      wchar_t text[256] = {};
      ::GetDlgItemTextW(box, IDC_MSG_TEXT, text, 256);
      texts.push_back(text);
    });
    Click(id);
    return texts;
  }

  std::wstring dir_;
  std::wstring oldCwd_;
  GivenFile files_;
  CBiosDlg panel_;
};

const std::wstring kFail = L"Save BIOS Fail!";
const std::wstring kWarning = L"To Flash BIOS May Be Dangerous to Your Card,Will You Continue?";

TEST_F(BiosPanel, HasItsSizeAndButtons) {
  RECT window{};
  ::GetWindowRect(panel_.hwnd(), &window);
  EXPECT_EQ(window.right - window.left, 386);
  EXPECT_EQ(window.bottom - window.top, 281);
  const struct {
    int id, x, y, width, height;
  } buttons[] = {{IDC_BIOS_SAVE, 80, 60, 78, 26},
                 {IDC_BIOS_LOAD, 80, 100, 78, 26},
                 {IDC_BIOS_CLOSE, 280, 240, 64, 22}};
  for (const auto& b : buttons) {
    RECT r{};
    ::GetWindowRect(panel_.Item(b.id), &r);
    ::MapWindowPoints(nullptr, panel_.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, b.x) << b.id;
    EXPECT_EQ(r.top, b.y) << b.id;
    EXPECT_EQ(r.right - r.left, b.width) << b.id;
    EXPECT_EQ(r.bottom - r.top, b.height) << b.id;
  }
}

TEST_F(BiosPanel, SaveWritesTheCardsBiosIntoTheChosenFile) {
  WriteAll(Path(L"backup.rom"), "stale work file of an earlier run");
  files_.path = Path(L"saved 100%.rom");
  EXPECT_TRUE(ClickAnswering(IDC_BIOS_SAVE, 1).empty());
  EXPECT_EQ(ReadAll(files_.path), "the card's own VBIOS");
  EXPECT_FALSE(Exists(Path(L"backup.rom")));
  EXPECT_EQ(ReadAll(Path(L"tool.log")), "nvflash.exe --save backup.rom\n");
}

TEST_F(BiosPanel, AFailingToolShowsTheNoticeAndWritesNothing) {
  ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_EXIT", L"1");
  files_.path = Path(L"saved 100%.rom");
  EXPECT_EQ(ClickAnswering(IDC_BIOS_SAVE, 1), std::vector<std::wstring>{kFail});
  EXPECT_FALSE(Exists(files_.path));
}

TEST_F(BiosPanel, AFailedMoveAfterAGoodSaveIsReported) {
  files_.path = Path(L"no such folder\\saved.rom");
  EXPECT_EQ(ClickAnswering(IDC_BIOS_SAVE, 1), std::vector<std::wstring>{kFail});
  // What the tool saved stays in the work file.
  EXPECT_EQ(ReadAll(Path(L"backup.rom")), "the card's own VBIOS");
}

TEST_F(BiosPanel, FlashHandsTheChosenFileToTheCardAndRemovesTheWorkFile) {
  for (const bool toolFails : {false, true}) {
    WriteAll(Path(L"card.rom"), "old VBIOS");
    ::DeleteFileW(Path(L"tool.log").c_str());
    ::SetEnvironmentVariableW(L"PYRELIX_NVFLASH_EXIT", toolFails ? L"5" : nullptr);
    files_.path = Path(L"to flash ^%.rom");
    WriteAll(files_.path, "new VBIOS");
    const std::vector<std::wstring> expected = toolFails
                                                   ? std::vector<std::wstring>{kWarning, kFail}
                                                   : std::vector<std::wstring>{kWarning};
    EXPECT_EQ(ClickAnswering(IDC_BIOS_LOAD, expected.size()), expected) << toolFails;
    EXPECT_EQ(ReadAll(Path(L"card.rom")), toolFails ? "old VBIOS" : "new VBIOS");
    EXPECT_EQ(ReadAll(Path(L"tool.log")), "nvflash.exe backup.rom -A -6\n");
    EXPECT_FALSE(Exists(Path(L"backup.rom"))) << toolFails;
    EXPECT_EQ(ReadAll(files_.path), "new VBIOS");
  }
}

TEST_F(BiosPanel, AFailedCopyNeverFlashesAStaleWorkFile) {
  WriteAll(Path(L"card.rom"), "old VBIOS");
  WriteAll(Path(L"backup.rom"), "stale work file of an earlier run");
  files_.path = Path(L"missing.rom");
  EXPECT_EQ(ClickAnswering(IDC_BIOS_LOAD, 2), (std::vector<std::wstring>{kWarning, kFail}));
  EXPECT_EQ(ReadAll(Path(L"card.rom")), "old VBIOS");
  EXPECT_FALSE(Exists(Path(L"tool.log")));  // the tool never ran
  EXPECT_FALSE(Exists(Path(L"backup.rom")));
}

TEST_F(BiosPanel, DecliningTheWarningRunsNothing) {
  files_.path = Path(L"to flash ^%.rom");
  WriteAll(files_.path, "new VBIOS");
  std::vector<std::wstring> texts;
  {
    AutoAnswer answer({IDC_MSG_CANCEL}, [&](HWND box) {
      wchar_t text[256] = {};
      ::GetDlgItemTextW(box, IDC_MSG_TEXT, text, 256);
      texts.push_back(text);
    });
    Click(IDC_BIOS_LOAD);
  }
  EXPECT_EQ(texts, std::vector<std::wstring>{kWarning});
  EXPECT_EQ(ReadAll(Path(L"card.rom")), "the card's own VBIOS");
  EXPECT_FALSE(Exists(Path(L"tool.log")));
}

}  // namespace
