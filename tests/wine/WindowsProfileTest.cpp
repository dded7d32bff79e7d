// The private-profile behaviour suite on the Windows functions, and what only Windows shows:
// files that another program holds open.
#include <windows.h>

#include "ProfileBehaviour.h"
#include "config/CIniFile.h"
#include "config/WindowsProfile.h"
#include "win/Handles.h"

INSTANTIATE_TEST_SUITE_P(Windows, ProfileBehaviour,
                         ::testing::Values(ProfileSeam{
                             "Windows",
                             [](const std::wstring& directory) -> std::unique_ptr<ProfileAccess> {
                               return std::make_unique<WindowsProfileAccess>(directory);
                             }}),
                         ProfileSeamName);

namespace {

class HeldFile : public ::testing::Test {
 protected:
  void SetUp() override {
    directory_ = MakeScratchDirectory();
    WriteFileBytes(Path(), original_);
  }
  void TearDown() override { RemoveTree(directory_); }
  std::wstring Path() const { return directory_ + L"\\Pyrelix_DID2684.cfg"; }

  std::wstring directory_;
  const std::string original_ = "[Pyrelix]\r\nInitialized=1\r\nTransPercent=4\r\n";
};

}  // namespace

// Held without sharing, the file can be neither read nor written: every operation answers 1.
// Held by a reader that shares only reading, it reads but is not written.
TEST_F(HeldFile, AnotherProgramsHandleDecidesWhatWorks) {
  struct Case {
    DWORD share;
    int readResult, writeResult;
  };
  for (const Case& c : {Case{0, 1, 1}, Case{FILE_SHARE_READ, 0, 1}}) {
    win::UniqueHandle<HANDLE, win::KernelTraits> held(
        ::CreateFileW(Path().c_str(), GENERIC_READ, c.share, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
    const WindowsProfileAccess access(directory_);
    const CIniFile file(access, L"Pyrelix_DID2684.cfg");
    KeyRecord record;
    record.Name(L"Pyrelix", L"TransPercent");
    EXPECT_EQ(file.ReadKey(record), c.readResult) << c.share;
    EXPECT_EQ(record.value, c.readResult == 0 ? 4 : 0);
    record.value = 9;
    EXPECT_EQ(file.WriteKeyLine(record), c.writeResult) << c.share;
    ProfileRecord profile;
    profile.Name(L"Default");
    EXPECT_EQ(file.WriteProfileLine(profile), c.writeResult);
    held.reset();
    EXPECT_EQ(ReadFileBytes(Path()), original_);
  }
}
