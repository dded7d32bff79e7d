// The simulated board facts and driver version: answers, refusals and scenario keys.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "SimTestSupport.h"
#include "gpu/structs/BoardInfoStructs.h"
#include "sim/ScenarioParser.h"

namespace {

using sim::DisplayHandle;
using sim::PhysicalGpuHandle;
using simtest::ActiveDriver;

constexpr uint32_t kUntouched = 0xCDCDCDCDu;

sim::Scenario BoardScenario() {
  sim::Scenario scenario = simtest::TwoGpusScenario();
  sim::BoardInfoModel& board = scenario.gpus[2].board;
  board.memoryKb = 10485760;
  board.memoryType = 14;
  board.memoryMaker = 6;
  board.busWidthBits = 320;
  board.frameBufferLocation = 1;
  board.coreCount = 8704;
  scenario.gpus[2].name = "NVIDIA GeForce RTX 3080";
  scenario.driverVersion = sim::DriverVersionModel{56614, "r565_90"};
  return scenario;
}

TEST(BoardInfoEntries, AnswerTheNamedBoardsFacts) {
  ActiveDriver driver(BoardScenario());
  const NvPhysicalGpuHandle gpu = PhysicalGpuHandle(2);
  uint32_t value = 0;
  uint32_t location = 0;
  ASSERT_EQ(driver.Get<nvfn::GpuGetPhysicalFrameBufferSize>(kIdGpuGetPhysicalFrameBufferSize)(
                gpu, &value),
            kNvOk);
  EXPECT_EQ(value, 10485760u);
  ASSERT_EQ(driver.Get<nvfn::GpuGetMemoryType>(kIdGpuGetMemoryType)(gpu, &value), kNvOk);
  EXPECT_EQ(value, 14u);
  ASSERT_EQ(driver.Get<nvfn::GpuGetMemoryMaker>(kIdGpuGetMemoryMaker)(gpu, &value), kNvOk);
  EXPECT_EQ(value, 6u);
  ASSERT_EQ(driver.Get<nvfn::GpuGetGpuCoreCount>(kIdGpuGetGpuCoreCount)(gpu, &value), kNvOk);
  EXPECT_EQ(value, 8704u);
  ASSERT_EQ(driver.Get<nvfn::GpuGetFrameBufferWidthAndLocation>(
                kIdGpuGetFrameBufferWidthAndLocation)(gpu, &value, &location),
            kNvOk);
  EXPECT_EQ(value, 320u);
  EXPECT_EQ(location, 1u);
  char name[kNvShortStringSize];
  std::memset(name, 'x', sizeof name);
  ASSERT_EQ(driver.Get<nvfn::GpuGetFullName>(kIdGpuGetFullName)(gpu, name), kNvOk);
  EXPECT_STREQ(name, "NVIDIA GeForce RTX 3080");
  EXPECT_EQ(name[kNvShortStringSize - 1], '\0');  // NUL-padded
  EXPECT_EQ(driver.simulator.Trace().back().args,
            "handle=0x00001002 -> name=NVIDIA GeForce RTX 3080");
}

TEST(BoardInfoEntries, RefuseNullOutputsAndUnknownHandles) {
  ActiveDriver driver(BoardScenario());
  uint32_t value = kUntouched;
  auto size = driver.Get<nvfn::GpuGetPhysicalFrameBufferSize>(kIdGpuGetPhysicalFrameBufferSize);
  EXPECT_EQ(size(PhysicalGpuHandle(2), nullptr), kNvInvalidArgument);
  EXPECT_EQ(size(PhysicalGpuHandle(7), &value), kNvExpectedPhysicalGpuHandle);
  EXPECT_EQ(value, kUntouched);
  uint32_t location = kUntouched;
  EXPECT_EQ(driver.Get<nvfn::GpuGetFrameBufferWidthAndLocation>(
                kIdGpuGetFrameBufferWidthAndLocation)(PhysicalGpuHandle(2), &value, nullptr),
            kNvInvalidArgument);
  EXPECT_EQ(value, kUntouched);
  EXPECT_EQ(location, kUntouched);
  EXPECT_EQ(driver.Get<nvfn::GpuGetFullName>(kIdGpuGetFullName)(PhysicalGpuHandle(2), nullptr),
            kNvInvalidArgument);
}

TEST(DriverVersionEntry, AnswersThroughAnyDisplayHandleAndOnlyVersionOne) {
  ActiveDriver driver(BoardScenario());  // two displays
  auto query = driver.Get<nvfn::GetDisplayDriverVersion>(kIdGetDisplayDriverVersion);
  NvDisplayDriverVersion version;
  version.version = kNvDisplayDriverVersionVersion;
  ASSERT_EQ(query(DisplayHandle(1), &version), kNvOk);
  EXPECT_EQ(version.drvVersion, 56614u);
  EXPECT_STREQ(version.buildBranch, "r565_90");
  EXPECT_STREQ(version.adapter, "");  // GPU 0 of this scenario has no name
  EXPECT_EQ(driver.simulator.Trace().back().version, 0x1008Cu);

  NvDisplayDriverVersion refused;
  refused.version = 0x2008C;
  EXPECT_EQ(query(DisplayHandle(0), &refused), kNvIncompatibleStructVersion);
  EXPECT_EQ(refused.drvVersion, 0u);
  EXPECT_EQ(query(DisplayHandle(2), &version), kNvExpectedDisplayHandle);
  EXPECT_EQ(query(0, &version), kNvExpectedDisplayHandle);
  EXPECT_EQ(query(DisplayHandle(0), nullptr), kNvInvalidArgument);
}

TEST(BoardInfoScenario, KeysFillTheBoardAndTheDriverVersion) {
  const std::string text =
      "[driver]\ndriver_version = 53141\ndriver_branch = r530_00\n"
      "[gpu]\ndevice = 0x1B80\n"
      "[gpu.board]\nmemory_kb = 8388608\nmemory_type = 10\nmemory_maker = 10\n"
      "bus_width = 256\nfb_location = 1\ncores = 2560\n";
  sim::Scenario scenario;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario(text, scenario, error)) << error;
  EXPECT_EQ(scenario.driverVersion, (sim::DriverVersionModel{53141, "r530_00"}));
  const sim::BoardInfoModel& board = scenario.gpus[0].board;
  EXPECT_EQ(board, (sim::BoardInfoModel{8388608, 10, 10, 256, 1, 2560}));
}

struct ErrorCase {
  const char* name;
  const char* text;
  const char* error;
};

void PrintTo(const ErrorCase& c, std::ostream* out) {
  *out << c.name;
}

class GpuAreaScenarioError : public testing::TestWithParam<ErrorCase> {};

TEST_P(GpuAreaScenarioError, IsRejectedWithItsLine) {
  sim::Scenario scenario;
  std::string error;
  EXPECT_FALSE(sim::ParseScenario(GetParam().text, scenario, error));
  EXPECT_EQ(error, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, GpuAreaScenarioError,
    testing::Values(
        ErrorCase{"AreaBeforeGpu", "[gpu.board]\ncores = 1\n",
                  "line 1: [gpu.board] comes before any [gpu]"},
        ErrorCase{"UnknownArea", "[gpu]\ndevice = 1\n[gpu.colour]\n",
                  "line 3: unknown section [gpu.colour]"},
        ErrorCase{"BoardTwice", "[gpu]\ndevice = 1\n[gpu.board]\n[gpu.board]\n",
                  "line 4: [gpu.board] given twice for one [gpu]"},
        ErrorCase{"UnknownBoardKey", "[gpu]\ndevice = 1\n[gpu.board]\nclock = 5\n",
                  "line 4: unknown key 'clock' in [gpu.board]"},
        ErrorCase{"SizeBeyond32Bits", "[gpu]\ndevice = 1\n[gpu.board]\nmemory_kb = 0x100000000\n",
                  "line 4: 'memory_kb' needs a number from 0 to 4294967295"},
        ErrorCase{"DisplayTotalBeyond16Bits", "[gpu]\ndevice = 1\n[gpu.display]\nh_total = 65536\n",
                  "line 4: 'h_total' needs a number from 0 to 65535"},
        ErrorCase{"UnknownDisplayKey", "[gpu]\ndevice = 1\n[gpu.display]\nrefresh = 60\n",
                  "line 4: unknown key 'refresh' in [gpu.display]"},
        ErrorCase{"BranchTooLong",
                  "[driver]\ndriver_branch = "
                  "0123456789012345678901234567890123456789012345678901234567890123\n",
                  "line 2: 'driver_branch' is longer than 63 characters"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return info.param.name; });

TEST(GpuAreaScenario, ABoardAreaBelongsToTheGpuAboveIt) {
  const std::string text =
      "[gpu]\ndevice = 1\n[gpu.board]\ncores = 1\n"
      "[gpu]\ndevice = 2\n[gpu.board]\ncores = 2\n";
  sim::Scenario scenario;
  std::string error;
  ASSERT_TRUE(sim::ParseScenario(text, scenario, error)) << error;
  ASSERT_EQ(scenario.gpus.size(), 2u);
  EXPECT_EQ(scenario.gpus[0].board.coreCount, 1u);
  EXPECT_EQ(scenario.gpus[1].board.coreCount, 2u);
}

}  // namespace
