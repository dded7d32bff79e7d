// The configuration load of the main window's start-up: the file beside the test program and
// the autostart value in the prefix's registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <utility>

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

// Each test runs the demo board under a device ID of its own, so that its configuration file
// beside the test program is touched by no other test, even one running at the same time.
class ConfigurationStart : public ::testing::Test {
 protected:
  void SetUp() override { Clean(); }
  void TearDown() override { Clean(); }
  void Clean() {
    RemoveTree(path_);
    UnregisterAutoRun();
  }

  static sim::Scenario BoardWithId(uint16_t deviceId) {
    sim::Scenario scenario = sim::DemoScenario();
    scenario.gpus[0].deviceId = deviceId;
    return scenario;
  }
  static uint16_t IdOfThisTest() {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    const std::pair<const char*, uint16_t> ids[] = {
        {"FirstStartWritesTheFileAndRegistersAutostart", 0x0C01},
        {"LaterStartsTakeTheOptionsFromTheFile", 0x0C02},
        {"AnUnwritableFileShowsTheAutoRunMessage", 0x0C03},
    };
    for (const auto& [test, id] : ids) {
      if (name == test) return id;
    }
    ADD_FAILURE() << "no device ID for " << name;
    return 0x0C00;
  }

  std::unique_ptr<CPyrelixDlg> Start() {
    auto window = std::make_unique<CPyrelixDlg>(driver_.api);
    EXPECT_TRUE(window->Create(nullptr));
    return window;
  }

  const uint16_t deviceId_ = IdOfThisTest();
  SimulatedDriver driver_{BoardWithId(deviceId_)};
  const std::wstring path_ = GetExeDirectory(nullptr) + L"\\" + ConfigFileNameFor(deviceId_);
};

}  // namespace

TEST_F(ConfigurationStart, FirstStartWritesTheFileAndRegistersAutostart) {
  auto window = Start();
  const std::string bytes = ReadFileBytes(path_);
  char head[80];
  std::snprintf(head, sizeof head, "[Pyrelix]\r\nGPUDID=%04X\r\nInitialized=1\r\nSynchronize=1\r\n",
                unsigned(deviceId_));
  EXPECT_EQ(bytes.rfind(head, 0), 0u);
  EXPECT_NE(bytes.find("[Windows Startup]\r\nAutoRun=1\r\n[Default]\r\n"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 20), "FanMode=0\r\nFrame=0\r\n");
  std::wstring registered;
  EXPECT_EQ(IsAutoRunRegistered(&registered), kAutoRunRegistered);
  EXPECT_EQ(registered, GetExePath(nullptr));
  EXPECT_EQ(window->state().AutoOverClock, 0);
  EXPECT_EQ(window->state().StartupMinimize, 0);
  EXPECT_EQ(window->state().Transparence, 0);
}

// A later start only reads: the flags come from the file, which stays as it was, and the
// registry is not touched.
TEST_F(ConfigurationStart, LaterStartsTakeTheOptionsFromTheFile) {
  Start().reset();
  std::string bytes = ReadFileBytes(path_);
  bytes.replace(bytes.find("AutoOverClock=0"), 15, "AutoOverClock=2");
  bytes.replace(bytes.find("Transparence=0"), 14, "Transparence=1");
  bytes.replace(bytes.find("TransPercent=0"), 14, "TransPercent=5");
  WriteFileBytes(path_, bytes);
  UnregisterAutoRun();

  auto window = Start();
  EXPECT_EQ(window->state().AutoOverClock, 0);
  EXPECT_EQ(window->state().Transparence, 1);
  EXPECT_EQ(window->state().TransPercent, 5);
  EXPECT_EQ(ReadFileBytes(path_), bytes);
  EXPECT_EQ(IsAutoRunRegistered(), kAutoRunValueMissing);
}

// When the file cannot be written at all, the one message of the load is shown and start-up
// goes on.
TEST_F(ConfigurationStart, AnUnwritableFileShowsTheAutoRunMessage) {
  ASSERT_TRUE(MakeDirectory(path_));  // a folder where the file should be
  wchar_t text[256] = {};
  AutoAnswer answer({IDC_MSG_OK},
                    [&](HWND box) { ::GetDlgItemTextW(box, IDC_MSG_TEXT, text, 256); });
  auto window = Start();
  EXPECT_EQ(answer.clicked(), 1u);
  EXPECT_STREQ(text, L"Save configuration of auto run to file fail!");
  EXPECT_EQ(window->state().AutoOverClock, 0);
}
