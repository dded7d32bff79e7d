// Fan control through both cooler interfaces against the simulated driver.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TraceQueries.h"
#include "gpu/Coolers.h"
#include "gpu/Sensors.h"
#include "sim/PerformanceBoards.h"

namespace {

sim::Scenario FanBoard(uint32_t fanCoolers = 2) {
  sim::GpuModel gpu = Board(0x2684);
  sim::SetVfFanCoolerPerformance(gpu);
  gpu.sensors.loadPattern = {0};
  gpu.sensors.startC = gpu.sensors.ambientC;
  gpu.coolers.fanCoolers = fanCoolers;
  return ScenarioOf({gpu});
}

TEST(SetCoolerLevel, ManualLevelReachesTheFansAndIsKept) {
  EnumeratedDriver d(FanBoard());
  EXPECT_EQ(SetCoolerLevel(kNvCoolerPolicyManual, 70, -1, d.table), 0);
  EXPECT_EQ(d.table.fanLevel, 70);
  EXPECT_EQ(d.table.status, kNvOk);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuSetCoolerLevels), std::vector<uint32_t>{0x100A4});
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuSetCoolerLevels).find("cooler=7 level=70 policy=1"),
            std::string::npos);
  EXPECT_EQ(ReadFanLevel(d.table), 70);
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 70);
  // Back to automatic: the fans follow the temperature again.
  EXPECT_EQ(SetCoolerLevel(kNvCoolerPolicyAuto, 70, -1, d.table), 0);
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuSetCoolerLevels).find("policy=32"), std::string::npos);
  EXPECT_EQ(ReadFanLevel(d.table), 30);
}

TEST(SetCoolerLevel, DriverRefusingTheLongLayoutGetsTheSameRequestInTheShortOne) {
  EnumeratedDriver d(FanBoard());
  d.Interface(kIdGpuSetCoolerLevels).acceptedVersions = {0x1001C};
  EXPECT_EQ(SetCoolerLevel(kNvCoolerPolicyManual, 55, 0, d.table), 0);
  EXPECT_EQ(d.table.fanLevel, 55);
  const std::vector<sim::TraceEntry> calls = CallsOf(d.simulator(), kIdGpuSetCoolerLevels);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].version, 0x100A4u);
  EXPECT_EQ(calls[1].version, 0x1001Cu);
  EXPECT_EQ(calls[0].args.substr(0, calls[0].args.find(" ->")),
            calls[1].args.substr(0, calls[1].args.find(" ->")));
}

TEST(SetCoolerLevel, BothLayoutsFailingKeepTheLevelAndTheStatusText) {
  EnumeratedDriver d(FanBoard());
  d.Interface(kIdGpuSetCoolerLevels).forcedStatus = kNvError;
  d.table.fanLevel = 33;
  EXPECT_EQ(SetCoolerLevel(kNvCoolerPolicyManual, 80, -1, d.table), 1);
  EXPECT_EQ(d.table.fanLevel, 33);
  EXPECT_EQ(d.table.status, kNvError);
  EXPECT_STREQ(d.table.errorText, "Generic error");
  EXPECT_EQ(CallsOf(d.simulator(), kIdGpuSetCoolerLevels).size(), 2u);
}

TEST(FanCoolers, ManualLevelPerFanAndZeroMeansAutomatic) {
  EnumeratedDriver d(FanBoard());
  EXPECT_TRUE(SetFanCoolerManual(-1, 1, 65, d.table));
  EXPECT_EQ(LastArgs(d.simulator(), kIdGpuClientFanCoolersSetControl),
            "handle=0x00001000 flags=0x00000000 count=1 id=1 level=65 mode=1");
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClientFanCoolersSetControl),
            std::vector<uint32_t>{0x105AC});
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 65);
  EXPECT_EQ(VersionsOf(d.simulator(), kIdGpuClientFanCoolersGetStatus),
            std::vector<uint32_t>{0x106A8});

  EXPECT_TRUE(SetFanCoolerManual(-1, 1, 0, d.table));
  EXPECT_EQ(LastArgs(d.simulator(), kIdGpuClientFanCoolersSetControl),
            "handle=0x00001000 flags=0x00000000 count=1 id=1 level=0 mode=0");
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 30);  // automatic again
}

TEST(FanCoolers, SecondFanOfAOneFanBoardFailsAndTheFirstKeepsItsLevel) {
  EnumeratedDriver d(FanBoard(1));
  EXPECT_TRUE(SetFanCoolerManual(-1, 1, 75, d.table));
  EXPECT_FALSE(SetFanCoolerManual(-1, 2, 75, d.table));
  EXPECT_EQ(d.table.status, kNvInvalidArgument);
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 75);
}

TEST(FanCoolers, AutoHandsEveryFanBack) {
  EnumeratedDriver d(FanBoard());
  ASSERT_TRUE(SetFanCoolerManual(-1, 1, 90, d.table));
  ASSERT_TRUE(SetFanCoolerManual(-1, 2, 90, d.table));
  EXPECT_TRUE(SetFanCoolersAuto(-1, d.table));
  EXPECT_NE(LastArgs(d.simulator(), kIdGpuClientFanCoolersSetControl)
                .find("flags=0x00000001 count=2 id=0 level=0 mode=0 id=0 level=0 mode=0"),
            std::string::npos);
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 30);
}

TEST(FanCoolers, BoardWithoutTheInterfaceFailsAndTheReadKeepsTheBuffer) {
  EnumeratedDriver d(FanBoard());
  EXPECT_TRUE(SetFanCoolerManual(-1, 1, 45, d.table));
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 45);
  d.Interface(kIdGpuClientFanCoolersGetStatus).forcedStatus = kNvError;
  EXPECT_EQ(ReadFanCoolerLevel(d.table), 45);  // the previous answer, whatever the status
  EXPECT_EQ(d.table.status, kNvError);

  EnumeratedDriver older(FanBoard(0));
  EXPECT_FALSE(SetFanCoolerManual(-1, 1, 45, older.table));
  EXPECT_FALSE(SetFanCoolersAuto(-1, older.table));
  EXPECT_EQ(older.table.status, kNvNotSupported);
  EXPECT_EQ(ReadFanCoolerLevel(older.table), 0);
}

}  // namespace
