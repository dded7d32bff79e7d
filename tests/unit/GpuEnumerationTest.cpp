#include <gtest/gtest.h>

#include "SimulatedDriver.h"
#include "gpu/GpuEnumeration.h"
#include "sim/Handles.h"

using sim::PhysicalGpuHandle;

TEST(GpuTable, ConstructionValues) {
  const NvApi none;
  GpuTable table(none);
  EXPECT_EQ(table.currentIndex, 0);
  EXPECT_EQ(table.gpuCount, 0u);
  EXPECT_EQ(table.displayCount, 0u);
  EXPECT_EQ(table.deviceId, 0);
  EXPECT_EQ(table.vendorId, 0);
  EXPECT_EQ(table.currentPstate, 16);
  EXPECT_EQ(table.lastTemperature, 0);
  EXPECT_EQ(table.fanLevel, 0);
  for (NvPhysicalGpuHandle handle : table.physicalHandles) EXPECT_EQ(handle, 0u);
}

TEST(GpuTable, HandleResolvesMinusOneToCurrentAndIsNullOutsideTheTable) {
  const NvApi none;
  GpuTable table(none);
  for (uint32_t i = 0; i < kNvMaxPhysicalGpus; ++i) table.physicalHandles[i] = 100 + i;
  table.currentIndex = 3;
  EXPECT_EQ(table.Handle(-1), 103u);
  EXPECT_EQ(table.Handle(0), 100u);
  EXPECT_EQ(table.Handle(63), 163u);
  EXPECT_EQ(table.Handle(64), 0u);
  EXPECT_EQ(table.Handle(-2), 0u);
}

struct EnumerationCase {
  const char* name;
  std::vector<sim::GpuModel> gpus;
  std::vector<NvPhysicalGpuHandle> expectedSlots;
};

void PrintTo(const EnumerationCase& c, std::ostream* os) {
  *os << c.name;
}

class EnumerationOrder : public testing::TestWithParam<EnumerationCase> {};

TEST_P(EnumerationOrder, FillsSlotsTccFirstEachGroupReversed) {
  SimulatedDriver driver(ScenarioOf(GetParam().gpus));
  GpuTable table(driver.api);
  ASSERT_EQ(EnumerateGpus(table), kEnumerateOk);
  const auto& expected = GetParam().expectedSlots;
  ASSERT_EQ(table.gpuCount, expected.size());
  for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(table.physicalHandles[i], expected[i]);
  EXPECT_EQ(table.physicalHandles[expected.size()], 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EnumerationOrder,
    testing::Values(EnumerationCase{"OneGpu", {Board(0x2684)}, {PhysicalGpuHandle(0)}},
                    EnumerationCase{"TwoGpusReversed",
                                    {Board(0x2684), Board(0x1B80)},
                                    {PhysicalGpuHandle(1), PhysicalGpuHandle(0)}},
                    EnumerationCase{
                        "TccGpuFirst",
                        {Board(0x2684), Board(0x20B0, true), Board(0x1B80)},
                        {PhysicalGpuHandle(1), PhysicalGpuHandle(2), PhysicalGpuHandle(0)}}),
    [](const testing::TestParamInfo<EnumerationCase>& info) { return info.param.name; });

TEST(EnumerateGpus, ReadsPciIdentifiersOfGpuZeroAndTheDisplays) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684), Board(0x17C8)}, 2));
  GpuTable table(driver.api);
  ASSERT_EQ(EnumerateGpus(table), kEnumerateOk);
  // Slot 0 is the driver's last GPU.
  EXPECT_EQ(table.vendorId, 0x10DE);
  EXPECT_EQ(table.deviceId, 0x17C8);
  EXPECT_EQ(table.subsystemVendorId, 0x1043);
  EXPECT_EQ(table.subsystemId, 0x889A);
  EXPECT_EQ(table.displayCount, 2u);
  EXPECT_NE(table.displayHandles[0], 0u);
  EXPECT_NE(table.displayHandles[1], 0u);
  EXPECT_EQ(table.displayHandles[2], 0u);
  EXPECT_EQ(table.status, kNvOk);
}

TEST(EnumerateGpus, KeepsAtMost128Displays) {
  for (uint32_t displays : {127u, 128u, 129u, 300u}) {
    SimulatedDriver driver(ScenarioOf({Board(0x2684)}, displays));
    GpuTable table(driver.api);
    ASSERT_EQ(EnumerateGpus(table), kEnumerateOk);
    EXPECT_EQ(table.displayCount, std::min(displays, 128u)) << displays;
    EXPECT_LE(driver.simulator.CountCalls(kIdEnumNvidiaDisplayHandle), 128u);
  }
}

TEST(EnumerateGpus, NeverMoreThan64Gpus) {
  std::vector<sim::GpuModel> gpus;
  for (int i = 0; i < 40; ++i) gpus.push_back(Board(0x2684, i < 20));
  SimulatedDriver driver(ScenarioOf(gpus));
  // The TCC enumeration reports 40 of its 20, the other one 200 of its 20: a lying driver.
  driver.simulator.scenario().interfaces[kIdEnumTCCPhysicalGPUs].reportedCount = 40;
  driver.simulator.scenario().interfaces[kIdEnumPhysicalGPUs].reportedCount = 200;
  GpuTable table(driver.api);
  ASSERT_EQ(EnumerateGpus(table), kEnumerateOk);
  EXPECT_EQ(table.gpuCount, 64u);
}

TEST(EnumerateGpus, NoDriverGivesOneAndZeroIdentifiers) {
  const NvApi none;
  GpuTable table(none);
  EXPECT_EQ(EnumerateGpus(table), kEnumerateInitFailed);
  EXPECT_EQ(table.gpuCount, 0u);
  EXPECT_EQ(table.deviceId, 0);
  EXPECT_EQ(table.vendorId, 0);
  EXPECT_EQ(table.status, kNvNoImplementation);
}

TEST(EnumerateGpus, InitialiseFailureStopsBeforeEnumerating) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684)}));
  driver.simulator.scenario().interfaces[kIdInitialize].forcedStatus = kNvLibraryNotFound;
  GpuTable table(driver.api);
  EXPECT_EQ(EnumerateGpus(table), kEnumerateInitFailed);
  EXPECT_EQ(table.status, kNvLibraryNotFound);
  EXPECT_STRNE(table.errorText, "");
  EXPECT_EQ(driver.simulator.CountCalls(kIdEnumPhysicalGPUs), 0u);
}

TEST(EnumerateGpus, PhysicalFailureGivesTwoAndKeepsTccGpus) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684), Board(0x20B0, true)}));
  driver.simulator.scenario().interfaces[kIdEnumPhysicalGPUs].forcedStatus = kNvError;
  GpuTable table(driver.api);
  EXPECT_EQ(EnumerateGpus(table), kEnumeratePhysicalFailed);
  EXPECT_EQ(table.gpuCount, 1u);
  EXPECT_EQ(table.physicalHandles[0], PhysicalGpuHandle(1));
  EXPECT_EQ(table.status, kNvError);
  EXPECT_EQ(table.deviceId, 0);
  EXPECT_EQ(driver.simulator.CountCalls(kIdEnumNvidiaDisplayHandle), 0u);
}

TEST(EnumerateGpus, PciFailureLeavesIdentifiersZero) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684)}));
  driver.simulator.scenario().interfaces[kIdGpuGetPCIIdentifiers].forcedStatus = kNvError;
  GpuTable table(driver.api);
  EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
  EXPECT_EQ(table.deviceId, 0);
  EXPECT_EQ(table.gpuCount, 1u);
}

TEST(ReadPciIds, SplitsTheDriverWordsAndResolvesCurrentIndex) {
  sim::GpuModel second = Board(0x1B80);
  second.subsystemVendorId = 0x3842;
  second.subsystemId = 0x6183;
  SimulatedDriver driver(ScenarioOf({second, Board(0x2684)}));
  GpuTable table(driver.api);
  ASSERT_EQ(EnumerateGpus(table), kEnumerateOk);
  table.currentIndex = 1;
  PciIds ids;
  ASSERT_EQ(ReadPciIds(-1, table, ids), 0);
  EXPECT_EQ(ids.vendorId, 0x10DE);
  EXPECT_EQ(ids.deviceId, 0x1B80);
  EXPECT_EQ(ids.subsystemVendorId, 0x3842);
  EXPECT_EQ(ids.subsystemId, 0x6183);
}

TEST(ReadPciIds, FailureReturnsOneAndLeavesOutputs) {
  SimulatedDriver driver(ScenarioOf({Board(0x2684)}));
  GpuTable table(driver.api);
  ASSERT_EQ(EnumerateGpus(table), kEnumerateOk);
  PciIds ids;
  ids.deviceId = 0x1234;
  EXPECT_EQ(ReadPciIds(5, table, ids), 1);  // empty slot: null handle
  EXPECT_NE(table.status, kNvOk);
  EXPECT_EQ(ids.deviceId, 0x1234);
}
