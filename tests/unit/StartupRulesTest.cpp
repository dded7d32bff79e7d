#include <gtest/gtest.h>

#include "SimulatedDriver.h"
#include "app/DeviceClassification.h"
#include "app/StartupRules.h"
#include "gpu/GpuEnumeration.h"

TEST(DeviceClassification, TheTwoLists) {
  struct Case {
    uint16_t id;
    bool vf;
    bool fanCooler;
  };
  const Case cases[] = {
      {0x1B80, true, false},  {0x1D01, true, false},  // last of the VF-only entries
      {0x1E04, true, true},   {0x2684, true, true},   {0x2882, true, true},
      {0x17C8, false, false}, {0x0000, false, false}, {0xFFFF, false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ClassifyVfModel(c.id), c.vf) << std::hex << c.id;
    EXPECT_EQ(ClassifyFanCoolerModel(c.id), c.fanCooler) << std::hex << c.id;
  }
}

TEST(DeviceClassification, EveryFanCoolerBoardIsAVfBoard) {
  for (uint32_t id = 0; id <= 0xFFFF; ++id) {
    if (ClassifyFanCoolerModel(uint16_t(id))) {
      EXPECT_TRUE(ClassifyVfModel(uint16_t(id))) << id;
    }
  }
}

TEST(StartupRules, EnumerationMessages) {
  EXPECT_TRUE(EnumerationMessages(kEnumerateOk).empty());
  EXPECT_EQ(
      EnumerationMessages(kEnumerateInitFailed),
      (std::vector<std::wstring>{L"Initial nvapi fail!", L"Application will not work normally!"}));
  EXPECT_EQ(EnumerationMessages(kEnumeratePhysicalFailed),
            (std::vector<std::wstring>{L"NvAPI_EnumPhysicalGPUs failed",
                                       L"Application will not work normally!"}));
}

TEST(StartupRules, ConfigFileNameCarriesFourUpperCaseDigits) {
  EXPECT_EQ(ConfigFileNameFor(0x2684), L"Pyrelix_DID2684.cfg");
  EXPECT_EQ(ConfigFileNameFor(0x1C8), L"Pyrelix_DID01C8.cfg");
  EXPECT_EQ(ConfigFileNameFor(0x1b8a), L"Pyrelix_DID1B8A.cfg");
  EXPECT_EQ(ConfigFileNameFor(0), L"Pyrelix_DID0000.cfg");
}

TEST(StartupRules, MainTimers) {
  auto ids = [](const std::vector<TimerSpec>& timers) {
    std::vector<std::pair<unsigned, unsigned>> out;
    for (const TimerSpec& t : timers) out.emplace_back(t.id, t.periodMs);
    return out;
  };
  using P = std::vector<std::pair<unsigned, unsigned>>;
  EXPECT_EQ(ids(MainTimers(0)), (P{{0, 100}, {1, 500}, {2, 1000}}));
  EXPECT_EQ(ids(MainTimers(1)), (P{{0, 100}, {1, 500}, {2, 1000}, {3, 1000}}));
}

struct ClassifyCase {
  const char* name;
  uint16_t vendor;
  uint16_t device;
  bool pciFails;
  int32_t vfBefore;
  int32_t fanBefore;
  int32_t vfAfter;
  int32_t fanAfter;
};

void PrintTo(const ClassifyCase& c, std::ostream* os) {
  *os << c.name;
}

class ClassifyBoardTest : public testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyBoardTest, SetsTheModelFlagsFromGpuZero) {
  const ClassifyCase& c = GetParam();
  sim::GpuModel gpu = Board(c.device);
  gpu.vendorId = c.vendor;
  SimulatedDriver driver(ScenarioOf({gpu}));
  MainWindowState state(driver.api);
  ASSERT_EQ(EnumerateGpus(state.gpus), kEnumerateOk);
  if (c.pciFails) {
    driver.simulator.scenario().interfaces[kIdGpuGetPCIIdentifiers].forcedStatus = kNvError;
  }
  state.VfClockModel = c.vfBefore;
  state.FanCoolerModel = c.fanBefore;
  ClassifyBoard(state);
  EXPECT_EQ(state.VfClockModel, c.vfAfter);
  EXPECT_EQ(state.FanCoolerModel, c.fanAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyBoardTest,
    testing::Values(ClassifyCase{"Vf1B80", 0x10DE, 0x1B80, false, 0, 0, 1, 0},
                    ClassifyCase{"Both2684", 0x10DE, 0x2684, false, 0, 0, 1, 1},
                    ClassifyCase{"Neither17C8", 0x10DE, 0x17C8, false, 0, 0, 0, 0},
                    // VfClockModel is only ever raised; the fan flag follows the list.
                    ClassifyCase{"VfNeverReset", 0x10DE, 0x17C8, false, 1, 1, 1, 0},
                    ClassifyCase{"OtherVendor", 0x1002, 0x2684, false, 0, 0, 0, 0},
                    ClassifyCase{"PciFails", 0x10DE, 0x2684, true, 0, 0, 0, 0}),
    [](const testing::TestParamInfo<ClassifyCase>& info) { return info.param.name; });

TEST(VbiosCheck, RatedPowerOnlyForTheExactVersions) {
  EXPECT_EQ(RatedBoardPowerForVbios("94.02.26.48.d6"), 320);
  EXPECT_EQ(RatedBoardPowerForVbios("94.02.42.00.02"), 350);
  EXPECT_EQ(RatedBoardPowerForVbios("94.02.26.48.D6"), 0);  // letter case differs
  EXPECT_EQ(RatedBoardPowerForVbios("94.02.26.48.d6 "), 0);
  EXPECT_EQ(RatedBoardPowerForVbios(""), 0);
}

TEST(VbiosCheck, EnablesTheSlotsOfReportingBoardsOnly) {
  // Driver order A, B, C lands as slots C, B, A.
  SimulatedDriver driver(
      ScenarioOf({Board(0x2684, false, "94.02.42.00.02"), Board(0x2684, false, "94.02.26.48.D6"),
                  Board(0x2684, false, "94.02.26.48.d6")}));
  MainWindowState state(driver.api);
  ASSERT_EQ(EnumerateGpus(state.gpus), kEnumerateOk);
  state.reportSlots[5].enabled = 1;  // stale: cleared before the check
  CheckReportingBoards(state);
  EXPECT_EQ(state.reportSlots[0].enabled, 1);
  EXPECT_EQ(state.reportSlots[0].boardPowerW, 320);
  EXPECT_EQ(state.reportSlots[1].enabled, 0);
  EXPECT_EQ(state.reportSlots[2].enabled, 1);
  EXPECT_EQ(state.reportSlots[2].boardPowerW, 350);
  EXPECT_EQ(state.reportSlots[5].enabled, 0);
  EXPECT_EQ(state.reportEnabled, 1);
}

TEST(VbiosCheck, NoReportingBoardLeavesTheFlagOff) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684), Board(0x2684, false, "94.02.26.48.d6")}));
  driver.simulator.scenario().interfaces[kIdGpuGetVbiosVersionString].forcedStatus = kNvError;
  MainWindowState state(driver.api);
  ASSERT_EQ(EnumerateGpus(state.gpus), kEnumerateOk);
  CheckReportingBoards(state);
  EXPECT_EQ(state.reportEnabled, 0);
  for (const LedReportSlot& slot : state.reportSlots) EXPECT_EQ(slot.enabled, 0);
  EXPECT_EQ(state.gpus.status, kNvError);
}

TEST(VbiosCheck, OnlyGpusWithASlotAreChecked) {
  std::vector<sim::GpuModel> gpus(12, Board(0x2684, false, "94.02.26.48.d6"));
  SimulatedDriver driver(ScenarioOf(gpus));
  MainWindowState state(driver.api);
  ASSERT_EQ(EnumerateGpus(state.gpus), kEnumerateOk);
  driver.simulator.ClearTrace();
  CheckReportingBoards(state);
  EXPECT_EQ(driver.simulator.CountCalls(kIdGpuGetVbiosVersionString), 10u);
  for (const LedReportSlot& slot : state.reportSlots) EXPECT_EQ(slot.enabled, 1);
}
