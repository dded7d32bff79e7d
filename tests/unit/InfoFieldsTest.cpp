// The information panel's thirteen fields: their formats, what a failed query leaves, and that
// they follow the selected GPU.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SimulatedDriver.h"
#include "gpu/GpuEnumeration.h"
#include "info/InfoFields.h"

namespace {

sim::GpuModel FullBoard() {
  sim::GpuModel gpu = Board(0x2A3F, false, "95.02.3c.80.a7");
  gpu.name = "Simulated RTX 9090";
  gpu.board.memoryKb = 8388608;
  gpu.board.memoryType = 8;   // GDDR5
  gpu.board.memoryMaker = 1;  // Samsung
  gpu.board.busWidthBits = 256;
  gpu.board.coreCount = 10496;
  gpu.sensors.graphics.baseKHz = 1500000;
  gpu.sensors.graphics.boostKHz = 1785999;  // kHz cut to MHz, never rounded up
  return gpu;
}

struct InfoFixture {
  explicit InfoFixture(std::vector<sim::GpuModel> gpus = {FullBoard()})
      : driver(ScenarioOf(std::move(gpus))), table(driver.api) {
    driver.simulator.scenario().driverVersion.version = 53141;
    EXPECT_EQ(EnumerateGpus(table), kEnumerateOk);
  }
  void Fail(uint32_t id) { driver.simulator.scenario().interfaces[id].forcedStatus = kNvError; }
  sim::GpuModel& gpu() { return driver.simulator.scenario().gpus[0]; }

  SimulatedDriver driver;
  GpuTable table;
};

const InfoTexts kFullBoardTexts = {"Simulated RTX 9090",
                                   "ForceWare 531.41",
                                   "95.02.3C.80.A7",
                                   "10496",
                                   "8192 MB GDDR5  Samsung",
                                   "256 Bit",
                                   "1500",
                                   "1785",
                                   "10de",
                                   "2a3f",
                                   "1043",
                                   "889a",
                                   "V 1.0.0.035"};

TEST(InfoFields, ShowEveryFactInItsFormat) {
  InfoFixture f;
  EXPECT_EQ(ReadInfoTexts(f.table), kFullBoardTexts);
  // The clocks were read into the table's overclock reading.
  EXPECT_EQ(f.table.ocInfo.graphicsBoostKHz, 1785999u);
}

TEST(InfoFields, DriverVersionHasTwoDecimalsAndNothingForZero) {
  EXPECT_EQ(DriverVersionText(53141), "ForceWare 531.41");
  EXPECT_EQ(DriverVersionText(45200), "ForceWare 452.00");
  EXPECT_EQ(DriverVersionText(4294967295u), "ForceWare 42949672.95");  // taken as unsigned
  EXPECT_EQ(DriverVersionText(0), "");
}

TEST(InfoFields, AMemoryKindBeyondTheTableLeavesTheTypeOut) {
  InfoFixture f;
  f.gpu().board.memoryType = 14;
  EXPECT_EQ(ReadInfoTexts(f.table)[kInfoMemory], "8192 MB   Samsung");
  f.gpu().board.memoryMaker = 11;
  EXPECT_EQ(ReadInfoTexts(f.table)[kInfoMemory], "8192 MB   ");
}

struct FailCase {
  uint32_t interfaceId;
  std::vector<InfoField> emptied;
  const char* memory;  // the memory field when it is not emptied: nullptr for the full text
};

class InfoFieldFailure : public testing::TestWithParam<FailCase> {};

TEST_P(InfoFieldFailure, EmptiesOnlyItsOwnFields) {
  const FailCase& c = GetParam();
  InfoFixture f;
  f.Fail(c.interfaceId);
  InfoTexts expected = kFullBoardTexts;
  for (InfoField field : c.emptied) expected[field].clear();
  if (c.memory != nullptr) expected[kInfoMemory] = c.memory;
  EXPECT_EQ(ReadInfoTexts(f.table), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, InfoFieldFailure,
    testing::Values(
        FailCase{kIdGpuGetFullName, {kInfoBoardName}, nullptr},
        FailCase{kIdGetDisplayDriverVersion, {kInfoDriverVersion}, nullptr},
        FailCase{kIdGpuGetVbiosVersionString, {kInfoVbiosVersion}, nullptr},
        FailCase{kIdGpuGetGpuCoreCount, {kInfoCoreCount}, nullptr},
        FailCase{kIdGpuGetPhysicalFrameBufferSize, {}, "GDDR5  Samsung"},
        // A failed type query with the code left 0 still names "UNKNOWN".
        FailCase{kIdGpuGetMemoryType, {}, "8192 MB UNKNOWN  Samsung"},
        FailCase{kIdGpuGetFrameBufferWidthAndLocation, {kInfoBusWidth}, nullptr},
        FailCase{kIdGpuGetAllClockFrequencies, {kInfoBaseClock, kInfoBoostClock}, nullptr},
        FailCase{kIdGpuGetPCIIdentifiers,
                 {kInfoVendorId, kInfoDeviceId, kInfoSubsystemVendorId, kInfoSubsystemId},
                 nullptr}));

TEST(InfoFields, AFailingBaseReadingShowsZeroBesideTheBoost) {
  InfoFixture f;
  f.gpu().sensors.answersBaseClocks = false;
  const InfoTexts texts = ReadInfoTexts(f.table);
  EXPECT_EQ(texts[kInfoBaseClock], "0");
  EXPECT_EQ(texts[kInfoBoostClock], "1785");
}

TEST(InfoFields, FollowTheSelectedGpu) {
  sim::GpuModel second = FullBoard();
  second.deviceId = 0x1B80;
  second.name = "Second board";
  second.board.memoryKb = 4194304;
  // The table lists the driver's GPUs in reverse: index 0 is the second board.
  InfoFixture f({FullBoard(), second});
  InfoTexts texts = ReadInfoTexts(f.table);
  EXPECT_EQ(texts[kInfoBoardName], "Second board");
  EXPECT_EQ(texts[kInfoMemory], "4096 MB GDDR5  Samsung");
  EXPECT_EQ(texts[kInfoDeviceId], "1b80");
  f.table.currentIndex = 1;
  EXPECT_EQ(ReadInfoTexts(f.table), kFullBoardTexts);
}

}  // namespace
