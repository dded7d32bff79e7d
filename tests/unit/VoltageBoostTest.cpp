// The voltage boost: one structure version, the low byte sent, the read into the caller's byte.
#include <gtest/gtest.h>

#include "DriverTrace.h"
#include "SimulatedDriver.h"
#include "gpu/GpuEnumeration.h"
#include "gpu/VoltageBoost.h"

namespace {

using drivertrace::ExpectResolvedOnce;
using drivertrace::LastCall;

struct BoostFixture {
  explicit BoostFixture(std::vector<sim::GpuModel> gpus = {Board(0x1B80)})
      : driver(ScenarioOf(std::move(gpus))), table(driver.api) {
    EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
    driver.simulator.ClearTrace();
  }
  SimulatedDriver driver;
  GpuTable table;
};

struct SentCase {
  int value;
  uint8_t sent;
};

class WriteVoltageBoostSends : public testing::TestWithParam<SentCase> {};

TEST_P(WriteVoltageBoostSends, TheLowByteWithVersionOneAndReadsItBack) {
  BoostFixture f;
  ASSERT_EQ(WriteVoltageBoost(-1, f.table, GetParam().value), 0);
  EXPECT_EQ(f.table.status, kNvOk);
  const sim::TraceEntry set = LastCall(f.driver.simulator, kIdGpuClientVoltRailsSetControl);
  EXPECT_EQ(set.version, 0x10028u);
  EXPECT_EQ(set.args, "handle=0x00001000 boost=" + std::to_string(GetParam().sent));

  uint8_t boost = 0xEE;
  EXPECT_EQ(ReadVoltageBoost(f.table, boost), kNvOk);
  EXPECT_EQ(boost, GetParam().sent);
  EXPECT_EQ(LastCall(f.driver.simulator, kIdGpuClientVoltRailsGetControl).version, 0x10028u);
}

INSTANTIATE_TEST_SUITE_P(Values, WriteVoltageBoostSends,
                         testing::Values(SentCase{0, 0}, SentCase{37, 37}, SentCase{100, 100},
                                         SentCase{0x164, 100}));

TEST(VoltageBoost, ADriverRefusingVersionOneFailsBothCallsAfterOneTry) {
  BoostFixture f;
  f.driver.simulator.scenario().interfaces[kIdGpuClientVoltRailsGetControl].acceptedVersions = {
      0x20028};
  f.driver.simulator.scenario().interfaces[kIdGpuClientVoltRailsSetControl].acceptedVersions = {
      0x20028};
  EXPECT_EQ(WriteVoltageBoost(-1, f.table, 50), 1);
  EXPECT_EQ(f.table.status, kNvIncompatibleStructVersion);
  uint8_t boost = 7;
  EXPECT_EQ(ReadVoltageBoost(f.table, boost), kNvIncompatibleStructVersion);
  EXPECT_EQ(boost, 7);  // unchanged
  EXPECT_EQ(f.driver.simulator.CountCalls(kIdGpuClientVoltRailsSetControl), 1u);
  EXPECT_EQ(f.driver.simulator.CountCalls(kIdGpuClientVoltRailsGetControl), 1u);
}

TEST(VoltageBoost, AFailedReadLeavesTheByteAndStoresTheStatus) {
  BoostFixture f;
  f.driver.simulator.scenario().interfaces[kIdGpuClientVoltRailsGetControl].forcedStatus = kNvError;
  uint8_t boost = 0;
  EXPECT_EQ(ReadVoltageBoost(f.table, boost), kNvError);
  EXPECT_EQ(f.table.status, kNvError);
  EXPECT_EQ(boost, 0);
}

TEST(VoltageBoost, WriteAddressesTheIndexAndReadTheCurrentGpu) {
  sim::GpuModel boosted = Board(0x1B80);
  boosted.voltRails.boostPercent = 25;
  BoostFixture f({Board(0x1B80), boosted});  // slot 0 = model 1 (reversed), slot 1 = model 0
  ASSERT_EQ(WriteVoltageBoost(1, f.table, 60), 0);
  EXPECT_EQ(LastCall(f.driver.simulator, kIdGpuClientVoltRailsSetControl).gpuIndex, 0);

  uint8_t boost = 0;
  ASSERT_EQ(ReadVoltageBoost(f.table, boost), kNvOk);  // currentIndex 0: model 1, untouched
  EXPECT_EQ(boost, 25);
  f.table.currentIndex = 1;
  ASSERT_EQ(ReadVoltageBoost(f.table, boost), kNvOk);
  EXPECT_EQ(boost, 60);
}

TEST(VoltageBoost, AnEmptySlotFailsWithTheDriversStatus) {
  BoostFixture f;
  EXPECT_EQ(WriteVoltageBoost(5, f.table, 10), 1);
  EXPECT_EQ(f.table.status, kNvExpectedPhysicalGpuHandle);
}

}  // namespace

namespace {

TEST(VoltageBoost, TheSeamResolvesBothEntriesAndWorksWithoutThem) {
  SimulatedDriver driver(ScenarioOf({Board(0x1B80)}));
  ExpectResolvedOnce(driver.simulator,
                     {kIdGpuClientVoltRailsGetControl, kIdGpuClientVoltRailsSetControl});
  const NvApi none;
  GpuTable table(none);
  uint8_t boost = 9;
  EXPECT_EQ(ReadVoltageBoost(table, boost), kNvNoImplementation);
  EXPECT_EQ(boost, 9);
  EXPECT_EQ(WriteVoltageBoost(-1, table, 10), 1);
}

}  // namespace
